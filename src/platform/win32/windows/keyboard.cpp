#include "platform/win32/windows/keyboard.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>

#include "platform/keyboard_order.h"
#include "platform/win32/windows/kind_home.h"
#include "platform/win32/windows/peer.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/ui.h"
#include "platform/win32/windows/window_internal.h"

namespace vl::win32 {

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
  if (at == stops.end() && focused && focused->optionGroup())
    at = std::find_if(stops.begin(), stops.end(),
                      [&](Control* c) { return c->optionGroup() == focused->optionGroup(); });
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
  auto& f = static_cast<Form&>(*form.control());
  return f.userDialogKey(key == VK_RETURN ? key::Enter : key::Escape, focused);
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

bool Keyboard::translate(MSG& msg) {
  FormPeer* form = formPeerOf(ui_, msg.hwnd);
  if (!form) return false;
  // While a long operation runs, the windows that wait are disabled and its
  // own has no menus: shortcuts are looked up here, so that Quit still acts.
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && ui_.busy() &&
      ui_.userShortcutWhileBusy(static_cast<Form&>(*form->control()), shortcutOfKey(msg.wParam)))
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
    WindowPeer* focus = ui_.peerOf(GetFocus());
    if (!focus) focus = ui_.peerOf(GetParent(GetFocus()));  // a combo box's own edit
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
  if (msg.message == WM_KEYDOWN) {
    WindowPeer* focus = ui_.peerOf(GetFocus());
    Control* focused = focus ? focus->control() : nullptr;
    if (static_cast<Form&>(*form->control()).userKeyPreview(keyCode(msg.wParam), focused))
      return true;
  }
  if (msg.message == WM_KEYDOWN && moveAmongOptions(ui_, msg.wParam)) return true;
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
      dialogKey(ui_, *form, msg.wParam))
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

}  // namespace vl::win32
