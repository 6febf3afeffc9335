#include "platform/win32/windows/ui.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/system_library.h"
#include "platform/win32/system/text.h"
#include "platform/win32/system/window_dc.h"

namespace vl::win32 {

Win32Ui::Win32Ui(HINSTANCE instance, SystemLibraries& libraries)
    : instance_(instance),
      libraries_(libraries),
      nameAtom_(GlobalAddAtomW(L"VarilumeName")),
      buttonArt_(instance) {
  SetProcessDPIAware();
  INITCOMMONCONTROLSEX icc{
      sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  // A drive without its medium must not bring up the system's own error box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  InitCommonControlsEx(&icc);
  dpi_ = std::max(1, GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX));
  // Where the pointer rests as the program starts: a window appearing under
  // it is no move of the user's, and must not replace what the status bar says.
  GetCursorPos(&pointer_);
  classesRegistered_ = registerWindowClasses(instance_);
  decoder_ = std::make_unique<Win32PictureDecoder>(instance_, dpi_, com_);
  pictures_ = std::make_unique<PictureCache>(*decoder_, &pictureWorkers_);
}

Win32Ui::~Win32Ui() {
  // The program has ended its forms by now; whatever is left goes here, the
  // forms' windows taking their controls' along.
  std::vector<HWND> forms;
  for (const auto& [hwnd, peer] : peers_)
    if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) forms.push_back(hwnd);
  for (HWND hwnd : forms)
    if (peers_.contains(hwnd)) DestroyWindow(hwnd);
  if (nameAtom_) GlobalDeleteAtom(nameAtom_);
  // The window classes stay registered, their icons with them: another owner
  // in this module may be using them, and they end with the process.
}

WindowPeer* Win32Ui::peerOf(HWND hwnd) const {
  auto it = peers_.find(hwnd);
  return it == peers_.end() ? nullptr : it->second;
}

UINT Win32Ui::taskbarCreated() {
  if (!taskbarCreated_) taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  return taskbarCreated_;
}

bool Win32Ui::load(Form& form) {
  return classesRegistered_ && createFormWindow(*this, form) != nullptr;
}

void Win32Ui::unload(Form& form) {
  if (auto* peer = static_cast<WindowPeer*>(form.peer())) DestroyWindow(peer->hwnd());
}

void Win32Ui::bringToFront(Form& form) {
  if (auto* peer = static_cast<WindowPeer*>(form.peer()))
    SetWindowPos(peer->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Ui::activate(Form& form) {
  auto* peer = static_cast<WindowPeer*>(form.peer());
  if (!peer) return;
  if (IsIconic(peer->hwnd())) ShowWindow(peer->hwnd(), SW_RESTORE);
  SetForegroundWindow(peer->hwnd());
}

void Win32Ui::showMessageBox(Form* owner, const std::string& text, const std::string& title,
                             MsgIcon icon) {
  HWND ownerHwnd = nullptr;
  if (owner && owner->visible())
    if (auto* peer = static_cast<WindowPeer*>(owner->peer())) ownerHwnd = peer->hwnd();
  UINT style = MB_OK | (icon == MsgIcon::Information ? MB_ICONINFORMATION : MB_ICONWARNING);
  MessageBoxW(ownerHwnd, widen(text).c_str(), widen(title).c_str(), style);
}

ScreenInfo Win32Ui::screen() const {
  ThreadDpiScope counted(DpiMode::System);  // as the program places its forms
  int perPixel = std::max(1, 1440 / dpi_);
  return {toTwips(GetSystemMetrics(SM_CXSCREEN)), toTwips(GetSystemMetrics(SM_CYSCREEN)), perPixel,
          perPixel, dpi_};
}

MonitorArea Win32Ui::workArea() const {
  ThreadDpiScope counted(DpiMode::System);  // as the program places its forms
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {toTwips(r.left), toTwips(r.top), toTwips(r.right - r.left), toTwips(r.bottom - r.top),
          dpi_};
}

// Each monitor of each display attached to the desktop, where the display's
// settings place it: monitors that show the same place (mirrored, or the
// screens of Xinerama under Wine) are each counted, where EnumDisplayMonitors
// gives one.
namespace {

// The monitors a display shows its picture on.
int monitorsOf(const wchar_t* display) {
  int count = 0;
  DISPLAY_DEVICEW monitor{};
  monitor.cb = sizeof monitor;
  for (DWORD j = 0; j < 16 && EnumDisplayDevicesW(display, j, &monitor, 0); ++j) {
    if (monitor.StateFlags & DISPLAY_DEVICE_ACTIVE) ++count;
    monitor = {};
    monitor.cb = sizeof monitor;
  }
  return count;
}

struct DisplaySearch {
  const wchar_t* display;
  RECT area;
  bool found;
};

BOOL CALLBACK matchDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto& s = *reinterpret_cast<DisplaySearch*>(data);
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info) || lstrcmpiW(info.szDevice, s.display) != 0) return TRUE;
  s.area = info.rcMonitor;
  s.found = true;
  return FALSE;
}

// The display's area as this program's windows are placed: the system
// scales a monitor of another DPI for a program aware of one DPI only, where
// the display's own mode counts its physical pixels. False when the system
// lists no monitor of that display (Wine merges Xinerama screens into one).
bool placedArea(const wchar_t* display, RECT& area) {
  DisplaySearch search{display, {}, false};
  EnumDisplayMonitors(nullptr, nullptr, &matchDisplay, reinterpret_cast<LPARAM>(&search));
  if (search.found) area = search.area;
  return search.found;
}

}  // namespace

