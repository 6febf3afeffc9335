// Viewing pictures: the preview, the view panels, zoom and scrolling, the
// display modes' screen checks and the full-screen viewer, read off the screen.
#include <cstdio>

#include "common.h"

namespace e2e {

namespace {

const std::string kRed = "255,0,0";

// A 24-bit bitmap of one colour, or of two when `edge` splits its columns:
// that colour left of it and green from it on.
std::string solidBitmap(int w, int h, BYTE r, BYTE g, BYTE b, int edge = -1) {
  return testpics::bitmapFile(
      w, h, [=](int x, int) { return edge >= 0 && x >= edge ? RGB(0, 255, 0) : RGB(r, g, b); });
}

// The program in C:\PICS with a 100 x 100 picture, red but for its green
// right half, and a blue one of 600 x 400.
HWND startWithPictures(Program& p, const char* mode) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", std::string(mode) + "\r\n"));
  makeDirectory("C:\\PICS");
  REQUIRE(writeFile("C:\\PICS\\red.bmp", solidBitmap(100, 100, 255, 0, 0, 50)));
  REQUIRE(writeFile("C:\\PICS\\blue.bmp", solidBitmap(600, 400, 0, 0, 255)));
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  return main;
}

int widthOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r.right - r.left;
}

// The window's rectangle in its parent's client area, in pixels.
RECT inParent(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int px(int twipsValue) {
  return MulDiv(twipsValue, dpi(), 1440);
}

}  // namespace

SCENARIO(image_views) {
  Program p;
  HWND main = startWithPictures(p, "1");
  int narrow = widthOf(main);
  HWND files = control(main, "File1");

  // A click shows the preview.
  REQUIRE(clickItem(files, "red.bmp"));
  HWND preview = control(main, "Image2");
  CHECK(waitFor([&] { return rgb(pixelAt(preview, 20, 20)) == kRed; }));

  // A double click opens the High-Res view beside the widened window.
  REQUIRE(doubleClickItem(files, "red.bmp"));
  HWND image3 = control(main, "Image3");
  HWND viewport = control(main, "SSPanel3");
  CHECK(GetParent(image3) == viewport);
  // The picture comes last: once it is there, the window is wide and centred.
  CHECK(
      waitFor([&] { return inParent(image3).right - inParent(image3).left == 100 * dpi() / 96; }));
  CHECK(widthOf(main) > narrow * 3 / 2);
  CHECK(centred(main));
  CHECK(waitFor([&] { return rgb(pixelAt(image3, 30, 50)) == kRed; }));

  // A click on the right arrow moves the small picture right by 100 twips.
  HWND hbar = control(main, "HScroll2");
  RECT bar;
  GetClientRect(hbar, &bar);
  int arrow = GetSystemMetrics(SM_CXHSCROLL);
  postClick(hbar, bar.right - arrow / 2, bar.bottom / 2);
  CHECK(waitFor([&] { return inParent(image3).left == px(100); }));

  // Zoom in from the page's button: 1.1 times larger.
  CHECK_EQ(rgb(pixelAt(image3, 52 * dpi() / 96, 50)), std::string("0,255,0"));
  click(control(main, "SSCommand1"));
  CHECK(waitFor([&] { return inParent(image3).right - inParent(image3).left == px(1650); }));
  // The whole picture is drawn anew at its new size: the edge moved right,
  // and again on the next step, when the picture was stretched already.
  CHECK(waitFor([&] { return rgb(pixelAt(image3, 52 * dpi() / 96, 50)) == kRed; }));
  CHECK_EQ(rgb(pixelAt(image3, 58 * dpi() / 96, 50)), std::string("0,255,0"));
  click(control(main, "SSCommand1"));
  CHECK(waitFor([&] { return rgb(pixelAt(image3, 58 * dpi() / 96, 50)) == kRed; }));

  // A picture larger than the viewport: at the far end its far edge meets the viewport's.
  REQUIRE(doubleClickItem(files, "blue.bmp"));
  CHECK(
      waitFor([&] { return inParent(image3).right - inParent(image3).left == 600 * dpi() / 96; }));
  // The picture's left edge at the viewport's: the thumb at the left end.
  int low = 0, high = 0;
  GetScrollRange(hbar, SB_CTL, &low, &high);
  CHECK(high > low);
  CHECK_EQ(GetScrollPos(hbar, SB_CTL), low);
  SendMessageW(GetParent(hbar), WM_HSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(hbar));
  CHECK(waitFor([&] { return GetScrollPos(hbar, SB_CTL) == high; }));
  RECT port;
  GetClientRect(viewport, &port);
  CHECK(waitFor([&] { return std::abs(inParent(image3).right - port.right) <= 1; }));
  CHECK(inParent(image3).left < 0);

  // Shift and the wheel over the picture scroll it back a step; Alt+I zooms in.
  int farLeft = inParent(image3).left;
  POINT centre{port.right / 2, port.bottom / 2};
  ClientToScreen(viewport, &centre);
  PostMessageW(main, WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, WHEEL_DELTA),
               MAKELPARAM(centre.x, centre.y));
  CHECK(waitFor([&] { return inParent(image3).left == farLeft + px(100); }));
  keys(main, {VK_MENU, 'I'});  // from the blue picture's natural size
  CHECK(
      waitFor([&] { return inParent(image3).right - inParent(image3).left == 660 * dpi() / 96; }));

  // Full screen: the picture in the corner on grey; Esc closes it.
  click(control(main, "SSCommand18"));
  HWND full = p.form("Form6");
  REQUIRE(full != nullptr);
  CHECK(waitFor([&] {
    RECT screen = windowRect(full);
    return screen.left == 0 && screen.top == 0 && screen.right == screenWidth() &&
           screen.bottom == screenHeight();
  }));
  CHECK(waitFor([&] { return rgb(pixelAt(full, 10, 10)) == "0,0,255"; }));
  CHECK(waitFor([&] {
    return rgb(pixelAt(full, screenWidth() - 20, screenHeight() - 20)) == "224,224,224";
  }));
  keys(full, {VK_ESCAPE});
  CHECK(waitFor([&] { return !IsWindow(full); }));

  // Closing the view narrows the window again.
  click(control(main, "SSCommand8"));
  CHECK(waitFor([&] { return widthOf(main) == narrow; }));
}

