// Viewing pictures on the Image page over the in-memory back end: preview,
// both view panels, zoom, scrolling, the display modes' screen checks and the
// full-screen viewer.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

struct ImageViewingTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  ViewPane* low = nullptr;
  ViewPane* high = nullptr;

  void start(const char* mode, int widthPx = 1024, int heightPx = 768) {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.put("C:\\res.cfg", std::string(mode) + "\r\n");
    for (const char* f : {"C:\\PICS\\small.bmp", "C:\\PICS\\wide.emf", "C:\\PICS\\broken.bmp"})
      sys.put(f, "picture");
    sys.ui.pictures.add("C:\\PICS\\small.bmp", 1500, 1500);  // 100 x 100 pixels
    sys.ui.pictures.add("C:\\PICS\\wide.emf", 9000, 2000);
    sys.fs.currentDir = "C:\\PICS";
    sys.ui.setScreen(widthPx, heightPx);
    main = &sys.startMain();
    low = &main->lowRes.pane;
    high = &main->highRes.pane;
  }
  void pick(const std::string& name) {
    ListControl& files = main->imagePage.browser.pane.file;
    for (std::size_t i = 0; i < files.items().size(); ++i)
      if (files.items()[i].text == name) files.userSelect(static_cast<int>(i));
  }
  void view(const std::string& name) {
    pick(name);
    main->imagePage.browser.pane.file.userDblClick();
  }
  std::vector<int> geometry(const ViewPane& p) {
    return {p.image.left(),   p.image.top(),   p.image.width(),
            p.image.height(), p.HScroll.max(), p.VScroll.max()};
  }
};

// The keyboard never reaches a view out of sight: the High-Res view beside
// the narrow window, the Low-Res view parked below its page.
TEST_F(ImageViewingTest, AViewOutOfSightTakesNoFocus) {
  start("0");
  for (Control* c : std::initializer_list<Control*>{
           &main->highRes.Check1, &main->highRes.SSCommand8, &high->HScroll, &main->lowRes.Check2,
           &main->lowRes.SSCommand6, &low->VScroll})
    EXPECT_FALSE(c->focusable()) << c->name();
  EXPECT_TRUE(main->imagePage.SSCommand1.focusable());
  view("small.bmp");
  EXPECT_TRUE(main->lowRes.raised());
  EXPECT_TRUE(main->lowRes.Check2.focusable());
  EXPECT_TRUE(main->lowRes.SSCommand6.focusable());
  EXPECT_FALSE(main->highRes.Check1.focusable());
}

TEST_F(ImageViewingTest, NaturalSizeStretchAndZoomSetTheScrollRanges) {
  start("0");
  view("small.bmp");
  EXPECT_TRUE(main->lowRes.raised());
  EXPECT_EQ(geometry(*low), (std::vector<int>{0, 0, 1500, 1500, 3015, 1815}));
  low->HScroll.userRelease(1000);  // a small picture moves right
  EXPECT_EQ(low->image.left(), 1000);

  main->lowRes.Check2.userClick();  // stretched: it fills the viewport
  EXPECT_EQ(main->highRes.Check1.value(), 1);
  EXPECT_EQ(low->image.width(), 4515);
  EXPECT_EQ(low->HScroll.max(), 0);
  EXPECT_EQ(low->image.left(), 0);  // the range shrank to 0: the picture followed

  main->imagePage.SSCommand1.userClick();
  EXPECT_EQ(geometry(*low), (std::vector<int>{0, 0, 4967, 3647, -452, -332}));
  EXPECT_EQ(geometry(*high), geometry(*low));  // both viewers zoom together
  low->HScroll.userScroll(-300);
  low->VScroll.userEnd(true);
  EXPECT_EQ(low->image.left(), -300);
  EXPECT_EQ(low->image.top(), -332);

  // Zooming in stops once a range end reaches -10000; zooming out never stops.
  int clicks = 0;
  while (clicks < 100 && low->HScroll.max() > ViewPane::kZoomLimit) {
    main->lowRes.SSCommand19.userClick();
    ++clicks;
  }
  std::vector<int> limit = geometry(*low);
  main->lowRes.SSCommand19.userClick();
  EXPECT_EQ(geometry(*low), limit);
  EXPECT_LE(low->HScroll.max(), ViewPane::kZoomLimit);
  for (int i = 0; i < 60; ++i) main->lowRes.SSCommand14.userClick();
  EXPECT_GT(low->HScroll.max(), 4000);
  EXPECT_GT(low->image.width(), 0);
  EXPECT_EQ(main->highRes.Check1.value(), 1);  // zoom leaves the stretch setting alone
}

