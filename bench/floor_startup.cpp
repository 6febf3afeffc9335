// The honest floor of the start-up benchmark: a plain Win32 program, written
// straight against the API, that creates and shows at start what Varilume's
// start-up does: the hidden startup window, the main window with its menu
// bar and accelerators, the tab control with its seven tabs, the Image
// page's controls (its drive, directory and file lists filled from the
// current folder), the status bar, the tray icon on a hidden holder, the
// hidden reminder window with its controls, and the tips window over the
// main window. It reads the same settings files, then goes idle.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

HINSTANCE instance;
int dpi = 96;
HFONT arial, arialBold, sansSerif;
HBRUSH grey, lightGrey, yellow;

int px(int twips) {
  return MulDiv(twips, dpi, 1440);
}

std::string readSetting(const wchar_t* path) {
  HANDLE f = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  char buffer[512] = {};
  DWORD n = 0;
  ReadFile(f, buffer, sizeof buffer - 1, &n, nullptr);
  CloseHandle(f);
  std::string s(buffer, n);
  return s.substr(0, s.find_first_of(",\r\n"));
}

// Panels draw a raised edge, frames an etched box with their caption; the
// images stretch a bitmap of the program's resources.
LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      wchar_t cls[32] = {};
      GetClassNameW(hwnd, cls, 32);
      if (lstrcmpW(cls, L"FloorPanel") == 0) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
      if (lstrcmpW(cls, L"FloorFrame") == 0) {
        wchar_t text[128] = {};
        GetWindowTextW(hwnd, text, 128);
        SelectObject(dc, arial);
        SetBkColor(dc, RGB(192, 192, 192));
        r.top += px(90);
        DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
        TextOutW(dc, px(120), 0, text, lstrlenW(text));
      }
      if (lstrcmpW(cls, L"FloorImage") == 0) {
        if (auto bitmap = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
          HDC mem = CreateCompatibleDC(dc);
          HGDIOBJ old = SelectObject(mem, bitmap);
          BITMAP b;
          GetObject(bitmap, sizeof b, &b);
          SetStretchBltMode(dc, HALFTONE);
          StretchBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, b.bmWidth, b.bmHeight, SRCCOPY);
          SelectObject(mem, old);
          DeleteDC(mem);
        }
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkColor(reinterpret_cast<HDC>(wp), RGB(192, 192, 192));
      return reinterpret_cast<LRESULT>(grey);
    case WM_DRAWITEM: {
      auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (d->CtlType == ODT_BUTTON) {
        RECT r = d->rcItem;
        DrawFrameControl(d->hDC, &r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | ((d->itemState & ODS_SELECTED) ? DFCS_PUSHED : 0u));
        auto art = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(d->hwndItem, GWLP_USERDATA));
        if (art) {
          HDC mem = CreateCompatibleDC(d->hDC);
          HGDIOBJ old = SelectObject(mem, art);
          BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
          int cell = px(480);
          GdiAlphaBlend(d->hDC, (r.right - cell) / 2, (r.bottom - cell) / 2, cell, cell, mem, 0, 0,
                        32, 32, blend);
          SelectObject(mem, old);
          DeleteDC(mem);
        }
      } else if (d->itemID != static_cast<UINT>(-1)) {
        wchar_t text[MAX_PATH] = {};
        SendMessageW(d->hwndItem, LB_GETTEXT, d->itemID, reinterpret_cast<LPARAM>(text));
        bool selected = (d->itemState & ODS_SELECTED) != 0;
        FillRect(d->hDC, &d->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        RECT box{d->rcItem.left + 2, d->rcItem.top + 2, d->rcItem.left + 14, d->rcItem.bottom - 2};
        FrameRect(d->hDC, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
        SetBkMode(d->hDC, TRANSPARENT);
        TextOutW(d->hDC, d->rcItem.left + 18, d->rcItem.top, text, lstrlenW(text));
      }
      return TRUE;
    }
    case WM_CLOSE:
      return 0;
    case WM_DESTROY:
      if (GetParent(hwnd) == nullptr && GetWindowLongPtrW(hwnd, GWLP_ID) == 1) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void registerClasses() {
  for (const wchar_t* name : {L"FloorForm", L"FloorPanel", L"FloorFrame", L"FloorImage"}) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = containerProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = grey;
    wc.hIcon =
        lstrcmpW(name, L"FloorForm") == 0 ? LoadIconW(instance, MAKEINTRESOURCEW(1)) : nullptr;
    wc.lpszClassName = name;
    RegisterClassW(&wc);
  }
}

