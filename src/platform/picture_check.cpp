#include "platform/picture_check.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/bytes.h"

namespace vl {

namespace {

constexpr std::size_t kFileHeader = 14;  // BITMAPFILEHEADER
constexpr std::size_t kCoreHeader = 12;  // BITMAPCOREHEADER
constexpr std::size_t kInfoHeader = 40;  // BITMAPINFOHEADER
constexpr std::size_t kMasksInHeader = 52;

}  // namespace

std::string faultWords(PictureFault fault) {
  switch (fault) {
    case PictureFault::None:
      return {};
    case PictureFault::Damaged:
      return "damaged picture";
    case PictureFault::NotAPicture:
      return "not a picture";
    case PictureFault::TooLarge:
      return "too large to show";
  }
  return {};
}

std::size_t DibLayout::rowsBytes() const {
  std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  return stride * static_cast<std::size_t>(height < 0 ? -height : height);
}

PictureFault readDibHeader(std::string_view b, DibLayout& d, std::size_t entrySize) {
  d = DibLayout{};
  unsigned long headerSize = readU32(b, 0);
  unsigned long colorsUsed = 0;
  if (headerSize == kCoreHeader) {
    d.width = static_cast<long>(readU16(b, 4));
    d.height = static_cast<long>(readU16(b, 6));
    if (readU16(b, 8) != 1) return PictureFault::Damaged;
    d.bitCount = readU16(b, 10);
    if (entrySize == 4) entrySize = 3;
  } else if (headerSize >= kInfoHeader && headerSize <= 4096 &&
             (headerSize == kInfoHeader || headerSize >= kMasksInHeader)) {
    // Between 40 and 52 bytes the masks would be neither in the header nor after it.
    d.width = readI32(b, 4);
    d.height = readI32(b, 8);
    if (readU16(b, 12) != 1) return PictureFault::Damaged;
    d.bitCount = readU16(b, 14);
    d.compression = readU32(b, 16);
    d.imageSize = readU32(b, 20);
    colorsUsed = readU32(b, 32);
  } else {
    return PictureFault::Damaged;
  }
  if (headerSize > b.size()) return PictureFault::Damaged;
  d.headerSize = headerSize;
  if (d.width <= 0 || d.height == 0 || d.height < -kLargestSide) return PictureFault::Damaged;
  if (d.width > kLargestSide || d.height > kLargestSide) return PictureFault::TooLarge;
  if (d.bitCount != 1 && d.bitCount != 4 && d.bitCount != 8 && d.bitCount != 16 &&
      d.bitCount != 24 && d.bitCount != 32)
    return PictureFault::Damaged;
  switch (d.compression) {
    case kRgb:
      break;
    case kRle8:
    case kRle4:
      // The system draws run-length bits only bottom-up and at their own depth.
      if (d.height < 0 || d.bitCount != (d.compression == kRle8 ? 8u : 4u))
        return PictureFault::Damaged;
      break;
    case kBitfields:
      if (d.bitCount != 16 && d.bitCount != 32) return PictureFault::Damaged;
      break;
    case kAlphaBitfields:
      return PictureFault::Damaged;  // drawn by neither Windows nor Wine
    default:
      return PictureFault::NotAPicture;  // JPEG or PNG inside, or unknown
  }
  auto height = static_cast<unsigned long long>(d.height < 0 ? -d.height : d.height);
  if (static_cast<unsigned long long>(d.width) * height * 4 > kLargestImageBytes)
    return PictureFault::TooLarge;
  std::size_t masks = headerSize == kInfoHeader && d.compression == kBitfields ? 12 : 0;
  if (d.bitCount <= 8) {
    unsigned long most = 1ul << d.bitCount;
    if (colorsUsed == 0 || colorsUsed > most) colorsUsed = most;
  } else if (colorsUsed > 256) {
    return PictureFault::Damaged;
  }
  d.infoSize = headerSize + masks + colorsUsed * entrySize;
  return PictureFault::None;
}

PictureFault checkPackedDib(std::string_view dib, std::size_t entrySize, long rows) {
  DibLayout d;
  if (PictureFault f = readDibHeader(dib, d, entrySize); f != PictureFault::None) return f;
  if (d.infoSize > dib.size()) return PictureFault::Damaged;
  std::size_t bits = dib.size() - d.infoSize;
  bool rle = d.compression == kRle8 || d.compression == kRle4;
  if (rows >= 0 && rows < (d.height < 0 ? -d.height : d.height)) d.height = rows;
  std::size_t needed = rle ? d.imageSize : d.rowsBytes();
  if (needed == 0 || needed > bits) return PictureFault::Damaged;
  return PictureFault::None;
}

PictureFault checkBitmapFile(std::string_view b) {
  if (b.size() < kFileHeader + kCoreHeader || !b.starts_with("BM")) return PictureFault::Damaged;
  DibLayout d;
  if (PictureFault f = readDibHeader(b.substr(kFileHeader), d); f != PictureFault::None) return f;
  // The bits start where the file header says, when that is plausible; rows
  // missing at the end read as black, but a file must hold some.
  std::size_t headerEnd = kFileHeader + d.infoSize;
  std::size_t offset = readU32(b, 10);
  if (offset < headerEnd || offset >= b.size()) offset = headerEnd;
  if (offset >= b.size()) return PictureFault::Damaged;
  return PictureFault::None;
}

PictureFault checkIconFile(std::string_view b) {
  unsigned type = readU16(b, 2), count = readU16(b, 4);
  if (b.size() < 6 || readU16(b, 0) != 0 || (type != 1 && type != 2) || count == 0)
    return PictureFault::Damaged;
  std::size_t directoryEnd = 6 + 16 * static_cast<std::size_t>(count);
  if (directoryEnd > b.size()) return PictureFault::Damaged;
  for (unsigned i = 0; i < count; ++i) {
    std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
    unsigned long size = readU32(b, entry + 8), offset = readU32(b, entry + 12);
    if (size == 0 || offset < directoryEnd || offset > b.size() || size > b.size() - offset)
      return PictureFault::Damaged;
    std::string_view image = b.substr(offset, size);
    if (image.starts_with("\x89PNG")) continue;  // read by the imaging component
    DibLayout d;
    if (PictureFault f = readDibHeader(image, d); f != PictureFault::None) return f;
    // The height counts the colour rows and the mask rows below them.
    if (d.compression != kRgb || d.height < 2 || d.infoSize > image.size())
      return PictureFault::Damaged;
    DibLayout colours = d;
    colours.height = d.height / 2;
    if (colours.rowsBytes() > image.size() - d.infoSize) return PictureFault::Damaged;
  }
  return PictureFault::None;
}

}  // namespace vl