TEST_F(ImageViewingTest, HighResOnASmallScreenFallsBackToLowResOnce) {
  start("1", 640, 480);
  view("small.bmp");
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].title, "Changing View Resolution Mode");
  EXPECT_EQ(sys.ui.messages[0].text,
            "You should use 800x600 or higher resolution for this feature.  Use the "
            "Low-Resolution option.");
  EXPECT_EQ(sys.ui.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(main->imagePage.Option2.value(), 1);
  EXPECT_EQ(main->imagePage.Option1.value(), 0);
  EXPECT_EQ(sys.file("C:\\res.cfg"), "0\r\n");
  EXPECT_EQ(main->form.width(), kNarrowWidth);
  EXPECT_TRUE(main->lowRes.raised());
  EXPECT_EQ(low->image.width(), 1500);
  EXPECT_EQ(high->image.width(), 1500);  // shown in both viewers
  view("small.bmp");
  EXPECT_EQ(sys.ui.messages.size(), 1u);
}

TEST_F(ImageViewingTest, AStretchChangeNeedsATallerScreenThanAView) {
  start("1", 800, 600);
  view("wide.emf");
  EXPECT_TRUE(sys.ui.messages.empty());
  EXPECT_EQ(main->form.width(), kWideWidth);
  EXPECT_EQ(main->Frame25.width(), 10935);
  EXPECT_EQ(high->image.width(), 9000);
  EXPECT_EQ(high->HScroll.max(), 4515 - 9000);
  EXPECT_TRUE(main->LCM.enabled());

  main->highRes.Check1.userClick();
  ASSERT_EQ(sys.ui.messages.size(), 1u);
  EXPECT_EQ(sys.ui.messages[0].title, "Resolution Error");
  EXPECT_EQ(sys.ui.messages[0].text,
            "You should use 1024x768 or higher resolution for this feature.  You should check "
            "the Low-Res option button for your display resolution.  I'm going to change to "
            "Low-Res mode now.");
  EXPECT_EQ(main->lowRes.Check2.value(), 1);
  EXPECT_EQ(main->imagePage.Option2.value(), 1);
  EXPECT_EQ(main->form.width(), kNarrowWidth);
  EXPECT_EQ(low->image.width(), 4515);
}

TEST_F(ImageViewingTest, ClosingTheViewsAndTheLogoMenu) {
  start("1");
  EXPECT_FALSE(main->LCM.enabled());
  main->highRes.Check1.userClick();  // a stretch trigger leaves the menu as it is
  EXPECT_FALSE(main->LCM.enabled());
  pick("small.bmp");
  main->imagePage.browser.item("VI").userClick();
  EXPECT_EQ(main->highRes.Check1.value(), 0);
  EXPECT_TRUE(main->LCM.enabled());
  EXPECT_EQ(main->form.width(), kWideWidth);
  main->highRes.SSCommand8.userClick();
  EXPECT_FALSE(main->LCM.enabled());
  EXPECT_EQ(main->form.width(), kNarrowWidth);
  EXPECT_EQ(main->Frame25.width(), 5715);
  ScreenInfo s = sys.ui.screen();
  EXPECT_EQ(main->form.left(), (s.width - main->form.width()) / 2);

  main->imagePage.Option2.userClick();
  view("small.bmp");
  EXPECT_TRUE(main->lowRes.raised());
  main->imagePage.Option1.userClick();  // High-Res puts the Low-Res view away
  EXPECT_FALSE(main->lowRes.raised());
  main->imagePage.Option2.userClick();
  view("small.bmp");
  main->CF.userClick();
  EXPECT_FALSE(main->lowRes.raised());
  EXPECT_FALSE(main->LCM.enabled());
  low->image.userMouseDown(2);
  EXPECT_EQ(sys.ui.popups.back(), "winpop");
}