HWND child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex, int left,
           int top, int width, int height, HFONT font = arial) {
  HWND h = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, px(left),
                           px(top), px(width), px(height), parent, nullptr, instance, nullptr);
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return h;
}

HWND artButton(HWND parent, const wchar_t* art, int left, int top, int width, int height) {
  HWND b = child(parent, L"BUTTON", L"", BS_OWNERDRAW | WS_TABSTOP, 0, left, top, width, height);
  auto bitmap = LoadImageW(instance, art, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  SetWindowLongPtrW(b, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
  return b;
}

HWND topLevel(const wchar_t* caption, DWORD style, DWORD ex, int left, int top, int width,
              int height, int id = 0) {
  RECT r{0, 0, px(width), px(height)};
  AdjustWindowRectEx(&r, style, FALSE, ex);
  HWND h = CreateWindowExW(ex, L"FloorForm", caption, style, px(left), px(top), r.right - r.left,
                           r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrW(h, GWLP_ID, id);
  return h;
}

void centre(HWND h) {
  RECT r;
  GetWindowRect(h, &r);
  SetWindowPos(h, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HMENU menuBar() {
  HMENU bar = CreateMenu(), file = CreatePopupMenu(), help = CreatePopupMenu();
  AppendMenuW(file, MF_STRING | MF_GRAYED, 101, L"&Logo Change Menu\tCtrl+L");
  AppendMenuW(file, MF_STRING, 102, L"Remin&der Setup\tCtrl+R");
  AppendMenuW(file, MF_STRING, 103, L"Did you &know...");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, 104, L"&Quit\tCtrl+Q");
  AppendMenuW(help, MF_STRING, 105, L"&Quick Help\tF1");
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(help, MF_STRING, 106, L"General Information\tCtrl+I");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
  return bar;
}

// The drive, directory and file lists of the Image page, filled as the
// program fills them.
void browserLists(HWND frame) {
  HWND drives = child(frame, WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 120,
                      1200, 4275, 330 + 2400);
  HWND dirs = child(frame, WC_LISTBOXW, L"",
                    LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                        WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE, 120, 1560, 2115, 1950);
  HWND files =
      child(frame, WC_LISTBOXW, L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
            WS_EX_CLIENTEDGE, 2280, 1560, 2115, 1950);
  DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i)
    if (mask & (1u << i)) {
      wchar_t name[4] = {static_cast<wchar_t>(L'a' + i), L':', 0};
      SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
  SendMessageW(drives, CB_SETCURSEL, 2, 0);
  wchar_t cwd[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, cwd);
  std::wstring path = cwd;
  SendMessageW(dirs, WM_SETREDRAW, FALSE, 0);
  for (std::size_t at = 0; at != std::wstring::npos;) {
    std::size_t next = path.find(L'\\', at + 1);
    std::wstring part = path.substr(at == 0 ? 0 : at + 1, next == std::wstring::npos
                                                              ? std::wstring::npos
                                                              : next - (at == 0 ? 0 : at + 1));
    if (!part.empty()) SendMessageW(dirs, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(part.c_str()));
    at = next;
  }
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileExW((path + L"\\*").c_str(), FindExInfoBasic, &d, FindExSearchNameMatch,
                              nullptr, 0);
  SendMessageW(files, WM_SETREDRAW, FALSE, 0);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = d.cFileName;
      if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (name != L"." && name != L"..")
          SendMessageW(dirs, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        continue;
      }
      std::wstring ext = name.size() > 4 ? name.substr(name.size() - 4) : L"";
      CharLowerW(ext.data());
      for (const wchar_t* known : {L".bmp", L".dib", L".rle", L".wmf", L".emf", L".ico", L".cur"})
        if (ext == known)
          SendMessageW(files, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    } while (FindNextFileW(h, &d));
    FindClose(h);
  }
  SendMessageW(dirs, WM_SETREDRAW, TRUE, 0);
  SendMessageW(files, WM_SETREDRAW, TRUE, 0);
}

void mainWindow() {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | WS_MINIMIZEBOX;
  HWND main = topLevel(L"Varilume SE", style, 0, 0, 0, 5865, 5205, 1);
  SetMenu(main, menuBar());
  HWND panel = child(main, L"FloorPanel", L"", WS_CLIPCHILDREN, 0, 0, 0, 5835, 4815);
  child(panel, L"FloorFrame", L"", 0, 0, 60, 4785, 5715, 30);
  HWND tabs =
      child(main, WC_TABCONTROLW, L"", WS_CLIPCHILDREN | WS_TABSTOP, 0, 45, 120, 5715, 4635);
  const wchar_t* captions[] = {L"Image", L"Music", L"Sound", L"MCI Devices", L"CD", L"About", L"?"};
  for (int i = 0; i < 7; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(captions[i]);
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
                                0, 0, 0, main, nullptr, instance, nullptr);
  SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(arial), FALSE);
  HWND frame =
      child(tabs, L"FloorFrame", L"Image Browser", WS_CLIPCHILDREN, 0, 600, 660, 4515, 3675);
  artButton(frame, L"OPEN32", 120, 240, 735, 915);
  artButton(frame, L"ZOOMIN32", 840, 240, 735, 915);
  artButton(frame, L"ZOOMOUT32", 1560, 240, 765, 915);
  HWND preview = child(frame, L"FloorPanel", L"", WS_CLIPCHILDREN, 0, 2400, 240, 1995, 915);
  child(preview, L"FloorImage", L"", 0, WS_EX_CLIENTEDGE, 60, 60, 735, 795);
  HWND modes = child(preview, L"FloorPanel", L"", WS_CLIPCHILDREN, 0, 840, 60, 1095, 795);
  child(modes, L"BUTTON", L"High-Res", BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 60, 120, 975, 255);
  child(modes, L"BUTTON", L"Low-Res", BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 60, 420, 990, 255);
  browserLists(frame);
  child(frame, L"EDIT", L"", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 5115, 0, 1500, 285);
  ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'L', 101},
                  {FCONTROL | FVIRTKEY, 'R', 102},
                  {FCONTROL | FVIRTKEY, 'Q', 104},
                  {FVIRTKEY, VK_F1, 105},
                  {FCONTROL | FVIRTKEY, 'I', 106}};
  CreateAcceleratorTableW(keys, 5);
  centre(main);
  ShowWindow(main, SW_SHOW);
  UpdateWindow(main);
}

