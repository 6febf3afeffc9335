// Copying a 1 GB file the program's way, without and with its progress
// window, in the same run: what showing the figures costs the copy, and how
// often the figures change while it runs. The disk's own pace varies from
// copy to copy far more than the window costs, so the cost is also measured
// directly: the time the copy spends in the window's reports.
//   copy_bench [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "browse/file_transfer.h"
#include "browse/progress_window.h"
#include "platform/win32/system_library.h"
#include "platform/win32/system_services.h"
#include "platform/win32/ui.h"
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
  double reportMs = 0;      // spent in the window's reports
  double longestGapMs = 0;  // between two changes of the figures
};

Run copyOnce(vl::Ui& ui, vl::FileSystem& fs, bool withWindow) {
  fs.deleteFile(kTarget);
  Run run;
  Clock::time_point start = Clock::now();
  if (!withWindow) {
    vl::transferFile(fs, kSource, kTargetDir, vl::Transfer::Copy,
                     [](std::int64_t, std::int64_t) { return true; });
    run.ms = msSince(start);
    return run;
  }
  vl::Form3 window(ui, "Copying", "source.bin to C:\\copybench\\to");
  window.show();
  run.windowMs = msSince(start);
  start = Clock::now();
  std::string shown;
  Clock::time_point changed = Clock::now();
  vl::transferFile(fs, kSource, kTargetDir, vl::Transfer::Copy,
                   [&](std::int64_t done, std::int64_t total) {
                     Clock::time_point before = Clock::now();
                     bool going = window.report(done, total);
                     run.reportMs += msSince(before);
                     if (window.Label2.text() != shown) {
                       shown = window.Label2.text();
                       run.longestGapMs = std::max(run.longestGapMs, msSince(changed));
                       changed = Clock::now();
                     }
                     return going;
                   });
  run.ms = msSince(start);
  start = Clock::now();
  window.unload();
  run.windowMs += msSince(start);
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
  std::vector<double> without, with, gaps, windowCosts, shares;
  for (int i = 0; i < runs; ++i) {
    for (bool window : {i % 2 == 0, i % 2 != 0}) {
      Run r = copyOnce(ui, fs, window);
      (window ? with : without).push_back(r.ms);
      if (!window) continue;
      gaps.push_back(r.longestGapMs);
      windowCosts.push_back(r.windowMs);
      shares.push_back(r.reportMs / r.ms);
    }
  }
  double plain = median(without), shown = median(with);
  auto [fastest, slowest] = std::minmax_element(without.begin(), without.end());
  std::printf(
      "1 GB copy, medians of %d runs: without the progress window %.0f ms, with it %.0f ms "
      "(%+.1f%%; the disk alone varies from %.0f to %.0f ms a run)\n"
      "time the copy spends on its window: %.1f%% of the copy (target < 5%%)\n"
      "the figures change at least every %.0f ms (longest gap of any run; target <= 250 ms)\n"
      "opening and closing the window: %.0f ms\n",
      runs, plain, shown, (shown / plain - 1) * 100, *fastest, *slowest, median(shares) * 100,
      *std::max_element(gaps.begin(), gaps.end()), median(windowCosts));
  fs.deleteFile(kTarget);
  fs.deleteFile(kSource);
  return 0;
}
