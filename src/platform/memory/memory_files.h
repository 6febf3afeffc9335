// A file system in memory that can be told to refuse reads or writes.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/files.h"

namespace vl {

class MemoryFileSystem : public FileSystem {
 public:
  std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
  bool writeFile(const std::string& path, std::string_view bytes) override;
  bool fileExists(const std::string& path) override;
  bool removeFile(const std::string& path) override;
  bool createDirectories(const std::string& path) override;
  std::unique_ptr<RecordFile> openRecords(const std::string& path) override;
  std::string currentDirectory() override { return currentDir; }
  std::string programDirectory() override { return programDir; }
  std::string userSettingsDirectory() override { return userSettingsDir; }

  // A file of the given length whose bytes are all zero, without storing them.
  void addSparseFile(const std::string& path, std::int64_t length);
  std::optional<std::string> contents(const std::string& path) const;

  std::string currentDir = "c:\\work";
  std::string programDir = "c:\\program files\\varilume se";
  std::string userSettingsDir = "c:\\users\\user\\appdata\\local\\varilume se";
  // Paths for which the operation fails.
  std::function<bool(const std::string&)> refuseWrite = [](const std::string&) { return false; };
  std::function<bool(const std::string&)> refuseRead = [](const std::string&) { return false; };
  int writeAttempts = 0;
  std::int64_t largestRead = 0;

 private:
  struct Entry {
    std::string bytes;
    std::int64_t sparseLength = -1;  // >= 0: all zero bytes of this length
  };
  static std::string key(const std::string& path);
  std::map<std::string, Entry> files_;
};

// True when the path names a file directly in the root of drive C:.
bool inRootOfC(const std::string& path);

}  // namespace vl
