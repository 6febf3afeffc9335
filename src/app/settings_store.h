// The one-value settings files in the root of drive C:. Where the root
// cannot be written, the files live in the user's own settings folder, and a
// copy there is read in preference to the one in C:\.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/text_codec.h"

namespace vl {

class SettingsStore {
 public:
  SettingsStore(FileSystem& fs, const TextCodec& codec) : fs_(fs), codec_(codec) {}

  // The file's value; nullopt when it is missing, empty or unreadable.
  std::optional<std::string> read(std::string_view name);
  // Replaces the file with the single line of the value; false when neither
  // location could be written.
  bool write(std::string_view name, std::string_view value);
  // read(); when that fails, writes the default and reads once more; when
  // that fails too, the default.
  std::string readOrCreate(std::string_view name, std::string_view defaultValue);

  static std::string primaryPath(std::string_view name);
  std::string fallbackPath(std::string_view name);

  static constexpr std::size_t kMaxFileBytes = 16u << 20;

 private:
  std::optional<std::string> readAt(const std::string& path);

  FileSystem& fs_;
  const TextCodec& codec_;
};

// Bytes of a settings or tip file as text: UTF-8 after a byte-order mark,
// else the system's code page.
std::string decodeText(std::string_view bytes, const TextCodec& codec);
// Text as the system's code page where it fits, else UTF-8 after a byte-order mark.
std::string encodeText(std::string_view text, const TextCodec& codec);

}  // namespace vl
