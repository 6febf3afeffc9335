// Loaded into the running program by the end-to-end driver, because Wine
// refuses menu and pointer-carrying calls from another process. It answers
// WM_COPYDATA requests from a message-only window and writes each answer to
// the file named in the request.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "probe_protocol.h"

namespace {

std::string utf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

void dumpMenu(HMENU menu, int depth, std::string& out) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 511;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    std::string flags;
    if (info.fType & MFT_SEPARATOR) flags += 'S';
    if (info.fState & MFS_GRAYED) flags += 'G';
    if (info.fState & MFS_CHECKED) flags += 'C';
    if (info.hSubMenu) flags += 'P';
    out += std::to_string(depth) + "\t" + std::to_string(info.wID) + "\t" + flags + "\t" +
           utf8(text) + "\n";
    if (info.hSubMenu) dumpMenu(info.hSubMenu, depth + 1, out);
  }
}

BOOL CALLBACK findPopup(HWND hwnd, LPARAM out) {
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == GetCurrentProcessId() && lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(hwnd)) {
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
  }
  return TRUE;
}

// What a control shows of its text: the text, the box it is drawn in, and
// whether the control wraps it at word breaks or keeps it on one line.
struct Shown {
  std::wstring text;
  RECT box{};
  bool wraps = false;
  HFONT font = nullptr;
  bool prefix = true;  // an ampersand marks the access key, not itself
};

Shown shownText(HWND hwnd) {
  Shown s;
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  s.font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  GetClientRect(hwnd, &s.box);
  if (lstrcmpiW(cls, STATUSCLASSNAMEW) == 0) {
    // Part 1's text, inside the part's edges.
    int length = LOWORD(SendMessageW(hwnd, SB_GETTEXTLENGTHW, 0, 0));
    s.text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(s.text.data()));
    s.text.resize(static_cast<std::size_t>(length));
    SendMessageW(hwnd, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&s.box));
    s.box.left += 3;  // where the bar begins its text
    s.prefix = false;
    return s;
  }
  wchar_t text[4096] = {};
  GetWindowTextW(hwnd, text, 4096);
  s.text = text;
  if (lstrcmpiW(cls, L"Button") == 0) {
    LONG type = style & BS_TYPEMASK;
    bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
               type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
    // A box's text stands beside its glyph; a push button's inside its edges.
    if (box) {
      s.box.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
    } else {
      InflateRect(&s.box, -2 * GetSystemMetrics(SM_CXEDGE) - 2, -2 * GetSystemMetrics(SM_CYEDGE));
    }
    s.wraps = (style & BS_MULTILINE) != 0;
  } else if (lstrcmpiW(cls, L"Static") == 0) {
    LONG type = style & SS_TYPEMASK;
    s.wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  } else if (lstrcmpiW(cls, L"VarilumeFrame") == 0) {
    // The caption stands in the top edge, a little in from each side.
    HDC screen = GetDC(nullptr);
    InflateRect(&s.box, -MulDiv(120, GetDeviceCaps(screen, LOGPIXELSX), 1440), 0);
    ReleaseDC(nullptr, screen);
  }
  return s;
}

// Whether the control's text fits it in the control's own font: on one line
// where the control keeps it on one, else wrapped at word breaks.
std::string textFits(HWND hwnd) {
  Shown s = shownText(hwnd);
  int width = s.box.right - s.box.left;
  int height = s.box.bottom - s.box.top;
  HDC dc = GetDC(hwnd);
  HGDIOBJ old =
      SelectObject(dc, s.font ? static_cast<HGDIOBJ>(s.font) : GetStockObject(SYSTEM_FONT));
  RECT need{0, 0, width, 0};
  DrawTextW(dc, s.text.c_str(), -1, &need,
            DT_CALCRECT | (s.wraps ? DT_WORDBREAK : DT_SINGLELINE) |
                (s.prefix ? 0u : static_cast<UINT>(DT_NOPREFIX)));
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  bool fits = need.right <= width && need.bottom <= height;
  if (fits) return "1";
  return "0 " + std::to_string(need.right) + "x" + std::to_string(need.bottom) + " in " +
         std::to_string(width) + "x" + std::to_string(height) + " \"" + utf8(s.text) + "\"";
}

// A drop as the shell makes it: a DROPFILES block in global memory, which the
// receiver frees with DragFinish.
std::string dropFiles(HWND target, const wchar_t* listPath) {
  HANDLE file =
      CreateFileW(listPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "0";
  char buffer[8192] = {};
  DWORD read = 0;
  ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
  CloseHandle(file);
  std::wstring names;
  int n = MultiByteToWideChar(CP_UTF8, 0, buffer, static_cast<int>(read), nullptr, 0);
  std::wstring all(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, buffer, static_cast<int>(read), all.data(), n);
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find(L'\n', start);
    if (end == std::wstring::npos) end = all.size();
    if (end > start) names += all.substr(start, end - start) + L'\0';
    start = end + 1;
  }
  names += L'\0';
  SIZE_T bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  if (!memory) return "0";
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(),
         names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0) ? "1" : "0";
}

