#include "platform/picture_size.h"

#include "platform/bytes.h"
#include "platform/exif.h"

namespace vl {

namespace {

constexpr unsigned kImageWidthTag = 256, kImageLengthTag = 257;

std::optional<DeclaredSize> pngSize(std::string_view b) {
  // The signature, then the header chunk: length, "IHDR", width, height.
  if (b.size() < 24 || b.substr(12, 4) != "IHDR") return std::nullopt;
  return DeclaredSize{readBigU32(b, 16), readBigU32(b, 20)};
}

std::optional<DeclaredSize> gifSize(std::string_view b) {
  if (b.size() < 10) return std::nullopt;
  return DeclaredSize{readU16(b, 6), readU16(b, 8)};  // the logical screen
}

std::optional<DeclaredSize> jpegSize(std::string_view b) {
  std::optional<DeclaredSize> size;
  walkJpegSegments(b, [&](unsigned marker, std::string_view payload) {
    // Start of frame, of every coding but the arithmetic conditioning table.
    bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (!frame || payload.size() < 5) return false;
    size = DeclaredSize{readBigU16(payload, 3), readBigU16(payload, 1)};
    return true;
  });
  return size;
}

std::optional<DeclaredSize> tiffSize(std::string_view b) {
  std::optional<std::uint32_t> w = tiffValue(b, kImageWidthTag), h = tiffValue(b, kImageLengthTag);
  if (!w || !h) return std::nullopt;
  return DeclaredSize{*w, *h};
}

std::optional<DeclaredSize> webpSize(std::string_view b) {
  if (b.size() < 30) return std::nullopt;
  std::string_view chunk = b.substr(12, 4);
  auto u24 = [&](std::size_t at) { return readU16(b, at) | ((readU16(b, at + 2) & 0xFFu) << 16); };
  if (chunk == "VP8X") return DeclaredSize{u24(24) + 1, u24(27) + 1};  // the canvas
  if (chunk == "VP8L") {
    unsigned long bits = readU32(b, 21);
    return DeclaredSize{(bits & 0x3FFF) + 1, (bits >> 14 & 0x3FFF) + 1};
  }
  if (chunk == "VP8 ") return DeclaredSize{readU16(b, 26) & 0x3FFFu, readU16(b, 28) & 0x3FFFu};
  return std::nullopt;
}

}  // namespace

std::optional<DeclaredSize> declaredSize(std::string_view file, PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return pngSize(file);
    case PictureFormat::Gif:
      return gifSize(file);
    case PictureFormat::Jpeg:
      return jpegSize(file);
    case PictureFormat::Tiff:
      return tiffSize(file);
    case PictureFormat::WebP:
      return webpSize(file);
    default:
      return std::nullopt;
  }
}

PictureFault checkDeclaredSize(std::string_view file, PictureFormat format) {
  std::optional<DeclaredSize> size = declaredSize(file, format);
  if (!size) return PictureFault::None;
  if (size->width > static_cast<unsigned long>(kLargestSide) ||
      size->height > static_cast<unsigned long>(kLargestSide) ||
      static_cast<unsigned long long>(size->width) * size->height * 4 > kLargestImageBytes)
    return PictureFault::TooLarge;
  return PictureFault::None;
}

}  // namespace vl