// A picture that cannot be shown never leaves the previous one under its
// name: preview and view clear, the status bar says why, no message box.
TEST_F(ImageViewingTest, APictureThatCannotBeShownClearsThePreviewAndTheView) {
  start("0");
  sys.ui.pictures.refuse("C:\\PICS\\broken.bmp", "damaged picture");
  pick("small.bmp");
  EXPECT_EQ(main->imagePage.Text1.text(), "C:\\PICS\\small.bmp");
  EXPECT_EQ(main->imagePage.Image2.pictureSource(), "C:\\PICS\\small.bmp");
  EXPECT_EQ(main->imagePage.Image2.width(), 735);  // stretched into its box
  view("small.bmp");
  pick("broken.bmp");
  EXPECT_EQ(main->imagePage.Text1.text(), "C:\\PICS\\broken.bmp");
  EXPECT_EQ(main->imagePage.Image2.picture(), nullptr);
  EXPECT_EQ(main->imagePage.Image2.pictureSource(), "");
  EXPECT_EQ(main->StatusBar1.text(), "broken.bmp cannot be shown: damaged picture");
  view("broken.bmp");
  EXPECT_EQ(low->image.picture(), nullptr);
  EXPECT_EQ(std::vector<int>({low->HScroll.max(), low->VScroll.max()}), std::vector<int>({0, 0}));
  EXPECT_EQ(main->StatusBar1.text(), "broken.bmp cannot be shown: damaged picture");
  EXPECT_TRUE(sys.ui.messages.empty());

  // A good picture afterwards shows as usual; one decoded picture serves the
  // preview and both views.
  view("small.bmp");
  EXPECT_EQ(low->image.pictureSource(), "C:\\PICS\\small.bmp");
  int decodedBefore = sys.ui.pictures.decodes["C:\\PICS\\small.bmp"];
  main->imagePage.Option1.userClick();
  view("small.bmp");
  EXPECT_EQ(high->image.pictureSource(), "C:\\PICS\\small.bmp");
  EXPECT_EQ(high->image.picture(), low->image.picture());
  EXPECT_EQ(high->image.picture(), main->imagePage.Image2.picture());
  EXPECT_EQ(sys.ui.pictures.decodes["C:\\PICS\\small.bmp"], decodedBefore);
}

TEST_F(ImageViewingTest, FullScreenShowsTheCurrentFileAndClosesOnAClickOrEsc) {
  start("0");
  view("small.bmp");
  main->lowRes.SSCommand13.userClick();
  Form6* full = main->viewing.fullScreen();
  ASSERT_NE(full, nullptr);
  ScreenInfo s = sys.ui.screen();
  EXPECT_EQ(std::vector<int>({full->left(), full->top(), full->width(), full->height()}),
            std::vector<int>({0, 0, s.width, s.height}));
  EXPECT_EQ(full->full.pictureSource(), "C:\\PICS\\small.bmp");
  EXPECT_EQ(full->full.width(), 1500);   // natural size in the corner
  main->lowRes.SSCommand13.userClick();  // no second window
  EXPECT_EQ(main->viewing.fullScreen(), full);
  full->userKeyDown(key::Escape);
  EXPECT_EQ(main->viewing.fullScreen(), nullptr);

  // VFSS shows the file just selected, stretched to the screen.
  pick("wide.emf");
  main->imagePage.browser.item("VFSS").userClick();
  full = main->viewing.fullScreen();
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(full->full.pictureSource(), "C:\\PICS\\wide.emf");
  EXPECT_EQ(full->full.width(), s.width);
  EXPECT_FALSE(main->LCM.enabled());
  full->userClick();  // the grey background
  EXPECT_EQ(main->viewing.fullScreen(), nullptr);
}

