// The content decides which reader a picture goes to, and names its format
// to the user; the extension says nothing.
#include <gtest/gtest.h>

#include "platform/picture_format.h"

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

}  // namespace
}  // namespace vl
