#include "platform/control.h"

#include <algorithm>
#include <utility>

#include "platform/picture.h"

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

void StatusBar::showHelp(std::string text) {
  helping_ = true;
  setText(std::move(text));
  helping_ = false;
  showsHelp_ = true;  // also when it already said the same
}

void StatusBar::clearHelp() {
  if (showsHelp_) showHelp("");
}

void StatusBar::showMessage(std::string text, const void* subject) {
  saying_ = subject;
  setText(std::move(text));
  saying_ = nullptr;
  subject_ = subject;
}

void StatusBar::takeBack(const void* subject) {
  if (subject && subject_ == subject) setText("");
}

void TextBox::textChanged() {
  if (Change) Change();
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

void CheckBox::valueChanged() {
  if (Click) Click();
}

bool CheckBox::clickChangesValue() {
  setValue(value() ? 0 : 1);
  return true;
}

void OptionButton::valueChanged() {
  if (!value()) return;
  if (parent())
    for (Control* sibling : parent()->children())
      if (auto* option = dynamic_cast<OptionButton*>(sibling); option && option != this)
        option->setValueQuietly(0);
  if (Click) Click();
}

bool OptionButton::clickChangesValue() {
  if (value()) return false;  // an already selected option still reports the click
  setValue(1);
  return true;
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

bool ProgressBar::setMax(int m) {
  if (m <= 0) return false;
  if (m == max_) return true;
  max_ = m;
  changed(Prop::Limits);
  return true;
}

void CommandButton::setPicture(std::string resource) {
  if (resource == picture_) return;
  picture_ = std::move(resource);
  changed(Prop::Picture);
}

void ImageBox::setStretch(bool s) {
  if (s == stretch_) return;
  stretch_ = s;
  fitPicture();
  changed(Prop::Picture);
}

void ImageBox::fitPicture() {
  if (picture_ && !stretch_)
    setBounds(left(), top(), picture_->widthTwips(), picture_->heightTwips());
}

void Timer::setInterval(int ms) {
  ms = ms < 0 ? 0 : ms;
  if (ms == interval_) return;
  interval_ = ms;
  changed(Prop::Limits);
}

void Timer::setResting(bool resting) {
  if (resting == resting_) return;
  resting_ = resting;
  changed(Prop::Limits);
}

int ScrollBar::clamp(int v) const {
  int low = min_ < max_ ? min_ : max_;
  int high = min_ < max_ ? max_ : min_;
  return v < low ? low : v > high ? high : v;
}

void ScrollBar::setRange(int min, int max) {
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  changed(Prop::Limits);
  setValue(value());
}

void ScrollBar::setChanges(int small, int large) {
  smallChange_ = small > 0 ? small : 1;
  largeChange_ = large > 0 ? large : 1;
}

void ScrollBar::setValue(int v) {
  v = clamp(v);
  if (v == value()) return;
  setValueQuietly(v);
  if (Change) Change();
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

void TabStrip::setCaptions(std::vector<std::string> c) {
  captions_ = std::move(c);
  changed(Prop::Items);
}

void TabStrip::valueChanged() {
  if (Click) Click();
}

bool TabStrip::showsChild(const Control& child) const {
  return child.tabPage() < 0 || child.tabPage() == value();
}

void selectPageOf(Control& c) {
  auto* tabs = dynamic_cast<TabStrip*>(c.parent());
  if (tabs && c.tabPage() >= 0) tabs->setValue(c.tabPage());
}

}  // namespace vl
