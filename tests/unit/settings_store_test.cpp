#include <gtest/gtest.h>

#include "app/settings_store.h"
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
  fs.writeFile("c:\\res.cfg", std::string("\x00\x01\xFF,rest", 7));
  EXPECT_EQ(store.read("res.cfg"), std::string("\x00\x01\xC3\xBF", 4));
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
