#include "platform/memory/memory_devices.h"

#include <algorithm>
#include <utility>

namespace vl {

class RecordingMediaDevices::Device : public MediaDevice {
 public:
  explicit Device(RecordingMediaDevices& all) : all_(all) { all_.live_.push_back(this); }
  ~Device() override { std::erase(all_.live_, this); }

  std::string open(const std::string& type, const std::string& file, bool shareable) override {
    all_.commands.push_back("open " + type + "|" + file + (shareable ? "|shareable" : ""));
    if (std::string f = failure("open"); !f.empty()) return f;
    auto it = all_.lengths.find(file);
    if (it == all_.lengths.end() && !file.empty()) return "The specified file cannot be played.";
    open_ = true;
    length_ = it == all_.lengths.end() ? 0 : it->second;
    return {};
  }
  std::string play(bool notify) override {
    all_.commands.push_back(notify ? "play notify" : "play");
    if (std::string f = failure("play"); !f.empty()) return f;
    if (!open_) return "The device is not open.";
    notifying_ = notify;
    return {};
  }
  std::string stop() override { return simple("stop"); }
  std::string close() override {
    std::string r = simple("close");
    open_ = notifying_ = false;
    return r;
  }
  bool isOpen() const override { return open_; }
  long length() const override { return open_ ? length_ : 0; }
  long position() const override { return open_ ? all_.position : 0; }
  int track() const override { return open_ ? all_.track : 0; }

  bool finish(MediaNotify how) {
    if (!notifying_) return false;
    notifying_ = false;
    if (Done) Done(how);
    return true;
  }

 private:
  std::string failure(const std::string& verb) {
    auto it = all_.failNext.find(verb);
    if (it == all_.failNext.end()) return {};
    std::string reason = it->second;
    all_.failNext.erase(it);
    return reason;
  }
  std::string simple(const std::string& verb) {
    all_.commands.push_back(verb);
    std::string f = failure(verb);
    if (f.empty() && !open_) return "The device is not open.";
    return f;
  }

  RecordingMediaDevices& all_;
  bool open_ = false, notifying_ = false;
  long length_ = 0;
};

std::unique_ptr<MediaDevice> RecordingMediaDevices::create() {
  return std::make_unique<Device>(*this);
}

void RecordingMediaDevices::finish(MediaNotify how) {
  for (auto it = live_.rbegin(); it != live_.rend(); ++it)
    if ((*it)->finish(how)) return;
}

std::string RecordingTrayIcon::show(Control& hook, const std::string& tip) {
  calls.push_back("add " + hook.name() + " " + tip);
  return std::exchange(failAdd, {});
}

void RecordingTrayIcon::hide(Control& hook) {
  calls.push_back("remove " + hook.name());
}

std::optional<std::string> ScriptedFileDialog::open(Form*, const FileDialogRequest& request) {
  requests.push_back(request);
  if (answers.empty()) return std::nullopt;
  auto answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace vl
