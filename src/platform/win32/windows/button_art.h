// Pictures of the program's picture buttons: drawn from bitmaps with an alpha
// channel, at the size the screen's DPI asks for, with a greyed form made
// once for disabled buttons.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/system/owned_handle.h"

namespace vl::win32 {

struct ButtonArt {
  GdiObject<HBITMAP> normal;  // premultiplied, 32 bits, top-down
  GdiObject<HBITMAP> greyed;
  int size = 0;  // pixels, square
};

// The pictures read so far from the module's resources, kept until the owner ends.
class ButtonArtCache {
 public:
  explicit ButtonArtCache(HINSTANCE instance) : instance_(instance) {}
  // The resource NAME32, NAME48 or NAME64 that best fits a picture of the
  // given size, read once; null when there is none.
  const ButtonArt* find(const std::string& name, int pixels);

 private:
  HINSTANCE instance_;
  std::map<std::string, ButtonArt> loaded_;
};

// Draws the picture scaled into the square cell, blended with what is there.
void drawButtonArt(HDC dc, const ButtonArt& art, bool greyed, const RECT& cell);

}  // namespace vl::win32