void trayHolder() {
  HWND holder = topLevel(L"Popup", WS_OVERLAPPED | WS_CAPTION, 0, 6675, 5385, 3300, 1830);
  HWND hook = child(holder, L"FloorPanel", L"", 0, 0, 840, 480, 855, 555);
  using NotifyIcon = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
  HMODULE shell = LoadLibraryW(L"shell32.dll");
  auto notify = shell ? reinterpret_cast<NotifyIcon>(reinterpret_cast<void (*)()>(
                            GetProcAddress(shell, "Shell_NotifyIconA")))
                      : nullptr;
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = hook;
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  lstrcpyA(data.szTip, "Varilume Reminder");
  if (notify) notify(NIM_ADD, &data);
}

void reminderWindow(const std::wstring& windows) {
  for (int n = 1; n <= 9; ++n)
    readSetting((windows + L"rem" + std::to_wstring(n) + L".cfg").c_str());
  HWND f = topLevel(L"Varilume Reminder Properties", WS_OVERLAPPED | WS_CAPTION, WS_EX_TOOLWINDOW,
                    0, 0, 5355, 5325);
  HWND interval = child(f, L"FloorFrame", L"Interval", WS_CLIPCHILDREN, 0, 120, 60, 2520, 1575);
  child(interval, L"STATIC", L"Minutes left before break:", 0, 0, 120, 330, 1875, 255);
  child(interval, L"STATIC", L"0", SS_CENTER | WS_BORDER, 0, 1995, 300, 435, 315, arialBold);
  child(interval, L"STATIC", L"Minutes:", 0, 0, 120, 855, 735, 255);
  child(interval, L"EDIT", L"0", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 900, 825, 615, 315);
  child(interval, L"BUTTON", L"+", WS_TABSTOP, 0, 1575, 795, 390, 375);
  child(interval, L"BUTTON", L"-", WS_TABSTOP, 0, 2025, 795, 390, 375);
  HWND pause = child(f, L"FloorFrame", L"Break", WS_CLIPCHILDREN, 0, 2715, 60, 2520, 1575);
  child(pause, L"STATIC", L"Length in minutes:", 0, 0, 120, 330, 2280, 255);
  child(pause, L"EDIT", L"0", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 900, 825, 615, 315);
  child(pause, L"BUTTON", L"+", WS_TABSTOP, 0, 1575, 795, 390, 375);
  child(pause, L"BUTTON", L"-", WS_TABSTOP, 0, 2025, 795, 390, 375);
  HWND message =
      child(f, L"FloorFrame", L"Message to show", WS_CLIPCHILDREN, 0, 120, 1695, 5115, 735);
  child(message, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 120, 300, 4875, 315);
  for (int i = 0; i < 2; ++i) {
    HWND g = child(f, L"FloorFrame", i ? L"Picture to show" : L"Sound or music to play",
                   WS_CLIPCHILDREN, 0, 120, 2490 + i * 795, 5115, 735);
    child(g, L"BUTTON", L"&Enable", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 120, 330, 915, 255);
    child(g, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 1080, 300, 2835, 315);
    child(g, L"BUTTON", L"Browse", WS_TABSTOP, 0, 4035, 270, 960, 375);
  }
  HWND bottom = child(f, L"FloorPanel", L"", WS_CLIPCHILDREN, 0, 120, 4080, 5115, 855);
  child(bottom, L"BUTTON", L"Enable Reminder", BS_AUTORADIOBUTTON, 0, 120, 120, 1935, 255);
  child(bottom, L"BUTTON", L"Disable Reminder", BS_AUTORADIOBUTTON, 0, 120, 480, 1935, 255);
  child(bottom, L"BUTTON", L"&Test", WS_TABSTOP, 0, 2835, 210, 1050, 435);
  child(bottom, L"BUTTON", L"&Hide", WS_TABSTOP, 0, 3960, 210, 1050, 435);
  HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, f,
                                nullptr, instance, nullptr);
  SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(arial), FALSE);
  centre(f);
  SetTimer(f, 1, 60000, nullptr);
}

