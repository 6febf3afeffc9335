// Pictures of 32-bit pixels (blue, green, red, alpha, premultiplied) made
// smaller for showing: each pixel is the mean of the block of the picture it
// stands for, so that a photo shown small stays smooth instead of losing
// whole rows and columns.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vl {

// The reduced size of one side: the number of blocks of `factor` it holds,
// the last one perhaps smaller. A factor below 1 counts as 1.
constexpr int reducedSide(int side, int factor) {
  return factor > 1 ? (side + factor - 1) / factor : side;
}

// Writes the picture of width x height (rows `stride` bytes apart) reduced by
// the factor into `to` (rows `toStride` bytes apart), of
// reducedSide(width) x reducedSide(height) pixels. A factor below 1 counts as 1.
void reducePixels(const std::uint8_t* from, int width, int height, std::size_t stride, int factor,
                  std::uint8_t* to, std::size_t toStride);

}  // namespace vl
