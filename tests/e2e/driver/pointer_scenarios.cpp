// Where the pointer is decides: a right click picks the file the menu acts
// on, a double click that opens the view opens nothing more, the Low-Res
// view and the logo changer stay with the Image page, and "Open with" takes
// a file name in any letter case.
#include "common.h"

namespace e2e {

namespace {

const std::string kRed = "255,0,0";
const std::string kBlue = "0,0,255";

std::string solid(int w, int h, COLORREF colour) {
  return testpics::bitmapFile(w, h, [=](int, int) { return colour; });
}

// The program in C:\PICS, in the display mode given ("1" High-Res, "0" Low-Res).
HWND startInPictures(Program& p, const char* mode, const std::string& arguments = "") {
  knowWindowsPath();
  showTipsAtStart(false);
  REQUIRE(writeFile("C:\\res.cfg", std::string(mode) + "\r\n"));
  REQUIRE(p.start(arguments, "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  return main;
}

bool listed(HWND list, const std::string& item) {
  auto items = listItems(list);
  return std::find(items.begin(), items.end(), item) != items.end();
}

std::string selected(HWND list) {
  int i = listSelection(list);
  auto items = listItems(list);
  return i >= 0 && i < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(i)] : "";
}

// A click that the list shows and the program has acted on.
void pick(Program& p, HWND list, const std::string& name) {
  REQUIRE(clickItem(list, name));
  CHECK(waitFor([&] { return selected(list) == name; }));
  CHECK(p.idle());
}

// Real mouse input: the pointer goes to the point of the window's client
// area, then the left button goes down (true) or up (false) in turn.
void leftButton(HWND window, POINT at, std::initializer_list<bool> downs) {
  ClientToScreen(window, &at);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = MulDiv(at.x, 65535, screenWidth() - 1);
  move.mi.dy = MulDiv(at.y, 65535, screenHeight() - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  std::vector<INPUT> inputs{move};
  for (bool down : downs) {
    INPUT in = move;
    in.mi.dwFlags |= down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int clientWidth(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return r.right;
}

}  // namespace

// The pop-up menu's Delete File removes the file right-clicked, never the one
// selected before; below the last file it acts on the selection.
SCENARIO(pointer_right_click) {
  makeDirectory("C:\\PICS");
  REQUIRE(writeFile("C:\\PICS\\one.bmp", solid(40, 40, RGB(255, 0, 0))));
  REQUIRE(writeFile("C:\\PICS\\three.bmp", solid(40, 40, RGB(0, 0, 255))));
  REQUIRE(writeFile("C:\\PICS\\two.bmp", solid(40, 40, RGB(0, 255, 0))));
  REQUIRE(writeFile("C:\\PICS\\a.mid", "MThd"));
  REQUIRE(writeFile("C:\\PICS\\b.mid", "MThd"));
  Program p;
  HWND main = startInPictures(p, "1");
  HWND files = control(main, "File1");
  HWND preview = control(main, "Image2");
  pick(p, files, "one.bmp");
  CHECK(waitFor([&] { return rgb(pixelAt(preview, 10, 10)) == kRed; }));

  auto three = itemPoint(files, "three.bmp");
  REQUIRE(three.has_value());
  auto menu = p.popupOf(files, *three);
  CHECK_EQ(menu.size(), std::size_t{9});
  // The right button selected the file as a click does: path and preview.
  CHECK_EQ(selected(files), std::string("three.bmp"));
  CHECK_EQ(text(control(main, "Text1")), std::string("C:\\PICS\\three.bmp"));
  CHECK(waitFor([&] { return rgb(pixelAt(preview, 10, 10)) == kBlue; }));

  pick(p, files, "one.bmp");
  three = itemPoint(files, "three.bmp");
  REQUIRE(three.has_value());
  REQUIRE(p.choosePopupItem(files, "Delete File", *three));
  CHECK(waitFor([] { return !fileExists("C:\\PICS\\three.bmp"); }));
  CHECK(waitFor([&] { return !listed(files, "three.bmp"); }));
  CHECK(p.idle());
  CHECK(fileExists("C:\\PICS\\one.bmp"));
  CHECK(fileExists("C:\\PICS\\two.bmp"));
  CHECK(!p.messageBoxOpen());

  // Below the last file: the menu is for the file selected.
  pick(p, files, "two.bmp");
  RECT area;
  GetClientRect(files, &area);
  RECT last{};
  SendMessageW(files, LB_GETITEMRECT, listItems(files).size() - 1, reinterpret_cast<LPARAM>(&last));
  REQUIRE(last.bottom + 4 < area.bottom);
  REQUIRE(p.choosePopupItem(files, "Delete File", POINT{4, area.bottom - 4}));
  CHECK(waitFor([] { return !fileExists("C:\\PICS\\two.bmp"); }));
  CHECK(p.idle());
  CHECK(fileExists("C:\\PICS\\one.bmp"));

  // The Music page alike.
  HWND tabs = control(main, "SSTab1");
  p.selectTab(tabs, 1);
  HWND music = control(main, "File2");
  pick(p, music, "a.mid");
  auto b = itemPoint(music, "b.mid");
  REQUIRE(b.has_value());
  REQUIRE(p.choosePopupItem(music, "Delete File", *b));
  CHECK(waitFor([] { return !fileExists("C:\\PICS\\b.mid"); }));
  CHECK(p.idle());
  CHECK(fileExists("C:\\PICS\\a.mid"));
  CHECK(!p.messageBoxOpen());
}

// "Open with" hands over the name as the file system spells it.
SCENARIO(pointer_mixed_case) {
  makeDirectory("C:\\PICS");
  REQUIRE(writeFile("C:\\PICS\\Sunset.Bmp", solid(60, 40, RGB(255, 0, 0))));
  Program p;
  HWND main = startInPictures(p, "1", "C:\\PICS\\Sunset.Bmp");
  CHECK_EQ(text(control(main, "Text1")), std::string("C:\\PICS\\Sunset.Bmp"));
  HWND image3 = control(main, "Image3");
  CHECK(waitFor([&] { return rgb(pixelAt(image3, 20, 20)) == kRed; }));
  CHECK(!p.messageBoxOpen());
}

// In High-Res mode the double click widens and re-centres the window, so the
// second click's release comes on the new picture: it opens no full screen.
SCENARIO(pointer_double_click) {
  makeDirectory("C:\\PICS");
  REQUIRE(writeFile("C:\\PICS\\wide.bmp", solid(400, 300, RGB(0, 0, 255))));
  Program p;
  HWND main = startInPictures(p, "1");
  HWND files = control(main, "File1");
  int narrow = clientWidth(main);
  auto at = itemPoint(files, "wide.bmp");
  REQUIRE(at.has_value());
  SetForegroundWindow(main);
  waitFor([&] { return GetForegroundWindow() == main; }, 5000);
  // Down, up, down: the double click; the last release waits for the view.
  leftButton(files, *at, {true, false, true});
  HWND image3 = control(main, "Image3");
  CHECK(waitFor([&] { return clientWidth(main) > narrow * 3 / 2; }));
  CHECK(waitFor([&] { return rgb(pixelAt(image3, 100, 100)) == kBlue; }));
  CHECK(p.idle());
  RECT picture;
  GetClientRect(image3, &picture);
  leftButton(image3, POINT{picture.right / 3, picture.bottom / 3}, {false});
  CHECK(p.idle());
  CHECK(p.formNow("Form6", false) == nullptr);
  CHECK_EQ(text(control(main, "Text1")), std::string("C:\\PICS\\wide.bmp"));

  // A whole click on the picture does open it.
  postClick(image3, 20, 20);
  HWND full = p.form("Form6");
  REQUIRE(full != nullptr);
  keys(full, {VK_ESCAPE});
  CHECK(waitFor([&] { return !IsWindow(full); }));
}

// The Low-Res view and the logo changer belong to the Image page: over the
// others they would cover everything. The page keys work while the view
// covers the tab headers.
SCENARIO(pointer_low_res_pages) {
  makeDirectory("C:\\PICS");
  REQUIRE(writeFile("C:\\PICS\\red.bmp", solid(100, 100, RGB(255, 0, 0))));
  Program p;
  HWND main = startInPictures(p, "0");
  HWND tabs = control(main, "SSTab1");
  REQUIRE(doubleClickItem(control(main, "File1"), "red.bmp"));
  HWND frame = control(main, "Frame17");
  HWND image1 = control(main, "Image1");
  CHECK(waitFor([&] { return twipsRect(frame).top == 60 && visible(frame); }));
  CHECK(waitFor([&] { return rgb(pixelAt(image1, 30, 30)) == kRed; }));

  auto turn = [&](std::initializer_list<WORD> chord, int page) {
    keys(main, chord);
    CHECK(waitFor([&] { return currentTab(tabs) == page; }));
    CHECK(p.idle());
    bool imagePage = page == 0;
    CHECK_EQ(visible(frame), imagePage);
    if (page == 1) CHECK(visible(control(main, "File2")));
  };
  turn({VK_CONTROL, VK_TAB}, 1);
  turn({VK_CONTROL, VK_PRIOR}, 0);
  turn({VK_CONTROL, VK_NEXT}, 1);
  turn({VK_CONTROL, VK_SHIFT, VK_TAB}, 0);
  turn({VK_CONTROL, VK_SHIFT, VK_TAB}, 6);
  turn({VK_CONTROL, VK_TAB}, 0);
  // Back on the Image page the view is raised as it was, with its picture.
  CHECK_EQ(twipsRect(frame).top, 60);
  CHECK(waitFor([&] { return rgb(pixelAt(image1, 30, 30)) == kRed; }));

  keys(main, {VK_F1});
  CHECK(waitFor([&] { return currentTab(tabs) == 6; }));
  CHECK(p.idle());
  CHECK(!visible(frame));
  p.selectTab(tabs, 0);
  CHECK(waitFor([&] { return visible(frame); }));

  // The logo changer: over the Image page only, and back as it was left.
  keys(main, {VK_CONTROL, 'L'});
  HWND panel = control(main, "SSPanel10");
  CHECK(waitFor([&] { return twipsRect(panel).top == 300 && visible(panel); }));
  click(control(main, "Option3"));
  CHECK(waitFor([&] { return checked(control(main, "Option3")); }));
  p.selectTab(tabs, 3);
  CHECK(!visible(panel));
  CHECK(!visible(frame));
  CHECK(visible(control(main, "File4")));
  p.selectTab(tabs, 0);
  CHECK(waitFor([&] { return visible(panel); }));
  CHECK_EQ(twipsRect(panel).top, 300);
  CHECK(checked(control(main, "Option3")));
  CHECK(!visible(frame));  // still put away under the changer
  click(control(main, "SSCommand11"));
  CHECK(waitFor([&] { return visible(frame) && twipsRect(frame).top == 60; }));
  CHECK(!p.messageBoxOpen());
}

}  // namespace e2e
