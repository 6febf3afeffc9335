// The dialog keys, pressed for real: Enter presses the button that finishes
// a dialog, Esc the one that closes it.
#include "../pictures.h"
#include "common.h"

namespace e2e {

namespace {

bool shown(HWND window) {
  return IsWindow(window) && IsWindowVisible(window);
}

}  // namespace

// A first run answered with Enter, the welcome closed with Esc, a location
// dialog closed with Esc and finished with Enter, the reminder properties
// hidden (and saved) with Esc.
SCENARIO(keyboard_dialog_keys) {
  makeDirectory("C:\\PICS");
  REQUIRE(writeFile("C:\\PICS\\red.bmp",
                    testpics::bitmapFile(20, 20, [](int, int) { return RGB(255, 0, 0); })));
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND first = p.form("Form15");
  REQUIRE(first != nullptr);
  keys(first, {VK_RETURN});
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  CHECK(waitFor([] { return readFile("C:\\windir.cfg") == "c:\\windows\\\r\n"; }));
  CHECK(!IsWindow(first) || !IsWindowVisible(first));

  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  keys(tips, {VK_ESCAPE});
  CHECK(waitFor([&] { return !shown(tips); }));

  HWND files = control(main, "File1");
  REQUIRE(clickItem(files, "red.bmp"));
  REQUIRE(p.choosePopupItem(files, "Copy File"));
  HWND location = p.form("Form4");
  REQUIRE(location != nullptr);
  keys(location, {VK_ESCAPE});
  CHECK(waitFor([&] { return !shown(location); }));
  CHECK(!p.messageBoxOpen());  // cancelled: nothing copied, nothing said

  REQUIRE(p.choosePopupItem(files, "Copy File"));
  location = p.form("Form4");
  REQUIRE(location != nullptr);
  keys(location, {VK_RETURN});
  auto box = waitMessageBox(p.pid());  // Done: the copy is tried, into its own folder
  REQUIRE(box.has_value());
  CHECK_EQ(box->text.rfind("red.bmp is already in ", 0), std::size_t{0});
  pressOk(*box);
  CHECK(waitFor([&] { return !shown(location); }));

  keys(main, {VK_CONTROL, 'R'});
  HWND properties = p.form("FORM19");
  REQUIRE(properties != nullptr);
  CHECK(waitFor([&] { return shown(properties); }));
  keys(properties, {VK_ESCAPE});
  CHECK(waitFor([&] { return !shown(properties); }));
  CHECK(waitFor([] { return fileExists("C:\\windows\\rem1.cfg"); }));
  CHECK(shown(main));
}

}  // namespace e2e
