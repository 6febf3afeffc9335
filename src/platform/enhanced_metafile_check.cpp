// Checks of enhanced metafiles.
#include "platform/picture_check.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/bytes.h"

namespace vl {

namespace {

constexpr std::size_t kEmfHeader = 88;
constexpr unsigned long kEmfEnd = 14;

// Records whose bitmap is given by offsets and sizes from the record's start:
// where those four fields lie.
struct EmfBitmapRecord {
  unsigned long type;
  std::size_t minBytes, bmiAt;  // offBmi, cbBmi, offBits, cbBits follow in that order
  std::size_t usageAt;          // colour use: 1 for palette indices; 0 when none
};
const EmfBitmapRecord kEmfBitmaps[] = {
    {76, 100, 84, 80},  // BITBLT
    {77, 108, 84, 80},  // STRETCHBLT
    {80, 76, 48, 64},   // SETDIBITSTODEVICE
    {81, 80, 48, 64},   // STRETCHDIBITS
    {93, 32, 16, 12},   // CREATEMONOBRUSH
    {94, 32, 16, 12},   // CREATEDIBPATTERNBRUSHPT
    {95, 52, 12, 0},    // EXTCREATEPEN
};

// Records of points, of several polylines, and of text, against their counts.
PictureFault checkEmfShapes(unsigned long type, std::string_view r) {
  std::size_t bytes = r.size();
  auto fits = [&](unsigned long long need) {
    return need <= bytes ? PictureFault::None : PictureFault::Damaged;
  };
  switch (type) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:  // POLYBEZIER .. POLYLINETO
      return fits(28 + 8ull * readU32(r, 24));
    case 85:
    case 86:
    case 87:
    case 88:
    case 89:  // the same with 16-bit points
      return fits(28 + 4ull * readU32(r, 24));
    case 56:  // POLYDRAW: points, then a type byte each
      return fits(28 + 9ull * readU32(r, 24));
    case 92:  // POLYDRAW16
      return fits(28 + 5ull * readU32(r, 24));
    case 7:
    case 8:
    case 90:
    case 91: {  // POLYPOLYLINE, POLYPOLYGON and their 16-bit kinds
      unsigned long long polys = readU32(r, 24), points = readU32(r, 28);
      if (fits(32 + 4 * polys) != PictureFault::None) return PictureFault::Damaged;
      unsigned long long counted = 0;
      for (unsigned long long i = 0; i < polys; ++i) counted += readU32(r, 32 + 4 * i);
      if (counted != points) return PictureFault::Damaged;
      return fits(32 + 4 * polys + (type <= 8 ? 8 : 4) * points);
    }
    case 83:
    case 84: {  // EXTTEXTOUTA, EXTTEXTOUTW: the text and its spacing inside the record
      if (bytes < 76) return PictureFault::Damaged;
      unsigned long long chars = readU32(r, 44), at = readU32(r, 48), dx = readU32(r, 72);
      unsigned long long width = type == 84 ? 2 : 1;
      if (chars == 0) return PictureFault::None;
      if (at > bytes || chars * width > bytes - at) return PictureFault::Damaged;
      if (dx != 0 && (dx > bytes || chars * 4 > bytes - dx)) return PictureFault::Damaged;
      return PictureFault::None;
    }
    default:
      return PictureFault::None;
  }
}

// Records that make an object in the slot given right after their header.
bool createsObject(unsigned long type) {
  return type == 38 || type == 39 || type == 49 || type == 82 || type == 93 || type == 94 ||
         type == 95;
}

PictureFault checkEmfBitmap(std::string_view record, const EmfBitmapRecord& r) {
  if (record.size() < r.minBytes) return PictureFault::Damaged;
  unsigned long offBmi = readU32(record, r.bmiAt), cbBmi = readU32(record, r.bmiAt + 4);
  unsigned long offBits = readU32(record, r.bmiAt + 8), cbBits = readU32(record, r.bmiAt + 12);
  if (cbBmi == 0 && cbBits == 0) return PictureFault::None;  // a blit without a source
  auto inside = [&](unsigned long off, unsigned long size) {
    return off <= record.size() && size <= record.size() - off;
  };
  if (!inside(offBmi, cbBmi) || !inside(offBits, cbBits)) return PictureFault::Damaged;
  DibLayout d;
  std::size_t entrySize = r.usageAt && readU32(record, r.usageAt) == 1 ? 2 : 4;
  if (readDibHeader(record.substr(offBmi, cbBmi), d, entrySize) != PictureFault::None ||
      d.infoSize > cbBmi)
    return PictureFault::Damaged;
  // SETDIBITSTODEVICE carries only the rows it sets.
  long rows = static_cast<long>(std::min<unsigned long>(readU32(record, 72), kLargestSide));
  if (r.type == 80 && rows < (d.height < 0 ? -d.height : d.height)) d.height = rows;
  bool rle = d.compression == kRle8 || d.compression == kRle4;
  std::size_t needed = rle ? d.imageSize : d.rowsBytes();
  if (needed == 0 || needed > cbBits) return PictureFault::Damaged;
  return PictureFault::None;
}

}  // namespace

