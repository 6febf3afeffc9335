#include <gtest/gtest.h>

#include "platform/memory/memory_files.h"
#include "test_system.h"
#include "tips/tip_file.h"

namespace vl {
namespace test {

std::string tipRecords(std::initializer_list<std::string> tips) {
  std::string bytes;
  for (const std::string& t : tips) {
    std::string record = t;
    record.resize(TipFile::kRecordLength, ' ');
    bytes += record;
  }
  return bytes;
}

}  // namespace test

namespace {

struct TipFileTest : ::testing::Test {
  MemoryFileSystem fs;
  Cp1252Codec codec;
  TipFile open(const std::string& bytes) {
    fs.writeFile("c:\\tip.dat", bytes);
    return TipFile(fs, codec, "c:\\tip.dat");
  }
};

TEST_F(TipFileTest, CountsWholeRecordsOnly) {
  EXPECT_EQ(open(std::string(1020, ' ')).count(), 4);
  EXPECT_EQ(open(std::string(1000, ' ')).count(), 3);
  EXPECT_EQ(open("").count(), 1);
  EXPECT_EQ(TipFile(fs, codec, "c:\\missing.dat").count(), 1);
  EXPECT_EQ(TipFile(fs, codec, "c:\\missing.dat").tip(1), "");
}

TEST_F(TipFileTest, TipTextLosesItsPaddingAndKeepsItsCharacters) {
  TipFile tips = open(test::tipRecords({"   First tip.", "Second, with \xE9 and \x80.", ""}));
  EXPECT_EQ(tips.tip(1), "First tip.");
  EXPECT_EQ(tips.tip(2), "Second, with \xC3\xA9 and \xE2\x82\xAC.");
  EXPECT_EQ(tips.tip(3), "");
  EXPECT_EQ(tips.tip(4), "");
  EXPECT_EQ(tips.tip(0), "");
}

TEST_F(TipFileTest, AHugeSparseFileIsReadOneRecordAtATime) {
  fs.addSparseFile("c:\\tip.dat", 2LL << 30);
  TipFile tips(fs, codec, "c:\\tip.dat");
  EXPECT_EQ(tips.count(), static_cast<int>((2LL << 30) / 255));
  EXPECT_EQ(tips.tip(tips.count()), "");
  EXPECT_LE(fs.largestRead, TipFile::kRecordLength);
}

TEST_F(TipFileTest, PickCoversOneToCountUniformly) {
  TipFile tips = open(std::string(1020, ' '));
  EXPECT_EQ(tips.pick(0.0), 1);
  EXPECT_EQ(tips.pick(0.2499), 1);
  EXPECT_EQ(tips.pick(0.25), 2);
  EXPECT_EQ(tips.pick(0.9999999), 4);
  EXPECT_EQ(tips.pick(1.0), 4);  // never beyond the last tip
}

TEST_F(TipFileTest, ProgramFilesAreFoundHereFirstThenBesideTheProgram) {
  fs.writeFile("c:\\program files\\varilume se\\tip.dat", "x");
  EXPECT_EQ(locateProgramFile(fs, "tip.dat"), "C:\\Program Files\\Varilume SE\\tip.dat");
  fs.writeFile("c:\\work\\tip.dat", "x");
  EXPECT_EQ(locateProgramFile(fs, "tip.dat"), "C:\\work\\tip.dat");
}

}  // namespace
}  // namespace vl
