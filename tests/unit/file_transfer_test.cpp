#include <gtest/gtest.h>

#include "browse/file_transfer.h"
#include "browse/progress_window.h"
#include "platform/memory/memory_files.h"

namespace vl {
namespace {

struct TransferTest : ::testing::Test {
  MemoryFileSystem fs;
  void SetUp() override {
    for (const char* d : {"C:\\PICS", "C:\\ART", "D:\\", "D:\\ART"}) fs.addDirectory(d);
    fs.writeFile("C:\\PICS\\A.BMP", std::string(3000, 'a'));
  }
  TransferOutcome run(const std::string& dir, Transfer op, CopyProgress progress = {}) {
    return transferFile(fs, "C:\\PICS\\A.BMP", dir, op, progress);
  }
};

TEST(ProgressText, SaysTheBytesDoneOfTheTotalInOneUnitAndThePercentage) {
  constexpr std::int64_t MB = 1 << 20;
  EXPECT_EQ(progressText(120 * MB, 320 * MB), "120 MB of 320 MB (37%)");
  EXPECT_EQ(progressText(0, 320 * MB), "0 MB of 320 MB (0%)");
  EXPECT_EQ(progressText(MB / 2, 5 * MB), "0.5 MB of 5 MB (10%)");
  EXPECT_EQ(progressText(1536 * MB, 1024 * 12 * MB), "1.5 GB of 12 GB (12%)");
  EXPECT_EQ(progressText(700, 2048), "0.7 KB of 2 KB (34%)");
  EXPECT_EQ(progressText(3, 9), "3 bytes of 9 bytes (33%)");
  // Figures a file system should never give still read sensibly.
  EXPECT_EQ(progressText(11 * MB, 10 * MB), "10 MB of 10 MB (100%)");
  EXPECT_EQ(progressText(-5, 10 * MB), "0 MB of 10 MB (0%)");
  EXPECT_EQ(progressText(0, 0), "0 bytes of 0 bytes (100%)");
  EXPECT_EQ(progressText(INT64_MAX, INT64_MAX), "8589934591 GB of 8589934591 GB (100%)");
}

TEST_F(TransferTest, CopyGoesUnderItsOwnNameIntoRootsAndFolders) {
  EXPECT_EQ(run("D:\\", Transfer::Copy).kind, TransferOutcome::Done);
  EXPECT_EQ(fs.contents("D:\\A.BMP"), std::string(3000, 'a'));
  EXPECT_EQ(run("D:\\ART", Transfer::Copy).destination, "D:\\ART\\A.BMP");
  EXPECT_TRUE(fs.fileExists("D:\\ART\\A.BMP"));
  EXPECT_TRUE(fs.fileExists("C:\\PICS\\A.BMP"));
}

TEST_F(TransferTest, CopyReplacesAnExistingFileOfTheSameName) {
  fs.writeFile("D:\\ART\\A.BMP", "old");
  EXPECT_EQ(run("D:\\ART", Transfer::Copy).kind, TransferOutcome::Done);
  EXPECT_EQ(fs.contents("D:\\ART\\A.BMP"), std::string(3000, 'a'));
}

TEST_F(TransferTest, MoveWithinAVolumeIsARenameAndAcrossVolumesCopiesFirst) {
  fs.copyChunk = 1000;
  int calls = 0;
  EXPECT_EQ(run("C:\\ART", Transfer::Move, [&](auto, auto) { return ++calls, true; }).kind,
            TransferOutcome::Done);
  EXPECT_EQ(calls, 0);  // renamed, nothing copied
  EXPECT_FALSE(fs.fileExists("C:\\PICS\\A.BMP"));
  EXPECT_EQ(fs.contents("C:\\ART\\A.BMP"), std::string(3000, 'a'));

  EXPECT_EQ(transferFile(fs, "C:\\ART\\A.BMP", "D:\\", Transfer::Move,
                         [&](auto, auto) { return ++calls, true; })
                .kind,
            TransferOutcome::Done);
  EXPECT_EQ(calls, 3);
  EXPECT_FALSE(fs.fileExists("C:\\ART\\A.BMP"));
  EXPECT_EQ(fs.contents("D:\\A.BMP"), std::string(3000, 'a'));
}

TEST_F(TransferTest, OntoItselfNothingHappensAndTheUserIsTold) {
  for (Transfer op : {Transfer::Copy, Transfer::Move}) {
    TransferOutcome out = run("c:\\pics\\", op);
    EXPECT_EQ(out.kind, TransferOutcome::SameFolder);
    EXPECT_NE(out.message.find("A.BMP"), std::string::npos);
    EXPECT_EQ(fs.contents("C:\\PICS\\A.BMP"), std::string(3000, 'a'));
  }
}

TEST_F(TransferTest, AFailedCopyKeepsTheSourceAndLeavesNothingHalfWritten) {
  fs.writeFile("D:\\ART\\A.BMP", "old");
  fs.freeSpace['D'] = 1500;  // fills up half-way
  fs.copyChunk = 1000;
  for (Transfer op : {Transfer::Copy, Transfer::Move}) {
    TransferOutcome out = run("D:\\ART", op);
    EXPECT_EQ(out.kind, TransferOutcome::Failed);
    EXPECT_NE(out.message.find("A.BMP"), std::string::npos);
    EXPECT_NE(out.message.find("not enough space"), std::string::npos);
    EXPECT_EQ(fs.contents("C:\\PICS\\A.BMP"), std::string(3000, 'a'));
    EXPECT_EQ(fs.contents("D:\\ART\\A.BMP"), "old");  // the old file is as it was
    EXPECT_FALSE(fs.fileExists(partialCopyName("D:\\ART\\A.BMP")));
  }
  fs.refuseWrite = [](const std::string& p) { return p.rfind("D:\\", 0) == 0; };
  TransferOutcome out = run("D:\\", Transfer::Move);
  EXPECT_EQ(out.kind, TransferOutcome::Failed);
  EXPECT_NE(out.message.find("Access is denied"), std::string::npos);
  EXPECT_TRUE(fs.fileExists("C:\\PICS\\A.BMP"));
}

TEST_F(TransferTest, ACancelledCopyLeavesNoPartialFile) {
  fs.copyChunk = 1000;
  TransferOutcome out = run("D:\\", Transfer::Move, [](auto done, auto) { return done < 2000; });
  EXPECT_EQ(out.kind, TransferOutcome::Cancelled);
  EXPECT_TRUE(out.message.empty());
  EXPECT_FALSE(fs.fileExists("D:\\A.BMP"));
  EXPECT_FALSE(fs.fileExists(partialCopyName("D:\\A.BMP")));
  EXPECT_TRUE(fs.fileExists("C:\\PICS\\A.BMP"));
}

TEST_F(TransferTest, AVanishedOrMissingSourceIsReported) {
  fs.deleteFile("C:\\PICS\\A.BMP");
  TransferOutcome out = run("D:\\", Transfer::Copy);
  EXPECT_EQ(out.kind, TransferOutcome::Failed);
  EXPECT_NE(out.message.find("cannot find"), std::string::npos);
  EXPECT_EQ(transferFile(fs, "C:\\PICS\\", "D:\\", Transfer::Copy, {}).kind,
            TransferOutcome::Failed);  // nothing selected
}

TEST_F(TransferTest, AMoveWhoseSourceCannotGoKeepsBothAndSaysSo) {
  fs.refuseWrite = [](const std::string& p) { return p == "C:\\PICS\\A.BMP"; };
  TransferOutcome out = run("D:\\", Transfer::Move);
  EXPECT_EQ(out.kind, TransferOutcome::Failed);
  EXPECT_NE(out.message.find("original could not be removed"), std::string::npos);
  EXPECT_TRUE(fs.fileExists("C:\\PICS\\A.BMP"));
  EXPECT_TRUE(fs.fileExists("D:\\A.BMP"));
}

TEST_F(TransferTest, DeletingUsesTheRecycleBinAndNeverADirectory) {
  EXPECT_TRUE(deleteMediaFile(fs, "C:\\PICS\\A.BMP").ok());
  EXPECT_EQ(fs.recycled, std::vector<std::string>{"C:\\PICS\\A.BMP"});
  EXPECT_FALSE(deleteMediaFile(fs, "C:\\PICS\\").ok());
  EXPECT_TRUE(fs.isDirectory("C:\\PICS"));
  EXPECT_FALSE(deleteMediaFile(fs, "C:\\PICS\\A.BMP").ok());  // already gone
  fs.writeFile("C:\\PICS\\RO.BMP", "x");
  fs.refuseWrite = [](const std::string& p) { return p == "C:\\PICS\\RO.BMP"; };
  FsResult r = deleteMediaFile(fs, "C:\\PICS\\RO.BMP");
  EXPECT_NE(r.error.find("Access is denied"), std::string::npos);
}

}  // namespace
}  // namespace vl
