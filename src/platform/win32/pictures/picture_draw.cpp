#include "platform/win32/pictures/picture_draw.h"

#include <algorithm>

namespace vl::win32 {

void halftone(HDC dc) {
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs the origin set again
}

GdiObject<HBITMAP> dibSection(int w, int h, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return GdiObject<HBITMAP>(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

bool visiblePart(HDC dc, const RECT& to, int w, int h, Part& p) {
  int tw = to.right - to.left, th = to.bottom - to.top;
  if (tw <= 0 || th <= 0 || w <= 0 || h <= 0) return false;
  RECT seen = to;
  RECT clip;
  if (GetClipBox(dc, &clip) != ERROR && !IntersectRect(&seen, &to, &clip)) return false;
  auto down = [](long long a, long long b) { return static_cast<int>(a / b); };
  auto up = [](long long a, long long b) { return static_cast<int>((a + b - 1) / b); };
  p.x0 = down(static_cast<long long>(seen.left - to.left) * w, tw);
  p.x1 = std::min(up(static_cast<long long>(seen.right - to.left) * w, tw), w);
  p.y0 = down(static_cast<long long>(seen.top - to.top) * h, th);
  p.y1 = std::min(up(static_cast<long long>(seen.bottom - to.top) * h, th), h);
  p.left = to.left + down(static_cast<long long>(p.x0) * tw, w);
  p.right = to.left + down(static_cast<long long>(p.x1) * tw, w);
  p.top = to.top + down(static_cast<long long>(p.y0) * th, h);
  p.bottom = to.top + down(static_cast<long long>(p.y1) * th, h);
  return true;
}

int reductionLevel(int w, int h, const RECT& to) {
  int tw = to.right - to.left, th = to.bottom - to.top;
  int level = 0;
  while (level < 12 && (w >> (level + 1)) >= tw && (h >> (level + 1)) >= th &&
         (w >> (level + 1)) > 0 && (h >> (level + 1)) > 0)
    ++level;
  return level;
}

}  // namespace vl::win32
