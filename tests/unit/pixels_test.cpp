// Pictures shown smaller keep every pixel's share: a reduced pixel is the
// mean of its block, edges included, transparency too.
#include <gtest/gtest.h>

#include <vector>

#include "platform/pixels.h"

namespace vl {
namespace {

using Pixels = std::vector<std::uint8_t>;

Pixels reduce(const Pixels& from, int w, int h, int factor, std::size_t stride = 0) {
  int ow = reducedSide(w, factor), oh = reducedSide(h, factor);
  Pixels out(static_cast<std::size_t>(ow * oh * 4), 0xEE);
  reducePixels(from.data(), w, h, stride ? stride : static_cast<std::size_t>(w) * 4, factor,
               out.data(), static_cast<std::size_t>(ow) * 4);
  return out;
}

TEST(ReducePixels, EachPixelIsTheMeanOfItsBlock) {
  // 4 x 2: a black and white checker on the left, mid grey on the right.
  Pixels p = {0,   0,   0,   255, 255, 255, 255, 255, 128, 128, 128, 255, 128, 128, 128, 255,
              255, 255, 255, 255, 0,   0,   0,   255, 128, 128, 128, 255, 128, 128, 128, 255};
  EXPECT_EQ(reduce(p, 4, 2, 2), (Pixels{128, 128, 128, 255, 128, 128, 128, 255}));
  EXPECT_EQ(reduce(p, 4, 2, 1), p);  // a factor of 1 copies
  EXPECT_EQ(reduce(p, 4, 2, 0), p);  // and so does one below it
  // A factor larger than the picture: one pixel, the mean of all.
  EXPECT_EQ(reduce(p, 4, 2, 8), (Pixels{128, 128, 128, 255}));
}

// The blocks at the right and bottom edges hold fewer pixels and are the
// mean of those alone; rows may be padded.
TEST(ReducePixels, EdgeBlocksAndPaddedRows) {
  std::size_t stride = 3 * 4 + 4;  // 3 pixels and 4 bytes of padding
  Pixels p(stride * 3, 0x55);      // the padding must never be read into a pixel
  auto set = [&](int x, int y, std::uint8_t v, std::uint8_t a) {
    std::uint8_t* px = &p[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 4];
    px[0] = px[1] = px[2] = v;
    px[3] = a;
  };
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) set(x, y, static_cast<std::uint8_t>(10 * (x + 3 * y)), 255);
  set(2, 2, 0, 0);  // a transparent corner: premultiplied, black and clear
  Pixels out = reduce(p, 3, 3, 2, stride);
  ASSERT_EQ(out.size(), 2u * 2u * 4u);
  EXPECT_EQ(out[0], 20);  // (0 + 10 + 30 + 40) / 4
  EXPECT_EQ(out[4], 35);  // (20 + 50) / 2, the right edge
  EXPECT_EQ(out[8], 65);  // (60 + 70) / 2, the bottom edge
  EXPECT_EQ(out[12], 0);  // the corner alone
  EXPECT_EQ(out[15], 0);  // still clear
  EXPECT_EQ(out[3], 255);
}

}  // namespace
}  // namespace vl
