#include "platform/win32/picture_decoder.h"

#include <optional>

#include "platform/picture_check.h"
#include "platform/win32/handle.h"
#include "platform/win32/picture_kinds.h"
#include "platform/win32/system_services.h"
#include "platform/win32/text.h"

namespace vl::win32 {

namespace {

// Larger files are not pictures anyone shows with this program, and reading
// them whole would only exhaust memory.
constexpr LONGLONG kLargestPicture = 256LL << 20;

std::optional<std::string> readWhole(const std::string& path, std::string& error) {
  FileHandle file(CreateFileW(filePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) {
    error = errorText(GetLastError());
    return std::nullopt;
  }
  if (size.QuadPart == 0) {
    error = "empty file";
    return std::nullopt;
  }
  if (size.QuadPart > kLargestPicture) {
    error = faultWords(PictureFault::TooLarge);
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got,
                  nullptr)) {
      error = errorText(GetLastError());
      return std::nullopt;
    }
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

bool isIconOrCursor(std::string_view b) {
  unsigned type = readU16(b, 2);
  return b.size() >= 22 && readU16(b, 0) == 0 && (type == 1 || type == 2) && readU16(b, 4) > 0;
}

bool isWindowsMetafile(std::string_view b) {
  if (readU32(b, 0) == 0x9AC6CDD7) return true;  // the placeable header's key
  unsigned type = readU16(b, 0), version = readU16(b, 4);
  return b.size() >= 18 && (type == 1 || type == 2) && readU16(b, 2) == 9 &&
         (version == 0x100 || version == 0x300);
}

bool isEnhancedMetafile(std::string_view b) {
  return b.size() >= 88 && readU32(b, 0) == EMR_HEADER && readU32(b, 40) == ENHMETA_SIGNATURE;
}

}  // namespace

PictureLoad pictureFailure(const std::string& fallback) {
  DWORD code = GetLastError();
  return {nullptr, code ? errorText(code) : fallback};
}

std::string damagedPicture() {
  return faultWords(PictureFault::Damaged);
}

Win32PictureDecoder::Win32PictureDecoder(HINSTANCE instance, int pixelsPerInch,
                                         SystemLibraries& libraries)
    : instance_(instance), dpi_(pixelsPerInch > 0 ? pixelsPerInch : 96), com_(libraries) {}

PictureLoad Win32PictureDecoder::decode(const std::string& source) {
  if (source.starts_with("res:")) {
    return loadBitmapResource(instance_, widen(source.substr(4)), dpi_);
  }
  std::string error;
  std::optional<std::string> bytes = readWhole(source, error);
  if (!bytes) return {nullptr, error};
  // The content decides: pictures are often saved under the wrong extension.
  // The system's readers trust what a file says: it is checked first.
  std::string_view b = *bytes;
  SetLastError(0);
  auto refused = [](PictureFault f) { return PictureLoad{nullptr, faultWords(f)}; };
  if (b.starts_with("BM")) {
    if (PictureFault f = checkBitmapFile(b); f != PictureFault::None) return refused(f);
    return decodeBitmapFile(std::move(*bytes), dpi_);
  }
  if (isIconOrCursor(b)) {
    if (PictureFault f = checkIconFile(b); f != PictureFault::None) return refused(f);
    return loadIconFile(source, b, dpi_, com_);
  }
  if (isEnhancedMetafile(b)) {
    if (PictureFault f = checkEnhancedMetafile(b); f != PictureFault::None) return refused(f);
    return decodeEnhancedMetafile(b, dpi_);
  }
  if (isWindowsMetafile(b)) {
    if (PictureFault f = checkWindowsMetafile(b); f != PictureFault::None) return refused(f);
    return decodeWindowsMetafile(b, dpi_);
  }
  return refused(PictureFault::NotAPicture);
}

}  // namespace vl::win32
