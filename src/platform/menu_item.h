// Menus and their items: the menu bar of a form, its pop-up menus, and
// the shortcut keys that choose an item from anywhere in the form.
#pragma once

#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/event.h"

namespace vl {

class Form;

// Shortcut keys numbered as menu editors number them: Ctrl+A..Ctrl+Z, then F1..F12.
enum class Shortcut { None, CtrlA, CtrlZ = CtrlA + 25, F1, F12 = F1 + 11 };
constexpr Shortcut ctrl(char letter) {
  return static_cast<Shortcut>(static_cast<int>(Shortcut::CtrlA) + (letter - 'A'));
}
constexpr Shortcut fkey(int n) {
  return static_cast<Shortcut>(static_cast<int>(Shortcut::F1) + n - 1);
}
// "Ctrl+L", "F1", or "" for none.
std::string shortcutText(Shortcut s);

class MenuItem {
 public:
  // A parentless item is a top-level menu of the form's menu bar.
  MenuItem(Form& form, MenuItem* parent, std::string name, std::string caption,
           Shortcut shortcut = Shortcut::None);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  ~MenuItem();

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  Shortcut shortcut() const { return shortcut_; }
  bool isSeparator() const { return caption_ == "-"; }
  MenuItem* parent() const { return parent_; }
  const std::vector<MenuItem*>& items() const { return items_; }
  Form& form() const { return form_; }

  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool checked() const { return checked_; }
  void setChecked(bool v);
  bool visible() const { return visible_; }
  void setVisible(bool v);

  Event<void()> Click;
  // A choice by the user: only an enabled, visible item acts.
  void userClick();
  // The item acts while a long operation runs in another window too: Quit,
  // which cancels the operation first.
  void setActsWhileBusy(bool a) { actsWhileBusy_ = a; }

  void attachPeer(ControlPeer* peer) { peer_ = peer; }

 private:
  void changed(Prop what);

  Form& form_;
  MenuItem* parent_;
  std::string name_, caption_;
  Shortcut shortcut_;
  bool enabled_ = true, checked_ = false, visible_ = true;
  bool actsWhileBusy_ = false;
  std::vector<MenuItem*> items_;
  ControlPeer* peer_ = nullptr;
};

}  // namespace vl
