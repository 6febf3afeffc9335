// The real window behind a control, kept in step with the control's
// properties; window messages come back as the control's events.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/form.h"
#include "platform/win32/windows/dpi_context.h"

namespace vl::win32 {

class Win32Ui;
class WindowPeer;
class FormPeer;
class KindHome;

// A timer keeps its time in its form's window: a window timer with an ID of
// the form's own. The form's window names the ID of the first timer of each
// name in a property (kTimerProperty and the name), so that a WM_TIMER with
// that ID posted to the form runs one tick.
inline constexpr wchar_t kTimerProperty[] = L"VarilumeTimer ";
class TimerPeer : public ControlPeer {
 public:
  TimerPeer(FormPeer& form, Timer& timer, UINT_PTR id);
  ~TimerPeer() override;
  TimerPeer(const TimerPeer&) = delete;
  TimerPeer& operator=(const TimerPeer&) = delete;
  void sync(Prop what) override;
  void release() override;  // the timer is going away: so does this peer
  void tick();
  UINT_PTR id() const { return id_; }

 private:
  FormPeer& form_;
  Timer* timer_;
  UINT_PTR id_;
  std::wstring property_;
};

// One menu entry; the menus of the bar are rebuilt when one of them changes.
class MenuPeer : public ControlPeer {
 public:
  MenuPeer(FormPeer& form, MenuItem& item, HMENU menu, UINT id);
  ~MenuPeer() override;
  MenuPeer(const MenuPeer&) = delete;
  MenuPeer& operator=(const MenuPeer&) = delete;
  void sync(Prop what) override;
  void release() override { item_ = nullptr; }

 private:
  FormPeer& form_;
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

  // The peer of one of our own windows, as its window procedure finds it;
  // for a window that may be another's, ask Win32Ui::peerOf.
  static WindowPeer* of(HWND hwnd);
  HWND hwnd() const { return hwnd_; }
  Control* control() const { return control_; }
  Win32Ui& ui() const { return ui_; }
  const KindHome& home() const { return home_; }
  // The peer of a form's window, else null.
  virtual FormPeer* asFormPeer() { return nullptr; }
  // Twips to pixels at its form's DPI; how the thread counts its window.
  Scale scale() const;
  DpiMode dpiMode() const;
  // Expires when the peer goes: for those who may outlive it.
  std::weak_ptr<const void> alive() const { return alive_; }

  // Standard controls keep their own window procedure behind ours.
  WNDPROC original = nullptr;
  // A hidden container's controls get their windows when it is first shown,
  // or when the program has nothing else to do.
  bool childrenPending = false;
  // Changes of place, range, value and picture made while a container around
  // the control was out of sight; the window follows when it comes into view.
  unsigned deferred = 0;

 private:
  Win32Ui& ui_;
  Control* control_;
  const KindHome& home_;
  HWND hwnd_;
  ATOM nameAtom_;
  std::shared_ptr<const void> alive_ = std::make_shared<char>(0);
};

// A form's window also holds its menu bar, pop-up menus, shortcut keys and
// timers, and the focus to give back when it is activated again.
class FormPeer : public WindowPeer {
 public:
  FormPeer(Win32Ui& ui, Form& form, HWND hwnd) : WindowPeer(ui, form, hwnd) {}
  ~FormPeer() override;

  FormPeer* asFormPeer() override { return this; }

  HMENU menuBar = nullptr;
  HACCEL accelerators = nullptr;
  std::vector<std::unique_ptr<MenuPeer>> menus;
  std::map<const MenuItem*, HMENU> popups;
  HWND lastFocus = nullptr;
  bool minimised = false;
  std::unordered_map<UINT_PTR, std::unique_ptr<TimerPeer>> timers;
  UINT_PTR nextTimerId = 0x100;  // below it: the window's own timers
  // The system's, or its monitor's when the form follows its monitor.
  int dpi = 96;
  bool perMonitor = false;
};

// Registers the window classes of our own panels, frames, pictures and forms;
// false when the system refused one.
bool registerWindowClasses(HINSTANCE instance);
// Creates the form's window and the windows of its controls; those inside
// hidden containers follow later (createPendingChildren). Null, with nothing
// left behind, when any of the windows could not be made.
HWND createFormWindow(Win32Ui& ui, Form& form);
// A form that follows its monitor: its window goes where the program placed
// it, on that monitor's own pixels; the program learns where the window went
// in its own terms; a move to a monitor of another DPI lays it out anew.
void placeOnItsMonitor(FormPeer& form);
void learnPlace(FormPeer& form);
void followNewDpi(FormPeer& form, int dpi, const RECT& suggested);
// Creates the windows of a container's controls if they are still pending.
void createPendingChildren(WindowPeer& container);
void forgetPendingChildren(WindowPeer& container);
// The form's idle timer: one more of its pending containers gets its windows.
void createOnePending(FormPeer& formPeer);
// Builds the form's menu bar, pop-up menus and shortcut keys anew.
void buildMenus(FormPeer& formPeer);
void destroyMenus(FormPeer& formPeer);
// The form's controls that take the focus, in tab order.
std::vector<Control*> tabStops(Control& form);
// The control has moved, hidden, been disabled or (raised) come to the
// front: a focus it leaves where the keyboard cannot reach goes to the first
// control it can, inside the raised control when there is one there.
void settleFocus(WindowPeer& changed, bool raised);
// Whether the control is shown by its own window (its page is current).
bool shownInParent(const Control& c);
// Whether any part of the control lies inside its parent: a container out of
// sight (a panel parked below its parent) makes its children only when it
// comes into view, or when the program is idle.
bool inSight(const Control& c);
// Shown in its parent, in sight, and so are all its parents up to a shown form.
bool onScreen(const Control& c);
// A form about to show makes the children its shown containers deferred.
void createShownPending(const Form& form);
// The container has come into view: its controls' windows catch up.
void catchUpDeferred(Control& container);
// Background colour under a control: its own or the nearest container's.
COLORREF backgroundOf(const Control* c);
// The peer of a control that has a window of its own, else null.
WindowPeer* windowPeerOf(const Control& c);
// Twips to pixels for the control: at its form's DPI once the form has a
// window, else at the system's.
Scale scaleOf(const Win32Ui& ui, const Control& c);

}  // namespace vl::win32
