// Files, the code page and program start over the Windows API.
#pragma once

#include <map>

#include "platform/services.h"

namespace vl::win32 {

class SystemLibraries;

class Win32FileSystem : public FileSystem {
 public:
  explicit Win32FileSystem(SystemLibraries& libraries);
  ~Win32FileSystem() override;
  std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
  bool writeFile(const std::string& path, std::string_view bytes) override;
  bool appendToFile(const std::string& path, std::string_view bytes) override;
  bool fileExists(const std::string& path) override;
  bool removeFile(const std::string& path) override;
  bool createDirectories(const std::string& path) override;
  std::unique_ptr<RecordFile> openRecords(const std::string& path) override;
  std::string currentDirectory() override;
  std::string programDirectory() override;
  std::string userSettingsDirectory() override;
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

 private:
  SystemLibraries& libraries_;
  std::optional<std::string> settingsDirectory_;
  // Volume names of fixed drives, asked once: asking is slow on some drives.
  std::map<char, std::string> labels_;
};

// A path as the file functions take it: a path too long for MAX_PATH is made
// full ("/" and ".." resolved) and gets the "\\?\" prefix that lifts the limit.
std::wstring filePath(const std::string& path);
std::wstring fileApiPath(const std::wstring& path);
// GetFullPathNameW of any length; empty when it fails.
std::wstring fullPathName(const std::wstring& path);

class AnsiCodec : public TextCodec {
 public:
  std::optional<std::string> toAnsi(std::string_view utf8) const override;
  std::string fromAnsi(std::string_view bytes) const override;
};

class Win32Launcher : public Launcher {
 public:
  std::string start(const std::string& program, const std::string& argument) override;
  std::string startAgain(const std::string& file) override;
};

}  // namespace vl::win32
