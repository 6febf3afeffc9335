// Refilling a file list for a directory of 20,000 files, the program's way
// (its own listing, filter and sort, then the list box filled with redraw
// off) against the platform's own listing into a list box (LB_DIR with
// redraw off), in the same run.
//   filelist_bench [runs]
#include <windows.h>

#include "program_windows.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "browse/browser_pane.h"
#include "browse/media_types.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/system_services.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/windows/ui.h"

namespace {

const wchar_t* const kDir = L"C:\\bench20k";

void makeFiles() {
  CreateDirectoryW(kDir, nullptr);
  const wchar_t* kinds[] = {L"bmp", L"dib", L"wmf", L"emf", L"ico", L"cur",
                            L"txt", L"wav", L"mid", L"avi", L"doc", L"rle"};
  for (int i = 0; i < 20000; ++i) {
    std::wstring name = std::wstring(kDir) + L"\\file" +
                        std::to_wstring(100000 + i * 7919 % 20000) + L"." + kinds[i % 12];
    HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
}

struct BenchForm : vl::Form {
  BenchForm(vl::Ui& ui, vl::FileSystem& fs, vl::MediaPage page)
      : Form(ui, "Bench", "Bench", 9000, 5000),
        pane(*this, "Drive1", "Dir1", "File1", vl::filePattern(page), fs) {}
  vl::BrowserPane pane;
};

template <typename F>
double millis(F&& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

using bench::median;

// The platform's listing: LB_DIR once per pattern of the page.
void platformFill(HWND list, vl::MediaPage page) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  std::string patterns = vl::filePattern(page);
  std::size_t at = 0;
  while (at <= patterns.size()) {
    std::size_t end = patterns.find(';', at);
    if (end == std::string::npos) end = patterns.size();
    std::wstring setup = std::wstring(kDir) + L"\\" +
                         std::wstring(patterns.begin() + static_cast<std::ptrdiff_t>(at),
                                      patterns.begin() + static_cast<std::ptrdiff_t>(end));
    SendMessageW(list, LB_DIR, DDL_READWRITE, reinterpret_cast<LPARAM>(setup.c_str()));
    at = end + 1;
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int runs = argc > 1 ? _wtoi(argv[1]) : 7;
  makeFiles();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  vl::win32::SystemLibraries libraries;
  vl::win32::Win32Ui ui(instance, libraries);
  vl::win32::Win32FileSystem fs(libraries);
  HWND floorWindow = CreateWindowW(L"STATIC", L"Floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                   400, nullptr, nullptr, instance, nullptr);
  HWND floorList = CreateWindowW(
      L"LISTBOX", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 0, 0,
      200, 300, floorWindow, nullptr, instance, nullptr);
  for (vl::MediaPage page : {vl::MediaPage::Image, vl::MediaPage::MciDevices}) {
    BenchForm form(ui, fs, page);
    form.show();
    form.pane.browser.changeDirectory("C:\\bench20k");
    std::vector<double> ours, floor;
    for (int i = 0; i < runs; ++i) {
      auto refill = [&] {
        form.pane.refreshFiles();
        UpdateWindow(static_cast<vl::win32::WindowPeer*>(form.pane.file.peer())->hwnd());
      };
      auto platform = [&] { platformFill(floorList, page); };
      if (i % 2) {
        ours.push_back(millis(refill));
        floor.push_back(millis(platform));
      } else {
        floor.push_back(millis(platform));
        ours.push_back(millis(refill));
      }
    }
    std::printf(
        "%s page: %zu names listed (platform %d); program %.1f ms, LB_DIR %.1f ms "
        "(medians of %d runs); ratio %.3f (target <= 1.2)\n",
        page == vl::MediaPage::Image ? "Image" : "MCI Devices", form.pane.file.items().size(),
        static_cast<int>(SendMessageW(floorList, LB_GETCOUNT, 0, 0)), median(ours), median(floor),
        runs, median(ours) / median(floor));
    form.unload();
  }
  return 0;
}
