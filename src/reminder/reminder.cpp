#include "reminder/reminder.h"

namespace vl {

Reminder::Reminder(Services& services, const std::string& windowsPath,
                   std::function<void(bool)> menuEntry)
    : services_(services),
      profile_(services.fs, services.codec, windowsPath),
      menuEntry_(std::move(menuEntry)) {}

Reminder::~Reminder() = default;

void Reminder::createProperties() {
  form19_ = std::make_unique<Form19>(services_, profile_);
  form19_->BreakDue = [this] { beginBreak(); };
  // Without its window the reminder stays off and its menu entry disabled.
  if (!form19_->load()) {
    form19_.reset();
    return;
  }
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
  menuEntry_(false);
  form20_ = std::make_unique<Form20>(services_);
  Form20& window = *form20_;
  window.BreakOver = [this] { endBreak(); };
  if (!window.load()) {  // no break window can be made: the next minute tries again
    form20_.reset();
    menuEntry_(true);
    return;
  }
  window.showPicture(settings->Check2.value() != 0, settings->Text5.text());
  if (settings->Check1.value()) window.playSound(settings->Text4.text());
  window.Text1.setText(settings->Text3.text());
  window.Label2.setText(settings->Text2.text());
  settings->saveProfile();
  settings->unload();
  window.center();
  window.show();
}

void Reminder::endBreak() {
  Form20* window = breakWindow();
  if (!window) return;
  window->closeSound();
  window->unload();
  createProperties();
}

}  // namespace vl
