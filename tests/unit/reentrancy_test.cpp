// Nothing runs inside a modal box, menu or dialog that the program does not
// know about: ticks, a later start's file and a Quit wait until it has
// closed, and a file handed over is never lost, not even while the program
// ends.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "browse/location_dialog.h"
#include "reminder/reminder.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

constexpr int kMinute = 60000;

struct ReentrancyTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.put("C:\\res.cfg", "0\r\n");
    sys.put("C:\\PICS\\a.bmp", "a");
    sys.put("C:\\PICS\\handed.bmp", "handed");
    sys.ui.pictures.add("C:\\PICS\\handed.bmp", 1500, 1500);
    sys.fs.currentDir = "C:\\PICS";
    main = &sys.startMain();
    // The reminder is one tick from its break.
    Form19& props = *sys.app->reminder()->properties();
    props.Option1.setValue(1);
    props.Label2.setText("1");
  }
  // A message box: General Information with an editor that cannot start.
  void openMessageBox() {
    sys.launcher.failure = "The system cannot find the file specified.";
    main->Contents.userClick();
  }
};

TEST_F(ReentrancyTest, TicksAndAHandedOverFileWaitWhileAMessageBoxIsOpen) {
  bool checked = false;
  sys.ui.WhileModal = [&] {
    sys.ui.advance(kMinute);
    EXPECT_TRUE(sys.instances.handOver("C:\\PICS\\handed.bmp"));
    EXPECT_EQ(sys.app->reminder()->breakWindow(), nullptr);
    EXPECT_EQ(main->imagePage.browser.currentFile(), "");
    EXPECT_FALSE(sys.ui.acceptsInput(&main->form));
    checked = true;
  };
  openMessageBox();
  ASSERT_TRUE(checked);
  sys.ui.WhileModal = nullptr;
  // Closed: the minute that passed and the file handed over act, in turn.
  EXPECT_NE(sys.app->reminder()->breakWindow(), nullptr);
  EXPECT_EQ(main->imagePage.browser.currentFile(), "C:\\PICS\\handed.bmp");
}

TEST_F(ReentrancyTest, QuitFromTheTrayWhileABoxIsOpenClosesItAndEndsAfterIt) {
  sys.ui.WhileModal = [&] {
    main->popup.Q.userClick();
    EXPECT_FALSE(sys.ui.ended);       // not inside the box's loop
    EXPECT_TRUE(sys.ui.modalClosed);  // the box is asked to close
  };
  openMessageBox();
  EXPECT_TRUE(sys.ui.ended);
  EXPECT_EQ(sys.ui.exitCode, 0);
  EXPECT_TRUE(sys.ui.loadedForms.empty());
}

// A later start's file, taken in while a copy runs, is opened by a new copy
// of the program when this one ends before it could; a later start during
// the end is not taken in at all, and runs itself.
TEST_F(ReentrancyTest, AFileHandedOverIsNeverLostToTheEnd) {
  sys.fs.addSparseFile("C:\\PICS\\big.bmp", 10 << 20);
  sys.fs.addDirectory("D:\\ART");
  BrowserPage& page = main->imagePage.browser;
  page.pane.refreshFiles();
  ListControl& files = page.pane.file;
  for (std::size_t i = 0; i < files.items().size(); ++i)
    if (files.items()[i].text == "big.bmp") files.userSelect(static_cast<int>(i));
  page.item("ICF").userClick();
  LocationDialog& d = *page.locationDialog();
  d.Drive1.userSelect(3);
  d.lists.changeDirectory("D:\\ART");
  sys.workers.hold = true;
  d.SSCommand2.userClick();
  ASSERT_TRUE(page.transferring());

  EXPECT_TRUE(sys.instances.handOver("C:\\PICS\\handed.bmp"));  // waits for the copy
  main->quit.userClick();
  EXPECT_FALSE(sys.instances.handOver("C:\\PICS\\late.bmp"));  // told no: it runs itself
  ASSERT_EQ(sys.launcher.launches.size(), 1u);
  EXPECT_EQ(sys.launcher.launches[0].program, "(this program)");
  EXPECT_EQ(sys.launcher.launches[0].argument, "C:\\PICS\\handed.bmp");
  EXPECT_FALSE(sys.ui.ended);
  sys.workers.finishAll();
  EXPECT_TRUE(sys.ui.ended);
  EXPECT_EQ(sys.ui.exitCode, 0);
  EXPECT_FALSE(sys.fs.fileExists("D:\\ART\\big.bmp"));
  EXPECT_FALSE(sys.fs.fileExists(partialCopyName("D:\\ART\\big.bmp")));
}

}  // namespace
}  // namespace vl
