// What the kinds of picture share when they draw: smooth stretching, the
// part of a picture that the clip lets be seen, and 32-bit bitmaps to draw from.
#pragma once

#include <windows.h>

#include "platform/win32/system/owned_handle.h"

namespace vl::win32 {

// Stretching that averages what it shrinks rather than dropping pixels.
void halftone(HDC dc);

// A 32-bit top-down DIB section of w x h; its bits are written to *bits.
GdiObject<HBITMAP> dibSection(int w, int h, void** bits);

// The part of a picture of w x h drawn into `to` that lies in the clip: the
// source columns and rows under it, widened to whole pixels, and where they go.
struct Part {
  int x0, y0, x1, y1;            // source
  int left, top, right, bottom;  // target
};
bool visiblePart(HDC dc, const RECT& to, int w, int h, Part& p);

// How many times a picture of w x h can be halved and still be at least as
// large as the target (at most 12).
int reductionLevel(int w, int h, const RECT& to);

}  // namespace vl::win32
