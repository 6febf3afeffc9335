#include "platform/win32/ui.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "platform/keyboard_order.h"
#include "platform/win32/kind_home.h"
#include "platform/win32/peer.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text.h"
#include "platform/win32/window_dc.h"

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
  decoder_ = std::make_unique<Win32PictureDecoder>(instance_, dpi_, libraries_);
  pictures_ = std::make_unique<PictureCache>(*decoder_);
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
  int perPixel = std::max(1, 1440 / dpi_);
  return {toTwips(GetSystemMetrics(SM_CXSCREEN)), toTwips(GetSystemMetrics(SM_CYSCREEN)), perPixel,
          perPixel, dpi_};
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

HFONT Win32Ui::font(const Font& f) {
  auto key = std::make_tuple(f.face, f.centiPoints, f.bold);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  LOGFONTW lf{};
  // Rounded down, so that a text never grows faster than the layout it sits in:
  // 8.25 points are 11 pixels at 96 DPI and 16, not 17, at 144.
  lf.lfHeight = -(f.centiPoints * dpi_ / 7200);
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

namespace {

FormPeer* formPeerOf(const Win32Ui& ui, HWND hwnd) {
  HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  WindowPeer* peer = root ? ui.peerOf(root) : nullptr;
  return peer && peer->control() ? peer->asFormPeer() : nullptr;
}

HWND hwndOf(Control* c) {
  return windowPeerOf(*c)->hwnd();
}

// Tab and Shift+Tab walk the form's controls in tab order.
bool moveFocus(WindowPeer& form, bool backwards) {
  std::vector<Control*> stops = tabStops(*form.control());
  if (stops.empty()) return false;
  HWND focus = GetFocus();
  // The control that has the focus itself; else the one holding it (a combo
  // box's edit). The tab strip holds every page's controls: it comes last.
  auto at =
      std::find_if(stops.begin(), stops.end(), [&](Control* c) { return hwndOf(c) == focus; });
  // An option button that is not its group's stop: the group's stop stands for it.
  WindowPeer* focusPeer = focus ? form.ui().peerOf(focus) : nullptr;
  Control* focused = focusPeer ? focusPeer->control() : nullptr;
  if (at == stops.end() && focused && focused->kind() == ControlKind::OptionButton)
    at = std::find_if(stops.begin(), stops.end(), [&](Control* c) {
      return c->kind() == ControlKind::OptionButton && c->parent() == focused->parent();
    });
  if (at == stops.end())
    at = std::find_if(stops.begin(), stops.end(),
                      [&](Control* c) { return IsChild(hwndOf(c), focus) != FALSE; });
  std::ptrdiff_t n = static_cast<std::ptrdiff_t>(stops.size());
  std::ptrdiff_t i = at == stops.end() ? (backwards ? 0 : -1) : at - stops.begin();
  i = ((backwards ? i - 1 : i + 1) % n + n) % n;
  SetFocus(hwndOf(stops[static_cast<std::size_t>(i)]));
  return true;
}

// The arrow keys move among the option buttons of a group and select the
// one they reach, as in a dialog box.
bool moveAmongOptions(const Win32Ui& ui, WPARAM key) {
  if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) return false;
  WindowPeer* focus = ui.peerOf(GetFocus());
  Control* option = focus ? focus->control() : nullptr;
  Direction way = key == VK_LEFT   ? Direction::Left
                  : key == VK_UP   ? Direction::Up
                  : key == VK_DOWN ? Direction::Down
                                   : Direction::Right;
  Control* next = option ? nextOption(*option, way) : nullptr;
  WindowPeer* peer = next ? windowPeerOf(*next) : nullptr;
  if (!peer) return false;
  SetFocus(peer->hwnd());
  if (!next->value()) next->userClick();
  return true;
}

// Ctrl+Tab and Ctrl+Page Down turn to the next page, with Shift or Page Up
// to the one before, wherever the focus is: also while something covers the
// tab headers. The focus left on the old page goes to the tab strip.
bool turnPage(WindowPeer& form, bool forward) {
  TabStrip* tabs = static_cast<Form&>(*form.control()).tabStrip();
  WindowPeer* peer = tabs ? windowPeerOf(*tabs) : nullptr;
  if (!peer) return false;
  tabs->userStep(forward ? 1 : -1);
  HWND focus = GetFocus();
  if (!focus || !IsWindowVisible(focus)) SetFocus(peer->hwnd());
  return true;
}

// Alt and an underlined letter press the control that carries it.
bool pressMnemonic(WindowPeer& form, wchar_t letter) {
  for (Control* c : tabStops(*form.control())) {
    if (!windowPeerOf(*c)->home().mnemonicFromCaption()) continue;
    std::wstring caption = widen(c->text());
    std::size_t amp = caption.find(L'&');
    if (amp == std::wstring::npos || amp + 1 >= caption.size()) continue;
    if (std::towupper(caption[amp + 1]) != std::towupper(letter)) continue;
    SetFocus(hwndOf(c));
    c->userClick();
    return true;
  }
  return false;
}

// Enter presses the focused push button, else the form's default one; Esc
// its cancelling one. A control that takes Enter itself keeps it, and so
// does a text box of many lines.
bool dialogKey(const Win32Ui& ui, FormPeer& form, WPARAM key) {
  WindowPeer* focus = ui.peerOf(GetFocus());
  Control* focused = focus ? focus->control() : nullptr;
  if (key == VK_RETURN && focused) {
    auto* box = dynamic_cast<TextBox*>(focused);
    if (focused->KeyDown || (box && box->multiLine())) return false;
    if (auto* button = dynamic_cast<CommandButton*>(focused)) {
      button->userClick();
      return true;
    }
  }
  auto& f = static_cast<Form&>(*form.control());
  return f.userDialogKey(key == VK_RETURN ? key::Enter : key::Escape);
}

// The menu key, or Shift+F10, asks the focused control for its pop-up menu.
bool isMenuKey(const MSG& msg) {
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_APPS) return true;
  return (msg.message == WM_SYSKEYDOWN || msg.message == WM_KEYDOWN) && msg.wParam == VK_F10 &&
         GetKeyState(VK_SHIFT) < 0;
}

