// Pictures read with GDI: bitmaps (BMP, DIB, RLE), icons and cursors (ICO,
// CUR) and metafiles (WMF, EMF), and bitmaps of the program's resources.
#pragma once

#include <windows.h>

#include "platform/picture.h"
#include "platform/win32/system/com_apartment.h"

namespace vl::win32 {

class Win32Picture : public Picture {
 public:
  // Draws the whole picture into the rectangle, scaled to fill it.
  virtual void draw(HDC dc, const RECT& target) const = 0;
};

class Win32PictureDecoder : public PictureDecoder {
 public:
  // Resources are looked up in this module; sizes use the screen's DPI; COM
  // is the decoding thread's own, shared with whatever else uses it there.
  Win32PictureDecoder(HINSTANCE instance, int pixelsPerInch, ComApartment& com);
  PictureLoad decode(const std::string& source) override;
  std::optional<std::uint64_t> version(const std::string& source) override;

 private:
  HINSTANCE instance_;
  int dpi_;
  ComApartment& com_;
};

}  // namespace vl::win32
