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
  form19_->load();
  menuEntry_(true);
}

void Reminder::start() {
  if (!properties() && !breakWindow()) createProperties();
}

void Reminder::showProperties() {
  if (breakWindow()) return;  // no properties during a break
  if (!properties()) createProperties();
  form19_->show();
}

void Reminder::beginBreak() {
  Form19* settings = properties();
  if (!settings || breakWindow()) return;
  menuEntry_(false);
  form20_ = std::make_unique<Form20>(services_);
  Form20& window = *form20_;
  window.BreakOver = [this] { endBreak(); };
  window.load();
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
