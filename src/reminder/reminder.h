// The break reminder's life: the properties window counts down; at a break
// it goes (saving the profile) and the break window comes; at the break's
// end the properties window comes back, freshly read, with the full interval.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/services.h"
#include "reminder/form19.h"
#include "reminder/form20.h"
#include "reminder/profile.h"

namespace vl {

class Reminder {
 public:
  // menuEntry switches the main window's "Remin&der Setup" on and off.
  Reminder(Services& services, const std::string& windowsPath, std::function<void(bool)> menuEntry);
  ~Reminder();

  // At start-up: the properties window, hidden, with its countdown running,
  // unless the user has asked for it already.
  void start();
  // Creates the properties window, hidden, and starts its countdown.
  void createProperties();
  // "Remin&der Setup": shows the properties window, creating it if need be.
  void showProperties();
  void beginBreak();
  void endBreak();

  Form19* properties() { return live(form19_); }
  Form20* breakWindow() { return live(form20_); }

 private:
  template <class F>
  static F* live(const std::unique_ptr<F>& f) {
    return f && f->loaded() ? f.get() : nullptr;
  }

  Services& services_;
  ProfileFiles profile_;
  std::function<void(bool)> menuEntry_;
  // A window closes from its own event; its object goes when the next one
  // of its kind is made.
  std::unique_ptr<Form19> form19_;
  std::unique_ptr<Form20> form20_;
};

}  // namespace vl
