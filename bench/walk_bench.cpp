// Walking a folder of large pictures with Space in the High-Res view: a key
// after a pause long enough to read the next picture ahead, against a
// click's round trip to a small repaint; keys held down, against decoding
// the picture alone; and the memory the walk costs, in decoded pictures.
// Once over 4000 x 3000 bitmaps, once over 12-megapixel JPEGs.
//   walk_bench <program-dir> <picture-dir> [runs] [bmp|jpg]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/e2e/encoded_pictures.h"
#include "program_windows.h"
#include "view_steps.h"

namespace {

using namespace bench;

constexpr int kW = 4000, kH = 3000;
constexpr int kPictures = 30;
constexpr int kPaused = 8;  // steps after a pause; the rest are held keys

// Neighbours always differ, so each step's first pixel of its own colour is
// its picture.
COLORREF colourOf(int i) {
  static const COLORREF kColours[] = {RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(0, 0, 255),
                                      RGB(255, 255, 0), RGB(255, 0, 255), RGB(0, 255, 255)};
  return kColours[i % 6];
}

std::wstring nameOf(int i, const wchar_t* ext) {
  wchar_t name[32];
  swprintf(name, 32, L"p%02d.%ls", i, ext);
  return name;
}

struct Folder {
  const wchar_t* ext;
  int tolerance;  // of the lossy format
};

struct Run {
  double paused = -1, held = -1, roundTrip = -1, decode = -1, memory = -1;
};

bool makeFolder(const std::wstring& dir, const Folder& f) {
  CreateDirectoryW(dir.c_str(), nullptr);
  for (int i = 0; i < kPictures; ++i) {
    std::wstring path = dir + L"\\" + nameOf(i, f.ext);
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    COLORREF c = colourOf(i);
    bool ok = f.tolerance == 0
                  ? writeBitmap(path, kW, kH, [c](int) { return c; })
                  : writeBytes(path, testpics::encoded(testpics::Container::Jpeg, kW, kH,
                                                       [c](int, int) { return c; }));
    if (!ok) return false;
  }
  // The small picture of the round trip sorts after the walked ones.
  return writeBitmap(dir + L"\\zz.bmp", 8, 8, [](int) { return RGB(128, 128, 128); });
}

Run measure(const std::wstring& program, const std::wstring& dir, const Folder& f) {
  Run run;
  std::wstring first = dir + L"\\" + nameOf(0, f.ext);
  // The decoder's libraries are loaded before the floor is timed.
  std::vector<double> decodes;
  for (int i = 0; i < 4; ++i)
    decodes.push_back(f.tolerance == 0 ? floorLoad(first) : floorPhoto(first));
  decodes.erase(decodes.begin());
  run.decode = median(decodes);
  PROCESS_INFORMATION pi = startProgram(program, L"", dir);
  if (!pi.hProcess) return run;
  HWND files = named(L"File1");
  HWND preview = named(L"Image2");
  if (files && preview) {
    Sleep(3000);  // every page's windows exist, made while the program is idle
    auto start = Clock::now();
    clickItem(files, L"zz.bmp", false);
    run.roundTrip = untilPixel(start, preview, 20, 10, RGB(128, 128, 128));
    double before = workingSetMb(pi.hProcess);
    double most = before;

    clickItem(files, nameOf(0, f.ext).c_str(), true);
    HWND view = named(L"Image3");
    untilPixel(Clock::now(), view, 20, 20, colourOf(0), f.tolerance);
    std::vector<double> paused, held;
    for (int i = 1; i < kPictures; ++i) {
      if (i <= kPaused) Sleep(2500);  // the next picture is read ahead meanwhile
      start = Clock::now();
      PostMessageW(files, WM_KEYDOWN, VK_SPACE, 0x00390001);
      // Held keys wait on decoding: watched gently, the watching takes no
      // core from it.
      double ms = untilPixel(start, view, 20, 20, colourOf(i), f.tolerance, i <= kPaused ? 50 : 0);
      (i <= kPaused ? paused : held).push_back(ms);
      std::printf(" %.0f", ms);
      most = std::max(most, workingSetMb(pi.hProcess));
    }
    std::printf("\n");
    run.paused = median(paused);
    run.held = median(held);
    double decoded = static_cast<double>(kW) * kH * 4 / (1024.0 * 1024.0);
    run.memory = (most - before) / decoded;
  }
  endProgram(pi);
  return run;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::printf("usage: walk_bench <program-dir> <picture-dir> [runs]\n");
    return 2;
  }
  std::wstring program = std::wstring(argv[1]) + L"\\varilume.exe";
  std::wstring root = argv[2];
  int runs = argc > 3 ? _wtoi(argv[3]) : 1;
  CreateDirectoryW(root.c_str(), nullptr);
  for (Folder f : {Folder{L"bmp", 0}, Folder{L"jpg", 24}}) {
    if (argc > 4 && lstrcmpW(argv[4], f.ext) != 0) continue;
    std::wstring dir = root + L"\\" + f.ext;
    if (!makeFolder(dir, f)) {
      std::printf("cannot write the pictures in %ls\n", dir.c_str());
      return 1;
    }
    std::vector<double> paused, held, trips, decodes, memory;
    for (int i = 0; i < runs; ++i) {
      Run r = measure(program, dir, f);
      std::printf(
          "%ls run %d: key after a pause %.1f ms, held keys %.1f ms a step, a click's round trip "
          "%.1f ms, decoding alone %.1f ms, memory %.2f decoded pictures\n",
          f.ext, i + 1, r.paused, r.held, r.roundTrip, r.decode, r.memory);
      std::fflush(stdout);
      paused.push_back(r.paused);
      held.push_back(r.held);
      trips.push_back(r.roundTrip);
      decodes.push_back(r.decode);
      memory.push_back(r.memory);
    }
    std::printf("%ls: key after a pause %.1f ms, %.2f of a click's round trip (target <= 1.5)\n",
                f.ext, median(paused), median(paused) / median(trips));
    std::printf("%ls: held keys %.1f ms a step, %.2f of decoding alone (target <= 1.1)\n", f.ext,
                median(held), median(held) / median(decodes));
    std::printf("%ls: memory while walking %.2f decoded pictures (target <= 3)\n", f.ext,
                median(memory));
    std::fflush(stdout);
  }
  return 0;
}
