#include "media/player.h"

#include <algorithm>
#include <climits>

#include "platform/files.h"

namespace vl {

namespace {

PlayerNames namesOf(PlayerKind kind) {
  switch (kind) {
    case PlayerKind::Music:
      return {"SSCommand3",   "This stops the playing of MIDI music",
              "SSPanel19",    "Label2",
              "ProgressBar2", "MMControl3",
              "Timer3",       100};
    case PlayerKind::Sound:
      return {"SSCommand7",   "This stops the playing of the Wave file",
              "SSPanel18",    "Label18",
              "ProgressBar1", "MMControl2",
              "Timer2",       1};
    case PlayerKind::Mci:
      break;
  }
  return {"SSCommand15", "", "SSPanel17", "Label20", "ProgressBar3", "MMControl1", "Timer4", 100};
}

int toInt(long v) {
  return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX));
}

}  // namespace

Player::Player(Services& services, BrowserPage& page, StatusBar& status, PlayerKind kind)
    : stopButton(&page.frame, namesOf(kind).stopButton),
      panel(&page.frame, namesOf(kind).panel),
      label(&panel, namesOf(kind).label),
      bar(&panel, namesOf(kind).bar),
      device(&page.frame, namesOf(kind).device, services.media, services.fs),
      timer(&page.frame, namesOf(kind).timer),
      kind_(kind),
      status_(status) {
  PlayerNames names = namesOf(kind);
  place(stopButton, 840, 240, 735, 915);
  stopButton.setPicture("res:STOP");
  place(panel, 1620, 240, 2775, 915);
  place(label, 60, 120, 2655, 255, "Current Position");
  label.setBackColor(kLightGrey);
  label.setBorder(true);
  label.setAlignment(Align::Center);
  place(bar, 60, 420, 2655, 375);
  bar.setMax(names.barMax);
  device.setVisible(false);
  timer.setInterval(1);
  timer.setOnlyRefreshes(true);  // the bar keeps moving behind a long copy
  // The Sound page's bar follows its device from the start.
  timer.setEnabled(kind == PlayerKind::Sound);
  restWhileClosed();

  if (*names.stopHelp)
    statusHelp(stopButton, status, names.stopHelp);
  else
    stopButton.setHelp("Stop Playback");  // no status text, but a name to speak
  statusHelp(bar, status, "This will show the playing status");

  page.Open = [this](const std::string& path) { openAndPlay(path); };
  stopButton.Click = [this] { stop(); };
  timer.Tick = [this] { refresh(); };
  device.Done = [this](int) { completion(); };
}

void Player::openAndPlay(const std::string& path) {
  attempt(kind_ == PlayerKind::Music ? "STOP" : "stop");
  attempt("Close");
  device.Notify = true;
  device.Wait = false;
  device.Shareable = true;
  device.DeviceType = "";
  device.FileName = path;
  if (!device.command("Open").empty()) {
    // Nothing plays: the bar stays at its start and the status bar says why.
    bar.setValue(0);
    std::string why = device.refusal().empty() ? "the sound device refused it" : device.refusal();
    status_.showMessage(fileNameOf(path) + " cannot be played: " + why, &kRefusal);
  } else {
    status_.takeBack(&kRefusal);  // a file refused before is not what plays now
  }
  // A device that opened nothing has no length; the bar keeps its maximum.
  (void)bar.setMax(toInt(device.length()));
  attempt("PLAY");
  timer.setEnabled(true);
  restWhileClosed();
}

void Player::restWhileClosed() {
  bool closed = device.mode() == MediaMode::NotOpen;
  if (closed && timer.enabled()) refresh();
  timer.setResting(closed);
}

void Player::stop() {
  switch (kind_) {
    case PlayerKind::Music:
      timer.setEnabled(false);
      attempt("Stop");
      return;
    case PlayerKind::Sound:
      bar.setValue(0);
      attempt("Stop");
      return;
    case PlayerKind::Mci:
      timer.setEnabled(false);
      attempt("stop");
      return;
  }
}

void Player::refresh() {
  bar.setValue(std::clamp(toInt(device.position()), 0, bar.max()));
}

void Player::completion() {
  timer.setEnabled(false);
  switch (kind_) {
    case PlayerKind::Music:
      bar.setValue(0);
      attempt("Stop");
      attempt("CLOSE");
      return;
    case PlayerKind::Sound:
      bar.setValue(0);
      attempt("CLOSE");
      return;
    case PlayerKind::Mci:
      return;  // the device stays open and the bar where it ended
  }
}

}  // namespace vl
