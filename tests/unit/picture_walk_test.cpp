// Walking a folder from the picture: the keys in the main window and in full
// screen, the page following, the ends, Delete, and pictures read ahead.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

struct PictureWalkTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;

  // a.bmp, b.bmp and c.bmp, each of its own width, and a text file beside them.
  void start(const char* mode) {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.put("C:\\res.cfg", std::string(mode) + "\r\n");
    int width = 1500;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) {
      std::string path = std::string("C:\\PICS\\") + name;
      sys.put(path, "picture");
      sys.ui.pictures.add(path, width, 1500);
      width += 150;
    }
    sys.put("C:\\PICS\\notes.txt", "not a picture");
    sys.fs.currentDir = "C:\\PICS";
    sys.ui.setScreen(1024, 768);
    main = &sys.startMain();
  }
  FileList& files() { return main->imagePage.browser.pane.file; }
  void view(const std::string& name) {
    for (std::size_t i = 0; i < files().items().size(); ++i)
      if (files().items()[i].text == name) files().userSelect(static_cast<int>(i));
    files().userDblClick();
  }
  bool press(int code, Control* focused) { return main->form.userKeyPreview(code, focused); }
  bool press(int code) { return press(code, &files()); }
  // Where the page stands: the view's picture, the list's selection, the
  // current path, the preview and the status bar.
  void expectShown(const ViewPane& pane, const std::string& name, const std::string& status) {
    std::string path = "C:\\PICS\\" + name;
    EXPECT_EQ(pane.image.pictureSource(), path);
    EXPECT_EQ(files().selectedText(), name);
    EXPECT_EQ(main->imagePage.Text1.text(), path);
    EXPECT_EQ(main->imagePage.Image2.pictureSource(), path);
    EXPECT_EQ(main->StatusBar1.text(), status);
  }
};

// The whole walk in the High-Res view: forward, the end, back, first and
// last, the list refilled meanwhile; the files either side are read ahead.
TEST_F(PictureWalkTest, SpaceAndBackspaceWalkTheListInItsOrderAndStopAtTheEnds) {
  start("1");
  ViewPane& view = main->highRes.pane;
  EXPECT_FALSE(press(key::Space));  // no picture shown yet: the key is the list's
  this->view("a.bmp");
  EXPECT_EQ(sys.ui.readAhead, (std::vector<std::string>{"C:\\PICS\\a.bmp", "C:\\PICS\\b.bmp"}));

  EXPECT_TRUE(press(key::Space));
  expectShown(view, "b.bmp", "b.bmp (2 of 3)");
  EXPECT_EQ(view.image.width(), 1650);
  EXPECT_EQ(sys.ui.readAhead,
            (std::vector<std::string>{"C:\\PICS\\b.bmp", "C:\\PICS\\c.bmp", "C:\\PICS\\a.bmp"}));
  EXPECT_TRUE(press(key::Space));
  EXPECT_TRUE(press(key::Space));  // no wrap: the last picture stays
  expectShown(view, "c.bmp", "c.bmp (3 of 3) is the last picture");

  EXPECT_TRUE(press(key::Ctrl | key::Home));
  expectShown(view, "a.bmp", "a.bmp (1 of 3)");
  EXPECT_TRUE(press(key::Backspace));
  expectShown(view, "a.bmp", "a.bmp (1 of 3) is the first picture");
  EXPECT_TRUE(press(key::Ctrl | key::End));
  expectShown(view, "c.bmp", "c.bmp (3 of 3)");

  // A picture added meanwhile takes its place in the list's order.
  sys.put("C:\\PICS\\bb.bmp", "picture");
  sys.ui.pictures.add("C:\\PICS\\bb.bmp", 3000, 1500);
  main->imagePage.browser.pane.refreshFiles();
  EXPECT_TRUE(press(key::Backspace));
  expectShown(view, "bb.bmp", "bb.bmp (3 of 4)");
  EXPECT_TRUE(sys.ui.messages.empty());
  EXPECT_LE(sys.ui.picturesHeldAhead(), 3u);
}

