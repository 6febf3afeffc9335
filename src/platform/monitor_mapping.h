// One monitor counted two ways: in the pixels of the system's DPI, as a
// program aware of one DPI sees it, and in its own physical pixels, as a
// window that follows its monitor's DPI sees it. The system keeps a
// monitor's corner and scales its size, so a place maps by its share of the
// monitor's width and height.
#pragma once

#include <cstdint>

namespace vl {

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// v, counted from `from` of `fromLength`, counted from `to` of `toLength`,
// rounded to the nearest pixel. An empty monitor maps nothing: v stays.
inline int mapCoordinate(int v, int from, int fromLength, int to, int toLength) {
  if (fromLength <= 0 || toLength <= 0) return v;
  std::int64_t offset = static_cast<std::int64_t>(v) - from;
  std::int64_t scaled = offset * toLength;
  // Rounded half away from zero, so that a place left of the monitor maps
  // as far left as one right of it maps right.
  std::int64_t half = fromLength / 2;
  scaled = scaled >= 0 ? (scaled + half) / fromLength : -((-scaled + half) / fromLength);
  return static_cast<int>(to + scaled);
}

// A rectangle on (or beside) a monitor seen as `from`, seen as `to`.
inline ScreenRect mapRect(const ScreenRect& r, const ScreenRect& from, const ScreenRect& to) {
  return {mapCoordinate(r.left, from.left, from.width(), to.left, to.width()),
          mapCoordinate(r.top, from.top, from.height(), to.top, to.height()),
          mapCoordinate(r.right, from.left, from.width(), to.left, to.width()),
          mapCoordinate(r.bottom, from.top, from.height(), to.top, to.height())};
}

}  // namespace vl
