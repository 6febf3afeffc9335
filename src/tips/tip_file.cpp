#include "tips/tip_file.h"

#include <algorithm>
#include <climits>

#include "settings/settings_store.h"

namespace vl {

TipFile::TipFile(FileSystem& fs, const TextCodec& codec, const std::string& path)
    : file_(fs.openRecords(path)), codec_(codec) {
  std::int64_t records = file_ ? file_->length() / kRecordLength : 0;
  count_ = static_cast<int>(std::clamp<std::int64_t>(records, 1, INT_MAX));
}

std::string TipFile::tip(int n) const {
  if (!file_ || n < 1 || n > count_) return {};
  std::string record = file_->read(static_cast<std::int64_t>(n - 1) * kRecordLength, kRecordLength);
  record = record.substr(0, record.find('\0'));
  std::size_t first = record.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  record = record.substr(first, record.find_last_not_of(' ') - first + 1);
  return decodeText(record, codec_);
}

int TipFile::pick(double r) const {
  auto n = static_cast<std::int64_t>(count_ * r + 1);
  return static_cast<int>(std::clamp<std::int64_t>(n, 1, count_));
}

std::string locateProgramFile(FileSystem& fs, const std::string& name) {
  std::string here = joinPath(fs.currentDirectory(), name);
  return fs.fileExists(here) ? here : joinPath(fs.programDirectory(), name);
}

}  // namespace vl
