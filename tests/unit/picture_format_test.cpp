// The content decides which reader a picture goes to, and names its format
// to the user; the extension says nothing.
#include <gtest/gtest.h>

#include "platform/picture_format.h"
#include "platform/picture_size.h"

namespace vl {
namespace {

std::string box(const std::string& major, const std::string& compatible) {
  std::string body = major + std::string("\0\0\0\0", 4) + compatible;
  std::size_t size = 8 + body.size();
  std::string b{'\0', '\0', static_cast<char>(size >> 8), static_cast<char>(size & 0xFF)};
  return b + "ftyp" + body + std::string(8, '\0');
}

TEST(PictureFormat, EachFormatIsToldByItsFirstBytes) {
  struct Case {
    std::string head;
    PictureFormat format;
    const char* name;
  } cases[] = {
      {"BM" + std::string(30, '\0'), PictureFormat::Bitmap, "BMP"},
      {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), PictureFormat::Png, "PNG"},
      {std::string("\xFF\xD8\xFF\xE1\0\x10", 6), PictureFormat::Jpeg, "JPEG"},
      {"GIF89a" + std::string(10, '\0'), PictureFormat::Gif, "GIF"},
      {"GIF87a" + std::string(10, '\0'), PictureFormat::Gif, "GIF"},
      {std::string("II*\0\x08\0\0\0", 8), PictureFormat::Tiff, "TIFF"},
      {std::string("MM\0*\0\0\0\x08", 8), PictureFormat::Tiff, "TIFF"},
      {std::string("II\xBC\x01\x20\0\0\0", 8), PictureFormat::JpegXr, "JPEG XR"},
      {std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), PictureFormat::WebP, "WebP"},
      {box("heic", "mif1heic"), PictureFormat::Heif, "HEIF"},
      {box("mif1", "mif1heic"), PictureFormat::Heif, "HEIF"},
      {box("avif", "mif1miaf"), PictureFormat::Avif, "AVIF"},
      {box("mif1", "mif1avif"), PictureFormat::Avif, "AVIF"},
      {std::string("\0\0\1\0\1\0\x10\x10", 8) + std::string(14, '\0'), PictureFormat::Icon, "icon"},
      {std::string("\0\0\2\0\1\0\x10\x10", 8) + std::string(14, '\0'), PictureFormat::Cursor,
       "cursor"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pictureFormatOf(c.head), c.format) << c.name;
    EXPECT_EQ(formatName(c.format), c.name);
  }
  // A video in an ISO file, a sound in RIFF, words: no picture.
  EXPECT_EQ(pictureFormatOf(box("isom", "isomavc1")), PictureFormat::Unknown);
  EXPECT_EQ(pictureFormatOf(std::string("RIFF\x10\0\0\0WAVEfmt ", 16)), PictureFormat::Unknown);
  EXPECT_EQ(pictureFormatOf("These are notes, not a picture.\r\n"), PictureFormat::Unknown);
  EXPECT_EQ(pictureFormatOf(""), PictureFormat::Unknown);
  EXPECT_EQ(pictureFormatOf(std::string("\xFF\xD8", 2)), PictureFormat::Unknown);
}

TEST(PictureFormat, OnlyTheNewFormatsGoToTheImagingComponent) {
  for (PictureFormat f :
       {PictureFormat::Png, PictureFormat::Jpeg, PictureFormat::Gif, PictureFormat::Tiff,
        PictureFormat::WebP, PictureFormat::Heif, PictureFormat::Avif, PictureFormat::JpegXr})
    EXPECT_TRUE(readByImagingComponent(f)) << formatName(f);
  for (PictureFormat f :
       {PictureFormat::Bitmap, PictureFormat::Icon, PictureFormat::Cursor,
        PictureFormat::WindowsMetafile, PictureFormat::EnhancedMetafile, PictureFormat::Unknown})
    EXPECT_FALSE(readByImagingComponent(f)) << formatName(f);
}

// The size a header declares, read before any decoder sees the file, so
// that a frame too large is refused before anything is taken for it.
TEST(PictureSize, EachHeaderDeclaresItsSize) {
  std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) +
                    std::string("\0\0\xEA\x60\0\0\x01\x00", 8);  // 60000 x 256
  ASSERT_TRUE(declaredSize(png, PictureFormat::Png));
  EXPECT_EQ(declaredSize(png, PictureFormat::Png)->width, 60000u);
  EXPECT_EQ(declaredSize(png, PictureFormat::Png)->height, 256u);
  EXPECT_EQ(checkDeclaredSize(png, PictureFormat::Png), PictureFault::TooLarge);
  EXPECT_EQ(checkDeclaredSize(png.substr(0, 20), PictureFormat::Png), PictureFault::None);

  // A JPEG's frame header after an Exif block: height then width.
  std::string jpeg = std::string(
                         "\xFF\xD8\xFF\xE1\0\x08"
                         "Exif\0\0\xFF\xC0\0\x11\x08",
                         17) +
                     std::string("\x0F\xA0\x17\x70\x03", 5) + std::string(12, '\0');
  ASSERT_TRUE(declaredSize(jpeg, PictureFormat::Jpeg));
  EXPECT_EQ(declaredSize(jpeg, PictureFormat::Jpeg)->width, 6000u);
  EXPECT_EQ(declaredSize(jpeg, PictureFormat::Jpeg)->height, 4000u);
  EXPECT_EQ(checkDeclaredSize(jpeg, PictureFormat::Jpeg), PictureFault::None);  // 24 megapixels

  // 20000 x 20000 fits each side but not the memory: too large too.
  std::string gif = std::string("GIF89a\x20\x4E\x20\x4E", 10);
  EXPECT_EQ(checkDeclaredSize(gif, PictureFormat::Gif), PictureFault::TooLarge);

  std::string tiff = std::string("II*\0\x08\0\0\0\x02\0", 10) +
                     std::string("\x00\x01\x04\0\x01\0\0\0\x00\x80\0\0", 12) +  // width 32768
                     std::string("\x01\x01\x03\0\x01\0\0\0\x10\0\0\0", 12);     // height 16
  EXPECT_EQ(declaredSize(tiff, PictureFormat::Tiff)->width, 32768u);
  EXPECT_EQ(checkDeclaredSize(tiff, PictureFormat::Tiff), PictureFault::TooLarge);

  std::string webp = std::string("RIFF\0\0\0\0WEBPVP8X\x0A\0\0\0\0\0\0\0", 24) +
                     std::string("\x3F\x1F\0\x3F\x1F\0", 6);  // 8000 x 8000 canvas
  EXPECT_EQ(declaredSize(webp, PictureFormat::WebP)->width, 8000u);
  EXPECT_EQ(checkDeclaredSize(webp, PictureFormat::WebP), PictureFault::None);
  // Nothing read for the formats whose decoder alone knows their size.
  EXPECT_FALSE(declaredSize(png, PictureFormat::Heif));
}

}  // namespace
}  // namespace vl
