#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "platform/memory/memory_files.h"

namespace vl {
namespace {

struct SettingsStoreTest : ::testing::Test {
  MemoryFileSystem fs;
  Cp1252Codec codec;
  SettingsStore store{fs, codec};
  std::string fallback = "C:\\Users\\user\\AppData\\Roaming\\Varilume SE\\res.cfg";
};

TEST_F(SettingsStoreTest, WritesOneLineInTheRootOfC) {
  ASSERT_TRUE(store.write("res.cfg", "0"));
  EXPECT_EQ(fs.contents("c:\\res.cfg"), "0\r\n");
  EXPECT_EQ(store.read("res.cfg"), "0");
}

TEST_F(SettingsStoreTest, MissingEmptyAndUnreadableFilesAreFailedReads) {
  EXPECT_EQ(store.read("res.cfg"), std::nullopt);
  fs.writeFile("c:\\res.cfg", "");
  EXPECT_EQ(store.read("res.cfg"), std::nullopt);
  fs.writeFile("c:\\res.cfg", "1\r\n");
  fs.refuseRead = [](const std::string&) { return true; };
  EXPECT_EQ(store.read("res.cfg"), std::nullopt);
}

TEST_F(SettingsStoreTest, OddContentsReadByTheRule) {
  fs.writeFile("c:\\res.cfg", "\x01\x02\xFF,rest");
  EXPECT_EQ(store.read("res.cfg"), "\x01\x02\xC3\xBF");
  fs.writeFile("c:\\windir.cfg", std::string(1 << 20, 'w'));  // 1 MB, no line break
  EXPECT_EQ(store.read("windir.cfg")->size(), 1u << 20);
  fs.writeFile("c:\\windir.cfg", "\"c:\\quoted\\\"\r\n");
  EXPECT_EQ(store.read("windir.cfg"), "c:\\quoted\\");
}

TEST_F(SettingsStoreTest, NonAsciiTextReadsBackExactly) {
  std::string western = "c:\\w\xC3\xADndows\\";                        // fits the code page
  std::string cyrillic = "c:\\\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xB0, 2\\";  // does not
  ASSERT_TRUE(store.write("windir.cfg", western));
  EXPECT_EQ(fs.contents("c:\\windir.cfg"), "c:\\w\xEDndows\\\r\n");
  EXPECT_EQ(store.read("windir.cfg"), western);
  ASSERT_TRUE(store.write("windir.cfg", cyrillic));
  EXPECT_EQ(fs.contents("c:\\windir.cfg")->substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(store.read("windir.cfg"), cyrillic);
}

TEST_F(SettingsStoreTest, FilesHoldingNulAreMissingAndNulIsNeverWritten) {
  for (std::string bytes :
       {std::string("\x00\x01\xFF,rest", 7), std::string("1\0\r\n", 4), std::string("1\r\n\0", 4),
        std::string("c\0:\0\\\0\r\0\n\0", 10),  // UTF-16 without its mark
        std::string("\xFF\xFE\x31\0\0\0", 6),   // a NUL character in UTF-16
        std::string("\xEF\xBB\xBF\x31\0", 5)}) {
    fs.writeFile("c:\\res.cfg", bytes);
    EXPECT_EQ(store.read("res.cfg"), std::nullopt) << ::testing::PrintToString(bytes);
  }
  fs.writeFile("c:\\res.cfg", "1\r\n");
  int attempts = fs.writeAttempts;
  EXPECT_FALSE(store.write("res.cfg", std::string("0\0", 2)));
  EXPECT_EQ(fs.writeAttempts, attempts);
  EXPECT_EQ(store.read("res.cfg"), "1");
}

TEST_F(SettingsStoreTest, UnicodeFilesAreReadAfterTheirByteOrderMark) {
  struct Case {
    std::string bytes, value;
  } cases[] = {
      // As Notepad saves "Unicode" and "Unicode big endian".
      {std::string("\xFF\xFE"
                   "c\0:\0\\\0w\0\\\0\r\0\n\0",
                   16),
       "c:\\w\\"},
      {std::string("\xFE\xFF"
                   "\0c\0:\0\\\0w\0\\\0\r\0\n",
                   16),
       "c:\\w\\"},
      // Cyrillic, and a character beyond the first 64K (a surrogate pair).
      {std::string("\xFF\xFE\x3E\x04\x3A\x04\x3D\xD8\x00\xDE,\0x\0", 14),
       "\xD0\xBE\xD0\xBA\xF0\x9F\x98\x80"},
      // A lone surrogate and an odd last byte become U+FFFD.
      {std::string("\xFF\xFE\x00\xDC"
                   "a\0b",
                   7),
       "\xEF\xBF\xBD"
       "a\xEF\xBF\xBD"},
      {std::string("\xFE\xFF\xD8\x3D\0a", 6),
       "\xEF\xBF\xBD"
       "a"},
      {"\xFF\xFE", ""},
      {"\xEF\xBB\xBF"
       "c:\\w\xC3\xADn\\\r\n",
       "c:\\w\xC3\xADn\\"},
  };
  for (const Case& c : cases) {
    fs.writeFile("c:\\windir.cfg", c.bytes);
    EXPECT_EQ(store.read("windir.cfg"), c.value) << ::testing::PrintToString(c.bytes);
  }
}

TEST_F(SettingsStoreTest, TextThatBeginsLikeAByteOrderMarkReadsBackExactly) {
  struct Case {
    std::string value, bytes;
  } cases[] = {
      // U+00EF U+00BB U+00BF: EF BB BF in the Western code page, so UTF-8 it is.
      {"\xC3\xAF\xC2\xBB\xC2\xBF", "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF\r\n"},
      {"\xC3\xAF\xC2\xBB\xC2\xBF"
       "c:\\windows\\",
       "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF"
       "c:\\windows\\\r\n"},
      {"\xC3\xBF\xC3\xBE"
       "x",
       "\xEF\xBB\xBF\xC3\xBF\xC3\xBE"
       "x\r\n"},                                                 // FF FE
      {"\xC3\xBE\xC3\xBF", "\xEF\xBB\xBF\xC3\xBE\xC3\xBF\r\n"},  // FE FF
      {"\xEF\xBB\xBF"
       "a",
       "\xEF\xBB\xBF\xEF\xBB\xBF"
       "a\r\n"},  // U+FEFF itself
      // Near misses stay in the code page.
      {"\xC3\xAF\xC2\xBB", "\xEF\xBB\r\n"},
      {"\xC3\xAF\xC2\xBB"
       "x\xC2\xBF",
       "\xEF\xBBx\xBF\r\n"},
      {"\xC3\xBF", "\xFF\r\n"},
      {"a\xC3\xAF\xC2\xBB\xC2\xBF", "a\xEF\xBB\xBF\r\n"},
      {" \xC3\xAF\xC2\xBB\xC2\xBF", "\" \xEF\xBB\xBF\"\r\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(store.write("windir.cfg", c.value));
    EXPECT_EQ(fs.contents("c:\\windir.cfg"), c.bytes) << c.value;
    EXPECT_EQ(store.read("windir.cfg"), c.value) << c.value;
  }
}

TEST_F(SettingsStoreTest, ReadOneOfMendsAnyOtherValueWithTheDefault) {
  fs.writeFile("c:\\res.cfg", "\"0\",x\r\n");
  EXPECT_EQ(store.readOneOf("res.cfg", {"1", "0"}, "1"), "0");
  EXPECT_EQ(fs.contents("c:\\res.cfg"), "\"0\",x\r\n");  // a value allowed is left alone
  for (std::string bytes : {"2\r\n", "1 \r\n", "\r\n", "10", "\x01\x80\xFF", ""}) {
    fs.writeFile("c:\\res.cfg", bytes);
    EXPECT_EQ(store.readOneOf("res.cfg", {"1", "0"}, "1"), "1") << bytes;
    EXPECT_EQ(fs.contents("c:\\res.cfg"), "1\r\n") << bytes;
  }
  fs.removeFile("c:\\res.cfg");
  EXPECT_EQ(store.readOneOf("res.cfg", {"1", "0"}, "0"), "0");
  EXPECT_EQ(fs.contents("c:\\res.cfg"), "0\r\n");
  // Nowhere to write: the default all the same.
  fs.writeFile("c:\\res.cfg", "7\r\n");
  fs.refuseWrite = [](const std::string&) { return true; };
  EXPECT_EQ(store.readOneOf("res.cfg", {"1", "0"}, "1"), "1");
}

TEST_F(SettingsStoreTest, WithoutAFolderOfItsOwnOnlyTheUsersFolderIsUsed) {
  SettingsStore own{fs, codec, ""};
  EXPECT_EQ(own.primaryPath("rem1.cfg"), "");
  ASSERT_TRUE(own.write("rem1.cfg", "30"));
  EXPECT_EQ(fs.contents(fs.userSettingsDir + "\\rem1.cfg"), "30\r\n");
  EXPECT_EQ(own.read("rem1.cfg"), "30");
  for (const std::string& path : fs.writes)
    EXPECT_TRUE(sameDirectory(directoryOf(path), fs.userSettingsDir) ||
                sameDirectory(path, fs.userSettingsDir))
        << path;
  fs.userSettingsDir.clear();
  EXPECT_FALSE(own.write("rem1.cfg", "40"));
  EXPECT_EQ(own.read("rem1.cfg"), std::nullopt);
}

TEST_F(SettingsStoreTest, ReadOnlyRootFallsBackToTheUsersFolder) {
  fs.writeFile("c:\\res.cfg", "1\r\n");  // left by someone who could write there
  fs.refuseWrite = inRootOfC;
  ASSERT_TRUE(store.write("res.cfg", "0"));
  EXPECT_EQ(fs.contents(fallback), "0\r\n");
  EXPECT_EQ(fs.contents("c:\\res.cfg"), "1\r\n");
  EXPECT_EQ(store.read("res.cfg"), "0");

  // Once the root can be written again, the copy in the user's folder goes.
  fs.refuseWrite = [](const std::string&) { return false; };
  ASSERT_TRUE(store.write("res.cfg", "1"));
  EXPECT_FALSE(fs.fileExists(fallback));
  EXPECT_EQ(store.read("res.cfg"), "1");
}

TEST_F(SettingsStoreTest, ReadOrCreateTriesOnceMoreAtMost) {
  EXPECT_EQ(store.readOrCreate("res.cfg", "1"), "1");
  EXPECT_EQ(fs.contents("c:\\res.cfg"), "1\r\n");

  MemoryFileSystem locked;
  locked.refuseWrite = [](const std::string&) { return true; };
  SettingsStore nowhere{locked, codec};
  EXPECT_EQ(nowhere.readOrCreate("tip.cfg", "1"), "1");
  EXPECT_LE(locked.writeAttempts, 2);  // C:\ once, the user's folder once
  EXPECT_FALSE(nowhere.write("tip.cfg", "0"));
}

}  // namespace
}  // namespace vl
