// Checks of Windows metafiles (with or without the placeable header).
#include "platform/picture_check.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/bytes.h"

namespace vl {

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

}  // namespace vl
