// A multimedia control: one device of the system driven by writing command
// words, with an optional transport of buttons that follow the device's mode.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/controls.h"
#include "platform/files.h"
#include "platform/media_device.h"
#include "platform/event.h"

namespace vl {

// The transport's buttons, left to right.
enum class TransportButton { Prev, Next, Play, Pause, Back, Step, Stop, Record, Eject };
inline constexpr int kTransportButtons = 9;

class MediaControl : public Control {
 public:
  // A button's events: before its own action, and after it with its result.
  struct ButtonEvents {
    Event<void()> Click;
    Event<void(const std::string& error)> Completed;
  };

 private:
  std::array<ButtonEvents, kTransportButtons> events_;

 public:
  // A file is read from `fs` and checked before the system's device sees it.
  MediaControl(Control* parent, std::string name, MediaDevices& devices, FileSystem& fs);
  ~MediaControl() override;

  // Settings read by the next Open (and Notify by every play after it).
  std::string DeviceType;
  std::string FileName;
  // While on, a play that really ends (reaches its end, or fails on the way)
  // raises Done; a play cut short by another command does not.
  bool Notify = false;
  // The next command returns only when it has finished; then it turns off.
  bool Wait = false;
  bool Shareable = false;

  // Writing a command word: Open, Close, Play, Pause, Stop, Prev, Next,
  // Back, Step, Eject, in any letter case. "" on success, else the reason;
  // a failed command leaves the device as it was.
  [[nodiscard]] std::string command(const std::string& word);
  // Why the last Open refused the file before any device saw it ("damaged
  // file"); "" when it went to the device.
  const std::string& refusal() const { return refusal_; }
  long length() const { return device_->length(); }
  long position() const { return device_->position(); }
  int track() const { return device_->track(); }
  MediaMode mode() const { return device_->mode(); }

  Event<void(int notifyCode)> Done;

  // Shows the named buttons of the transport (the others exist, hidden),
  // side by side across the control, enabled by the device's mode.
  void showTransport(std::initializer_list<TransportButton> shown);
  CommandButton* button(TransportButton b) { return buttons_[index(b)].get(); }

  ButtonEvents& events(TransportButton b) { return events_[index(b)]; }
  Event<void()>& PrevClick = events_[0].Click;
  Event<void()>& NextClick = events_[1].Click;
  Event<void()>& PlayClick = events_[2].Click;
  Event<void(const std::string&)>& PrevCompleted = events_[0].Completed;
  Event<void(const std::string&)>& EjectCompleted = events_[8].Completed;

 protected:
  void propertyChanged(Prop what) override;

 private:
  static std::size_t index(TransportButton b) { return static_cast<std::size_t>(b); }
  void press(TransportButton b);
  std::string act(TransportButton b);
  std::string open();
  std::string previousTrack();
  std::string nextTrack();
  void played(MediaNotify how);
  void layOutTransport();
  void enableButtons();

  MediaDevices& devices_;
  FileSystem& fs_;
  std::string refusal_;
  std::unique_ptr<MediaDevice> device_;
  std::array<std::unique_ptr<CommandButton>, kTransportButtons> buttons_;
};

}  // namespace vl
