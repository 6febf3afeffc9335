#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/long_path.h"

namespace vl {
namespace {

TEST(FullDirectoryPath, AcceptsAFullPathBelowADrivesRoot) {
  EXPECT_EQ(fullDirectoryPath("c:\\windows\\"), "c:\\windows");
  EXPECT_EQ(fullDirectoryPath("c:\\windows"), "c:\\windows");
  EXPECT_EQ(fullDirectoryPath("C:/WINDOWS/"), "C:\\WINDOWS");
  EXPECT_EQ(fullDirectoryPath("d:\\os\\win 98\\\\"), "d:\\os\\win 98");
  EXPECT_EQ(fullDirectoryPath("c:\\my,windows\\"), "c:\\my,windows");
  EXPECT_EQ(fullDirectoryPath("c:\\\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xB0\\"),
            "c:\\\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xB0");
  EXPECT_EQ(fullDirectoryPath("c:\\.hidden\\win"), "c:\\.hidden\\win");
}

TEST(FullDirectoryPath, RefusesEverythingThatMightLeadElsewhere) {
  for (std::string path : {"",
                           "\\",
                           "windows\\",
                           "windows",
                           ".\\windows\\",
                           "c:",
                           "c:windows\\",
                           "c:\\",
                           "c:/",
                           "c:\\\\",
                           "\\windows\\",
                           "\\\\server\\share\\windows\\",
                           "\\\\?\\c:\\windows\\",
                           "//server/share/",
                           "c:\\windows\\..\\",
                           "c:\\windows\\..",
                           "c:\\..\\windows",
                           "c:\\.\\windows",
                           "c:\\windows\\.",
                           "c:\\win\\\\system\\",
                           "c:\\windows.\\",
                           "c:\\windows \\",
                           "c:\\win*\\",
                           "c:\\win?",
                           "c:\\a:b\\",
                           "c:\\a\"b",
                           "c:\\a<b>",
                           "c:\\a|b",
                           "c:\\a\tb",
                           "c:\\a\nb",
                           "1:\\windows",
                           "cc:\\windows"}) {
    EXPECT_EQ(fullDirectoryPath(path), std::nullopt) << path;
  }
  EXPECT_EQ(fullDirectoryPath(std::string("c:\\win\0dows", 11)), std::nullopt);
}

TEST(LongPaths, AFullPathGetsTheLongFormOfItsKind) {
  std::string deep = "\\level" + std::string(300, 'x');
  EXPECT_EQ(longPathForm<char>("C:" + deep), "\\\\?\\C:" + deep);
  EXPECT_EQ(longPathForm<char>("\\\\server\\share" + deep), "\\\\?\\UNC\\server\\share" + deep);
  EXPECT_EQ(longPathForm<char>("\\\\server\\share"), "\\\\?\\UNC\\server\\share");
  EXPECT_EQ(longPathForm<wchar_t>(L"z:\\a\\b"), L"\\\\?\\z:\\a\\b");
  EXPECT_EQ(longPathForm<wchar_t>(L"\\\\srv\\s\\a"), L"\\\\?\\UNC\\srv\\s\\a");
  // Already long, a device, or no full path: as they stand.
  for (std::string path : {"\\\\?\\C:\\a", "\\\\?\\UNC\\s\\h\\a", "\\\\.\\COM1", "\\??\\C:\\a",
                           "//?/C:/a", "C:/a", "C:a", "a\\b", "\\a\\b", "\\\\server",
                           "\\\\server\\", "\\\\\\share\\a", "\\\\s\\\\a", "", "C:", "1:\\a"}) {
    EXPECT_EQ(longPathForm<char>(path), path) << path;
  }
}

TEST(LongPaths, RootsOfFullPaths) {
  EXPECT_EQ(fullPathRootLength<char>("C:\\"), 3u);
  EXPECT_EQ(fullPathRootLength<char>("c:\\a\\b"), 3u);
  EXPECT_EQ(fullPathRootLength<char>("\\\\srv\\share\\a\\b"), 12u);
  EXPECT_EQ(fullPathRootLength<char>("\\\\srv\\share\\"), 12u);
  EXPECT_EQ(fullPathRootLength<char>("\\\\srv\\share"), 11u);
  EXPECT_EQ(fullPathRootLength<wchar_t>(L"\\\\srv\\share\\a"), 12u);
  for (std::string path : {"", "C:", "C:a", "C:/a", "\\a", "a", "\\\\srv", "\\\\srv\\",
                           "\\\\\\share", "\\\\srv\\\\a", "\\\\?\\C:\\a", "\\\\.\\pipe\\x"})
    EXPECT_EQ(fullPathRootLength<char>(path), 0u) << path;
  EXPECT_TRUE(isPrefixedPath<wchar_t>(L"\\\\?\\C:\\a"));
  EXPECT_TRUE(isPrefixedPath<char>("\\\\.\\COM1"));
  EXPECT_TRUE(isPrefixedPath<char>("\\??\\C:\\a"));
  EXPECT_FALSE(isPrefixedPath<char>("\\\\server\\share"));
  EXPECT_FALSE(isPrefixedPath<char>("\\\\?"));
}

TEST(LongPaths, TheLongFormComesOffAsItWentOn) {
  for (std::string path : {"C:\\", "c:\\a\\b", "\\\\srv\\share", "\\\\srv\\share\\a"}) {
    EXPECT_EQ(withoutLongForm<char>(longPathForm<char>(path)), path) << path;
    EXPECT_EQ(withoutLongForm<char>(path), path) << path;
  }
  EXPECT_EQ(withoutLongForm<wchar_t>(L"\\\\?\\C:\\"), L"C:\\");
  EXPECT_EQ(withoutLongForm<char>("\\\\?\\unc\\srv\\s\\x"), "\\\\srv\\s\\x");
  for (std::string path : {"\\\\?\\", "\\\\?\\UNC\\", "\\\\?\\UNC\\srv", "\\\\?\\Volume{1}\\",
                           "\\\\?\\C:", "\\\\.\\C:\\a", "\\\\?\\UNC\\\\x"})
    EXPECT_EQ(withoutLongForm<char>(path), path) << path;
}

}  // namespace
}  // namespace vl
