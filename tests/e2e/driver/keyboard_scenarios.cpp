// The dialog keys, pressed for real: Enter presses the button that finishes
// a dialog, Esc the one that closes it.
#include "../pictures.h"
#include "common.h"

namespace e2e {

namespace {

bool shown(HWND window) {
  return IsWindow(window) && IsWindowVisible(window);
}

// The named control that has the keyboard focus (a combo box's edit counts
// as its combo box).
std::string focusedName(HWND form) {
  HWND focus = focusOf(form);
  std::string name = nameOf(focus);
  return name.empty() && focus ? nameOf(GetParent(focus)) : name;
}

std::string joined(const std::vector<std::string>& names) {
  std::string all;
  for (const std::string& n : names) all += n + " ";
  return all;
}

// Tab pressed for real, n times in turn: the names the focus visits.
std::vector<std::string> tabThrough(Program& p, HWND form, int n, bool backwards = false) {
  std::vector<std::string> visited;
  for (int i = 0; i < n; ++i) {
    if (backwards)
      keys(form, {VK_SHIFT, VK_TAB});
    else
      keys(form, {VK_TAB});
    CHECK(p.idle());
    HWND focus = focusOf(form);
    CHECK_MSG(focus && IsWindowVisible(focus), "the focus is on a visible control",
              focusedName(form) + " is hidden");
    visited.push_back(focusedName(form));
  }
  return visited;
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

// Tab and Shift+Tab walk the shown page's controls and wrap round through
// the tab strip; nothing hidden, parked or beside the window is visited.
SCENARIO(keyboard_tab_order) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "0\r\n"));  // Low-Res: the High-Res view is beside the window
  Program p;
  HWND main = startMain(p);
  HWND tabs = control(main, "SSTab1");
  using Names = std::vector<std::string>;
  const std::vector<Names> pages = {
      {"SSCommand22", "Drive1", "Dir1", "File1", "SSCommand1", "SSCommand2", "Option1", "Option2",
       "SSTab1"},
      {"SSCommand21", "Drive2", "Dir2", "File2", "SSCommand3", "SSTab1"},
      {"SSCommand20", "Drive3", "Dir3", "File3", "SSCommand7", "SSTab1"},
      {"SSCommand16", "Drive4", "Dir4", "File4", "SSCommand15", "SSTab1"},
  };
  for (int page = 0; page < static_cast<int>(pages.size()); ++page) {
    p.selectTab(tabs, page);
    // Round to the tab strip, where the page's order begins.
    for (int i = 0; i < 12 && focusedName(main) != "SSTab1"; ++i) tabThrough(p, main, 1);
    REQUIRE(focusedName(main) == "SSTab1");
    Names twice = pages[page];
    twice.insert(twice.end(), pages[page].begin(), pages[page].end());
    CHECK_EQ(joined(tabThrough(p, main, static_cast<int>(twice.size()))), joined(twice));
    Names back(pages[page].rbegin() + 1, pages[page].rend());
    back.push_back("SSTab1");
    CHECK_EQ(joined(tabThrough(p, main, static_cast<int>(back.size()), true)), joined(back));
  }
}

}  // namespace e2e