// The double click that opens the High-Res view moves the widened window's
// picture under the pointer: the release of its second click lands there.
TEST_F(ImageViewingTest, OnlyAPressAndReleaseOnThePictureOpenFullScreen) {
  start("1");
  view("small.bmp");
  ASSERT_EQ(main->form.width(), kWideWidth);
  high->image.userLeftUp(true);
  high->viewport.userLeftUp(true);
  EXPECT_EQ(main->viewing.fullScreen(), nullptr);
  high->image.userLeftDown();
  high->image.userLeftUp(true);
  EXPECT_NE(main->viewing.fullScreen(), nullptr);
}

// Raised, the Low-Res view covers its page and the tab headers: it goes
// with the Image page, and the keys still turn the pages.
TEST_F(ImageViewingTest, TheLowResViewShowsOnlyOnTheImagePageAndComesBackWithIt) {
  start("0");
  main->lowRes.Check2.userClick();  // stretched
  view("wide.emf");
  main->imagePage.SSCommand1.userClick();
  std::vector<int> zoomed = geometry(*low);
  ASSERT_TRUE(main->lowRes.Frame17.shownOnScreen());
  main->ff.userClick();  // F1: the "?" page
  EXPECT_FALSE(main->lowRes.Frame17.shownOnScreen());
  main->SSTab1.setTab(3);
  EXPECT_FALSE(main->lowRes.Frame17.shownOnScreen());
  main->lowRes.SSCommand6.userClick();  // out of sight, out of reach
  EXPECT_TRUE(main->lowRes.raised());

  ASSERT_EQ(main->form.tabStrip(), &main->SSTab1);
  for (int i = 0; i < 3; ++i) main->SSTab1.userStep(-1);
  EXPECT_EQ(main->SSTab1.tab(), 0);
  EXPECT_TRUE(main->lowRes.Frame17.shownOnScreen());
  EXPECT_TRUE(main->lowRes.raised());
  EXPECT_EQ(low->image.pictureSource(), "C:\\PICS\\wide.emf");
  EXPECT_EQ(geometry(*low), zoomed);
  EXPECT_EQ(main->lowRes.Check2.value(), 1);
}

TEST_F(ImageViewingTest, KeysAndTheWheelZoomAndScroll) {
  start("0");
  view("wide.emf");  // 9000 x 2000: wider than the viewport
  EXPECT_TRUE(main->form.userAltKey('I'));
  EXPECT_EQ(low->image.width(), 9900);
  EXPECT_EQ(high->image.width(), 4967);  // the other viewer, from its viewport size
  EXPECT_TRUE(main->form.userAltKey('O'));
  EXPECT_EQ(low->image.width(), 9000);
  EXPECT_FALSE(main->form.userAltKey('Q'));

  low->image.userWheel(-2, true, false);  // towards the user, with Shift: across
  EXPECT_EQ(low->image.left(), -200);
  low->viewport.userWheel(1, true, false);
  EXPECT_EQ(low->image.left(), -100);
  main->lowRes.Check2.userKeyDown(key::Right);  // keys where the view's controls have the focus
  EXPECT_EQ(low->image.left(), -200);
  main->lowRes.Check2.userKeyDown(key::Left);
  EXPECT_EQ(low->image.left(), -100);
  low->HScroll.userWheel(-1, false, true);  // Ctrl: zoom out, both viewers
  EXPECT_EQ(low->image.width(), 8182);
  EXPECT_EQ(high->image.width(), 4105);
}

TEST(ImageCommandLine, APictureOnTheCommandLineOpensInTheSavedModesView) {
  TestSystem sys;
  sys.knowWindowsPath();
  sys.put("C:\\res.cfg", "0\r\n");
  sys.put("C:\\tip.cfg", "0\r\n");
  sys.ui.pictures.add("C:\\My Pics\\a.bmp", 1500, 750);
  sys.commandLine = "C:\\My Pics\\a.bmp";
  auto& main = sys.startMain();
  EXPECT_TRUE(main.lowRes.raised());
  EXPECT_EQ(main.lowRes.pane.image.height(), 750);
  EXPECT_TRUE(main.LCM.enabled());
}

}  // namespace
}  // namespace vl
