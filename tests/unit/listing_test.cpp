#include <gtest/gtest.h>

#include "browse/listing.h"
#include "browse/media_types.h"

namespace vl {
namespace {

TEST(Patterns, MatchLikeWindowsWithoutItsShortNameAccidents) {
  std::string image = filePattern(MediaPage::Image);
  for (const char* yes : {"A.BMP", "a.bmp", "x.Bmp", "photo.dib", "clip.WMF", "e.emf", "i.ico",
                          "c.cur", "two.dots.bmp", "\xC3\xA9t\xC3\xA9.bmp", ".bmp"})
    EXPECT_TRUE(matchesPattern(yes, image)) << yes;
  for (const char* no : {"a.rle", "a.bmpx", "a.bm", "bmp", "a.txt", "a.bmp.txt", ""})
    EXPECT_FALSE(matchesPattern(no, image)) << no;
  EXPECT_TRUE(matchesPattern("README", "*.*"));
  EXPECT_TRUE(matchesPattern("a.txt", "*.*"));
  EXPECT_TRUE(matchesPattern("song.RMI", filePattern(MediaPage::Music)));
  EXPECT_FALSE(matchesPattern("song.wav", filePattern(MediaPage::Music)));
  EXPECT_TRUE(matchesPattern("ab.wav", "??.wav"));
  EXPECT_FALSE(matchesPattern("abc.wav", "??.wav"));
  EXPECT_TRUE(matchesPattern("aXbXc", "a*b*c"));
}

TEST(Lists, FilesAreSortedLetterCaseAsideWithoutHiddenOnesOrDirectories) {
  std::vector<DirEntry> entries = {
      {"b.bmp"},         {"A.BMP"},     {"c.BMP"}, {"hidden.bmp", false, true},
      {"dir.bmp", true}, {"notes.txt"}, {"a.bmp"}};
  std::vector<std::string> names;
  for (const ListItem& i : fileItems(entries, filePattern(MediaPage::Image)))
    names.push_back(i.text);
  EXPECT_EQ(names, (std::vector<std::string>{"A.BMP", "a.bmp", "b.bmp", "c.BMP"}));
  EXPECT_EQ(fileItems(entries, "*.*").size(), 5u);
}

TEST(Lists, DirectoryListShowsThePathDownToItThenItsSubdirectories) {
  DirectoryItems root = directoryItems("c:\\", {{"Windows", true}, {"apps", true}, {"x.bmp"}});
  ASSERT_EQ(root.items.size(), 3u);
  EXPECT_EQ(root.items[0], (ListItem{"C:\\", 0, true}));
  EXPECT_EQ(root.items[1], (ListItem{"apps", 1, false}));
  EXPECT_EQ(root.paths[2], "C:\\Windows");
  EXPECT_EQ(root.current, 0);

  DirectoryItems deep =
      directoryItems("C:\\PICS\\2024\\", {{"June", true}, {".hidden", true, true}});
  ASSERT_EQ(deep.items.size(), 4u);
  EXPECT_EQ(deep.items[1], (ListItem{"PICS", 1, true}));
  EXPECT_EQ(deep.items[2], (ListItem{"2024", 2, true}));
  EXPECT_EQ(deep.items[3], (ListItem{"June", 3, false}));
  EXPECT_EQ(deep.paths[1], "C:\\PICS");
  EXPECT_EQ(deep.paths[3], "C:\\PICS\\2024\\June");
  EXPECT_EQ(deep.current, 2);
}

TEST(Lists, DrivesShowTheirLetterAndLabel) {
  std::vector<ListItem> items = driveItems({{'A', ""}, {'C', "SYSTEM"}, {'D', ""}});
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "a:");
  EXPECT_EQ(items[1].text, "c: [SYSTEM]");
}

TEST(Lists, TwentyThousandFilesAreListedInOrder) {
  std::vector<DirEntry> entries;
  for (int i = 20000; i-- > 0;)
    entries.push_back({"file" + std::to_string(100000 + i) + (i % 3 ? ".bmp" : ".txt")});
  std::vector<ListItem> items = fileItems(entries, filePattern(MediaPage::Image));
  EXPECT_EQ(items.size(), 13333u);
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](const ListItem& a, const ListItem& b) {
    return lessIgnoringCase(a.text, b.text);
  }));
}

TEST(Paths, JoiningNeverDoublesOrDropsASeparator) {
  EXPECT_EQ(joinPath("C:\\", "AUTUMN.BMP"), "C:\\AUTUMN.BMP");
  EXPECT_EQ(joinPath("C:\\PICS", "AUTUMN.BMP"), "C:\\PICS\\AUTUMN.BMP");
  EXPECT_EQ(joinPath("C:\\PICS", ""), "C:\\PICS\\");
  EXPECT_EQ(directoryOf("C:\\A.BMP"), "C:\\");
  EXPECT_EQ(directoryOf("C:\\PICS\\A.BMP"), "C:\\PICS");
  EXPECT_EQ(fileNameOf("C:\\PICS\\A.BMP"), "A.BMP");
  EXPECT_TRUE(sameDirectory("c:\\pics\\", "C:\\PICS"));
  EXPECT_FALSE(sameDirectory("C:\\PICS", "C:\\PICS2"));
  std::string longDir = "C:\\" + std::string(300, 'd');
  EXPECT_EQ(joinPath(longDir, "x.bmp").size(), longDir.size() + 6);
}

}  // namespace
}  // namespace vl
