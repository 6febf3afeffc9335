// Start-up time and working set of the program against a plain program that
// makes the same windows (and, for reference, one that opens one empty
// window), in the same run, as ratios over several runs.
//   startup_bench <program-dir> [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "program_windows.h"

namespace {

struct Sample {
  double ms = 0;
  double idleMs = 0;  // until every start-up window exists and the program waits for input
  double workingSetMb = 0;
  double allControlsMs = 0;  // until the controls of every page have their windows
};

struct Search {
  DWORD pid;
  bool found;
  HWND window;
};

// Controls of the pages not shown at start; they get their windows once the
// program is idle.
constexpr const wchar_t* kLateControls[] = {L"File2",   L"File3",     L"File4",
                                            L"Label21", L"SSOption7", L"Label19"};

struct ControlSearch {
  const wchar_t* name;
  bool found;
};

BOOL CALLBACK findNamed(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ControlSearch*>(lp);
  if (!bench::hasName(hwnd, s->name)) return TRUE;
  s->found = true;
  return FALSE;
}

bool allLateControlsExist(HWND main) {
  for (const wchar_t* name : kLateControls) {
    ControlSearch s{name, false};
    EnumChildWindows(main, findNamed, reinterpret_cast<LPARAM>(&s));
    if (!s.found) return false;
  }
  return true;
}

BOOL CALLBACK findVisible(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t title[64] = {};
  GetWindowTextW(hwnd, title, 64);
  // The main window of either program: "Varilume SE" or "Floor".
  if (pid == s->pid && IsWindowVisible(hwnd) &&
      (lstrcmpW(title, L"Varilume SE") == 0 || lstrcmpW(title, L"Floor") == 0)) {
    s->found = true;
    s->window = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct StartupWindows {
  DWORD pid;
  int found;
};

// The windows the start-up makes: the main and tips windows shown, the
// reminder and tray windows hidden.
BOOL CALLBACK countStartupWindows(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<StartupWindows*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid) return TRUE;
  wchar_t title[64] = {};
  GetWindowTextW(hwnd, title, 64);
  bool shown = IsWindowVisible(hwnd) != 0;
  if ((shown &&
       (lstrcmpW(title, L"Varilume SE") == 0 || lstrcmpW(title, L"Tip of the Day") == 0)) ||
      lstrcmpW(title, L"Varilume Reminder Properties") == 0 || lstrcmpW(title, L"Popup") == 0)
    ++s->found;
  return TRUE;
}

Sample measure(const std::wstring& exe, const std::wstring& dir) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  auto start = std::chrono::steady_clock::now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      dir.c_str(), &si, &pi)) {
    std::printf("cannot start %ls\n", exe.c_str());
    return {};
  }
  Search s{pi.dwProcessId, false, nullptr};
  while (!s.found) {
    EnumWindows(findVisible, reinterpret_cast<LPARAM>(&s));
    if (!s.found) Sleep(1);
  }
  WaitForInputIdle(pi.hProcess, 10000);
  Sample sample;
  sample.ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  bool whole =
      exe.find(L"floor_startup") != std::wstring::npos || exe.find(L"floor_") == std::wstring::npos;
  for (int waited = 0; whole && waited < 10000; ++waited) {
    StartupWindows w{pi.dwProcessId, 0};
    EnumWindows(countStartupWindows, reinterpret_cast<LPARAM>(&w));
    if (w.found == 4) break;
    Sleep(1);
  }
  if (whole) {
    WaitForInputIdle(pi.hProcess, 10000);
    // The program answers once it is back in its message loop.
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(s.window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
    sample.idleMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  bool floor = exe.find(L"floor_") != std::wstring::npos;
  for (int waited = 0; !floor && waited < 10000 && !allLateControlsExist(s.window); ++waited)
    Sleep(1);
  sample.allControlsMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(pi.hProcess, &counters, sizeof counters))
    sample.workingSetMb = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return sample;
}

using bench::median;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::printf("usage: startup_bench <program-dir> [runs]\n");
    return 2;
  }
  std::wstring dir = argv[1];
  int runs = argc > 2 ? _wtoi(argv[2]) : 9;
  std::wstring program = dir + L"\\varilume.exe";
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring floor = self;
  floor = floor.substr(0, floor.find_last_of(L"\\/")) + L"\\floor_window.exe";

  std::wstring folder = floor.substr(0, floor.find_last_of(L"\\/"));
  std::wstring floorComctl = folder + L"\\floor_comctl.exe";
  std::wstring floorStartup = folder + L"\\floor_startup.exe";

  measure(floor, dir);  // warm the caches once for all
  measure(floorComctl, dir);
  measure(floorStartup, dir);
  measure(program, dir);
  std::vector<double> ratios, idleRatios, programMs, programIdle, floorMs, sameIdle, programWs,
      floorWs, sameWs, allMs, comctlMs;
  for (int i = 0; i < runs; ++i) {
    // Alternate the order so that neither program always runs first.
    Sample a = i % 2 ? measure(program, dir) : Sample{};
    Sample same = measure(floorStartup, dir);
    Sample f = measure(floor, dir);
    Sample c = measure(floorComctl, dir);
    if (i % 2 == 0) a = measure(program, dir);
    ratios.push_back(a.ms / f.ms);
    idleRatios.push_back(a.idleMs / same.idleMs);
    programMs.push_back(a.ms);
    programIdle.push_back(a.idleMs);
    floorMs.push_back(f.ms);
    sameIdle.push_back(same.idleMs);
    programWs.push_back(a.workingSetMb);
    floorWs.push_back(f.workingSetMb);
    sameWs.push_back(same.workingSetMb);
    allMs.push_back(a.allControlsMs);
    comctlMs.push_back(c.ms);
    std::printf(
        "run %d: varilume idle after %.1f ms (main window %.1f ms, every page's controls %.1f ms); "
        "same-windows floor %.1f ms; empty floor %.1f ms, with common controls %.1f ms; working "
        "set %.1f MB / same-windows %.1f MB / empty %.1f MB\n",
        i + 1, a.idleMs, a.ms, a.allControlsMs, same.idleMs, f.ms, c.ms, a.workingSetMb,
        same.workingSetMb, f.workingSetMb);
    std::fflush(stdout);
  }
  std::printf(
      "start-up to idle: varilume %.1f ms, same-windows floor %.1f ms (medians of %d runs)\n",
      median(programIdle), median(sameIdle), runs);
  std::printf("start-up ratio to the same-windows floor: %.3f (target <= 1.05)\n",
              median(idleRatios));
  std::printf(
      "working set: varilume %.1f MB, same-windows floor %.1f MB, difference %.1f MB (target: "
      "within 4 MB)\n",
      median(programWs), median(sameWs), median(programWs) - median(sameWs));
  std::printf("main window shown: varilume %.1f ms, empty-window floor %.1f ms, ratio %.3f\n",
              median(programMs), median(floorMs), median(ratios));
  std::printf("every page's controls created: %.1f ms, ratio %.3f to the empty floor\n",
              median(allMs), median(allMs) / median(floorMs));
  std::printf("floor with the common controls library: %.1f ms, ratio %.3f to the empty floor\n",
              median(comctlMs), median(comctlMs) / median(floorMs));
  std::printf("working set against the empty floor: %.1f MB, difference %.1f MB\n", median(floorWs),
              median(programWs) - median(floorWs));
  return 0;
}
