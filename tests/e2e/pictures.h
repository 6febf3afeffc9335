// Pictures made in code and colours read off the screen, for the programs
// that check the real program from outside (driver, platform check, benchmarks).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace testpics {

// A 24-bit bitmap file of w x h, bottom-up as most are; colour(x, y) counts
// its rows from the top.
inline std::string bitmapFile(int w, int h, const std::function<COLORREF(int, int)>& colour) {
  int stride = (w * 3 + 3) / 4 * 4;
  std::string bits(static_cast<std::size_t>(stride * h), '\0');
  for (int row = 0; row < h; ++row)
    for (int x = 0; x < w; ++x) {
      COLORREF c = colour(x, h - 1 - row);
      char* p = &bits[static_cast<std::size_t>(row * stride + x * 3)];
      p[0] = static_cast<char>(GetBValue(c));
      p[1] = static_cast<char>(GetGValue(c));
      p[2] = static_cast<char>(GetRValue(c));
    }
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  return std::string(reinterpret_cast<const char*>(&file), sizeof file) +
         std::string(reinterpret_cast<const char*>(&info), sizeof info) + bits;
}

// The colour on the screen at a point of the window's client area.
inline COLORREF screenPixel(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  HDC screen = GetDC(nullptr);
  COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

}  // namespace testpics
