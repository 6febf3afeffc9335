// Copying a 1 GB file the program's way, on a worker, without and with its
// progress window, in the same run: what showing the figures costs the copy,
// and how often the figures change while it runs.
//   copy_bench [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "browse/file_transfer.h"
#include "browse/progress_window.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/system_services.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/system/thread_workers.h"
#include "program_windows.h"

namespace {

using Clock = std::chrono::steady_clock;
using bench::median;

const char* const kSource = "C:\\copybench\\source.bin";
const char* const kTargetDir = "C:\\copybench\\to";
const char* const kTarget = "C:\\copybench\\to\\source.bin";
constexpr int kMegabytes = 1024;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A gigabyte that no file system can keep sparse or compress away.
bool makeSource() {
  CreateDirectoryW(L"C:\\copybench", nullptr);
  CreateDirectoryW(L"C:\\copybench\\to", nullptr);
  HANDLE f = CreateFileW(L"C:\\copybench\\source.bin", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  std::vector<std::uint32_t> block(1 << 18);
  std::uint32_t x = 2463534242u;
  bool ok = true;
  for (int i = 0; ok && i < kMegabytes; ++i) {
    for (auto& word : block) {
      x ^= x << 13;
      x ^= x >> 17;
      x ^= x << 5;
      word = x;
    }
    DWORD wrote = 0;
    ok = WriteFile(f, block.data(), static_cast<DWORD>(block.size() * 4), &wrote, nullptr) != 0;
  }
  CloseHandle(f);
  return ok;
}

struct Run {
  double ms = 0;            // the copy, from its first byte to its last
  double windowMs = 0;      // opening and closing the window around it
  double longestGapMs = 0;  // between two changes of the figures
};

// The copy on a worker, as the program makes it; with the window, the
// windows' thread runs its message loop meanwhile and the window reads the
// figures on its own timer.
Run copyOnce(vl::win32::Win32Ui& ui, vl::FileSystem& fs, bool withWindow) {
  fs.deleteFile(kTarget);
  Run run;
  vl::TransferProgress progress;
  std::unique_ptr<vl::Form3> window;
  Clock::time_point start = Clock::now();
  if (withWindow) {
    window =
        std::make_unique<vl::Form3>(ui, "Copying", "source.bin to C:\\copybench\\to", progress);
    window->show();
    run.windowMs = msSince(start);
  }
  vl::win32::Win32Workers workers(ui.posted());
  bool ended = false;
  start = Clock::now();
  auto job = workers.start(
      [&] {
        vl::transferFile(fs, kSource, kTargetDir, vl::Transfer::Copy,
                         [&](std::int64_t done, std::int64_t total) {
                           progress.done = done;
                           progress.total = total;
                           return !progress.cancel;
                         });
      },
      [&] { ended = true; });
  std::string shown;
  Clock::time_point changed = Clock::now();
  MSG msg;
  while (job && !ended && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (window && window->Label2.text() != shown) {
      shown = window->Label2.text();
      run.longestGapMs = std::max(run.longestGapMs, msSince(changed));
      changed = Clock::now();
    }
  }
  run.ms = msSince(start);
  if (window) {
    start = Clock::now();
    window->unload();
    run.windowMs += msSince(start);
  }
  return run;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  if (!makeSource()) {
    std::printf("the 1 GB source file could not be written\n");
    return 1;
  }
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32Ui ui(GetModuleHandleW(nullptr), libraries);
  vl::win32::Win32FileSystem fs(libraries);
  copyOnce(ui, fs, false);  // the source in the cache for both
  std::vector<double> without, with, gaps, windowCosts;
  for (int i = 0; i < runs; ++i) {
    for (bool window : {i % 2 == 0, i % 2 != 0}) {
      Run r = copyOnce(ui, fs, window);
      (window ? with : without).push_back(r.ms);
      if (!window) continue;
      gaps.push_back(r.longestGapMs);
      windowCosts.push_back(r.windowMs);
    }
  }
  double plain = median(without), shown = median(with);
  auto [fastest, slowest] = std::minmax_element(without.begin(), without.end());
  std::printf(
      "1 GB copy on a worker, medians of %d runs: without the progress window %.0f ms, with it "
      "%.0f ms (%+.1f%%; the disk alone varies from %.0f to %.0f ms a run; target < 5%%)\n"
      "the figures change at least every %.0f ms (longest gap of any run; target <= 250 ms)\n"
      "opening and closing the window: %.0f ms\n",
      runs, plain, shown, (shown / plain - 1) * 100, *fastest, *slowest,
      *std::max_element(gaps.begin(), gaps.end()), median(windowCosts));
  fs.deleteFile(kTarget);
  fs.deleteFile(kSource);
  return 0;
}
