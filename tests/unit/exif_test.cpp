#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/exif.h"

namespace vl {
namespace {

using namespace std::string_literals;

enum : unsigned { kAscii = 2, kShort = 3, kLong = 4, kRational = 5 };
constexpr unsigned kOrientation = 274;

// TIFF fields in the block's byte order.
std::string u16(unsigned v, bool big) {
  std::string s{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
  return big ? std::string{s[1], s[0]} : s;
}
std::string u32(std::uint32_t v, bool big) {
  return big ? u16(v >> 16, big) + u16(v & 0xFFFF, big) : u16(v & 0xFFFF, big) + u16(v >> 16, big);
}

std::string header(bool big, std::uint32_t ifd0 = 8) {
  return (big ? "MM"s : "II"s) + u16(42, big) + u32(ifd0, big);
}

// An IFD entry; `value` is its four-byte value field as written.
std::string entry(bool big, unsigned tag, unsigned type, std::uint32_t count,
                  const std::string& value) {
  return u16(tag, big) + u16(type, big) + u32(count, big) + value;
}
std::string shortField(unsigned v, bool big) {
  return u16(v, big) + u16(0, big);
}

std::string ifd(bool big, const std::vector<std::string>& entries, std::uint32_t next = 0) {
  std::string s = u16(static_cast<unsigned>(entries.size()), big);
  for (const std::string& e : entries) s += e;
  return s + u32(next, big);
}

std::string orientationBlock(unsigned v, bool big) {
  return header(big) + ifd(big, {entry(big, kOrientation, kShort, 1, shortField(v, big))});
}

// A block as a camera writes it: IFD0 with the orientation among other tags,
// an Exif IFD, and IFD1 (the thumbnail's) after it, which may hold an
// orientation of its own (not when 0).
std::string cameraBlock(bool big, unsigned orientation, unsigned ifd1Orientation = 0) {
  const std::uint32_t ifd0 = 8, ifd0Size = 2 + 7 * 12 + 4;
  const std::uint32_t data = ifd0 + ifd0Size;  // Make, Model, two resolutions
  const std::uint32_t exifIfd = data + 8 + 8 + 16, exifIfdSize = 2 + 12 + 4;
  const std::uint32_t date = exifIfd + exifIfdSize;
  const std::uint32_t ifd1 = date + 20;
  std::string s = header(big, ifd0);
  s += ifd(big,
           {entry(big, 0x010F, kAscii, 6, u32(data, big)),
            entry(big, 0x0110, kAscii, 8, u32(data + 8, big)),
            entry(big, kOrientation, kShort, 1, shortField(orientation, big)),
            entry(big, 0x011A, kRational, 1, u32(data + 16, big)),
            entry(big, 0x011B, kRational, 1, u32(data + 24, big)),
            entry(big, 0x0128, kShort, 1, shortField(2, big)),
            entry(big, 0x8769, kLong, 1, u32(exifIfd, big))},
           ifd1);
  s += "Maker\0\0\0"s + "Model 1\0"s + u32(72, big) + u32(1, big) + u32(72, big) + u32(1, big);
  s += ifd(big, {entry(big, 0x9003, kAscii, 20, u32(date, big))});
  s += "2024:05:06 07:08:09\0"s;
  std::vector<std::string> thumbnailIfd = {entry(big, 0x0103, kShort, 1, shortField(6, big))};
  if (ifd1Orientation) {
    thumbnailIfd.push_back(entry(big, kOrientation, kShort, 1, shortField(ifd1Orientation, big)));
  }
  std::uint32_t thumbnail = ifd1 + 2 + (thumbnailIfd.size() + 2) * 12 + 4;
  thumbnailIfd.push_back(entry(big, 0x0201, kLong, 1, u32(thumbnail, big)));
  thumbnailIfd.push_back(entry(big, 0x0202, kLong, 1, u32(4, big)));
  s += ifd(big, thumbnailIfd);
  return s + "\xFF\xD8\xFF\xD9"s;
}

// JPEG segments: a marker and a big-endian length that counts itself.
std::string segment(unsigned marker, const std::string& payload) {
  std::size_t n = payload.size() + 2;
  return "\xFF"s + static_cast<char>(marker) + static_cast<char>(n >> 8) +
         static_cast<char>(n & 0xFF) + payload;
}
std::string exifSegment(const std::string& block) {
  return segment(0xE1, "Exif\0\0"s + block);
}
const std::string kSoi = "\xFF\xD8"s;
const std::string kJfif = segment(0xE0, "JFIF\0\x01\x02\0\0\x01\0\x01\0\0"s);
const std::string kFrame = segment(0xC0, "\x08\0\x02\0\x03\x01\x01\x11\0"s);
// The start of scan, some entropy-coded bytes and the end of the image.
const std::string kScan = segment(0xDA, "\x01\x01\0\0\x3F\0"s) + "\x12\xFF\0\x34\xFF\xD9"s;

std::string jpeg(const std::string& segments) {
  return kSoi + segments + kFrame + kScan;
}

TEST(ExifOrientation, EachValueInBothByteOrders) {
  for (bool big : {false, true}) {
    for (unsigned v = 1; v <= 8; ++v) {
      SCOPED_TRACE(testing::Message() << (big ? "MM " : "II ") << v);
      std::string block = orientationBlock(v, big);
      EXPECT_EQ(tiffOrientation(block), static_cast<int>(v));
      EXPECT_EQ(jpegOrientation(jpeg(exifSegment(block))), static_cast<int>(v));
      EXPECT_EQ(jpegOrientation(jpeg(kJfif + exifSegment(block))), static_cast<int>(v));
      EXPECT_EQ(tiffOrientation(cameraBlock(big, v)), static_cast<int>(v));
      EXPECT_EQ(jpegOrientation(jpeg(exifSegment(cameraBlock(big, v)))), static_cast<int>(v));
    }
  }
}

TEST(ExifOrientation, ValueFieldReadInTheBlocksByteOrder) {
  // SHORT: the first two bytes of the field, whatever the other two hold.
  std::string ii =
      header(false) + ifd(false, {entry(false, kOrientation, kShort, 1, "\x06\0\x05\0"s)});
  std::string mm =
      header(true) + ifd(true, {entry(true, kOrientation, kShort, 1, "\0\x06\0\x05"s)});
  EXPECT_EQ(tiffOrientation(ii), 6);
  EXPECT_EQ(tiffOrientation(mm), 6);
  // LONG, as some writers store it: all four bytes count.
  for (bool big : {false, true}) {
    auto longBlock = [big](std::uint32_t v) {
      return header(big) + ifd(big, {entry(big, kOrientation, kLong, 1, u32(v, big))});
    };
    EXPECT_EQ(tiffOrientation(longBlock(8)), 8);
    EXPECT_EQ(tiffOrientation(longBlock(0x10008)), 1);
    EXPECT_EQ(tiffOrientation(longBlock(0x80000)), 1);
  }
}

TEST(ExifOrientation, ValuesThatDoNotFitTheEntryAreWhereItPoints) {
  for (bool big : {false, true}) {
    // Two SHORTs still fit: the first is the orientation.
    std::string two =
        header(big) + ifd(big, {entry(big, kOrientation, kShort, 2, u16(3, big) + u16(7, big))});
    EXPECT_EQ(tiffOrientation(two), 3);
    // Three do not: the field holds their offset, here just after the IFD.
    std::uint32_t values = 8 + 2 + 12 + 4;
    std::string three = header(big) +
                        ifd(big, {entry(big, kOrientation, kShort, 3, u32(values, big))}) +
                        u16(5, big) + u16(1, big) + u16(1, big);
    EXPECT_EQ(tiffOrientation(three), 5);
    // An offset whose value is cut by the end of the block.
    EXPECT_EQ(tiffOrientation(three.substr(0, values + 1)), 1);
    std::string far =
        header(big) + ifd(big, {entry(big, kOrientation, kShort, 3, u32(0xFFFFFFFF, big))});
    EXPECT_EQ(tiffOrientation(far), 1);
  }
}

TEST(ExifOrientation, OnlyIfd0IsRead) {
  for (bool big : {false, true}) {
    EXPECT_EQ(tiffOrientation(cameraBlock(big, 6, 3)), 6);
    // An orientation in IFD1 alone is the thumbnail's.
    std::string ifd1Only = header(big) +
                           ifd(big, {entry(big, 0x0128, kShort, 1, shortField(2, big))}, 8 + 18) +
                           ifd(big, {entry(big, kOrientation, kShort, 1, shortField(3, big))});
    EXPECT_EQ(tiffOrientation(ifd1Only), 1);
    // A next-IFD link back to IFD0 (or to itself) is never followed.
    std::string loop =
        header(big) + ifd(big, {entry(big, kOrientation, kShort, 1, shortField(8, big))}, 8);
    EXPECT_EQ(tiffOrientation(loop), 8);
    EXPECT_EQ(jpegOrientation(jpeg(exifSegment(loop))), 8);
  }
}

TEST(ExifOrientation, ValuesOtherThanOneToEightGiveOne) {
  for (bool big : {false, true}) {
    for (unsigned v : {0u, 9u, 0xFFFFu}) {
      EXPECT_EQ(tiffOrientation(orientationBlock(v, big)), 1) << v;
      EXPECT_EQ(jpegOrientation(jpeg(exifSegment(orientationBlock(v, big)))), 1) << v;
    }
    // A text "6", a signed short, and a SHORT with no values.
    std::string ascii = header(big) + ifd(big, {entry(big, kOrientation, kAscii, 2, "6\0\0\0"s)});
    EXPECT_EQ(tiffOrientation(ascii), 1);
    std::string signedShort =
        header(big) + ifd(big, {entry(big, kOrientation, 8, 1, shortField(6, big))});
    EXPECT_EQ(tiffOrientation(signedShort), 1);
    std::string empty =
        header(big) + ifd(big, {entry(big, kOrientation, kShort, 0, shortField(6, big))});
    EXPECT_EQ(tiffOrientation(empty), 1);
  }
}

TEST(ExifOrientation, DamagedTiffStructuresGiveOne) {
  for (bool big : {false, true}) {
    SCOPED_TRACE(big ? "MM" : "II");
    std::string good = orientationBlock(6, big);
    ASSERT_EQ(tiffOrientation(good), 6);
    std::string body = good.substr(8);
    EXPECT_EQ(tiffOrientation(""), 1);
    EXPECT_EQ(tiffOrientation(good.substr(0, 7)), 1);
    // The header: order mark, magic number (43 is BigTIFF), the other order's magic.
    EXPECT_EQ(tiffOrientation("IM" + good.substr(2)), 1);
    EXPECT_EQ(tiffOrientation(good.substr(0, 2) + u16(43, big) + good.substr(4)), 1);
    EXPECT_EQ(tiffOrientation(good.substr(0, 2) + u16(42, !big) + good.substr(4)), 1);
    // IFD0 at the end, with its count cut, far past the end, or inside the header.
    EXPECT_EQ(tiffOrientation(header(big, good.size()) + body), 1);
    EXPECT_EQ(tiffOrientation(header(big, good.size() - 1) + body), 1);
    EXPECT_EQ(tiffOrientation(header(big, 0xFFFFFFFF) + body), 1);
    EXPECT_EQ(tiffOrientation(header(big, 0) + body), 1);
    EXPECT_EQ(tiffOrientation(header(big, 4) + body), 1);
    // At 6 a big-endian header's offset reads as a count of 6, and six
    // entries follow it.
    std::string overlapping = header(true, 6);
    for (int i = 0; i < 6; ++i) {
      overlapping += entry(true, kOrientation, kShort, 1, shortField(6, true));
    }
    EXPECT_EQ(tiffOrientation(overlapping), 1);
    // An entry count past the block, though the tag comes first.
    std::string counted = good;
    counted.replace(8, 2, u16(3, big));
    EXPECT_EQ(tiffOrientation(counted), 1);
    counted.replace(8, 2, u16(0xFFFF, big));
    EXPECT_EQ(tiffOrientation(counted), 1);
    // The entries may end the block: the next-IFD link is not needed.
    EXPECT_EQ(tiffOrientation(good.substr(0, good.size() - 4)), 6);
    EXPECT_EQ(tiffOrientation(good.substr(0, good.size() - 5)), 1);
  }
}

TEST(ExifJpeg, SegmentsBeforeTheExifBlockAreWalked) {
  std::string block = orientationBlock(6, true);
  std::string xmp = segment(0xE1, "http://ns.adobe.com/xap/1.0/\0<x/>"s);
  EXPECT_EQ(jpegOrientation(jpeg(kJfif + xmp + exifSegment(block))), 6);
  // Fill bytes before a marker and markers without a length.
  EXPECT_EQ(jpegOrientation(kSoi + "\xFF\xFF\xFF"s + exifSegment(block)), 6);
  EXPECT_EQ(jpegOrientation(kSoi + "\xFF\x01\xFF\xD0"s + kJfif + exifSegment(block)), 6);
  // The head of the file up to the Exif block is enough.
  EXPECT_EQ(jpegOrientation(kSoi + kJfif + exifSegment(block)), 6);
  // An empty segment is sound.
  EXPECT_EQ(jpegOrientation(kSoi + segment(0xFE, "") + exifSegment(block)), 6);
}

TEST(ExifJpeg, OnlyTheFirstExifBlockBeforeTheScanCounts) {
  std::string block = orientationBlock(8, false);
  EXPECT_EQ(jpegOrientation(jpeg(kJfif)), 1);
  EXPECT_EQ(jpegOrientation(kSoi + kJfif + kFrame + kScan + exifSegment(block)), 1);
  // Even when the bytes after the start of scan or the end of the image
  // would read as segments.
  std::string scanStart = kScan.substr(0, 10);
  EXPECT_EQ(jpegOrientation(kSoi + kJfif + kFrame + scanStart + exifSegment(block)), 1);
  EXPECT_EQ(jpegOrientation(kSoi + kJfif + "\xFF\xD9\0\x02"s + exifSegment(block)), 1);
  // The first Exif block decides, even a damaged one.
  std::string damaged = exifSegment(header(false, 0xFFFF) + block.substr(8));
  EXPECT_EQ(jpegOrientation(jpeg(damaged + exifSegment(block))), 1);
  EXPECT_EQ(jpegOrientation(jpeg(exifSegment(orientationBlock(3, false)) + exifSegment(block))), 3);
  // The identifier is six bytes in APP1 and nowhere else.
  EXPECT_EQ(jpegOrientation(jpeg(segment(0xE1, "Exif\0"s + block))), 1);
  EXPECT_EQ(jpegOrientation(jpeg(segment(0xE2, "Exif\0\0"s + block))), 1);
  EXPECT_EQ(jpegOrientation(jpeg(segment(0xE1, "Exif\0\0\0"s + block))), 1);
}

TEST(ExifJpeg, DamagedFilesGiveOne) {
  std::string block = orientationBlock(6, false);
  std::string file = jpeg(exifSegment(block));
  ASSERT_EQ(jpegOrientation(file), 6);
  EXPECT_EQ(jpegOrientation(""), 1);
  EXPECT_EQ(jpegOrientation(kSoi), 1);
  // No JPEG, or the two readers swapped.
  EXPECT_EQ(jpegOrientation(file.substr(2)), 1);
  EXPECT_EQ(jpegOrientation("\xFF\xD9"s + file.substr(2)), 1);
  EXPECT_EQ(jpegOrientation(block), 1);
  EXPECT_EQ(tiffOrientation(file), 1);
  // The APP1 runs past the end of the file, by one byte or by its whole length.
  std::string app1 = exifSegment(block);
  EXPECT_EQ(jpegOrientation(kSoi + app1.substr(0, app1.size() - 1)), 1);
  EXPECT_EQ(jpegOrientation(kSoi + app1.substr(0, 4)), 1);
  EXPECT_EQ(jpegOrientation(kSoi + app1.substr(0, 3)), 1);
  // A length that does not count itself.
  for (std::string length : {"\0\0"s, "\0\x01"s}) {
    EXPECT_EQ(jpegOrientation(kSoi + "\xFF\xE1"s + length + "Exif\0\0"s + block), 1);
  }
  // A byte that is no marker where one should be, and a marker without its FF.
  EXPECT_EQ(jpegOrientation(kSoi + kJfif + "\x00"s + app1), 1);
  EXPECT_EQ(jpegOrientation(kSoi + kJfif + app1.substr(1)), 1);
  EXPECT_EQ(jpegOrientation(kSoi + "\xFF\xFF"s), 1);
}

// A stored picture of 3 x 2 pixels, each a letter, rows top to bottom.
const std::vector<std::string> kStored = {"abc", "def"};

// The stored picture placed upright; every place must be filled exactly once.
std::vector<std::string> upright(int orientation, const std::vector<std::string>& stored) {
  int w = static_cast<int>(stored[0].size()), h = static_cast<int>(stored.size());
  Oriented size = orientedSize(orientation, w, h);
  std::vector<std::string> out(size.height, std::string(size.width, '.'));
  for (int sy = 0; sy < h; ++sy) {
    for (int sx = 0; sx < w; ++sx) {
      PixelPlace p = orientedPlace(orientation, w, h, sx, sy);
      EXPECT_TRUE(p.x >= 0 && p.x < size.width && p.y >= 0 && p.y < size.height)
          << orientation << ": (" << sx << ", " << sy << ")";
      if (p.x < 0 || p.x >= size.width || p.y < 0 || p.y >= size.height) continue;
      EXPECT_EQ(out[p.y][p.x], '.') << orientation << ": (" << p.x << ", " << p.y << ")";
      out[p.y][p.x] = stored[sy][sx];
    }
  }
  return out;
}

TEST(OrientedPicture, TurnedOnesByHand) {
  using Rows = std::vector<std::string>;
  EXPECT_EQ(upright(1, kStored), (Rows{"abc", "def"}));
  EXPECT_EQ(upright(3, kStored), (Rows{"fed", "cba"}));
  // Turned 90 clockwise: the stored top-left goes to the top-right.
  EXPECT_EQ(upright(6, kStored), (Rows{"da", "eb", "fc"}));
  EXPECT_EQ(upright(8, kStored), (Rows{"cf", "be", "ad"}));
}

TEST(OrientedPicture, MirroredOnesByTheirDefinition) {
  const int w = 3, h = 2;
  auto pulled = [](int uw, int uh, auto from) {
    std::vector<std::string> out(uh, std::string(uw, '.'));
    for (int y = 0; y < uh; ++y) {
      for (int x = 0; x < uw; ++x) out[y][x] = from(x, y);
    }
    return out;
  };
  EXPECT_EQ(upright(2, kStored), pulled(w, h, [&](int x, int y) { return kStored[y][w - 1 - x]; }));
  EXPECT_EQ(upright(4, kStored), pulled(w, h, [&](int x, int y) { return kStored[h - 1 - y][x]; }));
  // Mirrored along the top-left diagonal, and along the other one.
  EXPECT_EQ(upright(5, kStored), pulled(h, w, [&](int x, int y) { return kStored[x][y]; }));
  EXPECT_EQ(upright(7, kStored),
            pulled(h, w, [&](int x, int y) { return kStored[h - 1 - x][w - 1 - y]; }));
}

TEST(OrientedPicture, EveryOrientationFillsTheUprightPictureOnce) {
  // Sizes that tell width from height, and lines; 0 and 9 count as upright.
  const std::pair<int, int> sizes[] = {{1, 1}, {3, 2}, {2, 3}, {4, 4}, {5, 1}, {1, 5}};
  for (auto [w, h] : sizes) {
    std::vector<std::string> stored(h, std::string(w, ' '));
    for (int i = 0; i < w * h; ++i) stored[i / w][i % w] = static_cast<char>('A' + i);
    for (int o = 0; o <= 9; ++o) {
      SCOPED_TRACE(testing::Message() << w << " x " << h << " orientation " << o);
      Oriented size = orientedSize(o, w, h);
      bool swaps = o >= 5 && o <= 8;
      EXPECT_EQ(size.width, swaps ? h : w);
      EXPECT_EQ(size.height, swaps ? w : h);
      upright(o, stored);
    }
    EXPECT_EQ(upright(0, stored), stored);
    EXPECT_EQ(upright(9, stored), stored);
  }
}

TEST(OrientedPicture, InversesGiveBackTheStoredPicture) {
  const int w = 4, h = 3;
  const std::pair<int, int> pairs[] = {{1, 1}, {6, 8}, {8, 6}, {3, 3},
                                       {5, 5}, {7, 7}, {2, 2}, {4, 4}};
  for (auto [first, second] : pairs) {
    Oriented size = orientedSize(first, w, h);
    for (int sy = 0; sy < h; ++sy) {
      for (int sx = 0; sx < w; ++sx) {
        PixelPlace p = orientedPlace(first, w, h, sx, sy);
        PixelPlace back = orientedPlace(second, size.width, size.height, p.x, p.y);
        EXPECT_EQ(back.x, sx) << first << " then " << second;
        EXPECT_EQ(back.y, sy) << first << " then " << second;
      }
    }
  }
}

}  // namespace
}  // namespace vl
