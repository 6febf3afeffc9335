#include "platform/control.h"

#include <algorithm>

#include "platform/form.h"

namespace vl {

Control::Control(Control* parent, std::string name, ControlKind kind)
    : parent_(parent), name_(std::move(name)), kind_(kind) {
  if (parent_) {
    parent_->children_.push_back(this);
    if (Form* f = form()) tabIndex_ = f->nextTabIndex();
  }
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
  return c->kind_ == ControlKind::Form ? static_cast<Form*>(c) : nullptr;
}

void Control::changed(Prop what) {
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
  if (kind_ == ControlKind::TextBox && Change) Change();
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
  if (kind_ == ControlKind::CheckBox || kind_ == ControlKind::OptionButton) v = v ? 1 : 0;
  if (v == value_) return;
  if (kind_ == ControlKind::OptionButton && v && parent_) {
    for (Control* sibling : parent_->children_)
      if (sibling != this && sibling->kind_ == ControlKind::OptionButton)
        sibling->setValueQuietly(0);
  }
  setValueQuietly(v);
  bool raisesClick = kind_ == ControlKind::CheckBox || kind_ == ControlKind::TabStrip ||
                     (kind_ == ControlKind::OptionButton && v);
  if (raisesClick && Click) Click();
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

void Control::setTransparent(bool t) {
  transparent_ = t;
  changed(Prop::Style);
}

void Control::setStretch(bool s) {
  if (s == stretch_) return;
  stretch_ = s;
  changed(Prop::Style);
}

void Control::setPicture(std::string p) {
  picture_ = std::move(p);
  changed(Prop::Style);
}

bool Control::shownOnScreen() const {
  if (!visible_) return false;
  if (!parent_) return true;
  if (parent_->kind_ == ControlKind::TabStrip && tabPage_ >= 0 && parent_->value_ != tabPage_)
    return false;
  return parent_->shownOnScreen();
}

static bool enabledChain(const Control* c) {
  for (; c; c = c->parent())
    if (!c->enabled()) return false;
  return true;
}

bool Control::focusable() const {
  switch (kind_) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::TabStrip:
    case ControlKind::DriveList:
    case ControlKind::DirList:
    case ControlKind::FileList:
      return shownOnScreen() && enabledChain(this);
    default:
      return false;
  }
}

void Control::userClick() {
  if (!shownOnScreen() || !enabledChain(this)) return;
  switch (kind_) {
    case ControlKind::CheckBox:
      setValue(value_ ? 0 : 1);
      return;
    case ControlKind::OptionButton:
      if (value_) break;  // an already selected option still reports the click
      setValue(1);
      return;
    default:
      break;
  }
  if (Click) Click();
}

void Control::userDblClick() {
  if (shownOnScreen() && enabledChain(this) && DblClick) DblClick();
}

void Control::userKeyDown(int keyCode) {
  if (shownOnScreen() && enabledChain(this) && KeyDown) KeyDown(keyCode);
}

void Control::userMouseMove(int x, int y) {
  if (shownOnScreen() && MouseMove) MouseMove(x, y);
}

void Control::userMouseDown(int button, int x, int y) {
  if (shownOnScreen() && enabledChain(this) && MouseDown) MouseDown(button, x, y);
}

void Control::userEdit(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);  // the window already shows it
  if (Change) Change();
}

void ProgressBar::setMax(int m) {
  if (m == max_) return;
  max_ = m;
  changed(Prop::Items);
}

void ListControl::setItems(std::vector<ListItem> items, int selected) {
  items_ = std::move(items);
  if (selected >= static_cast<int>(items_.size())) selected = -1;
  setValueQuietly(selected);
  changed(Prop::Items);  // the peer fills the list and shows the selection
}

std::string ListControl::selectedText() const {
  int i = value();
  return i >= 0 && i < static_cast<int>(items_.size()) ? items_[static_cast<std::size_t>(i)].text
                                                       : std::string();
}

void ListControl::userSelect(int index) {
  if (!shownOnScreen() || index < -1 || index >= static_cast<int>(items_.size())) return;
  setValueQuietly(index);
  if (Click) Click();
}

void TabStrip::setCaptions(std::vector<std::string> c) {
  captions_ = std::move(c);
  changed(Prop::Items);
}

}  // namespace vl