std::vector<MonitorArea> Win32Ui::monitors() const {
  ThreadDpiScope counted(DpiMode::System);  // as the program places its forms
  POINT pointer{};
  GetCursorPos(&pointer);
  std::vector<MonitorArea> found;
  bool pointerFound = false;
  DISPLAY_DEVICEW device{};
  device.cb = sizeof device;
  for (DWORD i = 0; i < 64 && EnumDisplayDevicesW(nullptr, i, &device, 0); ++i) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if ((device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) &&
        EnumDisplaySettingsExW(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode, 0) &&
        mode.dmPelsWidth > 0 && mode.dmPelsHeight > 0) {
      RECT r{mode.dmPosition.x, mode.dmPosition.y,
             mode.dmPosition.x + static_cast<LONG>(mode.dmPelsWidth),
             mode.dmPosition.y + static_cast<LONG>(mode.dmPelsHeight)};
      (void)placedArea(device.DeviceName, r);
      MonitorArea area{toTwips(r.left), toTwips(r.top), toTwips(r.right - r.left),
                       toTwips(r.bottom - r.top), dpi_};
      int shown = std::max(1, monitorsOf(device.DeviceName));
      for (int m = 0; m < shown; ++m) {
        // The first monitor that holds the pointer comes first.
        if (!pointerFound && PtInRect(&r, pointer)) {
          pointerFound = true;
          found.insert(found.begin(), area);
        } else {
          found.push_back(area);
        }
      }
    }
    device = {};
    device.cb = sizeof device;
  }
  if (found.empty()) {
    ScreenInfo s = screen();
    found.push_back({0, 0, s.width, s.height, s.pixelsPerInch});
  }
  return found;
}

void Win32Ui::endMessageLoop(int exitCode) {
  endAsked_ = true;
  exitCode_ = exitCode;
  PostQuitMessage(exitCode);
}

PictureLoad Win32Ui::loadPicture(const std::string& source) {
  return pictures_->load(source);
}

void Win32Ui::showPopupMenu(Form& form, MenuItem& menu, const Control* anchor) {
  auto* peer = dynamic_cast<FormPeer*>(form.peer());
  if (!peer) return;
  auto it = peer->popups.find(&menu);
  if (it == peer->popups.end()) return;
  POINT at;
  WindowPeer* anchorPeer = anchor ? windowPeerOf(*anchor) : nullptr;
  if (anchorPeer) {
    at = anchorPeer->home().menuPoint(*anchorPeer);
    ClientToScreen(anchorPeer->hwnd(), &at);
  } else {
    GetCursorPos(&at);
  }
  SetForegroundWindow(peer->hwnd());
  TrackPopupMenu(it->second, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, peer->hwnd(), nullptr);
  PostMessageW(peer->hwnd(), WM_NULL, 0, 0);  // lets the menu close properly
}

void Win32Ui::setFocus(Control& control) {
  if (WindowPeer* peer = windowPeerOf(control)) SetFocus(peer->hwnd());
}

namespace {

// The system's modal dialogs of this thread: message boxes and file dialogs.
BOOL CALLBACK closeDialog(HWND hwnd, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(hwnd))
    PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

}  // namespace

void Win32Ui::closeModal() {
  EndMenu();
  EnumThreadWindows(GetCurrentThreadId(), &closeDialog, 0);
}

HFONT Win32Ui::font(const Font& f, int dpi) {
  auto key = std::make_tuple(f.face, f.centiPoints, f.bold, dpi);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  LOGFONTW lf{};
  // Rounded down, so that a text never grows faster than the layout it sits in:
  // 8.25 points are 11 pixels at 96 DPI and 16, not 17, at 144.
  lf.lfHeight = -(f.centiPoints * dpi / 7200);
  lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  std::wstring face = widen(f.face);
  face.resize(std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
  std::copy(face.begin(), face.end(), lf.lfFaceName);
  return fonts_.emplace(key, CreateFontIndirectW(&lf)).first->second.get();
}

HBRUSH Win32Ui::brush(COLORREF color) {
  auto it = brushes_.find(color);
  if (it != brushes_.end()) return it->second.get();
  return brushes_.emplace(color, CreateSolidBrush(color)).first->second.get();
}

UINT Win32Ui::addMenuCommand(MenuItem& item) {
  UINT id = nextMenuCommand_++;
  menuCommands_[id] = &item;
  return id;
}

MenuItem* Win32Ui::menuCommand(UINT id) const {
  auto it = menuCommands_.find(id);
  return it == menuCommands_.end() ? nullptr : it->second;
}

void Win32Ui::afterPainting(std::function<void()> step) {
  afterPainting_.push_back(std::move(step));
}

namespace {

bool waitingBesideTimers(MSG& msg) {
  return PeekMessageW(&msg, nullptr, 0, WM_TIMER - 1, PM_NOREMOVE) ||
         PeekMessageW(&msg, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_NOREMOVE);
}

}  // namespace

int Win32Ui::run() {
  MSG msg{};
  for (;;) {
    // Painting is the last thing the queue yields but timers: a queue with
    // nothing else means the windows are drawn. Timers wait, so that the
    // windows made while idle do not hold these steps up.
    while (!afterPainting_.empty() && !waitingBesideTimers(msg)) {
      // Windows takes a thread that finds its queue empty for idle; Wine
      // only one that waits on it. A wait of no time tells both that the
      // window is ready for input before the later steps run.
      MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      auto step = std::move(afterPainting_.front());
      afterPainting_.erase(afterPainting_.begin());
      step();
    }
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    // Only the program's own end ends it: a quit message that some library
    // or driver posts to this thread is not the user's Quit.
    if (got == 0 && endAsked_) break;
    if (got == 0) continue;
    if (got < 0) return kLoopFailed;
    if (keyboard_.translate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return exitCode_;
}

}  // namespace vl::win32
