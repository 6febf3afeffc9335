// Sound, music and video checks: reads stay inside the file and cost no more
// than a few passes over it; the first 12 bytes decide the format, and a
// checker answers WrongKind exactly for the files of other formats; what
// passes still passes with bytes appended, and a RIFF form cut short of its
// size does not; RIFF MIDI is checked as the standard MIDI file it holds.
#include <cstdint>
#include <string>
#include <utility>

#include "fuzz.h"
#include "platform/bytes.h"
#include "platform/media_check.h"
#include "platform/riff_midi.h"

namespace {

using vl::MediaFault;
using vl::MediaFormat;

// Fails on a read outside the file; counts the bytes read.
class WatchedFile : public vl::RecordFile {
 public:
  explicit WatchedFile(std::string bytes) : file_(std::move(bytes)) {}
  std::int64_t length() const override { return file_.length(); }
  std::string read(std::int64_t offset, std::size_t count) override {
    FUZZ_CHECK(offset >= 0 && offset <= length());
    FUZZ_CHECK(count > 0 && count <= static_cast<std::uint64_t>(length() - offset));
    read_ += count;
    return file_.read(offset, count);
  }
  std::uint64_t bytesRead() const { return read_; }

 private:
  vl::BytesRecordFile file_;
  std::uint64_t read_ = 0;
};

using Checker = MediaFault (*)(vl::RecordFile&);

MediaFault check(Checker checker, std::string_view bytes) {
  WatchedFile file{std::string(bytes)};
  MediaFault fault = checker(file);
  FUZZ_CHECK(file.bytesRead() <= 3 * bytes.size() + 64);
  return fault;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view file = fuzz::bytes(data, size);
  const MediaFormat format = vl::sniffMediaFormat(file);
  FUZZ_CHECK(vl::sniffMediaFormat(file.substr(0, 12)) == format);

  const struct {
    Checker checker;
    MediaFormat format;
  } checks[] = {{vl::checkWaveFile, MediaFormat::Wave},
                {vl::checkAviFile, MediaFormat::Avi},
                {vl::checkMidiFile, MediaFormat::Midi},
                {vl::checkRmiFile, MediaFormat::Rmi}};
  MediaFault own = MediaFault::WrongKind;
  for (const auto& c : checks) {
    MediaFault fault = check(c.checker, file);
    FUZZ_CHECK((fault == MediaFault::WrongKind) == (format != c.format));
    if (format != c.format) continue;
    own = fault;
    if (fault != MediaFault::None) continue;
    FUZZ_CHECK(check(c.checker, std::string(file) + std::string("\0trail\xFF", 7)) ==
               MediaFault::None);
    if (format != MediaFormat::Midi) {
      std::size_t formEnd = std::size_t{8} + vl::readU32(file, 4);
      FUZZ_CHECK(formEnd <= file.size());
      FUZZ_CHECK(check(c.checker, file.substr(0, formEnd - 1)) == MediaFault::Damaged);
    }
  }
  FUZZ_CHECK(check(vl::checkMediaFile, file) == own);

  // The same bytes as RIFF MIDI: damage inside shows, and a file of no
  // standard MIDI kind is damage there.
  std::string wrapped = "RIFFsizeRMIDdatasize" + std::string(file);
  if (size % 2) wrapped += '\0';
  for (int i = 0; i < 4; ++i) {
    wrapped[4 + i] = static_cast<char>((wrapped.size() - 8) >> (8 * i));
    wrapped[16 + i] = static_cast<char>(size >> (8 * i));
  }
  MediaFault midi = check(vl::checkMidiFile, file);
  FUZZ_CHECK(check(vl::checkRmiFile, wrapped) ==
             (midi == MediaFault::WrongKind ? MediaFault::Damaged : midi));
  if (format == MediaFormat::Rmi && own == MediaFault::None) {
    auto embedded = vl::embeddedMidi(file);
    FUZZ_CHECK(embedded.has_value());
    FUZZ_CHECK(check(vl::checkMidiFile, *embedded) == MediaFault::None);
  }
  return 0;
}
