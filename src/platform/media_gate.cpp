#include "platform/media_gate.h"

#include <algorithm>
#include <cctype>

#include "platform/media_check.h"
#include "platform/text_codec.h"

namespace vl {

namespace {

// ".mov", or "" for a name without an extension.
std::string extensionOf(const std::string& path) {
  std::string name = fileNameOf(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos || dot + 1 == name.size() ? "" : asciiLower(name.substr(dot));
}

// The formats a device of the system reads, and what a file of another kind
// is called; any other device (a media player of many formats) takes
// whatever it recognises.
struct DeviceFormats {
  const char* device;
  MediaFormat first, second;
  const char* otherwise;
};

constexpr DeviceFormats kDevices[] = {
    {"waveaudio", MediaFormat::Wave, MediaFormat::Wave, "not a sound file"},
    {"sequencer", MediaFormat::Midi, MediaFormat::Rmi, "not a music file"},
    {"avivideo", MediaFormat::Avi, MediaFormat::Avi, "not a video file"},
};

}  // namespace

std::string refusalToPlay(FileSystem& fs, const std::string& device, const std::string& path) {
  if (device.empty()) {
    std::string ext = extensionOf(path);
    return "Windows has no player for " +
           (ext.empty() ? "files without an extension" : ext + " files");
  }
  // A file that cannot be opened is the device's to report, as before.
  std::unique_ptr<RecordFile> file = fs.openRecords(path);
  if (!file) return {};
  MediaFormat format = sniffMediaFormat(file->read(0, 12));
  std::string kind = asciiLower(device);
  for (const DeviceFormats& d : kDevices)
    if (kind == d.device && format != d.first && format != d.second) return d.otherwise;
  // Whatever the device, bytes that say they are one of these formats must
  // hold together: players of many formats read them with the same trust.
  if (format != MediaFormat::Unknown && checkMediaFile(*file) != MediaFault::None)
    return "damaged file";
  return {};
}

}  // namespace vl
