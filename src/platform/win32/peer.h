// The real window behind a control, kept in step with the control's
// properties; window messages come back as the control's events.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/win32/ui.h"

namespace vl::win32 {

class WindowPeer;

// One menu entry; the menus of the bar are rebuilt when one of them changes.
class MenuPeer : public ControlPeer {
 public:
  MenuPeer(WindowPeer& form, MenuItem& item, HMENU menu, UINT id);
  ~MenuPeer() override;
  MenuPeer(const MenuPeer&) = delete;
  MenuPeer& operator=(const MenuPeer&) = delete;
  void sync(Prop what) override;
  void release() override { item_ = nullptr; }

 private:
  WindowPeer& form_;
  MenuItem* item_;
  HMENU menu_;
  UINT id_;
};

class WindowPeer : public ControlPeer {
 public:
  WindowPeer(Win32Ui& ui, Control& control, HWND hwnd);
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  void sync(Prop what) override;
  void release() override;
  // What the new window does not have from its creation: fonts, items, checks.
  void applyInitialState();

  static WindowPeer* of(HWND hwnd);
  HWND hwnd() const { return hwnd_; }
  Control* control() const { return control_; }
  Win32Ui& ui() const { return ui_; }

  // Standard controls keep their own window procedure behind ours.
  WNDPROC original = nullptr;
  HBITMAP picture = nullptr;
  // Form windows: the menu bar, pop-up menus, shortcut keys and the focus
  // to give back when the window is activated again.
  HMENU menuBar = nullptr;
  HACCEL accelerators = nullptr;
  std::vector<std::unique_ptr<MenuPeer>> menus;
  std::map<const MenuItem*, HMENU> popups;
  HWND lastFocus = nullptr;
  // A hidden container's controls get their windows when it is first shown,
  // or when the program has nothing else to do.
  bool childrenPending = false;

 private:
  void fillList(const ListControl& list);
  void syncBounds();
  void syncVisible();
  void syncText();
  void syncStyle();

  Win32Ui& ui_;
  Control* control_;
  HWND hwnd_;
  ATOM nameAtom_;
};

// Registers the window classes of our own panels, frames, pictures and forms.
void registerWindowClasses(HINSTANCE instance);
// Creates the form's window and the windows of its controls; those inside
// hidden containers follow later (createPendingChildren).
HWND createFormWindow(Win32Ui& ui, Form& form);
// Creates the windows of a container's controls if they are still pending.
void createPendingChildren(WindowPeer& container);
void forgetPendingChildren(WindowPeer& container);
// Builds the form's menu bar, pop-up menus and shortcut keys anew.
void buildMenus(WindowPeer& formPeer);
void destroyMenus(WindowPeer& formPeer);
// The form's controls that take the focus, in tab order.
std::vector<Control*> tabStops(Control& form);
// Whether the control is shown by its own window (its page is current).
bool shownInParent(const Control& c);
// Background colour under a control: its own or the nearest container's.
COLORREF backgroundOf(const Control* c);

}  // namespace vl::win32
