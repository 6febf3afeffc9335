// The floor of the start-up benchmark: a program that opens one empty window.
// Built a second time with FLOOR_COMMON_CONTROLS, it also loads the common
// controls library (as the program must, for its tab control and status bar),
// which tells how much of the difference is that library alone.
#include <windows.h>
#ifdef FLOOR_COMMON_CONTROLS
#include <commctrl.h>
#endif

static LRESULT CALLBACK floorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
#ifdef FLOOR_COMMON_CONTROLS
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
#endif
  WNDCLASSW wc{};
  wc.lpfnWndProc = floorProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"FloorWindow";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowW(L"FloorWindow", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, 400, 350, nullptr, nullptr, instance, nullptr);
  ShowWindow(hwnd, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
