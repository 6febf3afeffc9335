// The logo changer on real files, the tray icon's menu, and files dropped on
// the main window.
#include "common.h"

namespace e2e {

namespace {

const std::string kShutdown = "C:\\windows\\logow.sys";
const std::string kTurnOff = "C:\\windows\\logos.sys";
const std::string kStartup = "C:\\logo.sys";

std::string solid(int w, int h, COLORREF c) {
  return testpics::bitmapFile(w, h, [c](int, int) { return c; });
}

std::string contents(const std::string& path) {
  return readFile(path).value_or("<none>");
}

// The message box that follows a click: its title and text, then OK.
std::string answerBox(Program& p) {
  auto box = waitMessageBox(p.pid());
  if (!box) return "<no box>";
  pressOk(*box);
  waitFor([&] { return !IsWindow(box->hwnd); });
  return box->title + ": " + box->text;
}

// The tray reports a mouse message over the icon, as the shell does.
void trayMessage(HWND hook, int number) {
  PostMessageW(hook, WM_MOUSEMOVE, 0, number);
}

}  // namespace

// The logo changer opened from Ctrl+L over a viewed 320 x 400 picture:
// Apply for each screen writes exactly that file, Backup twice, Restore,
// Backup without c:\logo.sys.
SCENARIO(logo_changer) {
  knowWindowsPath();
  showTipsAtStart(false);
  makeDirectory("C:\\PICS");
  const std::string picture = solid(320, 400, RGB(200, 40, 40));
  REQUIRE(writeFile("C:\\PICS\\boot.bmp", picture));
  REQUIRE(writeFile(kStartup, solid(32, 40, RGB(0, 0, 255))));
  REQUIRE(writeFile(kShutdown, solid(32, 40, RGB(0, 255, 0))));
  REQUIRE(writeFile(kTurnOff, solid(32, 40, RGB(255, 255, 0))));
  const std::string shutdown = contents(kShutdown), turnOff = contents(kTurnOff);
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND panel = control(main, "SSPanel10");
  CHECK_EQ(twipsRect(panel).top, 4995);
  REQUIRE(doubleClickItem(control(main, "File1"), "boot.bmp"));
  CHECK(waitFor([&] { return text(control(main, "Text1")) == "C:\\PICS\\boot.bmp"; }));
  keys(main, {VK_CONTROL, 'L'});
  CHECK(waitFor([&] { return twipsRect(panel).top == 300; }));
  CHECK(checked(control(main, "Option4")));
  CHECK_EQ(text(control(main, "Label13")),
           std::string("Files must be  BMP, 320x400 Resolution and 256 colors"));

  struct Case {
    const char* option;
    std::string file;
    const char* text;
  } cases[] = {
      {"Option5", kStartup,
       "The startup logo has been changed and if the image has proper format it will show on "
       "next boot-up."},
      {"Option4", kShutdown,
       "The shutdown logo has been changed and if the image has proper format it will show on "
       "next shut-down."},
      {"Option3", kTurnOff,
       "The turn-off logo has been changed and if the image has proper format it will show on "
       "next shut-down."}};
  // Backup first, so that Restore has the installed set to go back to.
  click(control(main, "SSCommand10"));
  CHECK_EQ(answerBox(p), std::string("Success: All logo files have been backed up in the root "
                                     "directory as backup(1,2,3).bmp"));
  CHECK_EQ(contents("C:\\backup2.bmp"), shutdown);
  for (const Case& c : cases) {
    click(control(main, c.option));
    click(control(main, "SSCommand12"));
    CHECK_EQ(answerBox(p), std::string("Success: ") + c.text);
    CHECK(contents(c.file) == picture);
  }
  click(control(main, "SSCommand10"));  // a second backup replaces the first
  CHECK_EQ(answerBox(p).rfind("Success: ", 0), 0u);
  CHECK(contents("C:\\backup3.bmp") == picture);
  REQUIRE(writeFile("C:\\backup2.bmp", shutdown));
  REQUIRE(writeFile("C:\\backup3.bmp", turnOff));
  click(control(main, "SSCommand5"));
  CHECK_EQ(answerBox(p),
           std::string("Success: All logo files have been restored to last previous state"));
  CHECK(contents(kShutdown) == shutdown);
  CHECK(contents(kTurnOff) == turnOff);

  removeFile(kStartup);
  click(control(main, "SSCommand10"));
  std::string said = answerBox(p);
  CHECK(said.rfind("Varilume SE 3.5a: ", 0) == 0);
  CHECK(said.find("c:\\logo.sys does not exist.") != std::string::npos);

  click(control(main, "SSCommand11"));
  // Parked again (5000 twips: the same pixel as 4995 on this screen).
  CHECK(waitFor([&] { return twipsRect(panel).top >= 4995; }));
  CHECK(visible(control(main, "Frame17")) || twipsRect(control(main, "Frame17")).top != 60);
}

// The tray: the right button's menu, Hide, a double click that keeps the
// window hidden, Show, the taskbar coming back, pausing the reminder and
// resuming it, and Quit.
SCENARIO(tray_and_drop) {
  knowWindowsPath();
  showTipsAtStart(false);
  // The reminder on, a break every 3 minutes.
  const char* values[] = {"3", "2", "", "", "", "0", "0", "True", "False"};
  for (int n = 1; n <= 9; ++n)
    REQUIRE(writeFile("C:\\windows\\rem" + std::to_string(n) + ".cfg",
                      std::string(values[n - 1]) + "\r\n"));
  makeDirectory("C:\\drop");
  REQUIRE(writeFile("C:\\drop\\sky blue \xC3\xA9.bmp", solid(40, 30, RGB(0, 128, 255))));
  makeDirectory("C:\\drop\\folder.bmp");
  Program p;
  HWND main = startMain(p);
  HWND popup = p.formNow("Form2", false);
  REQUIRE(popup != nullptr);
  CHECK(!IsWindowVisible(popup));
  CHECK_EQ(text(popup), std::string("Popup"));
  HWND hook = control(popup, "pichook");

  for (int other : {0x201, 0x202, 0x204, 0x206, 0x200}) trayMessage(hook, other);
  CHECK(p.idle());
  CHECK(p.openPopup().empty());
  trayMessage(hook, 0x205);
  std::vector<Program::MenuLine> menu;
  CHECK(waitFor([&] { return !(menu = p.openPopup()).empty(); }));
  std::vector<std::string> captions;
  for (const auto& line : menu) captions.push_back(line.caption);
  CHECK(captions == (std::vector<std::string>{
                        "Hide Varilume", "Show Varilume", "", "Pause Reminder for 30 Minutes",
                        "Pause Reminder for 1 Hour", "Pause Reminder Until Resumed",
                        "Resume Reminder", "", "Quit Varilume"}));
  REQUIRE(menu.size() == 9u);
  CHECK(hasFlag(menu[6], 'G'));  // nothing to resume
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  PostMessageW(menuWindow ? menuWindow : hook, WM_KEYDOWN, VK_ESCAPE, 0);
  CHECK(waitFor([&] { return p.openPopup().empty(); }));
  postCommand(popup, menu[0].id);
  CHECK(waitFor([&] { return !IsWindowVisible(main); }));
  trayMessage(hook, 0x203);
  CHECK(p.idle());
  CHECK(!IsWindowVisible(main));
  postCommand(popup, menu[1].id);
  CHECK(waitFor([&] { return IsWindowVisible(main); }));
  PostMessageW(popup, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  CHECK(p.idle());
  CHECK(p.running());

  // Drops: a folder and an unknown type do nothing; a picture opens.
  CHECK(p.dropFiles(main, {"C:\\drop\\folder.bmp", "C:\\drop\\notes.xyz"}));
  CHECK(p.idle());
  CHECK_EQ(text(control(main, "Text1")), std::string(""));
  CHECK(p.dropFiles(main, {"C:\\drop\\folder.bmp", "C:\\drop\\sky blue \xC3\xA9.bmp"}));
  CHECK(waitFor([&] { return text(control(main, "Text1")) == "C:\\drop\\sky blue \xC3\xA9.bmp"; }));
  CHECK(!p.messageBoxOpen());

  // Paused until resumed: three minutes bring no notice and no break, and
  // the count holds; Resume starts it again from the full interval.
  HWND props = nullptr;
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  REQUIRE(props != nullptr);
  CHECK(p.idle());
  postCommand(popup, menu[5].id);
  CHECK(p.idle());
  for (int i = 0; i < 3; ++i) minute(props, L"Timer2");
  CHECK(p.idle());
  CHECK_EQ(text(control(props, "Label2")), std::string("3"));
  CHECK(p.formNow("Form21") == nullptr);
  CHECK(p.formNow("Form20") == nullptr);
  trayMessage(hook, 0x205);
  CHECK(waitFor([&] { return (menu = p.openPopup()).size() == 9u; }));
  CHECK(!hasFlag(menu[6], 'G'));
  menuWindow = FindWindowW(L"#32768", nullptr);
  PostMessageW(menuWindow ? menuWindow : hook, WM_KEYDOWN, VK_ESCAPE, 0);
  CHECK(waitFor([&] { return p.openPopup().empty(); }));
  minute(props, L"Timer2");
  postCommand(popup, menu[6].id);
  minute(props, L"Timer2");
  CHECK(waitFor([&] { return text(control(props, "Label2")) == "2"; }));

  postCommand(popup, menu[8].id);
  CHECK(p.waitExit(kPatience));
  CHECK_EQ(p.exitCode(), DWORD{0});
}

}  // namespace e2e
