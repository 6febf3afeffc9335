// What the program cannot do, it says: zoom in at its limit, a bitmap whose
// rows stop early; and a button it cannot press still shows its picture,
// greyed.
#include <algorithm>
#include <cstdlib>

#include "common.h"

namespace e2e {

namespace {

// How many points of a grid over the window's middle stand out from the
// colour of its top-left corner by more than a shade.
int standingOut(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  COLORREF face = pixelAt(hwnd, 2, 2);
  int count = 0;
  for (int y = r.bottom / 4; y < r.bottom * 3 / 4; y += 2)
    for (int x = r.right / 4; x < r.right * 3 / 4; x += 2) {
      COLORREF c = pixelAt(hwnd, x, y);
      int d = std::max({std::abs(GetRValue(c) - GetRValue(face)),
                        std::abs(GetGValue(c) - GetGValue(face)),
                        std::abs(GetBValue(c) - GetBValue(face))});
      if (d > 40) ++count;
    }
  return count;
}

}  // namespace

SCENARIO(honest_messages) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "1\r\n"));
  makeDirectory("C:\\PICS");
  // A photo at its natural size is more than 10000 twips wider than the view.
  REQUIRE(writeFile("C:\\PICS\\photo.bmp", testpics::bitmapFile(1000, 300, [](int x, int) {
                      return RGB(x % 256, 128, 64);
                    })));
  std::string whole = testpics::bitmapFile(60, 60, [](int, int) { return RGB(0, 160, 0); });
  REQUIRE(writeFile("C:\\PICS\\cut.bmp", whole.substr(0, whole.size() / 2)));
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND files = control(main, "File1"), status = control(main, "StatusBar1");
  HWND view = control(main, "Image3");

  REQUIRE(doubleClickItem(files, "photo.bmp"));
  CHECK(waitFor([&] { return twipsRect(view).width > 14000; }));
  int width = twipsRect(view).width;
  click(control(main, "SSCommand1"));
  CHECK(waitFor(
      [&] { return p.statusText(status) == "This picture cannot be zoomed in any further"; }));
  CHECK_EQ(twipsRect(view).width, width);

  REQUIRE(clickItem(files, "cut.bmp"));
  CHECK(waitFor([&] { return p.statusText(status) == "cut.bmp is incomplete"; }));
  HWND preview = control(main, "Image2");
  RECT box;
  GetClientRect(preview, &box);
  // Bottom-up rows: the half the file holds is the lower half.
  CHECK_EQ(rgb(pixelAt(preview, box.right / 2, box.bottom * 3 / 4)), rgb(RGB(0, 160, 0)));

  // With no disc, the CD transport's buttons are disabled: each still shows
  // its picture, greyed, rather than a blank face.
  p.selectTab(control(main, "SSTab1"), 4);
  for (const char* name : {"Play", "Next", "Eject"}) {
    HWND button = control(main, name);
    CHECK(!enabled(button));
    CHECK_MSG(standingOut(button) >= 8, std::string(name) + " shows its greyed picture",
              std::to_string(standingOut(button)) + " points stand out");
  }
  CHECK(!p.messageBoxOpen());

  // A quit message that the user did not ask for (a library or driver may
  // post one) does not end the program; the user's Quit does, with 0.
  PostThreadMessageW(GetWindowThreadProcessId(main, nullptr), WM_QUIT, 0, 0);
  CHECK(p.idle());
  CHECK(p.running());
  CHECK(IsWindowVisible(main));
  keys(main, {VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));
  CHECK_EQ(p.exitCode(), DWORD{0});
}

}  // namespace e2e
