#include "settings/settings_store.h"

#include "settings/settings_format.h"

namespace vl {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

bool beginsWithMark(std::string_view bytes) {
  return bytes.starts_with(kUtf8Bom) || bytes.starts_with(kUtf16LeBom) ||
         bytes.starts_with(kUtf16BeBom);
}
}  // namespace

std::string decodeText(std::string_view bytes, const TextCodec& codec) {
  if (bytes.starts_with(kUtf8Bom)) return std::string(bytes.substr(kUtf8Bom.size()));
  // Notepad's "Unicode" and "Unicode big endian".
  if (bytes.starts_with(kUtf16LeBom)) return utf16ToUtf8(bytes.substr(2), false);
  if (bytes.starts_with(kUtf16BeBom)) return utf16ToUtf8(bytes.substr(2), true);
  return codec.fromAnsi(bytes);
}

std::string encodeText(std::string_view text, const TextCodec& codec) {
  // Code-page bytes that begin like a byte-order mark would be read back as
  // Unicode (U+00EF U+00BB U+00BF is EF BB BF in the Western code page): such
  // a text goes as UTF-8 too.
  if (auto ansi = codec.toAnsi(text); ansi && !beginsWithMark(*ansi)) return *ansi;
  return std::string(kUtf8Bom) + std::string(text);
}

std::string SettingsStore::primaryPath(std::string_view name) const {
  return directory_.empty() ? std::string() : joinPath(directory_, name);
}

std::string SettingsStore::fallbackPath(std::string_view name) {
  std::string dir = fs_.userSettingsDirectory();
  return dir.empty() ? std::string() : joinPath(dir, name);
}

std::string SettingsStore::fileBytes(std::string_view value) const {
  return encodeText(formatSettingLine(value), codec_);
}

std::optional<std::string> SettingsStore::readAt(const std::string& path, bool* asWritten) {
  if (path.empty()) return std::nullopt;
  auto bytes = fs_.readFile(path, kMaxFileBytes);
  if (!bytes || bytes->empty()) return std::nullopt;  // nothing to read is a failed read
  std::string text = decodeText(*bytes, codec_);
  // Neither the program nor a text editor writes NUL: such a file is no
  // settings file (Unicode without its byte-order mark, or junk).
  if (text.find('\0') != std::string::npos) return std::nullopt;
  std::string value = parseSettingValue(text);
  if (asWritten) *asWritten = *bytes == fileBytes(value);
  return value;
}

std::optional<std::string> SettingsStore::read(std::string_view name) {
  bool asWritten = false;
  return read(name, asWritten);
}

std::optional<std::string> SettingsStore::read(std::string_view name, bool& asWritten) {
  std::string fallback = fallbackPath(name);
  if (!fallback.empty() && fs_.fileExists(fallback))
    if (auto v = readAt(fallback, &asWritten)) return v;
  return readAt(primaryPath(name), &asWritten);
}

bool SettingsStore::write(std::string_view name, std::string_view value) {
  if (value.find('\0') != std::string_view::npos) return false;  // it could not be read back
  std::string bytes = fileBytes(value);
  std::string fallback = fallbackPath(name);
  if (replaceFile(primaryPath(name), bytes)) {
    // A copy left from a time when C:\ could not be written would win on reading.
    if (!fallback.empty() && fs_.fileExists(fallback)) fs_.removeFile(fallback);
    return true;
  }
  if (fallback.empty()) return false;
  fs_.createDirectories(fs_.userSettingsDirectory());
  return replaceFile(fallback, bytes);
}

bool SettingsStore::replaceFile(const std::string& path, const std::string& bytes) {
  if (path.empty()) return false;
  std::string fresh = path + ".new";
  if (fs_.writeFile(fresh, bytes) && fs_.renameFile(fresh, path, true).ok()) return true;
  fs_.removeFile(fresh);
  return false;
}

std::string SettingsStore::readOrCreate(std::string_view name, std::string_view defaultValue) {
  if (auto v = read(name)) return *v;
  write(name, defaultValue);
  if (auto v = read(name)) return *v;
  return std::string(defaultValue);
}

std::string SettingsStore::readOneOf(std::string_view name,
                                     std::initializer_list<std::string_view> allowed,
                                     std::string_view defaultValue, bool* asWritten) {
  bool same = false;
  if (auto v = read(name, same))
    for (std::string_view a : allowed)
      if (*v == a) {
        if (asWritten) *asWritten = same;
        return *v;
      }
  if (asWritten) *asWritten = true;
  write(name, defaultValue);
  return std::string(defaultValue);
}

}  // namespace vl
