// Files, the code page and program start over the Windows API.
#pragma once

#include "platform/services.h"

namespace vl::win32 {

class Win32FileSystem : public FileSystem {
 public:
  std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
  bool writeFile(const std::string& path, std::string_view bytes) override;
  bool fileExists(const std::string& path) override;
  bool removeFile(const std::string& path) override;
  bool createDirectories(const std::string& path) override;
  std::unique_ptr<RecordFile> openRecords(const std::string& path) override;
  std::string currentDirectory() override;
  std::string programDirectory() override;
  std::string userSettingsDirectory() override;

 private:
  std::optional<std::string> settingsDirectory_;
};

class AnsiCodec : public TextCodec {
 public:
  std::optional<std::string> toAnsi(std::string_view utf8) const override;
  std::string fromAnsi(std::string_view bytes) const override;
};

class Win32Launcher : public Launcher {
 public:
  std::string start(const std::string& program, const std::string& argument) override;
};

}  // namespace vl::win32
