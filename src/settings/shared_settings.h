// Settings that several windows show, in one place: each window observes the
// settings it shows instead of writing the other windows' controls.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "settings/settings_store.h"

namespace vl {

class SharedSettings {
 public:
  explicit SharedSettings(SettingsStore& store) : store_(store) {}

  // Ends an observation when destroyed.
  class Subscription {
   public:
    Subscription() = default;
    Subscription(SharedSettings* owner, int id) : owner_(owner), id_(id) {}
    Subscription(Subscription&& o) noexcept
        : owner_(std::exchange(o.owner_, nullptr)), id_(o.id_) {}
    Subscription& operator=(Subscription&& o) noexcept {
      end();
      owner_ = std::exchange(o.owner_, nullptr);
      id_ = o.id_;
      return *this;
    }
    ~Subscription() { end(); }

   private:
    void end() {
      if (owner_) owner_->tipObservers_.erase(id_);
      owner_ = nullptr;
    }
    SharedSettings* owner_ = nullptr;
    int id_ = 0;
  };

  // Whether the tips show at start: "1" in c:\tip.cfg, which is created with
  // "1" when missing.
  bool showTipsAtStart();
  // Writes the flag, reads it back and tells every observer what it now is
  // (the old value when the file could not be written).
  void setShowTipsAtStart(bool show);
  [[nodiscard]] Subscription observeShowTipsAtStart(std::function<void(bool)> observer);

 private:
  SettingsStore& store_;
  std::map<int, std::function<void(bool)>> tipObservers_;
  int nextId_ = 0;
  bool notifying_ = false;
};

}  // namespace vl
