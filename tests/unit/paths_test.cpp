#include <gtest/gtest.h>

#include "platform/files.h"

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

}  // namespace
}  // namespace vl
