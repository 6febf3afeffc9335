// Start-up, the first-run dialog, the settings files, the command line and Quit.
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "common.h"

#include <psapi.h>

namespace e2e {

std::vector<std::string> installedTips() {
  std::vector<std::string> tips;
  std::string bytes = readFile(std::string(kInstallDir) + "\\tip.dat").value_or("");
  for (std::size_t at = 0; at + 255 <= bytes.size(); at += 255) {
    std::string record = bytes.substr(at, 255);
    std::size_t first = record.find_first_not_of(' ');
    tips.push_back(first == std::string::npos
                       ? std::string()
                       : record.substr(first, record.find_last_not_of(' ') - first + 1));
  }
  return tips;
}

bool centred(HWND window) {
  RECT r = windowRect(window);
  int width = r.right - r.left, height = r.bottom - r.top;
  bool ok = std::abs(r.left - (screenWidth() - width) / 2) <= 1 &&
            std::abs(r.top - (screenHeight() - height) / 2) <= 1;
  if (!ok)
    std::printf("  %s at %ld,%ld size %dx%d on a %dx%d screen\n", nameOf(window).c_str(), r.left,
                r.top, width, height, screenWidth(), screenHeight());
  return ok;
}

namespace {

const char* const kDialogText =
    "You will only be asked this once.  Please input your full Windows Path, it is very "
    "important that this is correct or Varilume will not function properly and you will have to "
    "manually delete \"c:\\windir.cfg\" and launch Varilume again.  The path must end with a "
    "backslash \"\\\"  for example, this would be a valid path \"c:\\windows\\\"";

// Milliseconds until the process ends, or -1.
long long timeToExit(Program& p) {
  auto start = std::chrono::steady_clock::now();
  if (!p.waitExit(kPatience)) return -1;
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start)
      .count();
}

std::string processImage(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, pid);
  if (!process) return {};
  wchar_t path[MAX_PATH] = {};
  DWORD n = MAX_PATH;
  QueryFullProcessImageNameW(process, 0, path, &n);
  TerminateProcess(process, 0);  // the editor has been seen; close it
  CloseHandle(process);
  return utf8(std::wstring(path, n));
}

