// One program at a time: later starts hand their command line to the copy
// that runs; and a break reminder that waits while something runs full screen.
#include "common.h"

namespace e2e {

namespace {

// The program's icons in Wine's tray, of every process.
int trayIcons() {
  int count = 0;
  for (HWND tray = nullptr;
       (tray = FindWindowExW(nullptr, tray, L"__winex11_standalone_tray", nullptr)) != nullptr;)
    for (HWND icon = nullptr;
         (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) != nullptr;)
      ++count;
  return count;
}

// "Hide Varilume" from the tray icon's menu.
void hideFromTray(Program& p) {
  HWND popup = p.formNow("Form2", false);
  REQUIRE(popup != nullptr);
  HWND hook = control(popup, "pichook");
  PostMessageW(hook, WM_MOUSEMOVE, 0, 0x205);  // the right button let go over the icon
  std::vector<Program::MenuLine> menu;
  CHECK(waitFor([&] { return !(menu = p.openPopup()).empty(); }));
  REQUIRE(!menu.empty() && menu[0].caption == "Hide Varilume");
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  PostMessageW(menuWindow ? menuWindow : hook, WM_KEYDOWN, VK_ESCAPE, 0);
  CHECK(waitFor([&] { return p.openPopup().empty(); }));
  postCommand(popup, menu[0].id);
}

// A later start: it ends at once, with code 0, having made no window.
void startAgain(const std::string& arguments) {
  Program later;
  REQUIRE(later.start(arguments));
  CHECK(later.waitExit(kPatience));
  CHECK_EQ(later.exitCode(), DWORD{0});
}

}  // namespace

SCENARIO(one_copy) {
  knowWindowsPath();
  showTipsAtStart(false);
  putRedPicture();
  REQUIRE(writeFile("C:\\res.cfg", "0\r\n"));  // the picture opens in the narrow window
  Program first;
  HWND main = startMain(first);
  CHECK(waitFor([] { return trayIcons() == 1; }));

  // A picture named by a second start opens in the first copy's window.
  startAgain("C:\\PICS\\red.bmp");
  CHECK(waitFor([&] { return text(control(main, "Text1")) == "C:\\PICS\\red.bmp"; }));
  CHECK(waitFor([&] { return twipsRect(control(main, "Frame17")).top == 60; }));
  REQUIRE(first.idle());
  CHECK_EQ(trayIcons(), 1);
  CHECK(first.running());

  // Hidden from the tray, the window comes back for a start without a file.
  hideFromTray(first);
  CHECK(waitFor([&] { return !IsWindowVisible(main); }));
  startAgain("");
  CHECK(waitFor([&] { return IsWindowVisible(main); }));
  CHECK(waitFor([&] { return GetForegroundWindow() == main; }));
  CHECK_EQ(trayIcons(), 1);

  // A copy that ended without a word does not stand in the next one's way.
  first.kill();
  Program next;
  HWND again = startMain(next);
  CHECK(IsWindowVisible(again));
  // (The system may show the ended copy's icon until the pointer passes it.)
  CHECK(next.formNow("Form2", false) != nullptr);
}

// A break due while the picture is shown full screen waits, minute after
// minute, and comes once the full-screen window has gone.
SCENARIO(reminder_full_screen) {
  knowWindowsPath();
  showTipsAtStart(false);
  putRedPicture();
  REQUIRE(writeFile("C:\\res.cfg", "0\r\n"));
  const char* profile[] = {"2", "5", "", "", "", "0", "0", "True", "False"};
  for (int n = 1; n <= 9; ++n)
    REQUIRE(writeFile("C:\\windows\\rem" + std::to_string(n) + ".cfg",
                      std::string(profile[n - 1]) + "\r\n"));
  Program p;
  HWND main = startMain(p, "C:\\PICS\\red.bmp");
  HWND props = nullptr;
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  REQUIRE(props != nullptr);
  CHECK(p.idle());  // its values are set once it is loaded
  CHECK(waitFor([&] { return twipsRect(control(main, "Frame17")).top == 60; }));
  click(control(main, "SSCommand13"));
  HWND full = p.form("Form6");
  REQUIRE(full != nullptr);
  CHECK(waitFor([&] { return GetForegroundWindow() == full; }));

  minute(props, L"Timer2");
  CHECK(waitFor([&] { return text(control(props, "Label2")) == "1"; }));
  for (int held = 0; held < 3; ++held) {
    minute(props, L"Timer2");
    REQUIRE(p.idle());
    CHECK(p.formNow("Form20") == nullptr);
  }
  keys(full, {VK_ESCAPE});
  CHECK(waitFor([&] { return !IsWindow(full) || !IsWindowVisible(full); }));
  minute(props, L"Timer2");
  CHECK(p.form("Form20") != nullptr);
}

}  // namespace e2e
