// Checks of a sound, music or video file before the system's MCI drivers see
// it: those drivers trust chunk sizes, channel counts and frame sizes that a
// damaged or crafted file can set to anything. Only headers, chunk headers and
// the video index are read, so that a recording of gigabytes costs no more
// than a small one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/files.h"

namespace vl {

enum class MediaFormat { Unknown, Wave, Avi, Midi, Rmi };

// What the first bytes say the file is (RIFF WAVE, RIFF AVI , MThd, RIFF RMID);
// needs at most 12 bytes.
MediaFormat sniffMediaFormat(std::string_view head);

enum class MediaFault { None, Damaged, WrongKind };

// Each checks one format; WrongKind when the file is not that format at all.
MediaFault checkWaveFile(RecordFile& file);
MediaFault checkAviFile(RecordFile& file);
MediaFault checkMidiFile(RecordFile& file);  // a standard MIDI file
MediaFault checkRmiFile(RecordFile& file);   // RIFF RMID holding a standard MIDI file
// The check of whatever format the first bytes name; WrongKind when they name none.
MediaFault checkMediaFile(RecordFile& file);

// A RecordFile over bytes in memory, for callers that already hold them.
class BytesRecordFile : public RecordFile {
 public:
  explicit BytesRecordFile(std::string bytes) : bytes_(std::move(bytes)) {}
  std::int64_t length() const override { return static_cast<std::int64_t>(bytes_.size()); }
  std::string read(std::int64_t offset, std::size_t count) override;

 private:
  std::string bytes_;
};

}  // namespace vl
