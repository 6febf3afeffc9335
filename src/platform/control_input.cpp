// What the user does to controls, and whether the control may act on it:
// shown, enabled, and not held back while a long operation runs elsewhere.
#include <utility>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "platform/ui.h"

namespace vl {

void Control::raiseWhenFree(Event<void()> Control::*event) {
  if (!(this->*event)) return;
  Form* f = form();
  if (!f || !f->loaded() || f->ui().acceptsInput(f)) {
    (this->*event)();
    return;
  }
  f->ui().whenIdleFor(*this, [this, event] {
    if (this->*event) (this->*event)();
  });
}

// Enabled, shown, and not refused while a long operation runs elsewhere.
static bool acting(Control* c) {
  if (!c->shownOnScreen() || !c->enabledWithParents()) return false;
  Form* f = c->form();
  return !f || f->ui().acceptsInput(f);
}

void Control::userClick() {
  if (!acting(this)) return;
  if (clickChangesValue()) return;
  if (Click) Click();
}

void Control::userLeftDown() {
  pressed_ = true;
}

void Control::userLeftUp(bool over) {
  bool click = pressed_ && over;
  pressed_ = false;
  if (click) userClick();
}

void Control::userDblClick() {
  if (acting(this) && DblClick) DblClick();
}

void Control::userKeyDown(int keyCode) {
  if (acting(this) && KeyDown) KeyDown(keyCode);
}

// Not limited to shown controls: the shell reports the tray icon's mouse
// messages as moves over a hidden control.
void Control::userMouseMove(int x, int y) {
  if (MouseMove) MouseMove(x, y);
}

void Control::userMouseDown(int button, int x, int y) {
  if (acting(this) && MouseDown) MouseDown(button, x, y);
}

bool Control::userWheel(int notches, bool shift, bool ctrl, int x, int y) {
  if (!MouseWheel || !acting(this)) return false;
  MouseWheel(notches, shift, ctrl, x, y);
  return true;
}

bool Control::userMenuKey() {
  for (Control* c = this; c; c = c->parent()) {
    if (!c->MenuKey) continue;
    if (!acting(c)) return false;
    c->MenuKey();
    return true;
  }
  return false;
}

void Control::userEdit(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);  // the window already shows it
  raiseWhenFree(&Control::Change);
}

std::string ImageBox::setPicture(const std::string& source) {
  std::shared_ptr<const Picture> picture;
  if (!source.empty()) {
    Form* f = form();
    if (!f) return "The control has no window.";
    PictureLoad loaded = f->ui().loadPicture(source);
    if (!loaded.picture) return loaded.error.empty() ? "The picture cannot be read." : loaded.error;
    picture = std::move(loaded.picture);
  }
  source_ = source;
  picture_ = std::move(picture);
  fitPicture();
  changed(Prop::Picture);
  return {};
}

void Timer::elapse() {
  if (!enabled() || interval_ <= 0 || !Tick) return;
  Form* f = form();
  if (onlyRefreshes_ || !f || !f->loaded() || f->ui().acceptsInput(f)) {
    Tick();
    return;
  }
  bool first = f->ui().whenIdleFor(*this, [this, f] {
    for (int n = std::exchange(held_, 0); n > 0 && f->loaded() && enabled() && Tick; --n) Tick();
  });
  held_ = first ? 1 : held_ + 1;
}

void ScrollBar::userScroll(int v) {
  if (!acting(this)) return;
  setValueQuietly(clamp(v));
  if (Scroll) Scroll();
}

void ScrollBar::userRelease(int v) {
  if (!acting(this)) return;
  setValueQuietly(clamp(v));
  if (Change) Change();
}

void ScrollBar::userLine(int direction) {
  if (!acting(this)) return;
  int step = min_ <= max_ ? smallChange_ : -smallChange_;
  setValue(value() + direction * step);
}

void ScrollBar::userPage(int direction) {
  if (!acting(this)) return;
  int step = min_ <= max_ ? largeChange_ : -largeChange_;
  setValue(value() + direction * step);
}

void ScrollBar::userEnd(bool toMax) {
  if (acting(this)) setValue(toMax ? max_ : min_);
}

void ListControl::userSelect(int index) {
  if (!shownOnScreen() || index < -1 || index >= static_cast<int>(items_.size())) return;
  setValueQuietly(index);
  raiseWhenFree(&Control::Click);
}

void ListControl::userPress(int button, int index, int x, int y) {
  pressedItem_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
  userMouseDown(button, x, y);
  pressedItem_ = -1;
}

void TabStrip::userStep(int direction) {
  int n = static_cast<int>(captions_.size());
  if (n == 0 || !acting(this)) return;
  setTab(((tab() + direction) % n + n) % n);
}

void TabStrip::userSelectTab(int t) {
  if (t == value()) return;
  setValueQuietly(t);
  raiseWhenFree(&Control::Click);
}

}  // namespace vl
