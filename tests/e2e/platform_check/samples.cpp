#include "samples.h"

#include "../media_files.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace pc {

namespace {

using testmedia::Bytes;

bool red(int x, int y, int w, int h) {
  return x < w / 2 && y < h / 2;
}

// rows(y) gives row y's bytes, top row first; bottom-up files store the
// last row first.
std::string bmp(int w, int h, unsigned bpp, unsigned compression, const std::string& extra,
                unsigned colors, bool topDown, const std::function<std::string(int)>& row,
                const std::string& tail = {}) {
  std::string bits;
  for (int i = 0; i < h; ++i) {
    std::string r = row(topDown ? i : h - 1 - i);
    if (compression == BI_RGB || compression == BI_BITFIELDS) r.resize((r.size() + 3) / 4 * 4);
    bits += r;
  }
  bits += tail;
  Bytes b;
  std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(extra.size());
  b.text("BM");
  b.u32(offset + static_cast<std::uint32_t>(bits.size()));
  b.u32(0);
  b.u32(offset);
  b.u32(40);
  b.u32(static_cast<std::uint32_t>(w));
  b.u32(static_cast<std::uint32_t>(topDown ? -h : h));
  b.u16(1);
  b.u16(bpp);
  b.u32(compression);
  b.u32(static_cast<std::uint32_t>(bits.size()));
  b.u32(2835), b.u32(2835), b.u32(colors), b.u32(0);
  return b.s + extra + bits;
}

// Two palette entries: red, then blue.
std::string redBluePalette() {
  Bytes p;
  p.u32(0x00FF0000);
  p.u32(0x000000FF);
  return p.s;
}

// Each row: a run of red (index 0) where the row has it, a run of blue
// (index 1); in four bits a run's byte holds the index twice.
std::string rle(int w, int h, bool fourBits) {
  unsigned blue = fourBits ? 0x11 : 0x01;
  return bmp(
      w, h, fourBits ? 4 : 8, fourBits ? BI_RLE4 : BI_RLE8, redBluePalette(), 2, false,
      [&](int y) {
        Bytes r;
        int reds = red(0, y, w, h) ? w / 2 : 0;
        if (reds) r.u8(reds), r.u8(0);
        r.u8(w - reds), r.u8(blue);
        r.u16(0);  // end of line
        return r.s;
      },
      std::string("\0\1", 2));  // end of bitmap
}

}  // namespace

std::string bmp24BottomUp(int w, int h) {
  return bmp(w, h, 24, BI_RGB, {}, 0, false, [&](int y) {
    Bytes r;
    for (int x = 0; x < w; ++x) {
      bool isRed = red(x, y, w, h);
      r.u8(isRed ? 0 : 255), r.u8(0), r.u8(isRed ? 255 : 0);  // blue, green, red
    }
    return r.s;
  });
}

std::string bmp32TopDown(int w, int h) {
  return bmp(w, h, 32, BI_RGB, {}, 0, true, [&](int y) {
    Bytes r;
    for (int x = 0; x < w; ++x) r.u32(red(x, y, w, h) ? 0x00FF0000 : 0x000000FF);
    return r.s;
  });
}

std::string bmpRle8(int w, int h) {
  return rle(w, h, false);
}
std::string bmpRle4(int w, int h) {
  return rle(w, h, true);
}

std::string bmp16Bitfields(int w, int h) {
  Bytes masks;
  masks.u32(0xF800), masks.u32(0x07E0), masks.u32(0x001F);
  return bmp(w, h, 16, BI_BITFIELDS, masks.s, 0, false, [&](int y) {
    Bytes r;
    for (int x = 0; x < w; ++x) r.u16(red(x, y, w, h) ? 0xF800 : 0x001F);
    return r.s;
  });
}

std::string iconFile(bool cursor, bool clearCorner) {
  const int side = 32;
  Bytes b;
  b.u16(0), b.u16(cursor ? 2 : 1), b.u16(1);
  std::uint32_t imageSize = 40 + side * side * 4 + side * 4;
  b.u8(side), b.u8(side), b.u8(0), b.u8(0);
  b.u16(cursor ? 0 : 1), b.u16(cursor ? 0 : 32);  // a cursor's hot spot here
  b.u32(imageSize), b.u32(22);
  b.u32(40), b.u32(side), b.u32(side * 2), b.u16(1), b.u16(32);
  b.u32(BI_RGB), b.u32(side * side * 4), b.u32(0), b.u32(0), b.u32(0), b.u32(0);
  auto clear = [&](int x, int y) { return clearCorner && x >= side / 2 && y >= side / 2; };
  for (int y = side - 1; y >= 0; --y)
    for (int x = 0; x < side; ++x)
      b.u32(clear(x, y) ? 0 : red(x, y, side, side) ? 0xFFFF0000 : 0xFF0000FF);
  // The mask, a bit a pixel, leftmost first: set where what lies under shows.
  for (int y = side - 1; y >= 0; --y)
    for (int x = 0; x < side; x += 8) b.u8(clear(x, y) ? 0xFF : 0);
  return b.s;
}

std::string windowsMetafile(bool placeable) {
  HDC dc = CreateMetaFileW(nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetWindowExtEx(dc, 64, 32, nullptr);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255)), redBrush = CreateSolidBrush(RGB(255, 0, 0));
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, blue);
  Rectangle(dc, 0, 0, 65, 33);  // a null pen leaves off the right and bottom edges
  SelectObject(dc, redBrush);
  Rectangle(dc, 0, 0, 33, 17);
  HMETAFILE metafile = CloseMetaFile(dc);
  DeleteObject(blue);
  DeleteObject(redBrush);
  std::string bits(GetMetaFileBitsEx(metafile, 0, nullptr), '\0');
  GetMetaFileBitsEx(metafile, static_cast<UINT>(bits.size()), bits.data());
  DeleteMetaFile(metafile);
  if (!placeable) return bits;
  Bytes h;
  h.u32(0x9AC6CDD7), h.u16(0);
  h.u16(0), h.u16(0), h.u16(64), h.u16(32);  // bounding box
  h.u16(48), h.u32(0);                       // units to the inch
  unsigned sum = 0;
  for (std::size_t i = 0; i < h.s.size(); i += 2)
    sum ^= static_cast<unsigned char>(h.s[i]) | static_cast<unsigned char>(h.s[i + 1]) << 8;
  h.u16(sum);
  return h.s + bits;
}

std::string enhancedMetafile() {
  RECT frame{0, 0, 2540, 1270};  // in 0.01 mm
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
  // Drawn in the reference device's pixels, which map onto the frame.
  int w = MulDiv(frame.right, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, HORZSIZE) * 100);
  int h = MulDiv(frame.bottom, GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, VERTSIZE) * 100);
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255)), redBrush = CreateSolidBrush(RGB(255, 0, 0));
  RECT all{0, 0, w, h}, quarter{0, 0, w / 2, h / 2};
  FillRect(dc, &all, blue);
  FillRect(dc, &quarter, redBrush);
  HENHMETAFILE emf = CloseEnhMetaFile(dc);
  DeleteObject(blue);
  DeleteObject(redBrush);
  std::string bits(GetEnhMetaFileBits(emf, 0, nullptr), '\0');
  GetEnhMetaFileBits(emf, static_cast<UINT>(bits.size()), reinterpret_cast<BYTE*>(bits.data()));
  DeleteEnhMetaFile(emf);
  return bits;
}

}  // namespace pc
