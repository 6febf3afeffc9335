#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "../common/put_bytes.h"
#include "platform/picture_check.h"

namespace vl {
namespace {

using testbytes::put16;
using testbytes::put32;

// A bitmap header of 40 bytes, its colour table and its bits.
std::string dib(long w, long h, unsigned bits, unsigned long compression = 0,
                std::size_t dataBytes = std::string::npos, unsigned long imageSize = 0,
                unsigned long headerSize = 40) {
  std::string s;
  put32(s, headerSize);
  put32(s, static_cast<unsigned long>(w));
  put32(s, static_cast<unsigned long>(h));
  put16(s, 1);
  put16(s, bits);
  put32(s, compression);
  put32(s, imageSize);
  put32(s, 2835);
  put32(s, 2835);
  put32(s, 0);
  put32(s, 0);
  s.resize(headerSize, '\0');
  if (compression == 3 && headerSize == 40) s.append(12, '\xFF');
  if (bits <= 8) s.append(4u << bits, '\x40');
  std::size_t stride = (static_cast<std::size_t>(w) * bits + 31) / 32 * 4;
  std::size_t rows = static_cast<std::size_t>(h < 0 ? -h : h);
  s.append(dataBytes == std::string::npos ? stride * rows : dataBytes, '\x7F');
  return s;
}

std::string bitmapFile(const std::string& packed) {
  std::string s = "BM";
  put32(s, 14 + packed.size());
  put32(s, 0);
  put32(s, 0);  // no offset given: the bits follow the colour table
  return s + packed;
}

// A record of a Windows metafile: its size in words, its function, its words.
std::string record(unsigned function, std::initializer_list<unsigned> words,
                   const std::string& tail = "") {
  std::string s;
  put32(s, 3 + words.size() + (tail.size() + 1) / 2);
  put16(s, function);
  for (unsigned w : words) put16(s, w);
  s += tail;
  if (tail.size() % 2) s += '\0';
  return s;
}

std::string metafile(const std::string& records, unsigned objects = 1, bool end = true) {
  std::string s;
  put16(s, 1);
  put16(s, 9);
  put16(s, 0x300);
  std::string body = records + (end ? record(0, {}) : "");
  put32(s, (18 + body.size()) / 2);
  put16(s, objects);
  put32(s, 100);
  put16(s, 0);
  return s + body;
}

std::string placeable(const std::string& wmf, int right, int bottom, unsigned inch) {
  std::string s;
  put32(s, 0x9AC6CDD7);
  put16(s, 0);
  for (int v : {0, 0, right, bottom}) put16(s, static_cast<unsigned>(v) & 0xFFFF);
  put16(s, inch);
  put32(s, 0);
  put16(s, 0);
  return s + wmf;
}

const std::string kBrush = record(0x02FC, {0, 0xFF, 0, 0});  // a solid red brush
const std::string kDrawing = record(0x020C, {100, 200}) + kBrush + record(0x012D, {0}) +
                             record(0x041B, {90, 190, 10, 10}) +
                             record(0x0324, {3, 0, 0, 10, 10, 0, 10}) + record(0x01F0, {0});

TEST(PictureCheck, SoundMetafilesPass) {
  EXPECT_EQ(checkWindowsMetafile(metafile(kDrawing)), PictureFault::None);
  EXPECT_EQ(checkWindowsMetafile(placeable(metafile(kDrawing), 1440, 720, 1440)),
            PictureFault::None);
  // A brush made, deleted and made again reuses the one slot.
  EXPECT_EQ(checkWindowsMetafile(metafile(kBrush + record(0x01F0, {0}) + kBrush)),
            PictureFault::None);
  std::string text = record(0x0521, {5}, std::string("Hello\0\x0A\0\x0A\0", 10)) +
                     record(0x0A32, {10, 10, 3, 0}, "abc");
  EXPECT_EQ(checkWindowsMetafile(metafile(text)), PictureFault::None);
  std::string bits = record(0x0F43, {0x20, 0xCC, 0, 4, 4, 0, 0, 4, 4, 0, 0}, dib(4, 4, 24));
  EXPECT_EQ(checkWindowsMetafile(metafile(bits)), PictureFault::None);
}

// The files that made the system's player read and write outside its
// buffers: each is refused before it is played.
TEST(PictureCheck, MetafileRecordsThatReachOutsideAreRefused) {
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"select beyond the table", metafile(record(0x012D, {1}))},
      {"delete slot 4000", metafile(record(0x01F0, {4000}))},
      {"region beyond the table", metafile(record(0x0228, {0, 7}))},
      {"palette beyond the table", metafile(record(0x0234, {2}))},
      {"more objects than slots", metafile(kBrush + kBrush)},
      {"8000 x 8000 pixels in 100 bytes",
       metafile(record(0x0F43, {0x20, 0xCC, 0, 8000, 8000, 0, 0, 8000, 8000, 0, 0},
                       dib(8000, 8000, 24, 0, 100 - 40)))},
      {"a blit's bitmap cut short",
       metafile(record(0x0940, {0x20, 0xCC, 0, 0, 4, 4, 0, 0}, dib(4, 4, 24, 0, 10)))},
      {"an old bitmap's rows missing",
       metafile(record(0x0922, {0x20, 0xCC, 0, 0, 50, 50, 0, 0, 0, 50, 50, 8, 0x0101}, ""))},
      {"polygon points past the record", metafile(record(0x0324, {400, 0, 0}))},
      {"polypolygon counts past the record", metafile(record(0x0538, {2, 3, 300, 0, 0, 0, 0}))},
      {"text longer than the record", metafile(record(0x0521, {500}, "ab"))},
      {"clipped text without its rectangle", metafile(record(0x0A32, {0, 0, 2, 4}, ""))},
      {"escape bytes past the record", metafile(record(0x0626, {15, 900}))},
      {"window extent without its values", metafile(record(0x020C, {100}))},
      {"a font name without its end", metafile(record(0x02FB, {0, 0, 0, 0, 0, 0, 0, 0, 0}, "Arialxxx"))},
      {"a function no player knows", metafile(record(0x0999, {1, 2, 3}))},
      {"a record of no size", metafile(std::string("\0\0\0\0\x2D\x01", 6))},
      {"a record past the end", metafile(std::string("\xFF\x00\x00\x00\x2D\x01", 6), 1, false)},
      {"no end record", metafile(kDrawing, 1, false)},
      {"a header of the wrong size", [] {
         std::string f = metafile(kDrawing);
         f[2] = 8;
         return f;
       }()},
  };
  for (const Case& c : cases)
    EXPECT_EQ(checkWindowsMetafile(c.file), PictureFault::Damaged) << c.what;
  // Small enough to be sent by mail: the crashing files were 42 to 102 bytes.
  EXPECT_LE(metafile(record(0x01F0, {4000})).size(), 42u);
}

