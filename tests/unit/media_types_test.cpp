#include <gtest/gtest.h>

#include <cctype>

#include "browse/media_types.h"

namespace vl {
namespace {

TEST(MediaTypes, PagePatternsListTheirTypesButNotRle) {
  EXPECT_EQ(filePattern(MediaPage::Image),
            "*.BMP;*.DIB;*.WMF;*.EMF;*.ICO;*.CUR;*.PNG;*.JPG;*.JPEG;*.JPE;*.JFIF;*.GIF;*.TIF;"
            "*.TIFF;*.WEBP;*.HEIC;*.HEIF;*.AVIF;*.JXR;*.WDP");
  EXPECT_EQ(filePattern(MediaPage::Music), "*.MID;*.RMI");
  EXPECT_EQ(filePattern(MediaPage::Sound), "*.WAV");
  EXPECT_EQ(filePattern(MediaPage::MciDevices), "*.*");
}

TEST(CommandLineDispatch, EveryExtensionInAnyLetterCase) {
  struct Case {
    const char* ext;
    MediaPage page;
  } cases[] = {
      {"BMP", MediaPage::Image}, {"WMF", MediaPage::Image},      {"EMF", MediaPage::Image},
      {"DIB", MediaPage::Image}, {"RLE", MediaPage::Image},      {"ICO", MediaPage::Image},
      {"CUR", MediaPage::Image}, {"MID", MediaPage::Music},      {"RMI", MediaPage::Music},
      {"WAV", MediaPage::Sound}, {"AVI", MediaPage::MciDevices}, {"MOV", MediaPage::MciDevices}};
  for (const Case& c : cases) {
    // All eight spellings of the three letters: BMP, BMp, BmP, Bmp ... bmp.
    for (int mask = 0; mask < 8; ++mask) {
      std::string line = std::string("C:\\media\\file.") + c.ext;
      for (std::size_t i = 0; i < 3; ++i) {
        char& ch = line[line.size() - 3 + i];
        if (mask & (1 << i)) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      }
      EXPECT_EQ(pageForCommandLine(line), c.page) << line;
    }
  }
  EXPECT_EQ(pageForCommandLine("C:\\PICS\\Sunset.Bmp"), MediaPage::Image);
  EXPECT_EQ(pageForCommandLine("C:\\Media\\Theme.Wav"), MediaPage::Sound);
}

// Photos are named by the extension after the dot, however long, in any case.
TEST(CommandLineDispatch, TodaysPicturesByTheirExtension) {
  for (const char* line : {"C:\\Photos\\IMG_0001.JPG", "C:\\Photos\\beach.jpeg", "C:\\a.JfIf",
                           "C:\\web\\logo.png", "C:\\x.jpe", "C:\\scan.tiff", "C:\\scan.TIF",
                           "C:\\anim.gif", "C:\\p.webp", "C:\\phone.HEIC", "C:\\p.heif",
                           "C:\\p.avif", "C:\\p.jxr", "C:\\p.wdp", "\"C:\\my photos\\a.jpg\""})
    EXPECT_EQ(pageForCommandLine(commandLinePath(line)), MediaPage::Image) << line;
  // Not after a dot of its own name: a folder's, or the name's whole end.
  for (const char* line :
       {"C:\\photos.jpeg\\readme", "C:\\jpeg", "C:\\notes.txtpng", "C:\\a.jpeg.txt", "C:\\a.png "})
    EXPECT_EQ(pageForCommandLine(line), std::nullopt) << line;
}

TEST(CommandLineDispatch, ShortAndUnknownEndingsMatchNothing) {
  for (const char* line : {"", "ab", "mp", "C:\\a.txt", "C:\\a.Txt", "C:\\a.BMP\"", "C:\\bmp\\x",
                           "C:\\a.bm", "C:\\a.w\xC3\xA1v", "C:\\\xC3\xA9t\xC3\xA9"})
    EXPECT_EQ(pageForCommandLine(line), std::nullopt) << line;
  EXPECT_EQ(pageForCommandLine("BMP"), MediaPage::Image);   // exactly three characters
  EXPECT_EQ(pageForCommandLine("xwav"), MediaPage::Sound);  // only the last three count
  EXPECT_EQ(pageForCommandLine("xWaV"), MediaPage::Sound);
}

TEST(CommandLinePath, QuotesAndSurroundingSpacesAreNotPartOfThePath) {
  EXPECT_EQ(commandLinePath("C:\\pics\\a.bmp"), "C:\\pics\\a.bmp");
  EXPECT_EQ(commandLinePath("  \"C:\\my pics\\a.bmp\"  "), "C:\\my pics\\a.bmp");
  EXPECT_EQ(commandLinePath("\"C:\\my pics\\a.bmp\" /extra"), "C:\\my pics\\a.bmp");
  EXPECT_EQ(commandLinePath("\"C:\\unclosed.bmp"), "C:\\unclosed.bmp");
  EXPECT_EQ(commandLinePath("C:\\Bilder \xC3\xBC\\a b.wav"), "C:\\Bilder \xC3\xBC\\a b.wav");
  EXPECT_EQ(commandLinePath(""), "");
  EXPECT_EQ(commandLinePath("   "), "");
  EXPECT_EQ(pageForCommandLine(commandLinePath("\"C:\\x\\a.bmp\"")), MediaPage::Image);
}

}  // namespace
}  // namespace vl
