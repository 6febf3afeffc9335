// The break reminder in the real program: its properties window, the
// profile files, the Browse dialogs, and breaks run by fired minute ticks.
#include "../media_files.h"
#include "common.h"

namespace e2e {

namespace {

const std::string kWin = "C:\\windows\\";

std::string rem(int n) {
  return kWin + "rem" + std::to_string(n) + ".cfg";
}

// The file-open dialog of that title: a file typed into it and OK, or Cancel.
bool answerFileDialog(Program& p, const std::string& title, const std::string& typed) {
  HWND dialog = nullptr;
  waitFor([&] { return (dialog = FindWindowW(L"#32770", wide(title).c_str())) != nullptr; }, 60000);
  if (!dialog) return false;
  DWORD owner = 0;
  GetWindowThreadProcessId(dialog, &owner);
  if (owner != p.pid()) return false;
  if (!typed.empty()) {
    HWND name = GetDlgItem(dialog, 0x47C);
    if (!name) name = GetDlgItem(dialog, 0x480);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(typed).c_str()));
  }
  int button = typed.empty() ? IDCANCEL : IDOK;
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  return waitFor([&] { return !IsWindow(dialog); });
}

bool menuGreyed(Program& p, HWND main) {
  auto line = menuLine(p, main, "Remin&der Setup\tCtrl+R");
  CHECK(line.depth >= 0);
  return hasFlag(line, 'G');
}

}  // namespace

// A first run's values, typed values saved by Hide into nine one-line files
// and read back by the next start, and the two Browse dialogs.
SCENARIO(reminder_profile) {
  knowWindowsPath();
  showTipsAtStart(false);
  makeDirectory("C:\\sounds");
  REQUIRE(writeFile("C:\\sounds\\gong.wav", testmedia::silentWave(10)));
  Program p;
  HWND main = startMain(p);
  HWND props = nullptr;
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  CHECK(p.idle());  // its values are set once it is loaded
  CHECK(!IsWindowVisible(props));
  keys(main, {VK_CONTROL, 'R'});
  props = p.form("FORM19");
  REQUIRE(props != nullptr);
  CHECK_EQ(text(props), std::string("Varilume Reminder Properties"));
  CHECK(centred(props));
  CHECK((GetWindowLongW(props, GWL_STYLE) & WS_SYSMENU) == 0);  // no close box
  // No profile file yet: the design values, the reminder switched off.
  CHECK_EQ(text(control(props, "Text1")), std::string("60"));
  CHECK_EQ(text(control(props, "Text2")), std::string("5"));
  CHECK_EQ(text(control(props, "Label2")), std::string("60"));
  CHECK(!checked(control(props, "Option1")) && checked(control(props, "Option2")));

  // Browse: Cancel keeps the text, a pick replaces it; neither ticks the box.
  click(control(props, "Command8"));
  CHECK(answerFileDialog(p, "Open Picture", ""));
  CHECK_EQ(text(control(props, "Text5")), std::string(""));
  click(control(props, "Command2"));
  CHECK(answerFileDialog(p, "Open Sound or Music", "C:\\sounds\\gong.wav"));
  CHECK(waitFor([&] { return text(control(props, "Text4")) == "C:\\sounds\\gong.wav"; }));
  CHECK(!checked(control(props, "Check1")));

  const std::string message = "Look away, \"breathe\", caf\xC3\xA9";
  setText(control(props, "Text1"), "150");
  setText(control(props, "Text3"), message);
  click(control(props, "Check1"));
  click(control(props, "Option1"));
  click(control(props, "Command5"));  // break 5 -> 6
  click(control(props, "SSCommand3"));
  CHECK(waitFor([&] { return !IsWindowVisible(props); }));
  CHECK(waitFor([] { return fileExists(rem(9)); }));
  for (int n = 1; n <= 9; ++n) {
    std::string content = readFile(rem(n)).value_or("");
    CHECK(content.size() >= 2 && content.find("\r\n") == content.size() - 2);
  }
  CHECK_EQ(readFile(rem(1)).value_or(""), std::string("150\r\n"));

  p.kill();
  main = startMain(p);
  keys(main, {VK_CONTROL, 'R'});
  props = p.form("FORM19");
  REQUIRE(props != nullptr);
  CHECK_EQ(text(control(props, "Text1")), std::string("150"));
  CHECK_EQ(text(control(props, "Text2")), std::string("6"));
  CHECK_EQ(text(control(props, "Text3")), message);
  CHECK_EQ(text(control(props, "Text4")), std::string("C:\\sounds\\gong.wav"));
  CHECK(checked(control(props, "Check1")) && checked(control(props, "Option1")));
  CHECK(!checked(control(props, "Option2")));
}

