// One-value settings files in a folder of their own: the root of drive C:,
// or the Windows directory. Where that folder cannot be written (or there is
// none), the files live in the user's own settings folder, and a copy there
// is read in preference to the other. A file is replaced only by a complete
// new one.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/text_codec.h"

namespace vl {

class SettingsStore {
 public:
  // An empty directory: the user's settings folder only.
  SettingsStore(FileSystem& fs, const TextCodec& codec, std::string directory = "c:\\")
      : fs_(fs), codec_(codec), directory_(std::move(directory)) {}

  // The file's value; nullopt when it is missing, empty, unreadable or holds
  // a NUL character.
  std::optional<std::string> read(std::string_view name);
  // read(), and whether the file holds the value just as write() puts it.
  std::optional<std::string> read(std::string_view name, bool& asWritten);
  // Replaces the file with the single line of the value; false when neither
  // location could be written, or the value holds a NUL character.
  bool write(std::string_view name, std::string_view value);
  // read(); when that fails, writes the default and reads once more; when
  // that fails too, the default.
  std::string readOrCreate(std::string_view name, std::string_view defaultValue);
  // The file's value when it is one of those allowed; else the file is
  // mended with the default, which is returned. asWritten tells whether the
  // file now holds the value just as write() puts it.
  std::string readOneOf(std::string_view name, std::initializer_list<std::string_view> allowed,
                        std::string_view defaultValue, bool* asWritten = nullptr);

  // "" when the store has no folder of its own.
  std::string primaryPath(std::string_view name) const;
  std::string fallbackPath(std::string_view name);

  static constexpr std::size_t kMaxFileBytes = 16u << 20;

 private:
  std::optional<std::string> readAt(const std::string& path, bool* asWritten = nullptr);
  std::string fileBytes(std::string_view value) const;
  // Writes the bytes beside the file and puts them in its place only once
  // every byte is written: a failed write leaves the old file as it was.
  bool replaceFile(const std::string& path, const std::string& bytes);

  FileSystem& fs_;
  const TextCodec& codec_;
  std::string directory_;
};

// Bytes of a settings or tip file as text: UTF-8 or UTF-16 after its
// byte-order mark, else the system's code page.
std::string decodeText(std::string_view bytes, const TextCodec& codec);
// Text as the system's code page where it fits and does not begin like a
// byte-order mark, else UTF-8 after a byte-order mark.
std::string encodeText(std::string_view text, const TextCodec& codec);

}  // namespace vl
