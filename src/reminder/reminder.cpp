#include "reminder/reminder.h"

#include <algorithm>

namespace vl {

Reminder::Reminder(Services& services, const std::string& windowsPath,
                   std::function<void(bool)> menuEntry)
    : services_(services),
      profile_(services.fs, services.codec, windowsPath),
      history_(services.fs),
      menuEntry_(std::move(menuEntry)) {}

Reminder::~Reminder() = default;

void Reminder::createProperties() {
  form19_ = std::make_unique<Form19>(services_, profile_);
  form19_->BreakDue = [this] { beginBreak(); };
  form19_->NoticeDue = [this] { showNotice(); };
  form19_->NaturalBreak = [this](long long minutes) { naturalBreak(minutes); };
  form19_->ReminderOff = [this] { closeNotice(); };
  form19_->Held = [this] { return holdTick(); };
  form19_->Watching = [this] { return Watching && Watching(); };
  // Without its window the reminder stays off and its menu entry disabled.
  if (!form19_->load()) {
    form19_.reset();
    return;
  }
  showToday();
  menuEntry_(true);
}

void Reminder::start() {
  if (!properties() && !breakWindow()) createProperties();
}

void Reminder::showProperties() {
  if (breakWindow()) return;  // no properties during a break
  if (!properties()) createProperties();
  if (form19_) form19_->show();
}

void Reminder::beginBreak() {
  Form19* settings = properties();
  if (!settings || breakWindow()) return;
  closeNotice();
  menuEntry_(false);
  form20_ = std::make_unique<Form20>(services_);
  Form20& window = *form20_;
  window.BreakOver = [this](bool early) { endBreak(early); };
  window.Postpone = [this] { postpone(); };
  window.DisplayChanged = [this] { coverMonitors(); };
  if (!window.load()) {  // no break window can be made: the next minute tries again
    form20_.reset();
    menuEntry_(true);
    return;
  }
  window.showPicture(settings->Check2.value() != 0, settings->Text5.text());
  if (settings->Check1.value()) window.playSound(settings->Text4.text());
  window.Text1.setText(settings->Text3.text());
  window.Label2.setText(settings->Text2.text());
  window.Command2.setEnabled(canPostpone());
  breakLength_ = std::max(0LL, numericValue(settings->Text2.text()));
  settings->saveProfile();
  settings->unload();
  window.centerOn(services_.ui.monitors().front());
  window.show();
  coverMonitors();
}

void Reminder::coverMonitors() {
  Form20* window = breakWindow();
  if (!window) return;
  std::vector<MonitorArea> monitors = services_.ui.monitors();
  auto holds = [&](const MonitorArea& m) {
    return m.contains(window->left() + window->width() / 2, window->top() + window->height() / 2);
  };
  auto own = std::find_if(monitors.begin(), monitors.end(), holds);
  // Its monitor has gone: the break window comes to the pointer's.
  if (own == monitors.end()) {
    window->centerOn(monitors.front());
    own = monitors.begin();
  }
  closeCovers();
  for (auto m = monitors.begin(); m != monitors.end(); ++m) {
    if (m == own) continue;
    covers_.push_back(std::make_unique<Form22>(services_.ui, window->backColor()));
    covers_.back()->cover(*m);
  }
  services_.ui.bringToFront(*window);  // above the covers where they overlap
}

void Reminder::closeCovers() {
  covers_.clear();  // each window goes with its form
}

std::vector<Form22*> Reminder::covers() {
  std::vector<Form22*> shown;
  for (auto& c : covers_)
    if (c->loaded()) shown.push_back(c.get());
  return shown;
}

void Reminder::endBreak(bool early) {
  Form20* window = breakWindow();
  if (!window) return;
  long long left = std::clamp(numericValue(window->Label2.text()), 0LL, breakLength_);
  record(early ? BreakEvent::EndedEarly : BreakEvent::Break,
         early ? breakLength_ - left : breakLength_);
  postponed_ = 0;  // a break taken: Postpone may be chosen again
  closeCovers();
  window->closeSound();
  window->unload();
  createProperties();
}

void Reminder::postpone() {
  if (!canPostpone()) return;
  ++postponed_;
  record(BreakEvent::Postponed, kPostponeMinutes);
  closeNotice();
  if (Form20* window = breakWindow()) {
    // Over as far as the window goes, but no break was taken.
    closeCovers();
    window->closeSound();
    window->unload();
    createProperties();
  }
  if (Form19* settings = properties()) settings->putOff(kPostponeMinutes);
  showToday();
}

void Reminder::pause(int minutes) {
  LocalTime now = services_.activity.now();
  if (!paused()) pausedAt_ = now;
  pausedForGood_ = minutes <= 0;
  pausedUntil_.reset();
  if (minutes > 0) pausedUntil_ = addMinutes(now, minutes);
  closeNotice();
  record(BreakEvent::Paused, std::max(0, minutes));
  if (PauseChanged)
    PauseChanged("Reminder paused until " +
                 (pausedUntil_ ? clockText(*pausedUntil_) : std::string("resumed")));
}

void Reminder::resume() {
  if (!paused()) return;
  pausedUntil_.reset();
  pausedForGood_ = false;
  record(BreakEvent::Resumed, minutesBetween(pausedAt_, services_.activity.now()));
  if (Form19* settings = properties()) settings->restartCountdown();
  showToday();
  if (PauseChanged) PauseChanged("");
}

bool Reminder::holdTick() {
  if (!paused()) return false;
  if (pausedUntil_ && services_.activity.now() >= *pausedUntil_) resume();
  return true;
}

void Reminder::showNotice() {
  if (breakWindow()) return;
  if (!notice_) {
    notice_ = std::make_unique<Form21>(services_.ui);
    notice_->Postpone = [this] { postpone(); };
  }
  notice_->showInCorner(canPostpone());
}

void Reminder::closeNotice() {
  if (notice_) notice_->unload();
}

void Reminder::naturalBreak(long long minutes) {
  postponed_ = 0;
  closeNotice();
  record(BreakEvent::Natural, minutes);
  showToday();
}

void Reminder::record(BreakEvent event, long long minutes) {
  // A record that cannot be written leaves the reminder as it is.
  (void)history_.record(event, services_.activity.now(), minutes);
}

void Reminder::showToday() {
  if (Form19* settings = properties())
    settings->Label9.setText(BreakHistory::todayText(history_.day(services_.activity.now())));
}

}  // namespace vl
