// Every text of every window fits its control at the screen's DPI: captions,
// labels, options, check boxes, buttons and the status-bar help texts.
#include "../probe/probe_protocol.h"
#include "common.h"

namespace e2e {

namespace {

// The page fields of the current files, the High-Res panel and the parked
// views lie out of sight on purpose.
const std::initializer_list<const char*> kParked = {"Text1",     "Text2",   "Text3",    "Text4",
                                                    "SSPanel11", "Frame17", "SSPanel10"};

// Whether the user can point at the control: its middle is on it.
bool underPointer(HWND c) {
  RECT r;
  GetWindowRect(c, &r);
  HWND at = WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  return at == c || IsChild(c, at);
}

// Points at each control of the form the user can point at; each help text
// it writes into the status bar fits there.
void checkHelpTexts(Program& p, HWND form, HWND status) {
  for (HWND c : namedDescendants(form)) {
    if (!IsWindowVisible(c) || c == status || !underPointer(c)) continue;
    postMouseMove(c);
    REQUIRE(p.idle());
    if (p.statusText(status).empty()) continue;
    std::string fits = p.probe(vlprobe::kTextFits, status);
    if (fits != "1")
      fail(__FILE__, __LINE__,
           "the help text of " + nameOf(c) + " is cut in the status bar: " + fits);
  }
}

void checkPage(Program& p, HWND main, std::initializer_list<const char*> outside) {
  checkNothingCutOff(p, main, outside);
  HWND status = control(main, "StatusBar1");
  // The status bar lies along the whole bottom, the narrow window's or the wide one's.
  RECT client, bar;
  GetClientRect(main, &client);
  GetWindowRect(status, &bar);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&bar), 2);
  CHECK(bar.left == 0 && bar.right == client.right && bar.bottom == client.bottom);
  checkHelpTexts(p, main, status);
}

// "Copy File" from the menu of the file under the pointer.
bool rightClickCopy(Program& p, HWND list, const std::string& file) {
  auto at = itemPoint(list, file);
  return at && p.choosePopupItem(list, "Copy File", *at);
}

// Opens the location dialog of the page for its file, checks it and cancels it.
void checkLocationDialog(Program& p, HWND main, int tab, const char* list, const char* file,
                         const char* dialogName) {
  p.selectTab(control(main, "SSTab1"), tab);
  REQUIRE(rightClickCopy(p, control(main, list), file));
  HWND dialog = p.form(dialogName);
  REQUIRE(dialog != nullptr);
  checkNothingCutOff(p, dialog, {});
  click(control(dialog, "SSCommand1"));
  CHECK(waitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
}

}  // namespace

SCENARIO(text_fits) {
  putRedPicture();
  for (const char* name : {"tune.mid", "ding.wav", "clip.avi"})
    REQUIRE(writeFile(std::string("C:\\PICS\\") + name, "data"));
  makeHugeFile(L"C:\\PICS\\huge.avi", kLongCopyMegabytes);
  makeDirectory("C:\\ART");
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));

  HWND first = p.form("Form15");
  REQUIRE(first != nullptr);
  checkNothingCutOff(p, first, {});
  click(control(first, "SSCommand1"));
  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  checkNothingCutOff(p, tips, {});
  click(control(tips, "Command1"));

  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND tabs = control(main, "SSTab1");
  for (int page = 0; page < 7; ++page) {
    p.selectTab(tabs, page);
    checkPage(p, main, kParked);
  }
  // Each feature's help on the last page.
  for (const char* option :
       {"SSOption2", "SSOption3", "SSOption4", "SSOption5", "SSOption6", "SSOption7"}) {
    click(control(main, option));
    REQUIRE(p.idle());
    checkNothingCutOff(p, main, kParked);
  }
  struct Location {
    int tab;
    const char *list, *file, *dialog;
  } locations[] = {{0, "File1", "red.bmp", "Form4"},
                   {1, "File2", "tune.mid", "Form11"},
                   {2, "File3", "ding.wav", "Form12"},
                   {3, "File4", "clip.avi", "Form13"}};
  for (const Location& l : locations) checkLocationDialog(p, main, l.tab, l.list, l.file, l.dialog);

  // The picture in the Low-Res view with the logo changer over it, then in
  // the High-Res view where the screen holds the wide window.
  p.selectTab(tabs, 0);
  click(control(main, "Option2"));
  REQUIRE(doubleClickItem(control(main, "File1"), "red.bmp"));
  CHECK(waitFor([&] { return twipsRect(control(main, "Frame17")).top == 60; }));
  checkPage(p, main, {"Text1", "Text2", "Text3", "Text4", "SSPanel11", "SSPanel10"});
  keys(main, {VK_CONTROL, 'L'});
  CHECK(waitFor([&] { return twipsRect(control(main, "SSPanel10")).top == 300; }));
  checkPage(p, main, {"Text1", "Text2", "Text3", "Text4", "SSPanel11"});
  click(control(main, "SSCommand11"));
  click(control(main, "SSCommand6"));
  HWND high = control(main, "Option1");
  if (enabled(high) && twips(screenHeight()) >= 9000) {
    click(high);
    REQUIRE(doubleClickItem(control(main, "File1"), "red.bmp"));
    HWND panel = control(main, "SSPanel11");
    CHECK(waitFor([&] {
      return IsWindowVisible(panel) && windowRect(main).right > windowRect(panel).right;
    }));
    checkPage(p, main, {"Text1", "Text2", "Text3", "Text4", "Frame17", "SSPanel10"});
    click(control(main, "SSCommand8"));
  }

  // The reminder's properties, with a status bar of their own, and a break.
  keys(main, {VK_CONTROL, 'R'});
  HWND properties = p.form("FORM19");
  REQUIRE(properties != nullptr);
  checkNothingCutOff(p, properties, {});
  checkHelpTexts(p, properties, control(properties, "StatusBar1"));
  click(control(properties, "Command6"));
  HWND pause = p.form("Form20");
  REQUIRE(pause != nullptr);
  checkNothingCutOff(p, pause, {});
  click(control(pause, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(pause) || !IsWindowVisible(pause); }));
  keys(properties, {VK_ESCAPE});

  // A long copy's window, stopped once looked at.
  p.selectTab(tabs, 3);
  REQUIRE(rightClickCopy(p, control(main, "File4"), "huge.avi"));
  HWND location = p.form("Form13");
  REQUIRE(location != nullptr);
  HWND dirs = control(location, "Dir1");
  for (const char* folder : {"C:\\", "ART"}) {
    REQUIRE(doubleClickItem(dirs, folder));
    CHECK(waitFor([&] {
      int i = listSelection(dirs);
      return i >= 0 && listItems(dirs)[static_cast<std::size_t>(i)] == folder;
    }));
    REQUIRE(p.idle());
  }
  click(control(location, "SSCommand2"));
  HWND progress = p.form("Form3");
  REQUIRE(progress != nullptr);
  checkNothingCutOff(p, progress, {});
  click(control(progress, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(progress); }));
  REQUIRE(p.idle());
  CHECK(!fileExists("C:\\ART\\huge.avi"));

  // The tip of the day as it shows on later starts, with all its buttons.
  PostMessageW(main, WM_CLOSE, 0, 0);
  CHECK(p.waitExit(kPatience));
  Program again;
  REQUIRE(again.start("", "C:\\PICS"));
  HWND tips2 = again.form("Form14");
  REQUIRE(tips2 != nullptr);
  checkNothingCutOff(again, tips2, {});
}

}  // namespace e2e
