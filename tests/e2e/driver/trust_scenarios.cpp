// What a new user meets first: every way to quit works in the middle of a
// long copy and leaves nothing half written, and a first reminder starts
// from its design values.
#include <chrono>
#include <cstdio>

#include "common.h"

namespace e2e {

namespace {

long long msSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start)
      .count();
}

// The program ends by itself with exit code 0, and the copy has left no trace.
void checkEndedCleanly(Program& p, const char* how, std::chrono::steady_clock::time_point asked) {
  bool ended = p.waitExit(kPatience);
  long long ms = msSince(asked);
  CHECK_MSG(ended, std::string(how) + " ends the program",
            "still running after " + std::to_string(ms) + " ms");
  std::printf("  %s ended the program %lld ms after it was asked\n", how, ms);
  CHECK_EQ(p.exitCode(), DWORD{0});
  checkSourceKeptAndNoCopyLeft();
}

}  // namespace

// The tray icon's menu, opened and chosen from while the copy runs.
SCENARIO(trust_tray_quit_during_copy) {
  Program p;
  HWND main = nullptr;
  HWND progress = startLongCopy(p, main);
  HWND popup = p.formNow("Form2", false);
  REQUIRE(popup != nullptr);
  PostMessageW(control(popup, "pichook"), WM_MOUSEMOVE, 0, 0x205);  // right button up
  std::vector<Program::MenuLine> menu;
  CHECK(waitFor([&] { return !(menu = p.openPopup()).empty(); }));
  // The open menu holds the copy where it is: it is still under way.
  CHECK(IsWindow(progress));
  UINT quit = 0;
  for (const auto& line : menu)
    if (line.caption == "Quit Varilume") quit = line.id;
  REQUIRE(quit != 0);
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  PostMessageW(menuWindow ? menuWindow : popup, WM_KEYDOWN, VK_ESCAPE, 0);
  CHECK(waitFor([&] { return p.openPopup().empty(); }));
  auto asked = std::chrono::steady_clock::now();
  postCommand(popup, quit);
  checkEndedCleanly(p, "the tray's Quit Varilume", asked);
}

// Ctrl+Q typed in the progress window, which has the focus while the copy runs.
SCENARIO(trust_ctrl_q_during_copy) {
  Program p;
  HWND main = nullptr;
  HWND progress = startLongCopy(p, main);
  CHECK(IsWindow(progress));
  auto asked = std::chrono::steady_clock::now();
  keys(progress, {VK_CONTROL, 'Q'});
  checkEndedCleanly(p, "Ctrl+Q", asked);
}

// With no profile file at all, the properties window shows a 60-minute
// interval, 5-minute breaks and the reminder switched off.
SCENARIO(trust_first_reminder) {
  knowWindowsPath();
  showTipsAtStart(false);
  Program p;
  HWND main = startMain(p);
  keys(main, {VK_CONTROL, 'R'});
  HWND props = p.form("FORM19");
  REQUIRE(props != nullptr);
  CHECK_EQ(text(control(props, "Text1")), std::string("60"));
  CHECK_EQ(text(control(props, "Text2")), std::string("5"));
  CHECK_EQ(text(control(props, "Label2")), std::string("60"));
  CHECK(!checked(control(props, "Option1")));
  CHECK(checked(control(props, "Option2")));
  for (const char* box : {"Text3", "Text4", "Text5"})
    CHECK_EQ(text(control(props, box)), std::string(""));
  CHECK(!checked(control(props, "Check1")) && !checked(control(props, "Check2")));
  CHECK(!fileExists("C:\\windows\\rem1.cfg"));  // shown, not written
}

}  // namespace e2e
