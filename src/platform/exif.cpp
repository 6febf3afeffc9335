#include "platform/exif.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vl {

namespace {

constexpr unsigned kOrientationTag = 274;
enum : unsigned { kShort = 3, kLong = 4 };
constexpr std::size_t kHeaderBytes = 8;
constexpr std::size_t kEntryBytes = 12;
constexpr std::string_view kExifId{"Exif\0\0", 6};

unsigned byteAt(std::string_view b, std::size_t at) {
  return static_cast<unsigned char>(b[at]);
}

// Whether n bytes from `at` lie inside the block, written so that no sum
// can wrap whatever offset the file gives.
bool inside(std::string_view b, std::size_t at, std::size_t n) {
  return at <= b.size() && n <= b.size() - at;
}

// Fields of a TIFF structure in its byte order; callers check that they lie
// inside it first.
struct Fields {
  std::string_view b;
  bool bigEndian;

  unsigned u16(std::size_t at) const {
    unsigned first = byteAt(b, at), second = byteAt(b, at + 1);
    return bigEndian ? first << 8 | second : second << 8 | first;
  }
  std::uint32_t u32(std::size_t at) const {
    std::uint32_t first = u16(at), second = u16(at + 2);
    return bigEndian ? first << 16 | second : second << 16 | first;
  }
};

// The first value of an IFD entry, SHORT or LONG (some writers use LONG).
std::optional<std::uint32_t> entryValue(const Fields& f, std::size_t entry) {
  unsigned type = f.u16(entry + 2);
  std::uint32_t count = f.u32(entry + 4);
  std::size_t width = type == kShort ? 2 : type == kLong ? 4 : 0;
  if (width == 0 || count == 0) return std::nullopt;
  std::size_t at = entry + 8;
  // Values that do not fit in the entry's four bytes lie where it points.
  if (count > 4 / width) {
    at = f.u32(entry + 8);
    if (!inside(f.b, at, width)) return std::nullopt;
  }
  return width == 2 ? f.u16(at) : f.u32(at);
}

}  // namespace

std::optional<std::uint32_t> tiffValue(std::string_view tiff, unsigned tag) {
  if (tiff.size() < kHeaderBytes) return std::nullopt;
  std::string_view order = tiff.substr(0, 2);
  if (order != "II" && order != "MM") return std::nullopt;
  Fields f{tiff, order == "MM"};
  if (f.u16(2) != 42) return std::nullopt;
  // IFD0 only: the chain after it holds the thumbnail, and a file can make it
  // loop.
  std::uint32_t ifd = f.u32(4);
  if (ifd < kHeaderBytes || !inside(tiff, ifd, 2)) return std::nullopt;
  std::size_t count = f.u16(ifd);
  std::size_t entries = ifd + 2;
  // A count that runs past the block means the block is damaged, even when
  // the tag itself comes early.
  if (!inside(tiff, entries, count * kEntryBytes)) return std::nullopt;
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t entry = entries + i * kEntryBytes;
    if (f.u16(entry) == tag) return entryValue(f, entry);
  }
  return std::nullopt;
}

int tiffOrientation(std::string_view tiff) {
  std::optional<std::uint32_t> value = tiffValue(tiff, kOrientationTag);
  return value && *value >= 1 && *value <= 8 ? static_cast<int>(*value) : 1;
}

bool walkJpegSegments(std::string_view jpeg,
                      const std::function<bool(unsigned, std::string_view)>& visit) {
  if (jpeg.size() < 2 || byteAt(jpeg, 0) != 0xFF || byteAt(jpeg, 1) != 0xD8) return false;
  std::size_t at = 2;
  // Every step passes a marker's two bytes at least; the walk stops at the
  // start of scan.
  while (at < jpeg.size()) {
    if (byteAt(jpeg, at) != 0xFF) return false;
    while (at < jpeg.size() && byteAt(jpeg, at) == 0xFF) ++at;  // fill bytes
    if (at == jpeg.size()) return false;
    unsigned marker = byteAt(jpeg, at++);
    if (marker == 0xDA || marker == 0xD9) return false;  // start of scan, end of image
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (!inside(jpeg, at, 2)) return false;
    std::size_t length = byteAt(jpeg, at) << 8 | byteAt(jpeg, at + 1);
    if (length < 2 || !inside(jpeg, at, length)) return false;
    if (visit(marker, jpeg.substr(at + 2, length - 2))) return true;
    at += length;
  }
  return false;
}

int jpegOrientation(std::string_view jpeg) {
  int orientation = 1;
  // APP1 also carries XMP; only the first Exif block counts.
  walkJpegSegments(jpeg, [&](unsigned marker, std::string_view payload) {
    if (marker != 0xE1 || !payload.starts_with(kExifId)) return false;
    orientation = tiffOrientation(payload.substr(kExifId.size()));
    return true;
  });
  return orientation;
}

Oriented orientedSize(int orientation, int width, int height) {
  // 5 to 8 swap rows for columns.
  if (orientation >= 5 && orientation <= 8) return {height, width};
  return {width, height};
}

PixelPlace orientedPlace(int orientation, int width, int height, int sx, int sy) {
  switch (orientation) {
    case 2:
      return {width - 1 - sx, sy};
    case 3:
      return {width - 1 - sx, height - 1 - sy};
    case 4:
      return {sx, height - 1 - sy};
    case 5:
      return {sy, sx};
    case 6:
      return {height - 1 - sy, sx};
    case 7:
      return {height - 1 - sy, width - 1 - sx};
    case 8:
      return {sy, width - 1 - sx};
    default:
      return {sx, sy};
  }
}

}  // namespace vl