// Fired minute ticks count down to the break window, which counts down and
// ends; the properties window comes back hidden with the full interval. Test
// with the properties window open; the menu entry greyed during a break.
SCENARIO(reminder_break) {
  knowWindowsPath();
  showTipsAtStart(false);
  makeDirectory("C:\\break");
  REQUIRE(writeFile("C:\\break\\calm.bmp",
                    testpics::bitmapFile(60, 40, [](int, int) { return RGB(0, 128, 255); })));
  REQUIRE(writeFile("C:\\break\\gong.wav", testmedia::silentWave(20)));
  const char* values[] = {
      "2",    "2",    "Time for a walk.", "C:\\break\\gong.wav", "C:\\break\\calm.bmp", "1", "1",
      "True", "False"};
  for (int n = 1; n <= 9; ++n) REQUIRE(writeFile(rem(n), std::string(values[n - 1]) + "\r\n"));

  Program p;
  HWND main = startMain(p);
  HWND props = nullptr;
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  CHECK(p.idle());  // its values are set once it is loaded
  REQUIRE(props != nullptr);
  CHECK_EQ(text(control(props, "Label2")), std::string("2"));
  minute(props, L"Timer2");
  CHECK(waitFor([&] { return text(control(props, "Label2")) == "1"; }));
  CHECK(p.formNow("Form20") == nullptr);
  minute(props, L"Timer2");
  HWND breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  CHECK(waitFor([&] { return !IsWindow(props); }));
  CHECK(centred(breakWindow));
  CHECK((GetWindowLongW(breakWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
  CHECK(menuGreyed(p, main));
  CHECK_EQ(text(control(breakWindow, "Label2")), std::string("2"));
  CHECK_EQ(text(control(breakWindow, "Text1")), std::string("Time for a walk."));
  CHECK(visible(control(breakWindow, "Image1")));
  CHECK(!p.messageBoxOpen());

  minute(breakWindow, L"Timer1");
  CHECK(waitFor([&] { return text(control(breakWindow, "Label2")) == "1"; }));
  minute(breakWindow, L"Timer1");
  CHECK(waitFor([&] { return !IsWindow(breakWindow); }));
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  CHECK(p.idle());  // its values are set once it is loaded
  CHECK(!IsWindowVisible(props));
  CHECK_EQ(text(control(props, "Label2")), std::string("2"));
  CHECK(waitFor([&] { return !menuGreyed(p, main); }));

  // Test with the window open; no picture this time: the message takes its place.
  keys(main, {VK_CONTROL, 'R'});
  props = p.form("FORM19");
  REQUIRE(props != nullptr);
  click(control(props, "Check2"));
  setText(control(props, "Text3"), "Tested.");
  click(control(props, "Command6"));
  breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  CHECK(waitFor([&] { return !IsWindow(props); }));
  CHECK_EQ(readFile(rem(3)).value_or(""), std::string("Tested.\r\n"));
  CHECK(!visible(control(breakWindow, "Image1")));
  CHECK(placedAt(control(breakWindow, "Text1"), {120, 180, 2595, 3855}));
  click(control(breakWindow, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(breakWindow); }));
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  CHECK(p.idle());  // its values are set once it is loaded
  CHECK(!IsWindowVisible(props));

  // A broken picture and a folder for a sound: the break comes all the same,
  // with an empty picture area and no sound, and says nothing.
  REQUIRE(writeFile("C:\\break\\broken.bmp", "BM\x10\x00\x00"));
  keys(main, {VK_CONTROL, 'R'});
  props = p.form("FORM19");
  REQUIRE(props != nullptr);
  setText(control(props, "Text5"), "C:\\break\\broken.bmp");
  setText(control(props, "Text4"), "C:\\break");
  click(control(props, "Check2"));
  click(control(props, "Command6"));
  breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  CHECK(visible(control(breakWindow, "Image1")));
  CHECK(!p.messageBoxOpen());
  click(control(breakWindow, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(breakWindow); }));
  CHECK(p.running());
}

}  // namespace e2e
