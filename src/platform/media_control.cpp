#include "platform/media_control.h"

#include "platform/media_gate.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace vl {

namespace {

constexpr const char* kButtonNames[kTransportButtons] = {"Prev", "Next", "Play",   "Pause", "Back",
                                                         "Step", "Stop", "Record", "Eject"};
constexpr const char* kButtonPictures[kTransportButtons] = {"res:PREV",  "res:NEXT",   "res:PLAY",
                                                            "res:PAUSE", "res:BACK",   "res:STEP",
                                                            "res:STOP",  "res:RECORD", "res:EJECT"};

// Prev within this much of a track's start goes to the track before.
constexpr long kRestartWindowMs = 3000;

}  // namespace

MediaControl::MediaControl(Control* parent, std::string name, MediaDevices& devices, FileSystem& fs)
    : Control(parent, std::move(name), ControlKind::MediaControl),
      devices_(devices),
      fs_(fs),
      device_(devices.create()) {
  device_->Done = [this](MediaNotify how) { played(how); };
}

MediaControl::~MediaControl() {
  device_->Done = nullptr;
}

std::string MediaControl::command(const std::string& word) {
  std::string w = asciiLower(word);
  bool wait = std::exchange(Wait, false);
  std::string result;
  if (w == "open")
    result = open();
  else if (w == "close")
    result = device_->close();
  else if (w == "play")
    // Every play is followed to its end so that the buttons know; Done is
    // raised only while Notify is on.
    result = device_->play(true, wait);
  else if (w == "pause")
    result = device_->pause();
  else if (w == "stop")
    result = device_->stop();
  else if (w == "prev")
    result = previousTrack();
  else if (w == "next")
    result = nextTrack();
  else if (w == "back" || w == "step")
    result = device_->step(w == "back" ? -1 : 1);
  else if (w == "eject")
    result = device_->eject();
  else
    result = "The command \"" + word + "\" is not known to the device.";
  enableButtons();
  return result;
}

std::string MediaControl::open() {
  refusal_.clear();
  if (device_->isOpen()) return "The device is already open.";
  if (!FileName.empty()) {
    std::string device = DeviceType.empty() ? devices_.deviceTypeFor(FileName) : DeviceType;
    refusal_ = refusalToPlay(fs_, device, FileName);
    if (!refusal_.empty()) return refusal_;
  }
  return device_->open(DeviceType, FileName, Shareable);
}

std::string MediaControl::previousTrack() {
  int track = device_->track();
  if (device_->trackCount() == 0 || track < 1) return device_->seek(0);
  long start = device_->trackStart(track);
  if (track > 1 && device_->position() - start < kRestartWindowMs)
    start = device_->trackStart(track - 1);
  return device_->seek(start);
}

std::string MediaControl::nextTrack() {
  int track = device_->track(), count = device_->trackCount();
  if (count == 0 || track < 1) return device_->seek(device_->length());
  return device_->seek(device_->trackStart(std::min(track + 1, count)));
}

void MediaControl::played(MediaNotify how) {
  enableButtons();
  bool ended = how == MediaNotify::Successful || how == MediaNotify::Failure;
  if (Notify && ended && Done) Done(static_cast<int>(how));
}

void MediaControl::showTransport(std::initializer_list<TransportButton> shown) {
  for (int i = 0; i < kTransportButtons; ++i) {
    if (!buttons_[i]) {
      buttons_[i] = std::make_unique<CommandButton>(this, kButtonNames[i]);
      buttons_[i]->setPicture(kButtonPictures[i]);
      buttons_[i]->setHelp(kButtonNames[i]);
      auto b = static_cast<TransportButton>(i);
      buttons_[i]->Click = [this, b] { press(b); };
    }
    buttons_[i]->setVisible(
        std::find(shown.begin(), shown.end(), static_cast<TransportButton>(i)) != shown.end());
  }
  layOutTransport();
  enableButtons();
}

void MediaControl::press(TransportButton b) {
  ButtonEvents& e = events(b);
  if (e.Click) e.Click();
  std::string result = act(b);
  if (e.Completed) e.Completed(result);
}

std::string MediaControl::act(TransportButton b) {
  if (b == TransportButton::Record) return "The device cannot record.";
  return command(kButtonNames[index(b)]);
}

void MediaControl::propertyChanged(Prop what) {
  if (what == Prop::Bounds) layOutTransport();
}

void MediaControl::layOutTransport() {
  int shown = 0;
  for (auto& b : buttons_) shown += b && b->visible() ? 1 : 0;
  if (shown == 0) return;
  int left = 0, each = width() / shown;
  for (auto& b : buttons_) {
    if (!b || !b->visible()) continue;
    int w = --shown == 0 ? width() - left : each;
    b->setBounds(left, 0, w, height());
    left += w;
  }
}

void MediaControl::enableButtons() {
  if (!buttons_[0]) return;
  MediaMode m = device_->mode();
  bool open = device_->isOpen() && m != MediaMode::NotOpen;
  bool playing = m == MediaMode::Playing, paused = m == MediaMode::Paused;
  auto set = [this](TransportButton b, bool on) { buttons_[index(b)]->setEnabled(on); };
  set(TransportButton::Prev, open);
  set(TransportButton::Next, open);
  set(TransportButton::Play, open && !playing);
  set(TransportButton::Pause, playing);
  set(TransportButton::Back, open && device_->canStep());
  set(TransportButton::Step, open && device_->canStep());
  set(TransportButton::Stop, playing || paused);
  set(TransportButton::Record, false);
  set(TransportButton::Eject, open && device_->canEject());
}

}  // namespace vl