// The idle check: a marker posted behind everything queued for the interface
// thread counts only when that thread takes it from an otherwise empty queue.
// While other messages wait, it is posted again from a timer: posted messages
// come before input, so a marker posted again at once would starve the input.
std::atomic<long long> idleSeen{0};
HHOOK idleHook = nullptr;
DWORD hookedThread = 0;
HWND markerWindow = nullptr;  // used on the interface thread only
LPARAM markerToken = 0;

void CALLBACK postMarkerAgain(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostMessageW(markerWindow, WM_NULL, vlprobe::kIdleMarker, markerToken);
}

LRESULT CALLBACK watchQueue(int code, WPARAM removal, LPARAM lp) {
  auto* msg = reinterpret_cast<MSG*>(lp);
  if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_NULL &&
      msg->wParam == vlprobe::kIdleMarker) {
    if (HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_INPUT | QS_SENDMESSAGE)) == 0) {
      // Paints come only after an empty queue: made here, so an idle program has painted.
      EnumThreadWindows(
          GetCurrentThreadId(),
          [](HWND w, LPARAM) -> BOOL {
            RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            return TRUE;
          },
          0);
      idleSeen = static_cast<long long>(msg->lParam);
    } else {
      markerWindow = msg->hwnd;
      markerToken = msg->lParam;
      SetTimer(nullptr, 0, USER_TIMER_MINIMUM, postMarkerAgain);
    }
  }
  return CallNextHookEx(idleHook, code, removal, lp);
}

std::string postIdleMarker(HWND target, long long token) {
  DWORD thread = GetWindowThreadProcessId(target, nullptr);
  if (!thread) return "0";
  if (thread != hookedThread) {
    if (idleHook) UnhookWindowsHookEx(idleHook);
    idleHook = SetWindowsHookExW(WH_GETMESSAGE, watchQueue, nullptr, thread);
    hookedThread = idleHook ? thread : 0;
  }
  if (!idleHook) return "0";
  return PostMessageW(target, WM_NULL, vlprobe::kIdleMarker, static_cast<LPARAM>(token)) ? "1"
                                                                                         : "0";
}

std::string answer(ULONG_PTR request, HWND target, long long argument, const wchar_t* path) {
  std::string out;
  switch (request) {
    case vlprobe::kMenuBar:
      if (HMENU bar = GetMenu(target)) dumpMenu(bar, 0, out);
      break;
    case vlprobe::kOpenPopup: {
      HWND popup = nullptr;
      EnumWindows(findPopup, reinterpret_cast<LPARAM>(&popup));
      if (popup)
        if (auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)))
          dumpMenu(menu, 0, out);
      break;
    }
    case vlprobe::kTabRect: {
      RECT r{};
      if (SendMessageW(target, TCM_GETITEMRECT, static_cast<WPARAM>(argument),
                       reinterpret_cast<LPARAM>(&r)))
        out = std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
              " " + std::to_string(r.bottom);
      break;
    }
    case vlprobe::kStatusText: {
      wchar_t text[1024] = {};
      SendMessageW(target, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
      out = utf8(text);
      break;
    }
    case vlprobe::kTabCaption: {
      wchar_t text[256] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = 255;
      if (SendMessageW(target, TCM_GETITEMW, static_cast<WPARAM>(argument),
                       reinterpret_cast<LPARAM>(&item)))
        out = utf8(text);
      break;
    }
    case vlprobe::kTextFits:
      out = textFits(target);
      break;
    case vlprobe::kDropFiles:
      out = dropFiles(target, path);
      break;
    case vlprobe::kIdle:
      out = postIdleMarker(target, argument);
      break;
    case vlprobe::kIdleSeen:
      out = std::to_string(idleSeen.load());
      break;
    default:
      break;
  }
  return out;
}

LRESULT CALLBACK probeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_COPYDATA) return DefWindowProcW(hwnd, msg, wp, lp);
  auto* data = reinterpret_cast<COPYDATASTRUCT*>(lp);
  if (data->cbData != sizeof(vlprobe::Request)) return FALSE;
  vlprobe::Request request;
  memcpy(&request, data->lpData, sizeof request);
  std::string out = answer(data->dwData, reinterpret_cast<HWND>(request.target), request.argument,
                           request.outputPath);
  HANDLE file = CreateFileW(request.outputPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FALSE;
  DWORD wrote = 0;
  WriteFile(file, out.data(), static_cast<DWORD>(out.size()), &wrote, nullptr);
  CloseHandle(file);
  return TRUE;
}

DWORD WINAPI serve(LPVOID instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = probeProc;
  wc.hInstance = static_cast<HINSTANCE>(instance);
  wc.lpszClassName = vlprobe::kWindowClass;
  RegisterClassW(&wc);
  CreateWindowW(vlprobe::kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                static_cast<HINSTANCE>(instance), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    if (HANDLE t = CreateThread(nullptr, 0, serve, instance, 0, nullptr)) CloseHandle(t);
  }
  return TRUE;
}