PictureFault checkEnhancedMetafile(std::string_view b) {
  if (b.size() < kEmfHeader || readU32(b, 0) != 1 || readU32(b, 40) != 0x464D4520)
    return PictureFault::Damaged;
  unsigned long headerBytes = readU32(b, 4);
  if (headerBytes < kEmfHeader || headerBytes > b.size() || headerBytes % 4 != 0)
    return PictureFault::Damaged;
  unsigned long description = readU32(b, 60), descriptionAt = readU32(b, 64);
  if (description != 0 &&
      (descriptionAt > headerBytes ||
       description * 2ull > headerBytes - static_cast<unsigned long long>(descriptionAt)))
    return PictureFault::Damaged;
  // The frame is in 0.01 mm: beyond the largest bitmap side at 96 pixels an
  // inch, no screen shows it. Bounds are in the reference device's pixels.
  std::int64_t frameWidth = std::int64_t{readI32(b, 32)} - readI32(b, 24);
  std::int64_t frameHeight = std::int64_t{readI32(b, 36)} - readI32(b, 28);
  std::int64_t boundsWidth = std::int64_t{readI32(b, 16)} - readI32(b, 8);
  std::int64_t boundsHeight = std::int64_t{readI32(b, 20)} - readI32(b, 12);
  auto tooLarge = [](std::int64_t hundredthsOfMm) {
    std::int64_t size = hundredthsOfMm < 0 ? -hundredthsOfMm : hundredthsOfMm;
    return size * 96 / 2540 > kLargestSide;
  };
  if (tooLarge(frameWidth) || tooLarge(frameHeight)) return PictureFault::TooLarge;
  if (boundsWidth > kLargestSide || boundsHeight > kLargestSide || boundsWidth < -kLargestSide ||
      boundsHeight < -kLargestSide)
    return PictureFault::TooLarge;
  unsigned long handles = readU16(b, 56);
  if (handles == 0) return PictureFault::Damaged;  // slot 0 is the metafile's own
  std::size_t at = headerBytes;
  while (b.size() - at >= 8) {
    unsigned long type = readU32(b, at), bytes = readU32(b, at + 4);
    if (bytes < 8 || bytes % 4 != 0 || bytes > b.size() - at) return PictureFault::Damaged;
    std::string_view record = b.substr(at, bytes);
    if (type == kEmfEnd) return PictureFault::None;
    if (type == 1) return PictureFault::Damaged;  // a second header
    if (createsObject(type)) {
      unsigned long slot = readU32(record, 8);
      if (bytes < 12 || slot == 0 || slot >= handles) return PictureFault::Damaged;
    }
    if (checkEmfShapes(type, record) != PictureFault::None) return PictureFault::Damaged;
    if (type == 37 || type == 40 || type == 48) {
      // SELECTOBJECT, DELETEOBJECT, SELECTPALETTE: a slot, or a stock object
      unsigned long slot = readU32(record, 8);
      if (bytes < 12 || (slot >= handles && !(slot & 0x80000000ul))) return PictureFault::Damaged;
    }
    for (const EmfBitmapRecord& r : kEmfBitmaps)
      if (r.type == type && checkEmfBitmap(record, r) != PictureFault::None)
        return PictureFault::Damaged;
    at += bytes;
  }
  return PictureFault::Damaged;  // no end record
}

}  // namespace vl
