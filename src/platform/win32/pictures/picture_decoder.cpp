#include "platform/win32/pictures/picture_decoder.h"

#include <cstring>
#include <optional>

#include "platform/picture_check.h"
#include "platform/picture_size.h"
#include "platform/win32/system/handle.h"
#include "platform/win32/pictures/picture_kinds.h"
#include "platform/win32/system/system_services.h"
#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

// Larger files are not pictures anyone shows with this program, and reading
// them whole would only exhaust memory.
constexpr LONGLONG kLargestPicture = 256LL << 20;

// A large file is copied from a view of it: under Wine that is as quick as
// the system's own loader, where reading it into fresh memory is a sixth
// slower. The view lasts only as long as the copy (the system keeps the file
// from being cut short meanwhile), so that the file stays free to be
// replaced or deleted while the picture is shown.
bool copyMapped(HANDLE file, ByteBuffer& to) {
  constexpr std::size_t kWorthMapping = 1 << 20;
  if (to.size() < kWorthMapping) return false;
  FileHandle mapping(CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping.valid()) return false;
  const void* view = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, to.size());
  if (!view) return false;
  std::memcpy(to.data(), view, to.size());
  UnmapViewOfFile(view);
  return true;
}

std::optional<ByteBuffer> readWhole(const std::string& path, std::string& error) {
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
  ByteBuffer bytes(static_cast<std::size_t>(size.QuadPart));
  if (bytes.size() != static_cast<std::size_t>(size.QuadPart)) {
    error = errorText(ERROR_NOT_ENOUGH_MEMORY);
    return std::nullopt;
  }
  if (copyMapped(file.get(), bytes)) return bytes;
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
  bytes.shrink(done);
  return bytes;
}

}  // namespace

PictureLoad pictureFailure(const std::string& fallback) {
  DWORD code = GetLastError();
  return {nullptr, code ? errorText(code) : fallback};
}

std::string damagedPicture() {
  return faultWords(PictureFault::Damaged);
}

Win32PictureDecoder::Win32PictureDecoder(HINSTANCE instance, int pixelsPerInch, ComApartment& com)
    : instance_(instance), dpi_(pixelsPerInch > 0 ? pixelsPerInch : 96), com_(com) {}

std::optional<std::uint64_t> Win32PictureDecoder::version(const std::string& source) {
  if (source.starts_with("res:")) return 0;  // the program's own never change
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(filePath(source).c_str(), GetFileExInfoStandard, &data))
    return std::nullopt;
  // The time of the last write with the size: a file written anew within the
  // time's resolution still differs in size, or is the same picture.
  std::uint64_t time = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                       data.ftLastWriteTime.dwLowDateTime;
  std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  return time * 0x100000001b3ULL ^ size;
}

PictureLoad Win32PictureDecoder::decode(const std::string& source) {
  // The windows' thread has its apartment; a worker gets one for the picture.
  std::optional<ComApartment> own;
  ComApartment* com = &com_;
  if (!com_.onItsThread()) com = &own.emplace(com_.libraries());
  if (source.starts_with("res:")) {
    return loadBitmapResource(instance_, widen(source.substr(4)), dpi_);
  }
  std::string error;
  std::optional<ByteBuffer> bytes = readWhole(source, error);
  if (!bytes) return {nullptr, error};
  // The content decides: pictures are often saved under the wrong extension.
  // The system's readers trust what a file says: it is checked first.
  std::string_view b = bytes->view();
  SetLastError(0);
  auto refused = [](PictureFault f) { return PictureLoad{nullptr, faultWords(f)}; };
  switch (PictureFormat format = pictureFormatOf(b)) {
    case PictureFormat::Bitmap:
      if (PictureFault f = checkBitmapFile(b); f != PictureFault::None) return refused(f);
      return decodeBitmapFile(std::move(*bytes), dpi_);
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
      if (PictureFault f = checkIconFile(b); f != PictureFault::None) return refused(f);
      return loadIconFile(source, b, dpi_, *com);
    case PictureFormat::EnhancedMetafile:
      if (PictureFault f = checkEnhancedMetafile(b); f != PictureFault::None) return refused(f);
      return decodeEnhancedMetafile(b, dpi_);
    case PictureFormat::WindowsMetafile:
      if (PictureFault f = checkWindowsMetafile(b); f != PictureFault::None) return refused(f);
      return decodeWindowsMetafile(b, dpi_);
    case PictureFormat::Png:
    case PictureFormat::Jpeg:
    case PictureFormat::Gif:
    case PictureFormat::Tiff:
    case PictureFormat::WebP:
    case PictureFormat::Heif:
    case PictureFormat::Avif:
    case PictureFormat::JpegXr:
      if (PictureFault f = checkDeclaredSize(b, format); f != PictureFault::None) return refused(f);
      return decodeWithImagingComponent(b, format, dpi_, *com);
    case PictureFormat::Unknown:
      break;
  }
  return refused(PictureFault::NotAPicture);
}

}  // namespace vl::win32
