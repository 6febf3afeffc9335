// A file system in memory that can be told to refuse reads or writes, to
// run out of space, or to lack a drive's medium.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace vl {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();

  std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
  bool writeFile(const std::string& path, std::string_view bytes) override;
  bool appendToFile(const std::string& path, std::string_view bytes) override;
  bool fileExists(const std::string& path) override;
  bool removeFile(const std::string& path) override;
  bool createDirectories(const std::string& path) override;
  std::unique_ptr<RecordFile> openRecords(const std::string& path) override;
  std::string currentDirectory() override { return currentDir; }
  std::string programDirectory() override { return programDir; }
  std::string userSettingsDirectory() override { return userSettingsDir; }
  std::vector<DriveInfo> drives() override;
  std::string currentDirectoryOn(char drive) override;
  std::optional<std::vector<DirEntry>> listDirectory(const std::string& dir,
                                                     std::string& error) override;
  bool isDirectory(const std::string& path) override;
  bool isReadOnly(const std::string& path) override;
  std::optional<std::int64_t> fileSize(const std::string& path) override;
  FsResult copyFile(const std::string& from, const std::string& to,
                    const CopyProgress& progress) override;
  FsResult renameFile(const std::string& from, const std::string& to, bool replace) override;
  FsResult deleteFile(const std::string& path) override;
  FsResult recycleFile(const std::string& path) override;
  bool sameVolume(const std::string& a, const std::string& b) override;

  // A file of the given length whose bytes are all zero, without storing them.
  void addSparseFile(const std::string& path, std::int64_t length);
  void addDirectory(const std::string& path);
  void setHidden(const std::string& path);
  // Marked read-only; a rename still replaces it, as Wine's does.
  void setReadOnly(const std::string& path);
  std::optional<std::string> contents(const std::string& path) const;

  std::string currentDir = "C:\\work";
  std::string programDir = "C:\\Program Files\\Varilume SE";
  std::string userSettingsDir = "C:\\Users\\user\\AppData\\Roaming\\Varilume SE";
  // Paths for which the operation fails.
  std::function<bool(const std::string&)> refuseWrite = [](const std::string&) { return false; };
  std::function<bool(const std::string&)> refuseRead = [](const std::string&) { return false; };
  std::set<char> drivesWithoutMedium;
  std::set<char> drivesWithoutRecycleBin;
  std::map<char, std::int64_t> freeSpace;  // bytes left on a drive; unlimited if absent
  std::size_t copyChunk = 1 << 20;
  // What goes on elsewhere while a copy runs, after each chunk it has copied:
  // the user's actions and the windows' time while a worker copies.
  std::function<void(std::int64_t done)> whileCopying;
  int writeAttempts = 0;
  // Every path a file was to be written, renamed or copied to, or a folder
  // made at, whether or not it worked.
  std::vector<std::string> writes;
  std::int64_t largestRead = 0;
  std::vector<std::string> recycled;

 private:
  struct Entry {
    std::string path;  // as created
    std::string bytes;
    std::int64_t sparseLength = -1;  // >= 0: all zero bytes of this length
    bool hidden = false;
    bool readOnly = false;
    std::int64_t size() const {
      return sparseLength >= 0 ? sparseLength : static_cast<std::int64_t>(bytes.size());
    }
  };
  static std::string key(const std::string& path);
  bool mediumMissing(const std::string& path) const;
  std::map<std::string, Entry> files_;
  std::map<std::string, std::string> dirs_;  // key -> path as created
};

// True when the path names a file directly in the root of drive C:.
bool inRootOfC(const std::string& path);

}  // namespace vl
