#include "settings/shared_settings.h"

namespace vl {

bool SharedSettings::showTipsAtStart() {
  return store_.readOrCreate("tip.cfg", "1") == "1";
}

void SharedSettings::setShowTipsAtStart(bool show) {
  // An observer that shows the flag in a check box echoes it back: once is enough.
  if (notifying_) return;
  store_.write("tip.cfg", show ? "1" : "0");
  bool now = showTipsAtStart();
  notifying_ = true;
  auto observers = tipObservers_;  // an observer may end its own observation
  for (auto& [id, observer] : observers) observer(now);
  notifying_ = false;
}

SharedSettings::Subscription SharedSettings::observeShowTipsAtStart(
    std::function<void(bool)> observer) {
  int id = ++nextId_;
  tipObservers_[id] = std::move(observer);
  return Subscription(this, id);
}

}  // namespace vl