TEST(PictureCheck, PlaceableHeaderBoundsAndUnits) {
  std::string wmf = metafile(kDrawing);
  EXPECT_EQ(checkWindowsMetafile(placeable(wmf, 1440, 720, 0)), PictureFault::Damaged);
  EXPECT_EQ(checkWindowsMetafile(placeable(wmf, 0, 720, 1440)), PictureFault::Damaged);
  EXPECT_EQ(checkWindowsMetafile(placeable(wmf, 32000, 32000, 1)), PictureFault::TooLarge);
  EXPECT_EQ(checkWindowsMetafile(placeable(wmf, -1440, -720, 1440)), PictureFault::None);
  EXPECT_EQ(checkWindowsMetafile(placeable("", 1440, 720, 1440)), PictureFault::Damaged);
}

TEST(PictureCheck, BitmapsTheSystemWouldNotDraw) {
  EXPECT_EQ(checkBitmapFile(bitmapFile(dib(5, 3, 24))), PictureFault::None);
  EXPECT_EQ(checkBitmapFile(bitmapFile(dib(5, -3, 32))), PictureFault::None);
  EXPECT_EQ(checkBitmapFile(bitmapFile(dib(8, 2, 8, 1, 20, 20))), PictureFault::None);
  EXPECT_EQ(checkBitmapFile(bitmapFile(dib(4, 2, 16, 3))), PictureFault::None);
  // Rows cut short at the end still show, as black.
  EXPECT_EQ(checkBitmapFile(bitmapFile(dib(5, 3, 24, 0, 4))), PictureFault::None);

  struct Case {
    const char* what;
    std::string file;
    PictureFault fault;
  } cases[] = {
      {"run-length rows stored top-down", bitmapFile(dib(8, -2, 8, 1, 20, 20)),
       PictureFault::Damaged},
      {"RLE8 at four bits", bitmapFile(dib(8, 2, 4, 1, 20, 20)), PictureFault::Damaged},
      {"RLE4 at eight bits", bitmapFile(dib(8, 2, 8, 2, 20, 20)), PictureFault::Damaged},
      {"no pixel data", bitmapFile(dib(5, 3, 24, 0, 0)), PictureFault::Damaged},
      {"alpha bitfields", bitmapFile(dib(4, 2, 32, 6)), PictureFault::Damaged},
      {"bitfields at 24 bits", bitmapFile(dib(4, 2, 24, 3)), PictureFault::Damaged},
      {"a bitfields header of 44 bytes", bitmapFile(dib(4, 2, 32, 3, 64, 0, 44)),
       PictureFault::Damaged},
      {"a header of 51 bytes", bitmapFile(dib(4, 2, 24, 0, 24, 0, 51)), PictureFault::Damaged},
      {"JPEG inside", bitmapFile(dib(4, 2, 24, 4)), PictureFault::NotAPicture},
      {"no width", bitmapFile(dib(0, 2, 24)), PictureFault::Damaged},
      {"three bits a pixel", bitmapFile(dib(4, 2, 3)), PictureFault::Damaged},
      {"40000 pixels wide", bitmapFile(dib(40000, 1, 1, 0, 8)), PictureFault::TooLarge},
      {"20000 x 20000", bitmapFile(dib(20000, 20000, 1, 0, 8)), PictureFault::TooLarge},
      {"the header cut short", bitmapFile(dib(5, 3, 24)).substr(0, 30), PictureFault::Damaged},
      {"empty", "", PictureFault::Damaged},
  };
  for (const Case& c : cases) EXPECT_EQ(checkBitmapFile(c.file), c.fault) << c.what;
}

