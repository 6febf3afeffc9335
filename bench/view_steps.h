// What the picture benchmarks share: writing bitmaps, clicking list items,
// waiting for a pixel of the screen, the system's own decoders as floors, and
// a process's working set.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <psapi.h>
#include <wincodec.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "../tests/e2e/pictures.h"

namespace bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A w x h 24-bit bitmap whose every row is coloured column by column.
inline bool writeBitmap(const std::wstring& path, int w, int h,
                        const std::function<COLORREF(int x)>& column) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  int stride = (w * 3 + 3) / 4 * 4;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride) * static_cast<DWORD>(h);
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string row(static_cast<std::size_t>(stride), '\0');
  for (int x = 0; x < w; ++x) {
    COLORREF c = column(x);
    row[static_cast<std::size_t>(x * 3)] = static_cast<char>(GetBValue(c));
    row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>(GetGValue(c));
    row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(GetRValue(c));
  }
  DWORD n = 0;
  bool ok = WriteFile(f, &file, sizeof file, &n, nullptr) &&
            WriteFile(f, &info, sizeof info, &n, nullptr);
  for (int y = 0; ok && y < h; ++y)
    ok = WriteFile(f, row.data(), static_cast<DWORD>(row.size()), &n, nullptr) != 0;
  CloseHandle(f);
  return ok;
}

inline bool writeBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD n = 0;
  bool ok = !bytes.empty() &&
            WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) != 0;
  CloseHandle(f);
  return ok;
}

inline COLORREF pixel(HWND hwnd, int x, int y) {
  return testpics::screenPixel(hwnd, x, y);
}

inline bool sameColour(COLORREF a, COLORREF b, int tolerance) {
  auto off = [](int x, int y) { return x > y ? x - y : y - x; };
  return off(GetRValue(a), GetRValue(b)) <= tolerance &&
         off(GetGValue(a), GetGValue(b)) <= tolerance &&
         off(GetBValue(a), GetBValue(b)) <= tolerance;
}

// Milliseconds until the pixel shows the colour (within the tolerance of a
// lossy format). Each look asks the X server for the screen, which competes
// with the program for the two cores: after the first 50 ms it looks once a
// millisecond, so that a long step is not slowed by being watched. A step
// known to be long is watched that way from its start.
inline double untilPixel(Clock::time_point start, HWND hwnd, int x, int y, COLORREF colour,
                         int tolerance = 0, int spinMs = 50) {
  while (!sameColour(pixel(hwnd, x, y), colour, tolerance)) {
    if (msSince(start) > spinMs) Sleep(1);
    if (msSince(start) > 20000) {
      COLORREF c = pixel(hwnd, x, y);
      std::printf("  still %d,%d,%d at %d,%d\n", GetRValue(c), GetGValue(c), GetBValue(c), x, y);
      return -1;
    }
  }
  return msSince(start);
}

inline void clickItem(HWND list, const wchar_t* item, bool twice) {
  int index = static_cast<int>(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(item)));
  // In view first: a click beside the list would land on another item.
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT r{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(list, WM_LBUTTONUP, 0, at);
  if (twice) {
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
  }
}

// The system's loader alone reading a bitmap file: the floor of showing it.
inline double floorLoad(const std::wstring& path) {
  auto start = Clock::now();
  HANDLE image =
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  double ms = msSince(start);
  if (image) DeleteObject(image);
  return image ? ms : -1;
}

// The floor of a photo: the imaging component decodes the file and, given a
// box, the picture is drawn smoothly into one of that size.
inline double floorPhoto(const std::wstring& path, int boxW = 0, int boxH = 0) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  auto start = Clock::now();
  IWICImagingFactory* factory = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  double ms = -1;
  UINT w = 0, h = 0;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                   WICDecodeMetadataCacheOnDemand, &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&w, &h)) &&
      SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                      nullptr, 0, WICBitmapPaletteTypeCustom))) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(w);
    info.bmiHeader.biHeight = -static_cast<LONG>(h);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    UINT stride = (w * 3 + 3) / 4 * 4;
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * h);
    if (SUCCEEDED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()),
                                        pixels.data()))) {
      if (boxW > 0 && boxH > 0) {
        HDC screen = GetDC(nullptr);
        HDC box = CreateCompatibleDC(screen);
        HBITMAP target = CreateCompatibleBitmap(screen, boxW, boxH);
        HGDIOBJ old = SelectObject(box, target);
        SetStretchBltMode(box, HALFTONE);
        SetBrushOrgEx(box, 0, 0, nullptr);
        StretchDIBits(box, 0, 0, boxW, boxH, 0, 0, static_cast<int>(w), static_cast<int>(h),
                      pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
        GdiFlush();
        SelectObject(box, old);
        DeleteObject(target);
        DeleteDC(box);
        ReleaseDC(nullptr, screen);
      }
      ms = msSince(start);
    }
  }
  for (IUnknown* u : std::initializer_list<IUnknown*>{converter, frame, decoder, factory})
    if (u) u->Release();
  CoUninitialize();
  return ms;
}

inline double workingSetMb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS c{};
  c.cb = sizeof c;
  GetProcessMemoryInfo(process, &c, sizeof c);
  return static_cast<double>(c.WorkingSetSize) / (1024.0 * 1024.0);
}

}  // namespace bench
