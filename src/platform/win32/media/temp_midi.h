// The plain MIDI file inside an RMI file, written to a temporary file for a
// sequencer that reads only plain MIDI. The file goes when its owner does.
#pragma once

#include <memory>
#include <string>

namespace vl::win32 {

class TempMidi {
 public:
  explicit TempMidi(std::wstring path) : path_(std::move(path)) {}
  TempMidi(const TempMidi&) = delete;
  TempMidi& operator=(const TempMidi&) = delete;
  ~TempMidi();
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// Null when the file is no readable RMI file or the copy cannot be written.
std::unique_ptr<TempMidi> extractRmi(const std::wstring& file);

}  // namespace vl::win32