// An icon file of one image: the directory entry and the image it points at.
std::string iconFile(const std::string& image, unsigned long offset = 22) {
  std::string s;
  put16(s, 0);
  put16(s, 1);
  put16(s, 1);
  s += std::string("\x04\x04\x00\x00", 4);
  put16(s, 1);
  put16(s, 32);
  put32(s, image.size());
  put32(s, offset);
  return s + image;
}

TEST(PictureCheck, IconEntriesMustLieInTheFileAndHoldTheirRows) {
  std::string image = dib(4, 8, 32) + std::string(16, '\0');  // colour rows, then the mask
  EXPECT_EQ(checkIconFile(iconFile(image)), PictureFault::None);
  EXPECT_EQ(checkIconFile(iconFile("\x89PNG\r\n\x1a\n....")), PictureFault::None);
  EXPECT_EQ(checkIconFile(iconFile(image, 9000)), PictureFault::Damaged);
  EXPECT_EQ(checkIconFile(iconFile(image, 2)), PictureFault::Damaged);
  EXPECT_EQ(checkIconFile(iconFile(dib(4, 8, 32, 0, 10))), PictureFault::Damaged);
  EXPECT_EQ(checkIconFile(iconFile(image).substr(0, 20)), PictureFault::Damaged);
}

// An enhanced metafile: the header record, the given records, the end.
std::string emf(const std::string& records, long frameRight = 2540, unsigned handles = 2,
                bool end = true) {
  std::string s;
  put32(s, 1);
  put32(s, 88);
  for (long v : {0L, 0L, 99L, 99L, 0L, 0L, frameRight, 2540L})
    put32(s, static_cast<unsigned long>(v));
  put32(s, 0x464D4520);
  put32(s, 0x10000);
  std::string tail = end ? std::string("\x0E\0\0\0\x14\0\0\0\0\0\0\0\x10\0\0\0\x14\0\0\0", 20) : "";
  put32(s, 88 + records.size() + tail.size());
  put32(s, 2);
  put16(s, handles);
  put16(s, 0);
  put32(s, 0);
  put32(s, 0);
  put32(s, 0);
  for (long v : {1024L, 768L, 320L, 240L}) put32(s, static_cast<unsigned long>(v));
  return s + records + tail;
}

