// The break reminder's life: the properties window counts down; a minute
// before a break a notice comes; at a break the properties window goes
// (saving the profile) and the break window comes; at the break's end the
// properties window comes back, freshly read, with the full interval. A break
// may be put off five minutes, three times in a row; each break, postponement
// and natural break goes into the record of breaks.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "reminder/break_history.h"
#include "reminder/form19.h"
#include "reminder/form20.h"
#include "reminder/form21.h"
#include "reminder/form22.h"
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
  // The break ends: its time ran out, or the user ended it early.
  void endBreak(bool early = false);
  // The break, coming or shown, comes five minute ticks later.
  void postpone();
  // No notice and no break for so many minutes by the clock, or until
  // resumed (0); the countdown holds meanwhile. Not kept for the next start.
  void pause(int minutes);
  // The countdown starts again from the full interval.
  void resume();
  bool paused() const { return pausedUntil_.has_value() || pausedForGood_; }
  // The pause began or ended: what the tray icon's tip says ("" when not paused).
  Event<void(const std::string& tip)> PauseChanged;
  // Whether the program plays a video or a CD: time spent watching is
  // screen time, not a natural break.
  Event<bool()> Watching;

  // While false, Postpone is greyed: three in a row, until a break is taken.
  bool canPostpone() const { return postponed_ < kPostponesInARow; }

  static constexpr int kPostponeMinutes = 5;
  static constexpr int kPostponesInARow = 3;

  Form19* properties() { return live(form19_); }
  Form20* breakWindow() { return live(form20_); }
  Form21* notice() { return live(notice_); }
  // The covers of the other monitors during a break.
  std::vector<Form22*> covers();

 private:
  template <class F>
  static F* live(const std::unique_ptr<F>& f) {
    return f && f->loaded() ? f.get() : nullptr;
  }

  // Whether this minute's tick holds; a timed pause past its end resumes.
  bool holdTick();
  // Shows the break window centred on the pointer's monitor (or keeps it
  // on its own while that monitor is still there) and covers every other.
  void coverMonitors();
  void closeCovers();
  void showNotice();
  void closeNotice();
  void naturalBreak(long long minutes);
  void record(BreakEvent event, long long minutes);
  // Today's counts under the properties.
  void showToday();

  Services& services_;
  ProfileFiles profile_;
  BreakHistory history_;
  int postponed_ = 0;  // in a row
  std::optional<LocalTime> pausedUntil_;
  bool pausedForGood_ = false;  // until resumed
  LocalTime pausedAt_;
  long long breakLength_ = 0;  // of the break shown, in minutes
  std::function<void(bool)> menuEntry_;
  // A window closes from its own event; its object goes when the next one
  // of its kind is made.
  std::unique_ptr<Form19> form19_;
  std::unique_ptr<Form20> form20_;
  std::unique_ptr<Form21> notice_;
  std::vector<std::unique_ptr<Form22>> covers_;
};

}  // namespace vl