// The shortcut a key makes with the keys held now, as the menus' shortcut
// keys match it: Ctrl and a letter, or a function key alone.
Shortcut shortcutOfKey(WPARAM key) {
  if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0) return Shortcut::None;
  bool ctrlDown = GetKeyState(VK_CONTROL) < 0;
  if (ctrlDown && key >= 'A' && key <= 'Z') return ctrl(static_cast<char>(key));
  if (!ctrlDown && key >= VK_F1 && key <= VK_F12) return fkey(static_cast<int>(key - VK_F1) + 1);
  return Shortcut::None;
}

}  // namespace

bool Win32Ui::preTranslate(MSG& msg) {
  FormPeer* form = formPeerOf(*this, msg.hwnd);
  if (!form) return false;
  // While a long operation runs, the windows that wait are disabled and its
  // own has no menus: shortcuts are looked up here, so that Quit still acts.
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && busy() &&
      userShortcutWhileBusy(static_cast<Form&>(*form->control()), shortcutOfKey(msg.wParam)))
    return true;
  if (form->accelerators && TranslateAcceleratorW(form->hwnd(), form->accelerators, &msg))
    return true;
  bool pageKey = msg.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
                 (msg.wParam == VK_TAB || msg.wParam == VK_NEXT || msg.wParam == VK_PRIOR);
  bool forward = msg.wParam == VK_TAB ? GetKeyState(VK_SHIFT) >= 0 : msg.wParam == VK_NEXT;
  if (pageKey && turnPage(*form, forward)) return true;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB)
    return moveFocus(*form, GetKeyState(VK_SHIFT) < 0);
  if (isMenuKey(msg)) {
    WindowPeer* focus = peerOf(GetFocus());
    if (!focus) focus = peerOf(GetParent(GetFocus()));  // a combo box's own edit
    if (focus && focus->control() && focus->control()->userMenuKey()) {
      // The key's release would ask the window for its menu a second time.
      menuKeyUp_ = static_cast<UINT>(msg.wParam);
      return true;
    }
  }
  if ((msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && menuKeyUp_ &&
      msg.wParam == menuKeyUp_) {
    menuKeyUp_ = 0;
    return true;
  }
  if (msg.message == WM_KEYDOWN && moveAmongOptions(*this, msg.wParam)) return true;
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
      dialogKey(*this, *form, msg.wParam))
    return true;
  if (msg.message == WM_SYSCHAR) {
    if (pressMnemonic(*form, static_cast<wchar_t>(msg.wParam))) return true;
    wchar_t letter = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam)));
    auto& f = static_cast<Form&>(*form->control());
    return letter < 128 && f.userAltKey(static_cast<char>(letter));
  }
  if (msg.message == WM_MOUSEWHEEL) {
    // The wheel turns what lies under the pointer, as users expect, rather
    // than what has the focus.
    POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    HWND under = WindowFromPoint(at);
    if (under && under != msg.hwnd && GetAncestor(under, GA_ROOT) == form->hwnd()) msg.hwnd = under;
  }
  return false;
}

void Win32Ui::afterPainting(std::function<void()> step) {
  afterPainting_.push_back(std::move(step));
}

int Win32Ui::run() {
  MSG msg{};
  for (;;) {
    // Painting is the last thing the queue yields: an empty queue means the
    // windows are drawn.
    while (!afterPainting_.empty() && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
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
    if (preTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return exitCode_;
}

}  // namespace vl::win32