std::string emfRecord(unsigned long type, std::initializer_list<unsigned long> fields,
                      const std::string& tail = "") {
  std::string s;
  put32(s, type);
  put32(s, 8 + 4 * fields.size() + tail.size());
  for (unsigned long f : fields) put32(s, f);
  return s + tail;
}

TEST(PictureCheck, EnhancedMetafilesFramesAndRecords) {
  std::string pen = emfRecord(38, {1, 0, 1, 0, 0xFF});
  EXPECT_EQ(checkEnhancedMetafile(emf(pen + emfRecord(37, {1}) + emfRecord(37, {0x80000007}))),
            PictureFault::None);
  EXPECT_EQ(checkEnhancedMetafile(emf(emfRecord(87, {0, 0, 9, 9, 2, 0, 0x00090009}))),
            PictureFault::None);

  // The frame in 0.01 mm is computed without overflow and kept to what a screen shows.
  EXPECT_EQ(checkEnhancedMetafile(emf("", 0x7FFFFFFF)), PictureFault::TooLarge);
  EXPECT_EQ(checkEnhancedMetafile(emf("", 2540L * 400)), PictureFault::TooLarge);
  EXPECT_EQ(checkEnhancedMetafile(emf("", -0x7FFFFFFF)), PictureFault::TooLarge);

  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"a pen in a slot the table lacks", emf(emfRecord(38, {5, 0, 1, 0, 0xFF}))},
      {"a pen in the metafile's own slot", emf(emfRecord(38, {0, 0, 1, 0, 0xFF}))},
      {"select beyond the table", emf(emfRecord(37, {9}))},
      {"delete beyond the table", emf(emfRecord(40, {4000}))},
      {"polyline points past the record", emf(emfRecord(87, {0, 0, 9, 9, 5000}))},
      {"polypolygon counts that disagree", emf(emfRecord(91, {0, 0, 9, 9, 1, 9, 2, 0, 0}))},
      {"text past the record",
       emf(emfRecord(84, {0, 0, 9, 9, 1, 0, 0, 0, 0, 400, 76, 0, 0, 0, 0, 0, 0}))},
      {"a bitmap's bits cut short",
       emf(emfRecord(81, {0, 0, 9, 9, 0, 0, 0, 0, 4, 4, 80, 40, 120, 8, 0, 0xCC0020, 4, 4},
                     dib(4, 4, 24, 0, 8)))},
      {"a bitmap header outside the record",
       emf(emfRecord(81, {0, 0, 9, 9, 0, 0, 0, 0, 4, 4, 900, 40, 120, 48, 0, 0xCC0020, 4, 4},
                     dib(4, 4, 24)))},
      {"a second header", emf(emf(""))},
      {"no end record", emf(pen, 2540, 2, false)},
      {"no handle table", emf("", 2540, 0)},
      {"a record of no size", emf(std::string("\x26\0\0\0\0\0\0\0", 8))},
  };
  for (const Case& c : cases)
    EXPECT_EQ(checkEnhancedMetafile(c.file), PictureFault::Damaged) << c.what;
  EXPECT_EQ(checkEnhancedMetafile(emf("").substr(0, 60)), PictureFault::Damaged);
}

}  // namespace
}  // namespace vl
