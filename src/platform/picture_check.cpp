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
enum : unsigned long { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

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

// ---- Windows metafiles -------------------------------------------------------

namespace {

constexpr std::size_t kPlaceableHeader = 22;
constexpr std::size_t kMetaHeader = 18;

// Records by function number: the parameter words they need at least, and
// which parameters name a slot of the object table.
struct WmfRecord {
  unsigned function;
  unsigned minWords;
  int slotAt = -1, secondSlotAt = -1;  // parameter word index, or -1
  bool creates = false;                // takes the first free slot
};

const WmfRecord kWmfRecords[] = {
    {0x001E, 0},                 // SAVEDC
    {0x0035, 0},                 // REALIZEPALETTE
    {0x0037, 2},                 // SETPALENTRIES, checked below
    {0x00F7, 2, -1, -1, true},   // CREATEPALETTE, checked below
    {0x0102, 1},                 // SETBKMODE
    {0x0103, 1},                 // SETMAPMODE
    {0x0104, 1},                 // SETROP2
    {0x0105, 0},                 // SETRELABS
    {0x0106, 1},                 // SETPOLYFILLMODE
    {0x0107, 1},                 // SETSTRETCHBLTMODE
    {0x0108, 1},                 // SETTEXTCHAREXTRA
    {0x0127, 1},                 // RESTOREDC
    {0x012A, 1, 0},              // INVERTREGION
    {0x012B, 1, 0},              // PAINTREGION
    {0x012C, 1, 0},              // SELECTCLIPREGION
    {0x012D, 1, 0},              // SELECTOBJECT
    {0x012E, 1},                 // SETTEXTALIGN
    {0x0139, 1},                 // RESIZEPALETTE
    {0x0142, 2, -1, -1, true},   // DIBCREATEPATTERNBRUSH, checked below
    {0x0149, 2},                 // SETLAYOUT
    {0x01F0, 1, 0},              // DELETEOBJECT
    {0x0201, 2},                 // SETBKCOLOR
    {0x0209, 2},                 // SETTEXTCOLOR
    {0x020A, 2},                 // SETTEXTJUSTIFICATION
    {0x020B, 2},                 // SETWINDOWORG
    {0x020C, 2},                 // SETWINDOWEXT
    {0x020D, 2},                 // SETVIEWPORTORG
    {0x020E, 2},                 // SETVIEWPORTEXT
    {0x020F, 2},                 // OFFSETWINDOWORG
    {0x0211, 2},                 // OFFSETVIEWPORTORG
    {0x0213, 2},                 // LINETO
    {0x0214, 2},                 // MOVETO
    {0x0220, 2},                 // OFFSETCLIPRGN
    {0x0228, 2, 0, 1},           // FILLREGION
    {0x0231, 2},                 // SETMAPPERFLAGS
    {0x0234, 1, 0},              // SELECTPALETTE
    {0x02FA, 5, -1, -1, true},   // CREATEPENINDIRECT
    {0x02FB, 9, -1, -1, true},   // CREATEFONTINDIRECT
    {0x02FC, 4, -1, -1, true},   // CREATEBRUSHINDIRECT
    {0x0324, 1},                 // POLYGON, checked below
    {0x0325, 1},                 // POLYLINE, checked below
    {0x0410, 4},                 // SCALEWINDOWEXT
    {0x0412, 4},                 // SCALEVIEWPORTEXT
    {0x0415, 4},                 // EXCLUDECLIPRECT
    {0x0416, 4},                 // INTERSECTCLIPRECT
    {0x0418, 4},                 // ELLIPSE
    {0x0419, 4},                 // FLOODFILL
    {0x041B, 4},                 // RECTANGLE
    {0x041F, 4},                 // SETPIXEL
    {0x0429, 4, 0, 1},           // FRAMEREGION
    {0x0436, 2},                 // ANIMATEPALETTE, checked below
    {0x0521, 1},                 // TEXTOUT, checked below
    {0x0538, 1},                 // POLYPOLYGON, checked below
    {0x0548, 5},                 // EXTFLOODFILL
    {0x061C, 6},                 // ROUNDRECT
    {0x061D, 6},                 // PATBLT
    {0x0626, 2},                 // ESCAPE, checked below
    {0x06FF, 11, -1, -1, true},  // CREATEREGION, checked below
    {0x0817, 8},                 // ARC
    {0x081A, 8},                 // PIE
    {0x0830, 8},                 // CHORD
    {0x0922, 9},                 // BITBLT, checked below
    {0x0940, 8},                 // DIBBITBLT, checked below
    {0x0A32, 4},                 // EXTTEXTOUT, checked below
    {0x0B23, 10},                // STRETCHBLT, checked below
    {0x0B41, 10},                // DIBSTRETCHBLT, checked below
    {0x0D33, 9},                 // SETDIBTODEV, checked below
    {0x0F43, 11},                // STRETCHDIB, checked below
};

const WmfRecord* wmfRecord(unsigned function) {
  for (const WmfRecord& r : kWmfRecords)
    if (r.function == function) return &r;
  return nullptr;
}

// A bitmap of the old device-dependent kind: its rows must be there.
PictureFault checkBitmap16(std::string_view b) {
  if (b.size() < 10) return PictureFault::Damaged;
  long width = readI16(b, 2), height = readI16(b, 4);
  unsigned long widthBytes = readU16(b, 6);
  unsigned planes = static_cast<unsigned char>(b[8]), bits = static_cast<unsigned char>(b[9]);
  if (width <= 0 || height <= 0 || planes != 1 ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
    return PictureFault::Damaged;
  if (widthBytes < (static_cast<unsigned long>(width) * bits + 15) / 16 * 2)
    return PictureFault::Damaged;
  if (static_cast<unsigned long long>(widthBytes) * static_cast<unsigned long>(height) >
      b.size() - 10)
    return PictureFault::Damaged;
  return PictureFault::None;
}

// The record's parameters (after its size and function) against what they claim.
PictureFault checkWmfParameters(unsigned function, std::string_view p) {
  std::size_t words = p.size() / 2;
  auto word = [&](std::size_t i) { return readU16(p, 2 * i); };
  auto fits = [&](unsigned long long needWords) {
    return needWords <= words ? PictureFault::None : PictureFault::Damaged;
  };
  // Bit-block records: without a bitmap when the record is exactly the
  // function's parameter count (its high byte) plus its own three words.
  auto withoutBitmap = [&] { return words + 3 == (function >> 8); };
  switch (function) {
    case 0x0037:  // SETPALENTRIES
    case 0x0436:  // ANIMATEPALETTE
    case 0x00F7:  // CREATEPALETTE
      return fits(2 + 2ull * word(1));
    case 0x0324:  // POLYGON
    case 0x0325:  // POLYLINE
      return fits(1 + 2ull * word(0));
    case 0x0538: {  // POLYPOLYGON
      unsigned long long polygons = word(0), points = 0;
      if (fits(1 + polygons) != PictureFault::None) return PictureFault::Damaged;
      for (std::size_t i = 0; i < polygons; ++i) points += word(1 + i);
      return fits(1 + polygons + 2 * points);
    }
    case 0x0521: {  // TEXTOUT: count, the string padded to words, y, x
      unsigned long long count = word(0);
      return fits(1 + (count + 1) / 2 + 2);
    }
    case 0x0A32: {  // EXTTEXTOUT: y, x, count, options, [rectangle], string, [spacing]
      unsigned long long count = word(2);
      unsigned options = word(3);
      unsigned long long rect = (options & 0x0006) ? 4 : 0;  // opaque or clipped
      return fits(4 + rect + (count + 1) / 2);
    }
    case 0x0626:  // ESCAPE: function, byte count, bytes
      return fits(2 + (static_cast<unsigned long long>(word(1)) + 1) / 2);
    case 0x06FF: {  // CREATEREGION: header, then scans that each end with their count
      unsigned long long scans = word(5);
      std::size_t at = 11;
      for (unsigned long long s = 0; s < scans; ++s) {
        if (at + 3 > words) return PictureFault::Damaged;
        unsigned long long count = word(at);  // points: two a pair
        if (count % 2 != 0 || at + 3 + count + 1 > words) return PictureFault::Damaged;
        at += 3 + count + 1;
      }
      return PictureFault::None;
    }
    case 0x02FB: {  // CREATEFONTINDIRECT: the face name ends inside the record
      if (words >= 25) return PictureFault::None;
      return p.substr(18).find('\0') == std::string_view::npos ? PictureFault::Damaged
                                                               : PictureFault::None;
    }
    case 0x0142:  // DIBCREATEPATTERNBRUSH: style, colour use, a packed bitmap
      return checkPackedDib(p.substr(4), word(1) == 1 ? 2 : 4);
    case 0x0922:  // BITBLT
      return withoutBitmap() ? PictureFault::None : checkBitmap16(p.substr(16));
    case 0x0B23:  // STRETCHBLT
      return withoutBitmap() ? PictureFault::None : checkBitmap16(p.substr(20));
    case 0x0940:  // DIBBITBLT
      return withoutBitmap() ? PictureFault::None : checkPackedDib(p.substr(16));
    case 0x0B41:  // DIBSTRETCHBLT
      return withoutBitmap() ? PictureFault::None : checkPackedDib(p.substr(20));
    case 0x0D33:  // SETDIBTODEV: colour use, then the number of rows it carries
      return checkPackedDib(p.substr(18), word(0) == 1 ? 2 : 4, word(1));
    case 0x0F43:  // STRETCHDIB: raster operation (two words), colour use
      return checkPackedDib(p.substr(22), word(2) == 1 ? 2 : 4);
    default:
      return PictureFault::None;
  }
}

// The records after the header: each inside the file, known, with the
// parameters it needs, naming only slots the object table has; an end record.
PictureFault checkWmfRecords(std::string_view b, unsigned objects) {
  std::vector<bool> used(objects, false);
  std::size_t at = kMetaHeader;
  while (b.size() - at >= 6) {
    unsigned long words = readU32(b, at);
    unsigned function = readU16(b, at + 4);
    if (words < 3 || words > (b.size() - at) / 2) return PictureFault::Damaged;
    if (function == 0) return PictureFault::None;  // the end record
    const WmfRecord* r = wmfRecord(function);
    if (!r || words - 3 < r->minWords) return PictureFault::Damaged;
    std::string_view p = b.substr(at + 6, (words - 3) * 2);
    for (int slotAt : {r->slotAt, r->secondSlotAt}) {
      if (slotAt < 0) continue;
      unsigned slot = readU16(p, 2 * static_cast<std::size_t>(slotAt));
      if (slot >= objects) return PictureFault::Damaged;
      if (function == 0x01F0) used[slot] = false;  // DELETEOBJECT frees it
    }
    if (r->creates) {
      auto free = std::find(used.begin(), used.end(), false);
      if (free == used.end()) return PictureFault::Damaged;  // more objects than the table holds
      *free = true;
    }
    if (checkWmfParameters(function, p) != PictureFault::None) return PictureFault::Damaged;
    at += words * 2;
  }
  return PictureFault::Damaged;  // no end record
}

}  // namespace

PictureFault checkWindowsMetafile(std::string_view b) {
  if (readU32(b, 0) == 0x9AC6CDD7) {
    // The placeable header: a bounding box in units of 1/inch of the inch.
    if (b.size() < kPlaceableHeader + kMetaHeader) return PictureFault::Damaged;
    long width = std::labs(static_cast<long>(readI16(b, 10)) - readI16(b, 6));
    long height = std::labs(static_cast<long>(readI16(b, 12)) - readI16(b, 8));
    long inch = static_cast<long>(readU16(b, 14));
    if (width == 0 || height == 0 || inch == 0) return PictureFault::Damaged;
    // At 96 pixels an inch the picture fits the largest bitmap side.
    if (width * 96 / inch > kLargestSide || height * 96 / inch > kLargestSide)
      return PictureFault::TooLarge;
    b.remove_prefix(kPlaceableHeader);
  }
  unsigned type = readU16(b, 0), version = readU16(b, 4);
  if (b.size() < kMetaHeader || (type != 1 && type != 2) || readU16(b, 2) != 9 ||
      (version != 0x100 && version != 0x300))
    return PictureFault::Damaged;
  return checkWmfRecords(b, readU16(b, 10));
}

// ---- enhanced metafiles -------------------------------------------------------

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
