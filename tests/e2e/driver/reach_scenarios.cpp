// The keyboard alone, pressed for real: into folders with Enter, to Copy
// File with the menu key, out of a view with Esc, down a column of options,
// and Ctrl+Q right after the tray's menu.
#include "common.h"

namespace e2e {

namespace {

// The named control that has the keyboard focus.
std::string focusedName(HWND form) {
  HWND focus = focusOf(form);
  std::string name = nameOf(focus);
  return name.empty() && focus ? nameOf(GetParent(focus)) : name;
}

// The open folder of a directory list: the last of the open ones, which is
// the current directory.
std::string lastOpenFolder(HWND dirList, int depth) {
  std::vector<std::string> items = listItems(dirList);
  return depth < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(depth)] : "";
}

HWND menuWindow() {
  return FindWindowW(L"#32768", nullptr);
}

}  // namespace

SCENARIO(keyboard_reach) {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", "0\r\n"));  // Low-Res: the view over the page
  putRedPicture();
  makeDirectory("C:\\PICS\\June");
  REQUIRE(writeFile("C:\\PICS\\June\\beach.bmp",
                    testpics::bitmapFile(20, 20, [](int, int) { return RGB(0, 0, 255); })));
  makeDirectory("C:\\PICS\\ART");
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND dirs = control(main, "Dir1"), files = control(main, "File1");

  // Into June with the arrows and Enter: the folder list highlights C:\,
  // PICS (open), ART, June.
  REQUIRE(clickItem(dirs, "PICS"));
  CHECK(p.idle());
  keys(main, {VK_DOWN});
  keys(main, {VK_DOWN});
  CHECK(p.idle());
  CHECK_EQ(listItems(files).size(), std::size_t{1});  // an arrow only moves the highlight
  keys(main, {VK_RETURN});
  CHECK(waitFor([&] { return listItems(files) == std::vector<std::string>{"beach.bmp"}; }));
  CHECK_EQ(lastOpenFolder(dirs, 2), std::string("June"));

  // The menu key in the file list: the page's menu, at the selected file.
  REQUIRE(clickItem(files, "beach.bmp"));
  CHECK(p.idle());
  keys(main, {VK_APPS});
  std::vector<Program::MenuLine> menu;
  CHECK(waitFor([&] { return !(menu = p.openPopup()).empty(); }));
  REQUIRE(!menu.empty());
  CHECK_EQ(menu[0].caption, std::string("View Image"));
  RECT list{}, at{};
  GetWindowRect(files, &list);
  GetWindowRect(menuWindow(), &at);
  CHECK_MSG(at.left >= list.left && at.left < list.right && at.top >= list.top &&
                at.top < list.top + (list.bottom - list.top) / 2,
            "the menu opens at the selected file",
            std::to_string(at.left) + "," + std::to_string(at.top));
  // Down to "Copy File", the seventh item (the separator is passed over).
  for (int i = 0; i < 7; ++i) typeKeys({VK_DOWN});
  typeKeys({VK_RETURN});
  HWND location = p.form("Form4");
  REQUIRE(location != nullptr);
  HWND targets = control(location, "Dir1");
  REQUIRE(clickItem(targets, "PICS"));  // the dialog opens in the program's folder
  CHECK(p.idle());
  keys(location, {VK_DOWN});  // ART
  keys(location, {VK_RETURN});
  CHECK(waitFor([&] { return lastOpenFolder(targets, 2) == "ART"; }));
  CHECK(IsWindowVisible(location));  // Enter opened the folder and pressed nothing
  keys(location, {VK_MENU, 'D'});    // "&Done"
  CHECK(waitFor([] { return fileExists("C:\\PICS\\ART\\beach.bmp"); }));
  CHECK(waitFor([&] { return !IsWindow(location) || !IsWindowVisible(location); }));
  CHECK(fileExists("C:\\PICS\\June\\beach.bmp"));

  // Enter views the picture in the Low-Res view, which takes the keyboard;
  // Esc closes it and gives the keyboard back to the files.
  HWND view = control(main, "Frame17");
  REQUIRE(clickItem(files, "beach.bmp"));
  keys(main, {VK_RETURN});
  CHECK(waitFor([&] { return twipsRect(view).top == 60; }));
  CHECK(p.idle());
  CHECK_MSG(IsChild(view, focusOf(main)), "the raised view has the keyboard", focusedName(main));
  keys(main, {VK_APPS});  // the view's own menu
  CHECK(waitFor([&] { return !(menu = p.openPopup()).empty(); }));
  CHECK(!menu.empty() && menu[0].caption == "Close File");
  typeKeys({VK_ESCAPE});
  CHECK(waitFor([&] { return p.openPopup().empty(); }));
  keys(main, {VK_ESCAPE});
  CHECK(waitFor([&] { return twipsRect(view).top >= 4995; }));
  CHECK(p.idle());
  CHECK_EQ(focusedName(main), std::string("File1"));

  // Down goes down a column of the "?" page's options, not across.
  p.selectTab(control(main, "SSTab1"), 6);
  HWND images = control(main, "SSOption1"), music = control(main, "SSOption2");
  click(images);
  CHECK(p.idle());
  keys(main, {VK_DOWN});
  CHECK(waitFor([&] { return checked(music); }));
  CHECK_EQ(focusedName(main), std::string("SSOption2"));
  CHECK_EQ(text(control(main, "Label19")), std::string("MID , RMI"));

  // The tray's menu closes, and Ctrl+Q works at once: the main window has
  // the keyboard again, though nobody brought it to the front.
  HWND hook = control(p.formNow("Form2", false), "pichook");
  PostMessageW(hook, WM_MOUSEMOVE, 0, 0x205);
  CHECK(waitFor([&] { return !p.openPopup().empty(); }));
  PostMessageW(menuWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
  CHECK(waitFor([&] { return p.openPopup().empty(); }));
  CHECK(waitFor([&] { return GetForegroundWindow() == main; }));
  CHECK(p.idle());
  typeKeys({VK_CONTROL, 'Q'});
  CHECK(p.waitExit(kPatience));
  CHECK_EQ(p.exitCode(), DWORD{0});
}

}  // namespace e2e
