#include "platform/memory/memory_files.h"

#include <algorithm>
#include <limits>

namespace vl {

namespace {
constexpr const char* kNotFound = "The system cannot find the file specified.";
constexpr const char* kPathNotFound = "The system cannot find the path specified.";
constexpr const char* kDenied = "Access is denied.";
constexpr const char* kNotReady = "The device is not ready.";
constexpr const char* kDiskFull = "There is not enough space on the disk.";
constexpr const char* kExists = "The file exists.";

char driveOf(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' ? static_cast<char>(std::toupper(path[0])) : '\0';
}
}  // namespace

MemoryFileSystem::MemoryFileSystem() {
  for (const char* dir :
       {"C:\\", "C:\\work", "C:\\Program Files", "C:\\Program Files\\Varilume SE"})
    addDirectory(dir);
}

std::string MemoryFileSystem::key(const std::string& path) {
  std::string k = path;
  while (k.size() > 3 && k.back() == '\\') k.pop_back();
  std::transform(k.begin(), k.end(), k.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return k;
}

bool MemoryFileSystem::mediumMissing(const std::string& path) const {
  return drivesWithoutMedium.count(driveOf(path)) > 0;
}

bool inRootOfC(const std::string& path) {
  std::string k = path.substr(0, 3);
  return (k == "c:\\" || k == "C:\\") && path.find('\\', 3) == std::string::npos;
}

std::optional<std::string> MemoryFileSystem::readFile(const std::string& path,
                                                      std::size_t maxBytes) {
  auto it = files_.find(key(path));
  if (it == files_.end() || refuseRead(path) || mediumMissing(path)) return std::nullopt;
  const Entry& e = it->second;
  auto n = static_cast<std::size_t>(
      std::min<std::int64_t>(e.size(), static_cast<std::int64_t>(maxBytes)));
  largestRead = std::max<std::int64_t>(largestRead, static_cast<std::int64_t>(n));
  return e.sparseLength >= 0 ? std::string(n, '\0') : e.bytes.substr(0, n);
}

bool MemoryFileSystem::writeFile(const std::string& path, std::string_view bytes) {
  ++writeAttempts;
  writes.push_back(path);
  if (refuseWrite(path) || mediumMissing(path) || !dirs_.count(key(directoryOf(path))))
    return false;
  // As on a disk: the old file is gone at once, and a disk that fills up
  // leaves the part that fitted.
  auto old = files_.find(key(path));
  std::int64_t room = std::numeric_limits<std::int64_t>::max();
  if (auto space = freeSpace.find(driveOf(path)); space != freeSpace.end()) {
    if (old != files_.end()) space->second += old->second.size();
    room = space->second;
  }
  std::size_t kept = static_cast<std::size_t>(
      std::min<std::int64_t>(room, static_cast<std::int64_t>(bytes.size())));
  files_[key(path)] = Entry{path, std::string(bytes.substr(0, kept)), -1, false};
  if (auto space = freeSpace.find(driveOf(path)); space != freeSpace.end())
    space->second -= static_cast<std::int64_t>(kept);
  return kept == bytes.size();
}

bool MemoryFileSystem::appendToFile(const std::string& path, std::string_view bytes) {
  std::string whole;
  if (auto old = contents(path)) whole = *old;
  whole.append(bytes);
  return writeFile(path, whole);
}

bool MemoryFileSystem::fileExists(const std::string& path) {
  return files_.count(key(path)) > 0;
}

bool MemoryFileSystem::removeFile(const std::string& path) {
  return deleteFile(path).ok();
}

bool MemoryFileSystem::createDirectories(const std::string& path) {
  writes.push_back(path);
  if (refuseWrite(path)) return false;
  addDirectory(path);
  return true;
}

void MemoryFileSystem::addDirectory(const std::string& path) {
  std::string p = path;
  while (p.size() > 3 && p.back() == '\\') p.pop_back();
  for (std::size_t i = 3; i <= p.size(); ++i)
    if (i == p.size() || p[i] == '\\') dirs_.emplace(key(p.substr(0, i)), p.substr(0, i));
  dirs_.emplace(key(p.substr(0, 3)), p.substr(0, 3));
}

void MemoryFileSystem::addSparseFile(const std::string& path, std::int64_t length) {
  files_[key(path)] = Entry{path, {}, length, false};
}

void MemoryFileSystem::setHidden(const std::string& path) {
  auto it = files_.find(key(path));
  if (it != files_.end()) it->second.hidden = true;
}

void MemoryFileSystem::setReadOnly(const std::string& path) {
  auto it = files_.find(key(path));
  if (it != files_.end()) it->second.readOnly = true;
}

bool MemoryFileSystem::isReadOnly(const std::string& path) {
  auto it = files_.find(key(path));
  return it != files_.end() && it->second.readOnly;
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

std::vector<DriveInfo> MemoryFileSystem::drives() {
  std::set<char> letters;
  for (const auto& [k, path] : dirs_) letters.insert(driveOf(path));
  for (char d : drivesWithoutMedium) letters.insert(d);
  std::vector<DriveInfo> all;
  for (char d : letters)
    if (d) all.push_back({d, d == 'C' ? "SYSTEM" : ""});
  return all;
}

std::string MemoryFileSystem::currentDirectoryOn(char drive) {
  if (driveOf(currentDir) == std::toupper(drive)) return currentDir;
  return std::string(1, static_cast<char>(std::toupper(drive))) + ":\\";
}

std::optional<std::vector<DirEntry>> MemoryFileSystem::listDirectory(const std::string& dir,
                                                                     std::string& error) {
  if (mediumMissing(dir)) {
    error = kNotReady;
    return std::nullopt;
  }
  if (!dirs_.count(key(dir)) || refuseRead(dir)) {
    error = refuseRead(dir) ? kDenied : kPathNotFound;
    return std::nullopt;
  }
  std::vector<DirEntry> entries;
  std::string k = key(dir);
  for (const auto& [dk, path] : dirs_)
    if (dk != k && key(directoryOf(path)) == k) entries.push_back({fileNameOf(path), true, false});
  for (const auto& [fk, e] : files_)
    if (key(directoryOf(e.path)) == k) entries.push_back({fileNameOf(e.path), false, e.hidden});
  return entries;
}

bool MemoryFileSystem::isDirectory(const std::string& path) {
  return dirs_.count(key(path)) > 0;
}

std::optional<std::int64_t> MemoryFileSystem::fileSize(const std::string& path) {
  auto it = files_.find(key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second.size();
}

FsResult MemoryFileSystem::copyFile(const std::string& from, const std::string& to,
                                    const CopyProgress& progress) {
  writes.push_back(to);
  auto source = files_.find(key(from));
  if (source == files_.end() || refuseRead(from)) return {kNotFound};
  if (files_.count(key(to))) return {kExists};
  if (!dirs_.count(key(directoryOf(to)))) return {kPathNotFound};
  if (refuseWrite(to) || mediumMissing(to)) return {kDenied};
  Entry copy = source->second;
  copy.path = to;
  std::int64_t total = copy.size();
  auto space = freeSpace.find(driveOf(to));
  // The target grows chunk by chunk, as a real copy does.
  Entry& target = files_[key(to)] = Entry{to, {}, -1, false};
  for (std::int64_t done = 0;;) {
    std::int64_t step = std::min<std::int64_t>(static_cast<std::int64_t>(copyChunk), total - done);
    if (space != freeSpace.end() && space->second < step) return {kDiskFull};
    if (space != freeSpace.end()) space->second -= step;
    target.bytes.append(copy.sparseLength >= 0 ? std::string(static_cast<std::size_t>(step), '\0')
                                               : copy.bytes.substr(static_cast<std::size_t>(done),
                                                                   static_cast<std::size_t>(step)));
    done += step;
    if (progress && !progress(done, total)) return {"The request was aborted."};
    if (whileCopying) whileCopying(done);
    if (done >= total) break;
  }
  return {};
}

FsResult MemoryFileSystem::renameFile(const std::string& from, const std::string& to,
                                      bool replace) {
  writes.push_back(to);
  auto source = files_.find(key(from));
  if (source == files_.end()) return {kNotFound};
  if (!sameVolume(from, to)) return {"The system cannot move the file to a different disk drive."};
  if (refuseWrite(to) || refuseWrite(from)) return {kDenied};
  if (files_.count(key(to)) && !replace) return {kExists};
  if (!dirs_.count(key(directoryOf(to)))) return {kPathNotFound};
  Entry moved = source->second;
  moved.path = to;
  files_.erase(source);
  files_[key(to)] = moved;
  return {};
}

FsResult MemoryFileSystem::deleteFile(const std::string& path) {
  if (mediumMissing(path)) return {kNotReady};
  if (!files_.count(key(path))) return {kNotFound};
  if (refuseWrite(path)) return {kDenied};
  auto it = files_.find(key(path));
  auto space = freeSpace.find(driveOf(path));
  if (space != freeSpace.end()) space->second += it->second.size();
  files_.erase(it);
  return {};
}

FsResult MemoryFileSystem::recycleFile(const std::string& path) {
  FsResult r = deleteFile(path);
  if (r.ok() && !drivesWithoutRecycleBin.count(driveOf(path))) recycled.push_back(path);
  return r;
}

bool MemoryFileSystem::sameVolume(const std::string& a, const std::string& b) {
  return driveOf(a) == driveOf(b);
}

}  // namespace vl
