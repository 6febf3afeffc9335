// The Exif orientation of a picture (TIFF tag 274): cameras store a picture
// as the sensor saw it and record how to turn it upright. The system's
// reader under Wine hands it on to nobody, so we read it ourselves.
//   1 upright                  2 mirrored left-right
//   3 turned 180               4 mirrored top-bottom
//   5 mirrored along the top-left diagonal (transposed)
//   6 to be turned 90 clockwise to show upright
//   7 mirrored along the other diagonal (transverse)
//   8 to be turned 90 counter-clockwise to show upright
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace vl {

// The orientation recorded in a JPEG file's Exif block (an APP1 segment of
// "Exif\0\0" and a TIFF structure), 1 when there is none or it cannot be
// read. Only the segments before the start of scan are looked at, so the
// head of a file that holds them is enough.
int jpegOrientation(std::string_view jpeg);

// The orientation in IFD0 of a TIFF structure ("II*\0" or "MM\0*"), as a
// TIFF file or an Exif block holds it; 1 when there is none. Offsets count
// from the first byte of `tiff`.
int tiffOrientation(std::string_view tiff);

// The first value of a tag (SHORT or LONG) in IFD0 of a TIFF structure;
// nothing when it is not there or not readable.
std::optional<std::uint32_t> tiffValue(std::string_view tiff, unsigned tag);

// Walks a JPEG file's segments up to the start of scan, calling
// visit(marker, payload) for each that has a length, until visit returns
// true (then so does the walk); false when the walk ends or meets damage.
bool walkJpegSegments(std::string_view jpeg,
                      const std::function<bool(unsigned marker, std::string_view payload)>& visit);

// The size in pixels of a picture of width x height stored with the
// orientation, once shown upright. An orientation outside 1..8 counts as 1.
struct Oriented {
  int width, height;
};
Oriented orientedSize(int orientation, int width, int height);

// The place in the upright picture that the stored pixel (sx, sy) of a
// picture of width x height goes to; 0 <= sx < width, 0 <= sy < height.
struct PixelPlace {
  int x, y;
};
PixelPlace orientedPlace(int orientation, int width, int height, int sx, int sy);

}  // namespace vl