void tipsWindow() {
  std::string tip;
  HANDLE f =
      CreateFileW(L"tip.dat", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) {
    char record[256] = {};
    DWORD n = 0;
    ReadFile(f, record, 255, &n, nullptr);
    tip.assign(record, n);
    CloseHandle(f);
  }
  std::wstring text(tip.begin(), tip.end());
  HWND w =
      topLevel(L"Tip of the Day", WS_OVERLAPPED | WS_CAPTION, WS_EX_TOOLWINDOW, 0, 0, 5400, 3480);
  child(w, L"STATIC", L"Did you know...", SS_CENTER | WS_BORDER, 0, 120, 60, 3615, 315, arialBold);
  child(w, L"STATIC", text.c_str(), SS_CENTER | WS_BORDER, 0, 120, 420, 3615, 2415, sansSerif);
  HWND strip = child(w, L"FloorImage", L"", 0, 0, 3915, 60, 1215, 2715);
  SetWindowLongPtrW(
      strip, GWLP_USERDATA,
      reinterpret_cast<LONG_PTR>(LoadImageW(instance, L"TIPSTRIP", IMAGE_BITMAP, 0, 0, 0)));
  child(w, L"BUTTON", L"&Next", WS_TABSTOP, 0, 4035, 600, 975, 375);
  child(w, L"BUTTON", L"&Previous", WS_TABSTOP, 0, 4035, 1080, 975, 375);
  child(w, L"BUTTON", L"&Close", WS_TABSTOP, 0, 4035, 2280, 975, 375);
  child(w, L"BUTTON", L"&Show next time I start Varilume SE", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 120,
        2940, 3615, 255);
  centre(w);
  ShowWindow(w, SW_SHOW);
  UpdateWindow(w);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE self, HINSTANCE, PWSTR, int) {
  instance = self;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  HDC screen = GetDC(nullptr);
  dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  auto font = [](const wchar_t* face, int centiPoints, bool bold) {
    return CreateFontW(-MulDiv(centiPoints, dpi, 7200), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0,
                       0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, face);
  };
  arial = font(L"Arial", 825, false);
  arialBold = font(L"Arial", 975, true);
  sansSerif = font(L"MS Sans Serif", 975, false);
  grey = CreateSolidBrush(RGB(192, 192, 192));
  lightGrey = CreateSolidBrush(RGB(224, 224, 224));
  yellow = CreateSolidBrush(RGB(255, 255, 192));
  registerClasses();

  // The startup window reads the Windows path and goes.
  HWND startup = topLevel(L"Preloader", WS_OVERLAPPED | WS_CAPTION, WS_EX_DLGMODALFRAME, 3270, 8295,
                          2145, 1125);
  child(startup, L"STATIC", L"", 0, 0, 0, 0, 2055, 255);
  std::string windows = readSetting(L"c:\\windir.cfg");
  readSetting(L"c:\\res.cfg");
  readSetting(L"c:\\tip.cfg");
  trayHolder();
  mainWindow();
  tipsWindow();
  DestroyWindow(startup);
  reminderWindow(std::wstring(windows.begin(), windows.end()));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
