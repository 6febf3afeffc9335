#include "platform/control.h"

#include <algorithm>
#include <utility>

namespace vl {

Control::Control(Control* parent, std::string name, ControlKind kind)
    : parent_(parent), name_(std::move(name)), kind_(kind) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  if (peer_) {
    ControlPeer* p = peer_;
    peer_ = nullptr;
    p->release();
  }
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

Form* Control::form() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return c->asForm();
}

const Form* Control::form() const {
  return const_cast<Control*>(this)->form();
}

void Control::changed(Prop what) {
  propertyChanged(what);
  if (peer_) peer_->sync(what);
}

void Control::setBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed(Prop::Bounds);
}

void Control::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  changed(Prop::Text);
  textChanged();
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Prop::Visible);
}

void Control::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Prop::Enabled);
}

void Control::setValueQuietly(int v) {
  if (v == value_) return;
  value_ = v;
  changed(Prop::Value);
}

void Control::setValue(int v) {
  v = normalisedValue(v);
  if (v == value_) return;
  setValueQuietly(v);
  valueChanged();
}

void Control::setBackColor(Rgb c) {
  backColor_ = c;
  changed(Prop::Style);
}

void Control::setForeColor(Rgb c) {
  foreColor_ = c;
  changed(Prop::Style);
}

const Font& Control::font() const {
  static const Font standard;
  for (const Control* c = this; c; c = c->parent_)
    if (c->font_) return *c->font_;
  return standard;
}

void Control::setFont(Font f) {
  font_ = std::move(f);
  changed(Prop::Style);
}

void Control::setAlignment(Align a) {
  alignment_ = a;
  changed(Prop::Style);
}

void Control::setBorder(bool b) {
  border_ = b;
  changed(Prop::Style);
}

bool Control::shownOnScreen() const {
  if (!visible_) return false;
  if (!parent_) return true;
  return parent_->showsChild(*this) && parent_->shownOnScreen();
}

bool Control::enabledWithParents() const {
  for (const Control* c = this; c; c = c->parent())
    if (!c->enabled()) return false;
  return true;
}

bool Control::inSight() const {
  for (const Control* c = this; c->parent_; c = c->parent_) {
    int w = c->parent_->innerWidth(), h = c->parent_->innerHeight();
    if (w <= 0 || h <= 0) continue;  // a parent of no size yet hides nothing
    if (c->left_ >= w || c->top_ >= h || c->left_ + c->width_ <= 0 || c->top_ + c->height_ <= 0)
      return false;
  }
  return true;
}

bool Control::focusable() const {
  return takesFocus() && shownOnScreen() && enabledWithParents() && inSight();
}

}  // namespace vl
