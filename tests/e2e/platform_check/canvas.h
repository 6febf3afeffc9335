// A 32-bit memory bitmap to draw pictures into and read their pixels back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace pc {

class Canvas {
 public:
  // Filled with green, a colour no sample uses.
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }
  RECT all() const { return {0, 0, width_, height_}; }
  bool red(int x, int y) const;
  bool blue(int x, int y) const;
  // Still the colour it was filled with.
  bool green(int x, int y) const { return at(x, y) == 0x0000FF00; }
  // Within a few levels of the colour in each channel, as a lossy format keeps it.
  bool shows(int x, int y, COLORREF colour) const;
  // "r,g,b" of one pixel, for messages.
  std::string describe(int x, int y) const;

 private:
  std::uint32_t at(int x, int y) const { return pixels_[y * width_ + x]; }
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
};

}  // namespace pc