// Space presses a focused button, option or check box and types in a text
// box; Delete is the list's own outside a view; off the Image page the
// High-Res view takes the keys only from inside it.
TEST_F(PictureWalkTest, AControlThatTakesTheKeyKeepsIt) {
  start("1");
  view("a.bmp");
  auto& page = main->imagePage;
  for (Control* c : std::initializer_list<Control*>{&page.SSCommand1, &page.Option1,
                                                    &main->highRes.Check1, &page.Text1})
    EXPECT_FALSE(press(key::Space, c)) << c->name();
  EXPECT_FALSE(press(key::Backspace, &page.Text1));
  EXPECT_FALSE(press(key::Ctrl | key::End, &page.Text1));
  EXPECT_TRUE(press(key::Backspace, &page.SSCommand1));  // a button takes only Space
  EXPECT_FALSE(press(key::Delete, &files()));
  EXPECT_EQ(page.Text1.text(), "C:\\PICS\\a.bmp");

  main->SSTab1.userSelectTab(2);
  EXPECT_FALSE(press(key::Space, &main->soundPage.pane.file));
  EXPECT_TRUE(press(key::Ctrl | key::End, &main->highRes.pane.HScroll));
  EXPECT_EQ(main->highRes.pane.image.pictureSource(), "C:\\PICS\\c.bmp");

  main->highRes.SSCommand8.userClick();  // closed: no picture is shown
  main->SSTab1.userSelectTab(0);
  EXPECT_FALSE(press(key::Space));
}

// Full screen: Right and Left walk there too, the Low-Res view behind it
// follows, and Esc leaves the reached picture in the view. Delete sends the
// shown picture to the Recycle Bin and shows the next, or at the end the one
// before.
TEST_F(PictureWalkTest, FullScreenWalksAndDeletesAndTheViewKeepsThePictureReached) {
  start("0");
  view("a.bmp");
  ViewPane& view = main->lowRes.pane;
  main->lowRes.SSCommand13.userClick();
  Form6* full = main->viewing.fullScreen();
  ASSERT_NE(full, nullptr);
  full->userKeyDown(key::Right);
  EXPECT_EQ(full->full.pictureSource(), "C:\\PICS\\b.bmp");
  expectShown(view, "b.bmp", "b.bmp (2 of 3)");
  full->userKeyDown(key::Space);
  full->userKeyDown(key::Left);
  EXPECT_EQ(full->full.pictureSource(), "C:\\PICS\\b.bmp");

  full->userKeyDown(key::Delete);
  EXPECT_EQ(sys.fs.recycled, (std::vector<std::string>{"C:\\PICS\\b.bmp"}));
  EXPECT_EQ(full->full.pictureSource(), "C:\\PICS\\c.bmp");
  expectShown(view, "c.bmp", "c.bmp (2 of 2)");
  full->userKeyDown(key::Delete);  // the last one: back to the one before
  expectShown(view, "a.bmp", "a.bmp (1 of 1)");
  full->userKeyDown(key::Escape);
  EXPECT_EQ(main->viewing.fullScreen(), nullptr);
  EXPECT_EQ(view.image.pictureSource(), "C:\\PICS\\a.bmp");

  // Delete from inside the view; the folder's last picture leaves it empty.
  EXPECT_TRUE(press(key::Delete, &main->lowRes.Check2));
  EXPECT_EQ(view.image.picture(), nullptr);
  EXPECT_EQ(main->imagePage.Image2.picture(), nullptr);
  EXPECT_TRUE(files().items().empty());
  EXPECT_EQ(main->StatusBar1.text(), "a.bmp was the last picture in this folder");
  EXPECT_TRUE(press(key::Space, &main->lowRes.Check2) == false);  // the box takes Space
  EXPECT_TRUE(press(key::Backspace, &main->lowRes.Check2));
  EXPECT_EQ(main->StatusBar1.text(), "There are no pictures in this folder");
}

// A picture that cannot be shown is told and passed by the next key.
TEST_F(PictureWalkTest, APictureThatCannotBeShownIsToldAndPassed) {
  start("1");
  sys.ui.pictures.refuse("C:\\PICS\\b.bmp", "damaged picture");
  view("a.bmp");
  press(key::Space);
  EXPECT_EQ(main->highRes.pane.image.picture(), nullptr);
  EXPECT_EQ(main->imagePage.Image2.picture(), nullptr);
  EXPECT_EQ(main->StatusBar1.text(), "b.bmp cannot be shown: damaged picture");
  press(key::Space);
  expectShown(main->highRes.pane, "c.bmp", "c.bmp (3 of 3)");
  EXPECT_TRUE(sys.ui.messages.empty());
}

