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
  putRedPicture();
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

// Tab from the control that has the focus round to it again: the names the
// focus visits, beginning with that control. Shift+Tab goes round the other
// way through the same controls.
std::string round(Program& p, HWND form) {
  std::string start = focusedName(form);
  std::vector<std::string> visited{start};
  for (int i = 0; i < 40; ++i) {
    std::string at = tabThrough(p, form, 1).back();
    if (at == start) break;
    visited.push_back(at);
  }
  std::vector<std::string> back(visited.rbegin(), visited.rend() - 1);
  back.push_back(start);
  CHECK_EQ_MSG(joined(tabThrough(p, form, static_cast<int>(back.size()), true)), joined(back),
               "Shift+Tab from " + start);
  return joined(visited);
}

// Every window's controls in reading order, from the one that has the focus
// when the window opens; arrows move among option buttons and select them.
SCENARIO(keyboard_tab_order) {
  putRedPicture();
  REQUIRE(writeFile("C:\\res.cfg", "0\r\n"));  // Low-Res: the High-Res view is beside the window
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND first = p.form("Form15");
  REQUIRE(first != nullptr);
  CHECK(waitFor([&] { return focusedName(first) == "Text1"; }));
  CHECK_EQ(round(p, first), std::string("Text1 SSCommand2 SSCommand1 "));  // as designed
  keys(first, {VK_RETURN});

  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  CHECK(waitFor([&] { return focusedName(tips) == "Command1"; }));
  CHECK_EQ(round(p, tips), std::string("Command1 "));  // the welcome: Close alone
  keys(tips, {VK_ESCAPE});

  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND tabs = control(main, "SSTab1");
  const char* pages[] = {
      "SSTab1 SSCommand22 SSCommand1 SSCommand2 Option2 Drive1 Dir1 File1 ",
      "SSTab1 SSCommand21 SSCommand3 Drive2 Dir2 File2 ",
      "SSTab1 SSCommand20 SSCommand7 Drive3 Dir3 File3 ",
      "SSTab1 SSCommand16 SSCommand15 Drive4 Dir4 File4 ",
      "SSTab1 SSCommand9 ",
      "SSTab1 ",
      "SSTab1 SSOption1 ",
  };
  for (int page = 0; page < 7; ++page) {
    p.selectTab(tabs, page);
    SetFocus(nullptr);
    keys(main, {VK_CONTROL, VK_TAB});  // round to this page again, from anywhere
    keys(main, {VK_CONTROL, VK_SHIFT, VK_TAB});
    CHECK(p.idle());
    CHECK_EQ(currentTab(tabs), page);
    for (int i = 0; i < 12 && focusedName(main) != "SSTab1"; ++i) tabThrough(p, main, 1);
    REQUIRE(focusedName(main) == "SSTab1");
    CHECK_EQ_MSG(round(p, main), std::string(pages[page]), "page " + std::to_string(page));
  }

  // The arrows select the other option of a group, and Tab then stops there.
  p.selectTab(tabs, 0);
  SetFocus(nullptr);
  HWND low = control(main, "Option2");
  for (int i = 0; i < 12 && focusedName(main) != "Option2"; ++i) tabThrough(p, main, 1);
  keys(main, {VK_UP});
  CHECK(waitFor([&] { return checked(control(main, "Option1")) && !checked(low); }));
  CHECK_EQ(focusedName(main), std::string("Option1"));
  keys(main, {VK_DOWN});
  CHECK(waitFor([&] { return checked(low); }));
  CHECK_EQ(focusedName(main), std::string("Option2"));

  HWND files = control(main, "File1");
  REQUIRE(clickItem(files, "red.bmp"));
  REQUIRE(p.choosePopupItem(files, "Copy File"));
  HWND location = p.form("Form4");
  REQUIRE(location != nullptr);
  CHECK(waitFor([&] { return focusedName(location) == "Drive1"; }));
  CHECK_EQ(round(p, location), std::string("Drive1 Dir1 SSCommand2 SSCommand1 "));
  keys(location, {VK_ESCAPE});
  CHECK(waitFor([&] { return !shown(location); }));

  keys(main, {VK_CONTROL, 'R'});
  HWND properties = p.form("FORM19");
  REQUIRE(properties != nullptr);
  CHECK(waitFor([&] { return shown(properties) && focusedName(properties) == "Text1"; }));
  CHECK_EQ(round(p, properties),
           std::string("Text1 Command3 Command1 Text2 Command5 Command4 Text3 Check1 Text4 "
                       "Command2 Check2 Text5 Command8 Option2 Command6 SSCommand3 "));
  keys(properties, {VK_ESCAPE});
  CHECK(waitFor([&] { return !shown(properties); }));

  // The logo changer over the page: the focus goes into it; the page's
  // controls it covers are not visited, the tab strip beside it is.
  REQUIRE(doubleClickItem(files, "red.bmp"));
  keys(main, {VK_CONTROL, 'L'});
  CHECK(waitFor([&] { return twipsRect(control(main, "SSPanel10")).top == 300; }));
  CHECK(p.idle());
  CHECK_EQ(round(p, main),
           std::string("Option4 SSCommand12 SSCommand10 SSCommand5 SSCommand11 SSTab1 "));
  keys(main, {VK_DOWN});  // the arrows choose the logo
  CHECK(waitFor([&] { return checked(control(main, "Option3")); }));
  click(control(main, "SSCommand11"));
  CHECK(waitFor([&] { return twipsRect(control(main, "SSPanel10")).top != 300; }));

  // The tips as the Help menu shows them, and the full-screen picture, which
  // has nothing to focus: Tab leaves the focus where it is.
  keys(main, {VK_F1});
  CHECK(p.idle());
  SetFocus(nullptr);
  CHECK_EQ(round(p, main), std::string("SSTab1 SSOption1 "));
}

