#include "platform/memory/memory_files.h"

#include <algorithm>

namespace vl {

std::string MemoryFileSystem::key(const std::string& path) {
  std::string k = path;
  std::transform(k.begin(), k.end(), k.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return k;
}

bool inRootOfC(const std::string& path) {
  std::string k = path.substr(0, 3);
  return (k == "c:\\" || k == "C:\\") && path.find('\\', 3) == std::string::npos;
}

std::optional<std::string> MemoryFileSystem::readFile(const std::string& path,
                                                      std::size_t maxBytes) {
  auto it = files_.find(key(path));
  if (it == files_.end() || refuseRead(path)) return std::nullopt;
  const Entry& e = it->second;
  std::size_t n = e.sparseLength >= 0 ? static_cast<std::size_t>(std::min<std::int64_t>(
                                            e.sparseLength, static_cast<std::int64_t>(maxBytes)))
                                      : std::min(e.bytes.size(), maxBytes);
  largestRead = std::max<std::int64_t>(largestRead, static_cast<std::int64_t>(n));
  return e.sparseLength >= 0 ? std::string(n, '\0') : e.bytes.substr(0, n);
}

bool MemoryFileSystem::writeFile(const std::string& path, std::string_view bytes) {
  ++writeAttempts;
  if (refuseWrite(path)) return false;
  files_[key(path)] = Entry{std::string(bytes), -1};
  return true;
}

bool MemoryFileSystem::fileExists(const std::string& path) {
  return files_.count(key(path)) > 0;
}

bool MemoryFileSystem::removeFile(const std::string& path) {
  if (refuseWrite(path)) return false;
  return files_.erase(key(path)) > 0;
}

bool MemoryFileSystem::createDirectories(const std::string& path) {
  return !refuseWrite(path);
}

void MemoryFileSystem::addSparseFile(const std::string& path, std::int64_t length) {
  files_[key(path)] = Entry{{}, length};
}

std::optional<std::string> MemoryFileSystem::contents(const std::string& path) const {
  auto it = files_.find(key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second.bytes;
}

namespace {
class MemoryRecordFile : public RecordFile {
 public:
  MemoryRecordFile(std::string bytes, std::int64_t sparse, std::int64_t* largestRead)
      : bytes_(std::move(bytes)), sparse_(sparse), largestRead_(largestRead) {}
  std::int64_t length() const override {
    return sparse_ >= 0 ? sparse_ : static_cast<std::int64_t>(bytes_.size());
  }
  std::string read(std::int64_t offset, std::size_t count) override {
    if (offset < 0 || offset >= length()) return {};
    auto n = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(count), length() - offset));
    *largestRead_ = std::max<std::int64_t>(*largestRead_, static_cast<std::int64_t>(n));
    if (sparse_ >= 0) return std::string(n, '\0');
    return bytes_.substr(static_cast<std::size_t>(offset), n);
  }

 private:
  std::string bytes_;
  std::int64_t sparse_;
  std::int64_t* largestRead_;
};
}  // namespace

std::unique_ptr<RecordFile> MemoryFileSystem::openRecords(const std::string& path) {
  auto it = files_.find(key(path));
  if (it == files_.end() || refuseRead(path)) return nullptr;
  return std::make_unique<MemoryRecordFile>(it->second.bytes, it->second.sparseLength,
                                            &largestRead);
}

}  // namespace vl
