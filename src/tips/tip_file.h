// tip.dat: tips of 255 bytes each, space padded, read one record at a time.
#pragma once

#include <memory>
#include <string>

#include "platform/files.h"
#include "platform/text_codec.h"

namespace vl {

class TipFile {
 public:
  static constexpr int kRecordLength = 255;

  // Opens the file and keeps it open; a missing file holds one empty tip.
  TipFile(FileSystem& fs, const TextCodec& codec, const std::string& path);

  // Whole records in the file, at least 1.
  int count() const { return count_; }
  // Tip number n (1 to count): the record's text without its padding.
  std::string tip(int n) const;
  // The tip number for a random r in [0, 1): the integer part of count * r + 1.
  int pick(double r) const;

 private:
  std::unique_ptr<RecordFile> file_;
  const TextCodec& codec_;
  int count_ = 1;
};

// A file supplied beside the program: the one in the current directory if
// there is one, else the one in the program's directory.
std::string locateProgramFile(FileSystem& fs, const std::string& name);

}  // namespace vl