struct EditorSearch {
  HWND found;
};
BOOL CALLBACK findEditor(HWND hwnd, LPARAM lp) {
  wchar_t title[256] = {};
  GetWindowTextW(hwnd, title, 256);
  std::wstring t = title;
  for (auto& ch : t) ch = static_cast<wchar_t>(towlower(ch));
  if (IsWindowVisible(hwnd) && t.find(L"readme") != std::wstring::npos &&
      t.find(L"notepad") != std::wstring::npos) {
    reinterpret_cast<EditorSearch*>(lp)->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

// General Information, then the editor that it started, which is closed again.
std::string openGeneralInformation(Program& p, HWND main) {
  auto contents = menuLine(p, main, "General Information\tCtrl+I");
  REQUIRE(contents.id != 0);
  postCommand(main, contents.id);
  EditorSearch s{nullptr};
  waitFor([&] {
    EnumWindows(findEditor, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
  });
  if (!s.found) return {};
  return processImage(s.found);
}

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

}  // namespace

SCENARIO(first_run) {
  Program p;
  REQUIRE(p.start());
  HWND dialog = p.form("Form15");
  REQUIRE(dialog != nullptr);
  CHECK(p.idle());
  CHECK(p.formNow("Form1") == nullptr);
  CHECK_EQ(text(dialog), std::string("Please enter your Windows path"));
  CHECK_EQ(text(control(dialog, "Text1")), std::string("c:\\windows\\"));
  CHECK_EQ(text(control(dialog, "Label2")), std::string(kDialogText));
  CHECK_EQ(text(control(dialog, "Label1")), std::string("Windows Path"));
  CHECK_EQ(text(control(dialog, "Frame1")), std::string("Windows Path"));
  CHECK_EQ(text(control(dialog, "SSCommand1")), std::string("&Done"));
  CHECK_EQ(text(control(dialog, "SSCommand2")), std::string("&Quit"));
  CHECK(centred(dialog));

  // Tab order: the text box, then "&Quit", then "&Done".
  HWND text1 = control(dialog, "Text1");
  CHECK(waitFor([&] { return focusOf(dialog) == text1; }));
  keys(dialog, {VK_TAB});
  CHECK(waitFor([&] { return focusOf(dialog) == control(dialog, "SSCommand2"); }));
  keys(dialog, {VK_TAB});
  CHECK(waitFor([&] { return focusOf(dialog) == control(dialog, "SSCommand1"); }));

  click(control(dialog, "SSCommand1"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  CHECK_EQ(readFile("C:\\windir.cfg").value_or("<none>"), std::string("c:\\windows\\\r\n"));
  CHECK_EQ(currentTab(control(main, "SSTab1")), 0);
  CHECK(waitFor([&] { return p.formNow("Form15", false) == nullptr; }));
  CHECK(p.idle());
  CHECK(p.formNow("Form5", false) == nullptr);

  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  CHECK_EQ(text(control(tips, "Label2")), std::string("Welcome!"));
  CHECK(visible(control(tips, "Label3")));
  CHECK_EQ(text(control(tips, "Label3")).rfind("Welcome to Varilume SE!  We gave Varilume", 0), 0u);
  CHECK(!enabled(control(tips, "Check1")));
  CHECK(!enabled(control(tips, "Command2")));
  CHECK(!enabled(control(tips, "Command3")));
  CHECK(enabled(control(tips, "Command1")));
  auto dyk = menuLine(p, main, "Did you &know...");
  CHECK(dyk.flags.find('G') != std::string::npos);
  CHECK_EQ(readFile("C:\\tip.cfg").value_or("<none>"), std::string("1\r\n"));
  CHECK_EQ(readFile("C:\\res.cfg").value_or("<none>"), std::string("1\r\n"));
  CHECK(checked(control(main, "Option1")));
}

SCENARIO(first_run_quit) {
  Program p;
  REQUIRE(p.start());
  HWND dialog = p.form("Form15");
  REQUIRE(dialog != nullptr);
  click(control(dialog, "SSCommand2"));
  CHECK(timeToExit(p) >= 0);
  CHECK(!fileExists("C:\\windir.cfg"));
  CHECK(!fileExists("C:\\res.cfg"));
  REQUIRE(p.start());
  CHECK(p.form("Form15") != nullptr);
}

SCENARIO(second_start) {
  knowWindowsPath();
  Program p;
  HWND main = startMain(p);
  CHECK(p.formNow("Form15", false) == nullptr);
  HWND tips = p.form("Form14");
  REQUIRE(tips != nullptr);
  std::vector<std::string> all = installedTips();
  CHECK(all.size() >= 20);
  std::string shown = text(control(tips, "Label1"));
  CHECK(std::find(all.begin(), all.end(), shown) != all.end());
  CHECK_EQ(text(control(tips, "Label2")), std::string("Did you know..."));
  CHECK(centred(main));
  CHECK(centred(tips));
  CHECK_EQ(text(main), std::string("Varilume SE"));
  CHECK_EQ(currentTab(control(main, "SSTab1")), 0);
  // The window's own width: 5955 twips with the standard border.
  CHECK(std::abs(twips(windowRect(main).right - windowRect(main).left) - 5955) <= twips(2));

  // The pages not shown yet have their controls all the same, out of sight, with their state.
  HWND firstHelp = control(main, "SSOption1");
  CHECK(checked(firstHelp));
  CHECK(!visible(firstHelp));
  CHECK(!text(control(main, "Label17")).empty());
  CHECK_EQ(text(control(main, "Label21")), std::string("Varilume SE 3.5"));
  HWND mciFiles = control(main, "File4");
  CHECK(!visible(mciFiles));
  std::vector<std::string> mciNames = listItems(mciFiles);
  CHECK(std::find(mciNames.begin(), mciNames.end(), "readme.txt") != mciNames.end());
  CHECK(!listItems(control(main, "Drive4")).empty());
}

SCENARIO(display_modes) {
  knowWindowsPath();
  showTipsAtStart(false);
  struct Case {
    const char* file;
    bool high, low;
    const char* after;
  } cases[] = {{"0\r\n", false, true, "0\r\n"},
               {"1\r\n", true, false, "1\r\n"},
               {nullptr, true, false, "1\r\n"},
               // Anything else was not written by the program: High-Res, mended.
               {"2\r\n", true, false, "1\r\n"},
               {"0 \r\n", true, false, "1\r\n"}};
  for (const Case& c : cases) {
    if (c.file)
      REQUIRE(writeFile("C:\\res.cfg", c.file));
    else
      removeFile("C:\\res.cfg");
    Program p;
    HWND main = startMain(p);
    std::printf("  res.cfg %s\n", c.file ? c.file : "missing\n");
    CHECK_EQ(checked(control(main, "Option1")), c.high);
    CHECK_EQ(checked(control(main, "Option2")), c.low);
    CHECK_EQ(readFile("C:\\res.cfg").value_or("<none>"), std::string(c.after));
  }
  // Choosing a mode saves it at once; Low-Res centres the window.
  Program p;
  HWND main = startMain(p);
  SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  click(control(main, "Option2"));
  CHECK(waitFor([] { return readFile("C:\\res.cfg") == std::optional<std::string>("0\r\n"); }));
  CHECK(waitFor([&] { return centred(main); }));
  SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  click(control(main, "Option1"));
  CHECK(waitFor([] { return readFile("C:\\res.cfg") == std::optional<std::string>("1\r\n"); }));
  CHECK(checked(control(main, "Option1")) && !checked(control(main, "Option2")));
  CHECK_EQ(windowRect(main).left, 0L);
}

// On a screen too narrow for the wide window (800 pixels at 144 DPI are
// 8000 twips) a saved High-Res starts in Low-Res: a picture named on the
// command line opens in the narrow window, on the screen, and c:\res.cfg
// keeps the saved mode until the user chooses one.
SCENARIO(high_res_start) {
  knowWindowsPath();
  showTipsAtStart(false);
  putRedPicture();
  REQUIRE(writeFile("C:\\res.cfg", "1\r\n"));
  Program p;
  HWND main = startMain(p, "C:\\PICS\\red.bmp");
  HWND high = control(main, "Option1");
  HWND low = control(main, "Option2");
  CHECK(!enabled(high) && !checked(high));
  CHECK(enabled(low) && checked(low));
  CHECK(waitFor([&] { return twipsRect(control(main, "Frame17")).top == 60; }));
  REQUIRE(p.idle());
  CHECK(!p.messageBoxOpen());
  RECT r = windowRect(main);
  CHECK(r.left >= 0 && r.top >= 0 && r.right <= screenWidth() && r.bottom <= screenHeight());
  // The status bar lies along the whole bottom of the narrow window.
  RECT client, bar;
  GetClientRect(main, &client);
  CHECK(std::abs(twips(client.right) - 5865) <= twips(2));
  GetWindowRect(control(main, "StatusBar1"), &bar);
  CHECK_EQ(bar.right - bar.left, client.right);
  CHECK_EQ(readFile("C:\\res.cfg").value_or("<none>"), std::string("1\r\n"));
  click(low);
  CHECK(waitFor([] { return readFile("C:\\res.cfg") == std::optional<std::string>("0\r\n"); }));
}

SCENARIO(quit_paths) {
  knowWindowsPath();
  Program p;
  HWND main = startMain(p);
  auto quit = menuLine(p, main, "&Quit\tCtrl+Q");
  REQUIRE(quit.id != 0);
  postCommand(main, quit.id);
  long long menuMs = timeToExit(p);
  CHECK(menuMs >= 0);
  CHECK_EQ(p.exitCode(), DWORD{0});

  main = startMain(p);
  HWND tips = p.form("Form14");
  if (tips) {
    click(control(tips, "Command1"));
    waitFor([&] { return !IsWindow(tips); });
  }
  keys(main, {VK_CONTROL, 'Q'});
  long long keyMs = timeToExit(p);
  CHECK(keyMs >= 0);
  CHECK_EQ(p.exitCode(), DWORD{0});

  main = startMain(p);
  PostMessageW(main, WM_CLOSE, 0, 0);
  long long closeMs = timeToExit(p);
  CHECK(closeMs >= 0);
  CHECK_EQ(p.exitCode(), DWORD{0});
  std::printf("  quit took %lld ms (menu), %lld ms (Ctrl+Q), %lld ms (close request)\n", menuMs,
              keyMs, closeMs);
}

SCENARIO(command_line) {
  knowWindowsPath();
  showTipsAtStart(false);
  struct Case {
    const char* arguments;
    const char* field;
    const char* path;
  } cases[] = {
      {"C:\\SND\\DING.WAV", "Text3", "C:\\SND\\DING.WAV"},
      {"\"C:\\My Pics\\\xC3\xA9t\xC3\xA9.bmp\"", "Text1", "C:\\My Pics\\\xC3\xA9t\xC3\xA9.bmp"},
      {"c:\\music\\bach.mid", "Text2", "c:\\music\\bach.mid"},
      {"C:\\clips\\intro.AVI", "Text4", "C:\\clips\\intro.AVI"},
      {"C:\\SND\\DING.Wav", "Text3", "C:\\SND\\DING.Wav"},
      {"C:\\PICS\\Sunset.Bmp", "Text1", "C:\\PICS\\Sunset.Bmp"},
      {"C:\\SND\\notes.Txt", "", ""},
  };
  for (const Case& c : cases) {
    Program p;
    HWND main = startMain(p, c.arguments);
    for (const char* field : {"Text1", "Text2", "Text3", "Text4"})
      CHECK_EQ(text(control(main, field)),
               std::string(field == std::string(c.field) ? c.path : ""));
    CHECK_EQ(currentTab(control(main, "SSTab1")), 0);
  }
}

SCENARIO(general_information) {
  knowWindowsPath();
  showTipsAtStart(false);
  {
    Program p;
    HWND main = startMain(p);
    CHECK_EQ(lower(openGeneralInformation(p, main)), std::string("c:\\windows\\notepad.exe"));
  }
  // A Windows path with spaces, a comma and letters outside the code page,
  // typed into the first-run dialog, comes back exactly at the next start.
  std::string odd = "C:\\\xD0\x9C\xD0\xBE\xD0\xB9 Windows, 2\\";
  makeDirectory(odd.substr(0, odd.size() - 1));
  REQUIRE(copyFile("C:\\windows\\notepad.exe", odd + "notepad.exe"));
  removeFile("C:\\windir.cfg");
  Program p;
  REQUIRE(p.start());
  HWND dialog = p.form("Form15");
  REQUIRE(dialog != nullptr);
  setText(control(dialog, "Text1"), odd);
  click(control(dialog, "SSCommand1"));
  REQUIRE(p.form("Form1") != nullptr);
  CHECK_EQ(readFile("C:\\windir.cfg").value_or("<none>"),
           std::string("\xEF\xBB\xBF\"") + odd + "\"\r\n");
  p.kill();
  HWND main = startMain(p);
  CHECK(p.formNow("Form15", false) == nullptr);
  CHECK_EQ(lower(openGeneralInformation(p, main)), lower(odd + "notepad.exe"));
}

}  // namespace e2e

namespace e2e {

// A program that crashes ends at once with its exit code: the test prefixes
// start no debugger that would keep it alive without a window.
SCENARIO(crash_ends_at_once) {
  Program crasher;
  std::string driver = utf8(driverDirectory()) + "\\e2e_driver.exe";
  REQUIRE(crasher.startCommand("\"" + driver + "\" --crash", utf8(driverDirectory())));
  ULONGLONG started = GetTickCount64();
  CHECK(crasher.waitExit(kPatience));
  CHECK_EQ(crasher.exitCode(), DWORD{0xC0000005});
  std::printf("  the crashed process ended after %llu ms\n", GetTickCount64() - started);
}

}  // namespace e2e
