// The file services the program uses. Paths are UTF-8 in Windows form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

struct DirEntry {
  std::string name;
  bool directory = false;
  bool hidden = false;  // hidden or system: not listed by the file lists
};

struct DriveInfo {
  char letter;        // 'A'..'Z'
  std::string label;  // the volume's name where it is cheap to learn, else ""
};

// The outcome of a file operation: empty when it worked, else the reason in
// the system's words.
struct FsResult {
  std::string error;
  bool ok() const { return error.empty(); }
};

// Told how far a copy has gone; returns false to cancel it.
using CopyProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// A file kept open for reading fixed-length records one at a time.
class RecordFile {
 public:
  virtual ~RecordFile() = default;
  virtual std::int64_t length() const = 0;
  // Up to count bytes from offset; fewer at the end of the file, none on failure.
  virtual std::string read(std::int64_t offset, std::size_t count) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The file's first maxBytes bytes (all of a shorter file); nullopt when it
  // cannot be opened or read.
  virtual std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) = 0;
  // Creates or replaces the file; false unless every byte was written.
  virtual bool writeFile(const std::string& path, std::string_view bytes) = 0;
  // Adds the bytes at the end of the file (made if missing) in one write,
  // on the disk before it returns: a record that survives a crash.
  virtual bool appendToFile(const std::string& path, std::string_view bytes) = 0;
  virtual bool fileExists(const std::string& path) = 0;
  virtual bool removeFile(const std::string& path) = 0;
  virtual bool createDirectories(const std::string& path) = 0;
  virtual std::unique_ptr<RecordFile> openRecords(const std::string& path) = 0;
  virtual std::string currentDirectory() = 0;
  virtual std::string programDirectory() = 0;
  // Where settings go when the root of drive C: cannot be written; may be empty.
  virtual std::string userSettingsDirectory() = 0;

  // The drives of the system, A: first.
  virtual std::vector<DriveInfo> drives() = 0;
  // The process's current directory on that drive ("D:\work"), its root if none.
  virtual std::string currentDirectoryOn(char drive) = 0;
  // The directory's entries without "." and ".."; nullopt and the reason when
  // it cannot be read.
  virtual std::optional<std::vector<DirEntry>> listDirectory(const std::string& dir,
                                                             std::string& error) = 0;
  virtual bool isDirectory(const std::string& path) = 0;
  // A file marked read-only, which the program leaves as it is.
  virtual bool isReadOnly(const std::string& path) = 0;
  virtual std::optional<std::int64_t> fileSize(const std::string& path) = 0;
  // Copies to a file that must not exist yet.
  virtual FsResult copyFile(const std::string& from, const std::string& to,
                            const CopyProgress& progress) = 0;
  // Renames within one volume, replacing the target if asked.
  virtual FsResult renameFile(const std::string& from, const std::string& to, bool replace) = 0;
  virtual FsResult deleteFile(const std::string& path) = 0;
  // Into the Recycle Bin where the volume has one, else deleted.
  virtual FsResult recycleFile(const std::string& path) = 0;
  virtual bool sameVolume(const std::string& a, const std::string& b) = 0;
};

// "dir" + "\" + "name", without doubling a separator that is already there.
std::string joinPath(std::string_view dir, std::string_view name);
// Whether two paths are the same text but for the letters' case, as Windows
// names files.
bool samePath(std::string_view a, std::string_view b);
// The last part of a path ("A.BMP" of "C:\PICS\A.BMP").
std::string fileNameOf(std::string_view path);
// All but the last part, with the root's separator kept ("C:\" of "C:\A.BMP").
std::string directoryOf(std::string_view path);
// The same directory, letter case and a trailing separator aside.
bool sameDirectory(std::string_view a, std::string_view b);
// The path as a full directory below a drive's root ("c:\WINDOWS" of
// "c:/WINDOWS/"), or nothing when it is anything else: empty, relative, a
// root, a network path, or with an empty name, "." or "..", a character no
// name may hold, or a name that Windows would cut short (trailing dot or space).
std::optional<std::string> fullDirectoryPath(std::string_view path);

}  // namespace vl
