#include "platform/pixels.h"

#include <algorithm>
#include <vector>

namespace vl {

void reducePixels(const std::uint8_t* from, int width, int height, std::size_t stride, int factor,
                  std::uint8_t* to, std::size_t toStride) {
  factor = std::max(factor, 1);
  int outWidth = reducedSide(width, factor), outHeight = reducedSide(height, factor);
  // One row of sums at a time: the source is read once, row by row.
  std::vector<std::uint64_t> sums(static_cast<std::size_t>(outWidth) * 4);
  for (int oy = 0; oy < outHeight; ++oy) {
    std::fill(sums.begin(), sums.end(), 0);
    int y0 = oy * factor, y1 = std::min(height, y0 + factor);
    for (int y = y0; y < y1; ++y) {
      const std::uint8_t* row = from + static_cast<std::size_t>(y) * stride;
      for (int x = 0; x < width; ++x) {
        std::uint64_t* sum = &sums[static_cast<std::size_t>(x / factor) * 4];
        const std::uint8_t* p = row + static_cast<std::size_t>(x) * 4;
        sum[0] += p[0], sum[1] += p[1], sum[2] += p[2], sum[3] += p[3];
      }
    }
    std::uint8_t* out = to + static_cast<std::size_t>(oy) * toStride;
    for (int ox = 0; ox < outWidth; ++ox) {
      int x0 = ox * factor, x1 = std::min(width, x0 + factor);
      std::uint64_t count =
          static_cast<std::uint64_t>(x1 - x0) * static_cast<std::uint64_t>(y1 - y0);
      for (int c = 0; c < 4; ++c) {
        std::uint64_t sum = sums[static_cast<std::size_t>(ox) * 4 + static_cast<std::size_t>(c)];
        out[static_cast<std::size_t>(ox) * 4 + static_cast<std::size_t>(c)] =
            static_cast<std::uint8_t>((sum + count / 2) / count);
      }
    }
  }
}

}  // namespace vl