// The tips as a later start shows them, and the full-screen picture, which
// has nothing to focus: Tab leaves the focus in it.
SCENARIO(keyboard_other_windows) {
  knowWindowsPath();
  auto tip = [](const std::string& t) { return t + std::string(255 - t.size(), ' '); };
  REQUIRE(writeFile(std::string(kInstallDir) + "\\tip.dat", tip("One.") + tip("Two.")));
  putRedPicture();
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  CHECK(waitFor([&] { return focusedName(tips) == "Command2"; }));
  CHECK_EQ(round(p, tips), std::string("Command2 Command3 Command1 Check1 "));
  keys(tips, {VK_ESCAPE});
  CHECK(waitFor([&] { return !shown(tips); }));

  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND files = control(main, "File1");
  REQUIRE(clickItem(files, "red.bmp"));
  REQUIRE(p.choosePopupItem(files, "View Full Screen"));
  HWND full = p.form("Form6");
  REQUIRE(full != nullptr);
  CHECK(waitFor([&] { return GetForegroundWindow() == full; }));
  keys(full, {VK_TAB});
  CHECK(p.idle());
  HWND focus = focusOf(full);
  CHECK_MSG(focus == full || focus == nullptr, "the full-screen window",
            "gave the focus to " + nameOf(focus));
  keys(full, {VK_ESCAPE});
  CHECK(waitFor([&] { return !IsWindow(full); }));
}

// The dots of a focus rectangle along the top of a picture button: pixels
// of the row the rectangle is drawn on that are not the button's face.
int focusDots(HWND button) {
  RECT client;
  GetClientRect(button, &client);
  int inset = 60 * dpi() / 1440;
  COLORREF face = pixelAt(button, inset - 1, client.bottom / 2);
  int dots = 0;
  for (int x = inset; x < client.right - inset; ++x)
    if (pixelAt(button, x, inset) != face) ++dots;
  return dots;
}

// A picture button shows the focus, in its normal and its pressed look.
SCENARIO(keyboard_focus_cue) {
  knowWindowsPath();
  showTipsAtStart(false);
  Program p;
  HWND main = startMain(p);
  HWND open = control(main, "SSCommand22");
  RECT client;
  GetClientRect(open, &client);
  const int many = (client.right - 2 * (60 * dpi() / 1440)) / 3;
  SetFocus(nullptr);
  for (int i = 0; i < 12 && focusedName(main) != "SSCommand22"; ++i) tabThrough(p, main, 1);
  REQUIRE(focusedName(main) == "SSCommand22");
  CHECK_MSG(waitFor([&] { return focusDots(open) >= many; }), "the focused Open button",
            "shows " + std::to_string(focusDots(open)) + " dots");
  tabThrough(p, main, 1);
  CHECK(waitFor([&] { return focusDots(open) == 0; }));
  SendMessageW(open, BM_SETSTATE, TRUE, 0);  // pressed, without the focus
  CHECK(p.idle());
  CHECK_EQ(focusDots(open), 0);
  tabThrough(p, main, 1, true);
  CHECK_MSG(waitFor([&] { return focusDots(open) >= many; }), "the pressed, focused Open button",
            "shows " + std::to_string(focusDots(open)) + " dots");
  SendMessageW(open, BM_SETSTATE, FALSE, 0);
}

}  // namespace e2e
