#include "platform/win32/windows/button_art.h"

#include "platform/win32/system/memory_dc.h"
#include "platform/win32/system/text.h"

namespace vl::win32 {

namespace {

// A premultiplied copy of a 32-bit resource bitmap, and its greyed form.
ButtonArt load(HINSTANCE instance, const std::wstring& name) {
  HRSRC found = FindResourceW(instance, name.c_str(), MAKEINTRESOURCEW(2));  // RT_BITMAP
  HGLOBAL data = found ? LoadResource(instance, found) : nullptr;
  auto* header = data ? static_cast<const BITMAPINFOHEADER*>(LockResource(data)) : nullptr;
  if (!header || header->biBitCount != 32 || header->biWidth <= 0 ||
      header->biWidth != (header->biHeight < 0 ? -header->biHeight : header->biHeight) ||
      (header->biCompression != BI_RGB && header->biCompression != BI_BITFIELDS))
    return {};
  int size = header->biWidth;
  bool bottomUp = header->biHeight > 0;
  // Colour masks follow a plain header; later headers hold them inside.
  DWORD masks =
      header->biSize == sizeof(BITMAPINFOHEADER) && header->biCompression == BI_BITFIELDS ? 12 : 0;
  auto* source = reinterpret_cast<const BYTE*>(header) + header->biSize + masks;
  if (SizeofResource(instance, found) <
      header->biSize + masks + static_cast<DWORD>(size * size * 4))
    return {};

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  ButtonArt art;
  art.size = size;
  void* normalBits = nullptr;
  void* greyedBits = nullptr;
  art.normal.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &normalBits, nullptr, 0));
  art.greyed.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &greyedBits, nullptr, 0));
  if (!art.normal || !art.greyed) return {};
  auto* normal = static_cast<BYTE*>(normalBits);
  auto* greyed = static_cast<BYTE*>(greyedBits);
  auto alphaAt = [&](int x, int y) -> int {
    if (x < 0 || y < 0 || x >= size || y >= size) return 0;
    return source[(bottomUp ? size - 1 - y : y) * size * 4 + x * 4 + 3];
  };
  // Greyed as Windows greys a disabled picture: the shape in the shadow's
  // grey over the same shape in white, a pixel down and right, so that it
  // stands out from a grey face and still reads as not available.
  int shift = size >= 64 ? 2 : 1;
  for (int y = 0; y < size; ++y) {
    const BYTE* row = source + (bottomUp ? size - 1 - y : y) * size * 4;
    for (int x = 0; x < size; ++x) {
      const BYTE* p = row + x * 4;  // blue, green, red, alpha
      int alpha = p[3];
      BYTE* n = normal + (y * size + x) * 4;
      for (int c = 0; c < 3; ++c) n[c] = static_cast<BYTE>(p[c] * alpha / 255);
      n[3] = static_cast<BYTE>(alpha);
      int shade = alpha, light = alphaAt(x - shift, y - shift);
      int under = light * (255 - shade) / 255;  // the white that shows beside the shape
      BYTE* g = greyed + (y * size + x) * 4;
      for (int c = 0; c < 3; ++c) g[c] = static_cast<BYTE>((128 * shade + 255 * under) / 255);
      g[3] = static_cast<BYTE>(shade + under);
    }
  }
  return art;
}

}  // namespace

const ButtonArt* ButtonArtCache::find(const std::string& name, int pixels) {
  int best = pixels <= 32 ? 32 : pixels <= 48 ? 48 : 64;
  std::string key = name + std::to_string(best);
  auto it = loaded_.find(key);
  if (it == loaded_.end()) it = loaded_.emplace(key, load(instance_, widen(key))).first;
  return it->second.normal ? &it->second : nullptr;
}

void drawButtonArt(HDC dc, const ButtonArt& art, bool greyed, const RECT& cell) {
  MemoryDc mem(dc);
  mem.select(greyed ? art.greyed.get() : art.normal.get());
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top, mem.get(),
                0, 0, art.size, art.size, blend);
}

}  // namespace vl::win32
