// The file services the program uses. Paths are UTF-8 in Windows form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

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
  virtual bool fileExists(const std::string& path) = 0;
  virtual bool removeFile(const std::string& path) = 0;
  virtual bool createDirectories(const std::string& path) = 0;
  virtual std::unique_ptr<RecordFile> openRecords(const std::string& path) = 0;
  virtual std::string currentDirectory() = 0;
  virtual std::string programDirectory() = 0;
  // Where settings go when the root of drive C: cannot be written; may be empty.
  virtual std::string userSettingsDirectory() = 0;
};

// "dir" + "\" + "name", without doubling a separator that is already there.
std::string joinPath(std::string_view dir, std::string_view name);

}  // namespace vl
