#include "canvas.h"

#include <cstdio>

namespace pc {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top-down, as pixels_ reads them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  pixels_ = static_cast<std::uint32_t*>(bits);
  dc_ = CreateCompatibleDC(nullptr);
  old_ = SelectObject(dc_, bitmap_);
  for (int i = 0; i < width * height; ++i) pixels_[i] = 0x0000FF00;
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

bool Canvas::red(int x, int y) const {
  GdiFlush();
  std::uint32_t p = at(x, y);
  return (p >> 16 & 0xFF) >= 200 && (p >> 8 & 0xFF) <= 80 && (p & 0xFF) <= 80;
}

bool Canvas::blue(int x, int y) const {
  GdiFlush();
  std::uint32_t p = at(x, y);
  return (p >> 16 & 0xFF) <= 80 && (p >> 8 & 0xFF) <= 80 && (p & 0xFF) >= 200;
}

bool Canvas::shows(int x, int y, COLORREF colour) const {
  GdiFlush();
  std::uint32_t p = at(x, y);
  auto close = [](unsigned a, unsigned b) { return (a > b ? a - b : b - a) <= 48; };
  return close(p >> 16 & 0xFF, GetRValue(colour)) && close(p >> 8 & 0xFF, GetGValue(colour)) &&
         close(p & 0xFF, GetBValue(colour));
}

std::string Canvas::describe(int x, int y) const {
  char text[64];
  GdiFlush();
  std::uint32_t p = at(x, y);
  std::snprintf(text, sizeof text, "pixel (%d,%d) is %u,%u,%u", x, y, p >> 16 & 0xFF, p >> 8 & 0xFF,
                p & 0xFF);
  return text;
}

}  // namespace pc
