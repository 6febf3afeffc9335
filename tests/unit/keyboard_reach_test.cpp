// With the keyboard alone a user walks into folders, reaches the file
// commands and leaves a view; and what the program cannot do it says.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "browse/location_dialog.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

struct KeyboardReachTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.put("C:\\res.cfg", "0\r\n");  // Low-Res: the view over the page
    sys.put("C:\\PICS\\June\\beach.bmp", "the beach");
    sys.put("C:\\PICS\\top.bmp", "top");
    sys.fs.addDirectory("D:\\ART\\Old");
    sys.ui.pictures.add("C:\\PICS\\June\\beach.bmp", 1500, 1500);
    sys.fs.currentDir = "C:\\PICS";
    main = &sys.startMain();
  }
  static void highlight(ListControl& list, const std::string& text) {
    for (std::size_t i = 0; i < list.items().size(); ++i)
      if (list.items()[i].text == text) list.userSelect(static_cast<int>(i));
  }
};

// Folders, the file's menu and Copy File, all from the keyboard: Enter walks
// into a folder on the page and in "Select Location", the menu key opens the
// menu at the selected file.
TEST_F(KeyboardReachTest, EnterOpensFoldersAndTheMenuKeyReachesCopy) {
  BrowserPage& page = main->imagePage.browser;
  highlight(page.pane.dir, "June");
  EXPECT_EQ(page.pane.directory(), "C:\\PICS");  // an arrow only moves the highlight
  page.pane.dir.userKeyDown(key::Enter);
  EXPECT_EQ(page.pane.directory(), "C:\\PICS\\June");
  highlight(page.pane.file, "beach.bmp");

  EXPECT_TRUE(page.pane.file.userMenuKey());
  ASSERT_EQ(sys.ui.popups.size(), 1u);
  EXPECT_EQ(sys.ui.popups[0], "imgpop");
  EXPECT_EQ(sys.ui.popupAnchors[0], "File1");  // at the file, not at the pointer
  page.item("ICF").userClick();
  LocationDialog* dialog = page.locationDialog();
  ASSERT_NE(dialog, nullptr);
  highlight(dialog->Drive1, "d:");
  ASSERT_EQ(dialog->lists.path(), "D:\\");
  highlight(dialog->Dir1, "ART");
  EXPECT_FALSE(dialog->userDialogKey(key::Enter, &dialog->Dir1));  // the list takes Enter
  dialog->Dir1.userKeyDown(key::Enter);
  EXPECT_EQ(dialog->lists.path(), "D:\\ART");
  EXPECT_TRUE(dialog->loaded());  // Enter in the folders opened one; it did not press Done
  EXPECT_TRUE(dialog->userDialogKey(key::Enter));  // elsewhere Enter presses Done
  EXPECT_EQ(sys.fs.contents("D:\\ART\\beach.bmp"), "the beach");
  EXPECT_EQ(main->StatusBar1.text(), "Copied beach.bmp to D:\\ART");
}

// The menu key in a view opens the view's menu there; Esc closes the Low-Res
// view and gives the keyboard back to the file list.
TEST_F(KeyboardReachTest, AViewsMenuKeyAndEscape) {
  BrowserPage& page = main->imagePage.browser;
  highlight(page.pane.dir, "June");
  page.pane.dir.userKeyDown(key::Enter);
  highlight(page.pane.file, "beach.bmp");
  page.pane.file.userKeyDown(key::Enter);
  ASSERT_TRUE(main->lowRes.raised());
  EXPECT_TRUE(main->lowRes.Check2.userMenuKey());
  EXPECT_EQ(sys.ui.popups.back(), "winpop");
  EXPECT_EQ(sys.ui.popupAnchors.back(), "SSPanel2");
  main->lowRes.pane.VScroll.userKeyDown(key::Escape);
  EXPECT_FALSE(main->lowRes.raised());
  EXPECT_EQ(sys.ui.focused, "File1");
  EXPECT_FALSE(main->LCM.enabled());  // closed as its X closes it
  // A control with no menu of its own, nor around it: the key does nothing.
  EXPECT_FALSE(main->imagePage.SSCommand1.userMenuKey());
}

TEST_F(KeyboardReachTest, TheTrayMenuGivesTheKeyboardBackToAShownMainWindow) {
  sys.tray.Callback(tray::RightUp);
  EXPECT_EQ(sys.ui.popups.back(), "mnubar");
  ASSERT_FALSE(sys.ui.activated.empty());
  EXPECT_EQ(sys.ui.activated.back(), "Form1");
  main->popup.HM.userClick();
  sys.ui.activated.clear();
  sys.tray.Callback(tray::RightUp);
  EXPECT_TRUE(sys.ui.activated.empty());  // hidden, it stays hidden
}

// A camera photo at its natural size is far larger than the view: zoom in
// stops at its limit, and says so instead of doing nothing.
TEST_F(KeyboardReachTest, ZoomInAtItsLimitSaysSo) {
  sys.put("C:\\PICS\\photo.bmp", "photo");
  sys.ui.pictures.add("C:\\PICS\\photo.bmp", 4000 * 15, 3000 * 15);
  main->imagePage.browser.pane.refreshFiles();
  highlight(main->imagePage.browser.pane.file, "photo.bmp");
  main->imagePage.browser.pane.file.userDblClick();
  int width = main->lowRes.pane.image.width();
  main->imagePage.SSCommand1.userClick();
  EXPECT_EQ(main->lowRes.pane.image.width(), width);
  EXPECT_EQ(main->StatusBar1.text(), "This picture cannot be zoomed in any further");
  main->imagePage.SSCommand2.userClick();  // zoom out still works
  EXPECT_LT(main->lowRes.pane.image.width(), width);
}

TEST_F(KeyboardReachTest, APictureThatStopsEarlySaysItIsIncomplete) {
  sys.put("C:\\PICS\\cut.bmp", "cut");
  sys.ui.pictures.add("C:\\PICS\\cut.bmp", 1500, 1500, true);
  main->imagePage.browser.pane.refreshFiles();
  highlight(main->imagePage.browser.pane.file, "cut.bmp");
  EXPECT_EQ(main->imagePage.Image2.pictureSource(), "C:\\PICS\\cut.bmp");  // what it holds
  EXPECT_EQ(main->StatusBar1.text(), "cut.bmp is incomplete");
  main->StatusBar1.setText("");
  main->imagePage.browser.pane.file.userDblClick();
  EXPECT_EQ(main->lowRes.pane.image.pictureSource(), "C:\\PICS\\cut.bmp");
  EXPECT_EQ(main->StatusBar1.text(), "cut.bmp is incomplete");
}

}  // namespace
}  // namespace vl
