#include "platform/win32/windows/peer.h"

#include <utility>

#include <windows.h>

#include "platform/win32/windows/kind_home.h"
#include "platform/win32/system/text.h"
#include "platform/win32/windows/window_internal.h"
#include "platform/win32/windows/window_of.h"

namespace vl::win32 {

WindowPeer::WindowPeer(Win32Ui& ui, Control& control, HWND hwnd)
    : ui_(ui), control_(&control), home_(homeOf(control.kind())), hwnd_(hwnd) {
  ui_.addPeer(hwnd_, *this);
  // Read on every message: kept with the window itself, not in a property,
  // which lives in the window server.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  nameAtom_ = GlobalAddAtomW(widen(control.name()).c_str());
  SetPropW(hwnd_, ui_.nameProperty(), reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(nameAtom_)));
}

WindowPeer::~WindowPeer() {
  forgetPendingChildren(*this);
  if (control_) control_->attachPeer(nullptr);
  ui_.removePeer(hwnd_);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  RemovePropW(hwnd_, ui_.nameProperty());
  GlobalDeleteAtom(nameAtom_);
}

WindowPeer* WindowPeer::of(HWND hwnd) {
  return reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

FormPeer::~FormPeer() {
  auto ownTimers = std::move(timers);
  ownTimers.clear();
  destroyMenus(*this);
}

void WindowPeer::release() {
  control_ = nullptr;
  DestroyWindow(hwnd_);  // deletes this peer
}

namespace {

bool deferrable(Prop what) {
  return what == Prop::Bounds || what == Prop::Limits || what == Prop::Value ||
         what == Prop::Picture;
}

// A container around the control (not the control itself) lies out of its
// parent's sight, as a parked panel does.
bool insideOutOfSight(const Control& c) {
  for (const Control* p = c.parent(); p && p->parent(); p = p->parent())
    if (!inSight(*p)) return true;
  return false;
}

unsigned bit(Prop what) {
  return 1u << static_cast<unsigned>(what);
}

}  // namespace

namespace {

// The peer of the control's form once that has a window.
const FormPeer* formPeerOf(const Control& c) {
  const Form* f = c.form();
  WindowPeer* formPeer = f ? windowPeerOf(*f) : nullptr;
  return formPeer ? formPeer->asFormPeer() : nullptr;
}

}  // namespace

Scale WindowPeer::scale() const {
  return control_ ? scaleOf(ui_, *control_) : ui_.systemScale();
}

DpiMode WindowPeer::dpiMode() const {
  const FormPeer* own = control_ ? formPeerOf(*control_) : nullptr;
  return own && own->perMonitor ? DpiMode::PerMonitor : DpiMode::System;
}

Scale scaleOf(const Win32Ui& ui, const Control& c) {
  const FormPeer* own = formPeerOf(c);
  return own ? Scale{own->dpi} : ui.systemScale();
}

void WindowPeer::sync(Prop what) {
  if (!control_) return;
  // Counted as its own window is, whichever window's message changed it.
  ThreadDpiScope counted(perMonitorDpiInUse() ? dpiMode() : DpiMode::System);
  if (deferrable(what) && insideOutOfSight(*control_)) {
    deferred |= bit(what);
    return;
  }
  home_.sync(*this, what);
}

void catchUpDeferred(Control& container) {
  for (Control* c : container.children()) {
    WindowPeer* peer = windowPeerOf(*c);
    if (peer && peer->deferred && !insideOutOfSight(*c)) {
      unsigned due = std::exchange(peer->deferred, 0u);
      // A range before the value inside it.
      for (Prop what : {Prop::Bounds, Prop::Limits, Prop::Picture, Prop::Value})
        if (due & bit(what)) peer->home().sync(*peer, what);
    }
    catchUpDeferred(*c);
  }
}

WindowPeer* windowPeerOf(const Control& c) {
  return dynamic_cast<WindowPeer*>(c.peer());
}

HWND windowOf(const Control& c) {
  WindowPeer* peer = windowPeerOf(c);
  return peer ? peer->hwnd() : nullptr;
}

TimerPeer::TimerPeer(FormPeer& form, Timer& timer, UINT_PTR id)
    : form_(form), timer_(&timer), id_(id), property_(kTimerProperty + widen(timer.name())) {
  timer.attachPeer(this);
  if (!GetPropW(form.hwnd(), property_.c_str()))
    SetPropW(form.hwnd(), property_.c_str(), reinterpret_cast<HANDLE>(id));
  sync(Prop::Limits);
}

TimerPeer::~TimerPeer() {
  KillTimer(form_.hwnd(), id_);
  if (GetPropW(form_.hwnd(), property_.c_str()) == reinterpret_cast<HANDLE>(id_))
    RemovePropW(form_.hwnd(), property_.c_str());
  if (timer_) timer_->attachPeer(nullptr);
}

void TimerPeer::sync(Prop what) {
  if (!timer_ || (what != Prop::Enabled && what != Prop::Limits)) return;
  // Setting a window timer again starts its interval afresh, as a change should.
  if (timer_->running())
    SetTimer(form_.hwnd(), id_, static_cast<UINT>(timer_->interval()), nullptr);
  else
    KillTimer(form_.hwnd(), id_);
}

void TimerPeer::release() {
  timer_ = nullptr;
  form_.timers.erase(id_);  // deletes this peer
}

void TimerPeer::tick() {
  if (timer_) timer_->elapse();
}

}  // namespace vl::win32
