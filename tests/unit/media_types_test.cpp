#include <gtest/gtest.h>

#include "browse/media_types.h"

namespace vl {
namespace {

TEST(MediaTypes, PagePatternsListTheirTypesButNotRle) {
  EXPECT_EQ(filePattern(MediaPage::Image), "*.BMP;*.DIB;*.WMF;*.EMF;*.ICO;*.CUR");
  EXPECT_EQ(filePattern(MediaPage::Music), "*.MID;*.RMI");
  EXPECT_EQ(filePattern(MediaPage::Sound), "*.WAV");
  EXPECT_EQ(filePattern(MediaPage::MciDevices), "*.*");
}

TEST(CommandLineDispatch, EveryExtensionInCapitalsAndInLowerCase) {
  struct Case {
    const char* ext;
    MediaPage page;
  } cases[] = {
      {"BMP", MediaPage::Image}, {"WMF", MediaPage::Image},      {"EMF", MediaPage::Image},
      {"DIB", MediaPage::Image}, {"RLE", MediaPage::Image},      {"ICO", MediaPage::Image},
      {"CUR", MediaPage::Image}, {"MID", MediaPage::Music},      {"RMI", MediaPage::Music},
      {"WAV", MediaPage::Sound}, {"AVI", MediaPage::MciDevices}, {"MOV", MediaPage::MciDevices}};
  for (const Case& c : cases) {
    std::string upper = std::string("C:\\media\\file.") + c.ext;
    std::string lower = upper;
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(pageForCommandLine(upper), c.page) << upper;
    EXPECT_EQ(pageForCommandLine(lower), c.page) << lower;
  }
}

TEST(CommandLineDispatch, MixedCaseShortAndUnknownEndingsMatchNothing) {
  for (const char* line : {"C:\\a.Bmp", "C:\\a.wAV", "C:\\a.Wav", "", "ab", "mp", "C:\\a.txt",
                           "C:\\a.BMP\"", "C:\\bmp\\x", "C:\\\xC3\xA9t\xC3\xA9"})
    EXPECT_EQ(pageForCommandLine(line), std::nullopt) << line;
  EXPECT_EQ(pageForCommandLine("BMP"), MediaPage::Image);   // exactly three characters
  EXPECT_EQ(pageForCommandLine("xwav"), MediaPage::Sound);  // only the last three count
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
