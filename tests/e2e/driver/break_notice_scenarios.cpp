// Breaks people keep, in the real program: the notice a minute before, which
// leaves the keyboard where it was, postponing three times in a row from the
// notice and the break, the record of breaks in the user's settings, and a
// break over two monitors.
#include "common.h"

namespace e2e {

SCENARIO(break_notice) {
  knowWindowsPath();
  showTipsAtStart(false);
  putRedPicture();
  const char* values[] = {"2", "2", "Stretch.", "", "", "0", "0", "True", "False"};
  for (int n = 1; n <= 9; ++n)
    REQUIRE(writeFile("C:\\windows\\rem" + std::to_string(n) + ".cfg",
                      std::string(values[n - 1]) + "\r\n"));
  Program p;
  REQUIRE(p.start("", "C:\\PICS"));
  HWND main = p.form("Form1");
  REQUIRE(main != nullptr);
  HWND props = nullptr;
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  REQUIRE(props != nullptr);
  CHECK(p.idle());
  HWND files = control(main, "File1");
  REQUIRE(clickItem(files, "red.bmp"));
  CHECK(waitFor([&] { return focusOf(main) == files && GetForegroundWindow() == main; }));

  // The last minute: the notice, in the free area's corner, on top, and
  // the keyboard still in the file list.
  auto notice = [&] {
    minute(props, L"Timer2");
    HWND n = p.form("Form21");
    REQUIRE(n != nullptr);
    CHECK(waitFor([&] { return IsWindowVisible(n) != 0; }));
    return n;
  };
  HWND first = notice();
  CHECK_EQ(text(first), std::string("Varilume SE"));
  CHECK_EQ(text(control(first, "Label1")), std::string("A break begins in 1 minute."));
  CHECK_EQ(text(control(first, "Command1")), std::string("&Postpone 5 Minutes"));
  LONG_PTR ex = GetWindowLongPtrW(first, GWL_EXSTYLE);
  CHECK((ex & WS_EX_NOACTIVATE) != 0 && (ex & WS_EX_TOPMOST) != 0);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  CHECK(waitFor([&] {
    RECT r = windowRect(first);
    return std::abs(r.right - work.right) <= 1 && std::abs(r.bottom - work.bottom) <= 1;
  }));
  CHECK(p.idle());
  CHECK(GetForegroundWindow() == main);
  CHECK(focusOf(main) == files);

  // One: from the notice; the countdown reads 5.
  click(control(first, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(first); }));
  CHECK(waitFor([&] { return text(control(props, "Label2")) == "5"; }));
  for (int i = 0; i < 3; ++i) minute(props, L"Timer2");
  CHECK(waitFor([&] { return text(control(props, "Label2")) == "2"; }));
  HWND second = notice();
  minute(props, L"Timer2");
  HWND breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  CHECK(waitFor([&] { return !IsWindow(second); }));
  // Two: from the break, which goes with no break counted.
  HWND postpone = control(breakWindow, "Command2");
  CHECK_EQ(text(postpone), std::string("&Postpone 5 Minutes"));
  CHECK(enabled(postpone));
  click(postpone);
  CHECK(waitFor([&] { return !IsWindow(breakWindow); }));
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  CHECK(waitFor([&] { return text(control(props, "Label2")) == "5"; }));
  // Three, then greyed in both windows.
  for (int i = 0; i < 3; ++i) minute(props, L"Timer2");
  HWND third = notice();
  click(control(third, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(third); }));
  CHECK(waitFor([&] { return text(control(props, "Label2")) == "5"; }));
  for (int i = 0; i < 3; ++i) minute(props, L"Timer2");
  HWND last = notice();
  CHECK(!enabled(control(last, "Command1")));
  minute(props, L"Timer2");
  breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  CHECK(!enabled(control(breakWindow, "Command2")));

  // Ended early: a break taken; the record has four lines and the
  // properties say so.
  click(control(breakWindow, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(breakWindow); }));
  CHECK(waitFor([&] { return (props = p.formNow("FORM19", false)) != nullptr; }));
  CHECK(p.idle());
  std::string record = readFile(userSettings("breaks.csv")).value_or("");
  std::vector<std::string> events;
  for (std::size_t at = 0; at < record.size();) {
    std::size_t end = record.find("\r\n", at);
    if (end == std::string::npos) break;
    std::string line = record.substr(at, end - at);
    CHECK(line.size() > 20 && line[10] == 'T');
    events.push_back(line.substr(20));
    at = end + 2;
  }
  CHECK(events ==
        (std::vector<std::string>{"postponed,5", "postponed,5", "postponed,5", "ended-early,0"}));
  CHECK_EQ(text(control(props, "Label9")), std::string("Today: 1 break, 3 postponed, 0 natural"));
}

// Two monitors: the break window on one, a cover over the other; both go
// with the break.
SCENARIO(break_two_monitors) {
  knowWindowsPath();
  showTipsAtStart(false);
  Program p;
  HWND main = startMain(p);
  // Under Xinerama both screens lie at the origin, each of the screen's size.
  REQUIRE(GetSystemMetrics(SM_CMONITORS) == 2);
  keys(main, {VK_CONTROL, 'R'});
  HWND props = p.form("FORM19");
  REQUIRE(props != nullptr);
  click(control(props, "Command6"));  // Test
  HWND breakWindow = p.form("Form20");
  REQUIRE(breakWindow != nullptr);
  HWND cover = p.form("Form22");
  REQUIRE(cover != nullptr);
  CHECK(waitFor([&] { return IsWindowVisible(cover) != 0; }));
  CHECK(waitFor([&] {
    RECT r = windowRect(cover);
    return r.left == 0 && r.top == 0 && r.right == screenWidth() && r.bottom == screenHeight();
  }));
  LONG_PTR ex = GetWindowLongPtrW(cover, GWL_EXSTYLE);
  CHECK((ex & WS_EX_TOPMOST) != 0 && (ex & WS_EX_NOACTIVATE) != 0);
  CHECK(IsWindowVisible(breakWindow) != 0);
  click(control(breakWindow, "Command1"));
  CHECK(waitFor([&] { return !IsWindow(breakWindow) && !IsWindow(cover); }));
}

}  // namespace e2e
