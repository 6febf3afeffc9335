#include "platform/controls.h"

#include <algorithm>
#include <utility>

#include "platform/list_controls.h"
#include "platform/picture.h"

namespace vl {

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
      if (sibling != this && sibling->optionGroup() == optionGroup()) sibling->setValueQuietly(0);
  if (Click) Click();
}

bool OptionButton::clickChangesValue() {
  if (value()) return false;  // an already selected option still reports the click
  setValue(1);
  return true;
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
  TabStrip* tabs = c.parent() ? c.parent()->asTabStrip() : nullptr;
  if (tabs && c.tabPage() >= 0) tabs->setValue(c.tabPage());
}

void statusHelp(Control& c, StatusBar& statusBar, std::string text) {
  c.setHelp(text);
  c.MouseMove = [&statusBar, text = std::move(text)](int, int) { statusBar.showHelp(text); };
}

bool TextBox::takesKey(int code) const {
  int plain = code & ~key::Ctrl;
  return plain == key::Space || plain == key::Backspace || plain == key::Home ||
         plain == key::End || plain == key::Delete || plain == key::Left || plain == key::Right;
}

}  // namespace vl
