#include "platform/menu_item.h"

#include "platform/form.h"
#include "platform/ui.h"

namespace vl {

std::string shortcutText(Shortcut s) {
  int n = static_cast<int>(s);
  if (s == Shortcut::None) return {};
  std::string text;
  if (n <= static_cast<int>(Shortcut::CtrlZ)) {
    text = "Ctrl+";
    text.push_back(static_cast<char>('A' + n - static_cast<int>(Shortcut::CtrlA)));
  } else {
    text = "F" + std::to_string(n - static_cast<int>(Shortcut::F1) + 1);
  }
  return text;
}

MenuItem::MenuItem(Form& form, MenuItem* parent, std::string name, std::string caption,
                   Shortcut shortcut)
    : form_(form),
      parent_(parent),
      name_(std::move(name)),
      caption_(std::move(caption)),
      shortcut_(shortcut) {
  if (parent_)
    parent_->items_.push_back(this);
  else
    form_.registerMenu(this);
}

MenuItem::~MenuItem() {
  if (peer_) peer_->release();
}

void MenuItem::changed(Prop what) {
  if (peer_) peer_->sync(what);
}

void MenuItem::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Prop::Enabled);
}

void MenuItem::setChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  changed(Prop::Value);
}

void MenuItem::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Prop::Visible);
}

void MenuItem::userClick() {
  if (!actsWhileBusy_ && !form_.ui().acceptsInput(&form_)) return;
  for (const MenuItem* m = this; m; m = m->parent_)
    if (!m->enabled_) return;
  if (Click) Click();
}

}  // namespace vl
