#include "platform/ui.h"

#include <algorithm>

#include "platform/form.h"
#include "platform/menu_item.h"

namespace vl {

void Ui::messageBox(Form* owner, const std::string& text, const std::string& title, MsgIcon icon) {
  ModalScope modal(*this);
  showMessageBox(owner, text, title, icon);
}

void Ui::popupMenuAt(Form& form, MenuItem& menu, const Control* anchor) {
  ModalScope modal(*this);
  showPopupMenu(form, menu, anchor);
}

void Ui::beginModal() {
  busy_.push_back({nullptr, [this] { closeModal(); }});
}

void Ui::formLoaded(Form& form) {
  loaded_.push_back(&form);
}

void Ui::formUnloaded(Form& form) {
  std::erase(loaded_, &form);
  // Its controls' events have nobody to act on them any more.
  std::erase_if(waiting_, [&](const Waiting& w) { return w.form == &form; });
}

void Ui::unloadAll() {
  while (!loaded_.empty()) loaded_.back()->unload();
}

void Ui::beginBusy(Form& window, std::function<void()> cancel) {
  busy_.push_back({&window, std::move(cancel)});
}

void Ui::endBusy() {
  if (!busy_.empty()) busy_.pop_back();
  runWaiting();
}

void Ui::cancelBusy() {
  // A cancel may end its operation at once: walk a copy.
  auto operations = busy_;
  for (auto it = operations.rbegin(); it != operations.rend(); ++it)
    if (it->cancel) it->cancel();
}

void Ui::whenIdle(std::function<void()> step) {
  if (busy_.empty())
    step();
  else
    waiting_.push_back({nullptr, nullptr, std::move(step)});
}

bool Ui::whenIdleFor(Control& control, std::function<void()> step) {
  for (const Waiting& w : waiting_)
    if (w.control == &control) return false;
  waiting_.push_back({&control, control.form(), std::move(step)});
  runWaiting();
  return true;
}

namespace {
MenuItem* carrying(const std::vector<MenuItem*>& items, Shortcut s) {
  for (MenuItem* item : items) {
    if (!item->visible()) continue;
    if (item->shortcut() == s) return item;
    if (MenuItem* inner = carrying(item->items(), s)) return inner;
  }
  return nullptr;
}
}  // namespace

bool Ui::userShortcutWhileBusy(Form& typedIn, Shortcut s) {
  if (s == Shortcut::None) return false;
  MenuItem* item = carrying(typedIn.menus(), s);
  for (auto it = loaded_.begin(); !item && it != loaded_.end(); ++it)
    item = carrying((*it)->menus(), s);
  if (!item) return false;
  item->userClick();
  return true;
}

// One step at a time: a step may close forms, whose steps then go, or start
// an operation, behind which the rest waits again.
void Ui::runWaiting() {
  while (busy_.empty() && !waiting_.empty()) {
    auto step = std::move(waiting_.front().step);
    waiting_.erase(waiting_.begin());
    step();
  }
}

}  // namespace vl
