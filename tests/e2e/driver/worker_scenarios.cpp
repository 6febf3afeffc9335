// A long copy runs on a worker: the main window keeps answering meanwhile,
// and a file handed over while the program ends still opens, in the copy of
// the program that remains.
#include <algorithm>
#include <chrono>
#include <vector>

#include "common.h"

namespace e2e {

namespace {

// A visible main window of another process than this one: the copy of the
// program that remains.
struct OtherMain {
  DWORD exceptPid;
  HWND found;
};

BOOL CALLBACK findOtherMain(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<OtherMain*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->exceptPid && IsWindowVisible(hwnd) && nameOf(hwnd) == "Form1") {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND otherMainWindow(DWORD exceptPid) {
  OtherMain s{exceptPid, nullptr};
  EnumWindows(findOtherMain, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void endProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
    TerminateProcess(h, 0);
    WaitForSingleObject(h, 10000);
    CloseHandle(h);
  }
}

}  // namespace

SCENARIO(copy_on_worker) {
  knowWindowsPath();
  showTipsAtStart(false);
  putRedPicture();
  Program p;
  HWND main = nullptr;
  HWND progress = startLongCopy(p, main);
  HWND bar = control(progress, "ProgressBar1");

  // While the copy runs, the main window's thread answers at once: each
  // round trip is timed; their median is far below a tenth of a second.
  std::vector<double> trips;
  for (int i = 0; i < 10 && IsWindow(progress); ++i) {
    auto start = std::chrono::steady_clock::now();
    DWORD_PTR answer = 0;
    bool answered = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &answer) != 0;
    CHECK_MSG(answered, "the main window answers during the copy", "no answer in 2 s");
    trips.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(trips.begin(), trips.end());
  REQUIRE(!trips.empty());
  CHECK_MSG(trips[trips.size() / 2] < 100, "the median round trip is under 100 ms",
            std::to_string(trips[trips.size() / 2]) + " ms");
  // The progress window's bar moves on while it is watched.
  LRESULT first = SendMessageW(bar, PBM_GETPOS, 0, 0);
  CHECK(waitFor([&] { return !IsWindow(bar) || SendMessageW(bar, PBM_GETPOS, 0, 0) > first; }));

  // The program is asked to end, and at once a later start hands it a file:
  // the copy stops and the program ends with 0, and the file opens all the
  // same, in the copy of the program that remains.
  PostMessageW(main, WM_CLOSE, 0, 0);
  Program later;
  REQUIRE(later.start("C:\\PICS\\red.bmp"));
  CHECK(p.waitExit(kPatience));
  CHECK_EQ(p.exitCode(), DWORD{0});
  checkSourceKeptAndNoCopyLeft();
  HWND remains = nullptr;
  CHECK(waitFor([&] { return (remains = otherMainWindow(p.pid())) != nullptr; }));
  if (!remains) return;
  CHECK(waitFor([&] { return text(control(remains, "Text1")) == "C:\\PICS\\red.bmp"; }));
  endProcessOf(remains);
}

}  // namespace e2e
