// Media devices, the tray icon and the file-open dialog as recording fakes
// that can be told to fail.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialog.h"
#include "platform/media_device.h"
#include "platform/tray_icon.h"

namespace vl {

// Every command of every device, in order: "open <type>|<file>|shareable",
// "play notify", "play notify wait", "pause", "stop", "close", "seek <to>",
// "step <frames>", "eject".
class RecordingMediaDevices : public MediaDevices {
 public:
  std::unique_ptr<MediaDevice> create() override;
  std::string deviceTypeFor(const std::string& fileName) override;
  // The devices registered by extension, as the system keeps them.
  std::map<std::string, std::string> extensions{{"wav", "waveaudio"},
                                                {"mid", "sequencer"},
                                                {"rmi", "sequencer"},
                                                {"avi", "avivideo"},
                                                {"mp3", "MPEGVideo"}};

  std::vector<std::string> commands;
  // Lengths of the files that open; any other file fails to open. A device
  // opened by type alone (a CD) opens when its type is in devices.
  std::map<std::string, long> lengths;
  std::vector<std::string> devices;
  // The next command of this verb ("open", "play", ...) fails with this reason.
  std::map<std::string, std::string> failNext;
  // Position each open device reports; set by the test as time passes, and
  // by a seek.
  long position = 0;
  // A CD's tracks: where each starts. The current track follows the position.
  std::vector<long> trackStarts;
  bool ejects = true;
  // Ends the newest device's play that asked to be notified.
  void finish(MediaNotify how = MediaNotify::Successful);
  int liveDevices() const { return static_cast<int>(live_.size()); }
  int openDevices() const;

 private:
  class Device;
  std::vector<Device*> live_;
};

class RecordingTrayIcon : public TrayIcon {
 public:
  std::vector<std::string> calls;  // "add <hook> <tip>", "remove <hook>"
  std::string failAdd;             // the next add fails with this reason

 protected:
  std::string show(Control& hook, const std::string& tip) override;
  void hide(Control& hook) override;
  void retip(Control& hook, const std::string& tip) override;
};

class ScriptedFileDialog : public FileDialog {
 public:
  std::vector<FileDialogRequest> requests;
  // What the user chooses, one answer per dialog; nothing left: Cancel.
  std::deque<std::optional<std::string>> answers;

 protected:
  std::optional<std::string> show(Form* owner, const FileDialogRequest& request) override;
};

}  // namespace vl