// High-Res on a screen of fewer than 600 rows: the message, then Low-Res.
SCENARIO(image_small_screen) {
  Program p;
  HWND main = startWithPictures(p, "1");
  REQUIRE(doubleClickItem(control(main, "File1"), "red.bmp"));
  auto box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->title, std::string("Changing View Resolution Mode"));
  CHECK_EQ(box->text, std::string("You should use 800x600 or higher resolution for this "
                                  "feature.  Use the Low-Resolution option."));
  pressOk(*box);
  HWND frame = control(main, "Frame17");
  CHECK(waitFor([&] { return twipsRect(frame).top == 60; }));
  CHECK(waitFor([&] { return readFile("C:\\res.cfg") == std::optional<std::string>("0\r\n"); }));
  CHECK(checked(control(main, "Option2")));
  CHECK(centred(main));
  HWND image1 = control(main, "Image1");
  CHECK(waitFor([&] { return rgb(pixelAt(image1, 30, 50)) == kRed; }));
}

// High-Res on 800 x 600: a view opens, but a stretch change needs 768 rows.
SCENARIO(image_stretch_check) {
  Program p;
  HWND main = startWithPictures(p, "1");
  REQUIRE(doubleClickItem(control(main, "File1"), "red.bmp"));
  CHECK(!p.messageBoxOpen());
  click(control(main, "Check1"));
  auto box = waitMessageBox(p.pid());
  REQUIRE(box.has_value());
  CHECK_EQ(box->title, std::string("Resolution Error"));
  pressOk(*box);
  CHECK(waitFor([&] { return checked(control(main, "Check2")); }));
  CHECK(waitFor([&] { return twipsRect(control(main, "Frame17")).top == 60; }));
  HWND image1 = control(main, "Image1");
  // Stretched to the viewport.
  CHECK(waitFor([&] { return inParent(image1).right - inParent(image1).left == px(4515); }));
}

}  // namespace e2e