// Read ahead: the next picture is decoded before its key, and shown without
// another decoding; one whose file changed since is read again; one no
// longer wanted is dropped, so that only the shown picture and its two
// neighbours are held.
TEST_F(PictureWalkTest, PicturesReadAheadAreUsedOnlyWhileTheirFilesAreUnchanged) {
  sys.ui.pictureWorkers.hold = true;
  start("1");
  for (const char* name : {"d.bmp", "e.bmp"}) {
    std::string path = std::string("C:\\PICS\\") + name;
    sys.put(path, "picture");
    sys.ui.pictures.add(path, 1500, 1500);
  }
  main->imagePage.browser.pane.refreshFiles();
  auto& decodes = sys.ui.pictures.decodes;
  view("a.bmp");
  EXPECT_EQ(decodes["C:\\PICS\\b.bmp"], 0);  // under way on the worker
  sys.ui.pictureWorkers.finishAll();
  EXPECT_EQ(decodes["C:\\PICS\\b.bmp"], 1);
  press(key::Space);
  EXPECT_EQ(decodes["C:\\PICS\\b.bmp"], 1);  // shown as read ahead
  EXPECT_EQ(main->highRes.pane.image.width(), 1650);

  sys.ui.pictureWorkers.finishAll();                       // c.bmp is read ahead...
  sys.ui.pictures.replace("C:\\PICS\\c.bmp", 4500, 1500);  // ...then written anew
  press(key::Space);
  EXPECT_EQ(main->highRes.pane.image.width(), 4500);
  EXPECT_EQ(decodes["C:\\PICS\\c.bmp"], 2);

  // d.bmp's reading is under way when the walk jumps to the start: it is
  // let go once done, and the shown picture's neighbour is read instead.
  EXPECT_EQ(sys.ui.pictureWorkers.heldCount(), 1u);
  press(key::Ctrl | key::Home);
  sys.ui.pictureWorkers.finishAll();
  EXPECT_EQ(sys.ui.readAhead, (std::vector<std::string>{"C:\\PICS\\a.bmp", "C:\\PICS\\b.bmp"}));
  EXPECT_LE(sys.ui.picturesHeldAhead(), 3u);
  sys.ui.pictures.remove("C:\\PICS\\b.bmp");  // gone since it was read
  press(key::Space);
  EXPECT_EQ(main->highRes.pane.image.picture(), nullptr);
  EXPECT_EQ(main->StatusBar1.text(),
            "b.bmp cannot be shown: The system cannot find the file specified.");
}

// Ctrl+wheel over a view keeps the point of the picture under the pointer
// where it is, within a pixel after ten steps each way.
TEST_F(PictureWalkTest, TheWheelZoomsAboutThePointUnderThePointer) {
  start("1");
  sys.ui.pictures.add("C:\\PICS\\a.bmp", 30000, 22500);
  view("a.bmp");
  ViewPane& pane = main->highRes.pane;
  pane.HScroll.userRelease(pane.HScroll.max() / 3);
  pane.VScroll.userRelease(pane.VScroll.max() / 2);
  const int x = 1800, y = 1200;  // in the viewport, in twips
  auto pointAt = [&] {
    return std::pair{(x - pane.image.left()) / static_cast<double>(pane.image.width()),
                     (y - pane.image.top()) / static_cast<double>(pane.image.height())};
  };
  auto [px, py] = pointAt();
  for (int notches : {1, -1}) {
    for (int i = 0; i < 10; ++i) pane.viewport.userWheel(notches, false, true, x, y);
    auto [qx, qy] = pointAt();
    EXPECT_NEAR(qx * pane.image.width(), px * pane.image.width(), 15) << notches;
    EXPECT_NEAR(qy * pane.image.height(), py * pane.image.height(), 15) << notches;
  }
  // Over the picture itself the pointer is in the picture's own twips.
  auto before = pointAt();
  int overX = x - pane.image.left(), overY = y - pane.image.top();
  pane.image.userWheel(1, false, true, overX, overY);
  EXPECT_NEAR(pointAt().first * pane.image.width(), before.first * pane.image.width(), 15);
}

}  // namespace
}  // namespace vl
