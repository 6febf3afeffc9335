#include "platform/memory/memory_devices.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/files.h"
#include "platform/text_codec.h"

namespace vl {

class RecordingMediaDevices::Device : public MediaDevice {
 public:
  explicit Device(RecordingMediaDevices& all) : all_(all) { all_.live_.push_back(this); }
  ~Device() override { std::erase(all_.live_, this); }

  std::string open(const std::string& type, const std::string& file, bool shareable) override {
    all_.commands.push_back("open " + type + "|" + file + (shareable ? "|shareable" : ""));
    if (std::string f = failure("open"); !f.empty()) return f;
    auto it = all_.lengths.find(file);
    bool known =
        file.empty() ? std::ranges::count(all_.devices, type) > 0 : it != all_.lengths.end();
    if (!known) return "The specified file cannot be played.";
    mode_ = MediaMode::Stopped;
    length_ = it == all_.lengths.end() ? 0 : it->second;
    return {};
  }
  std::string play(bool notify, bool wait) override {
    all_.commands.push_back(std::string(notify ? "play notify" : "play") + (wait ? " wait" : ""));
    if (std::string f = failure("play"); !f.empty()) return f;
    if (!isOpen()) return kNotOpen;
    if (notifying_ && Done) Done(MediaNotify::Superseded);
    notifying_ = notify;
    mode_ = MediaMode::Playing;
    return {};
  }
  std::string pause() override { return change("pause", MediaMode::Paused); }
  std::string stop() override { return change("stop", MediaMode::Stopped); }
  std::string close() override {
    all_.commands.push_back("close");
    if (std::string f = failure("close"); !f.empty()) return f;
    if (!isOpen()) return kNotOpen;
    notifying_ = false;  // a closed device is never called back
    mode_ = MediaMode::NotOpen;
    return {};
  }
  std::string seek(long to) override {
    std::string r = change("seek " + std::to_string(to), MediaMode::Stopped);
    if (r.empty()) all_.position = to;
    return r;
  }
  std::string step(int frames) override {
    return change("step " + std::to_string(frames), MediaMode::Stopped);
  }
  std::string eject() override { return change("eject", MediaMode::Stopped); }
  bool isOpen() const override { return mode_ != MediaMode::NotOpen; }
  MediaMode mode() const override { return mode_; }
  long length() const override { return isOpen() ? length_ : 0; }
  long position() const override { return isOpen() ? all_.position : 0; }
  int track() const override {
    if (!isOpen()) return 0;
    auto past = std::ranges::upper_bound(all_.trackStarts, all_.position);
    return static_cast<int>(past - all_.trackStarts.begin());
  }
  int trackCount() const override {
    return isOpen() ? static_cast<int>(all_.trackStarts.size()) : 0;
  }
  long trackStart(int t) const override {
    bool known = isOpen() && t >= 1 && t <= trackCount();
    return known ? all_.trackStarts[static_cast<std::size_t>(t - 1)] : 0;
  }
  bool canEject() const override { return isOpen() && all_.ejects; }
  bool canStep() const override { return false; }

  bool finish(MediaNotify how) {
    if (!notifying_) return false;
    notifying_ = false;
    if (how == MediaNotify::Successful || how == MediaNotify::Failure) mode_ = MediaMode::Stopped;
    if (Done) Done(how);
    return true;
  }

 private:
  static constexpr const char* kNotOpen = "The device is not open.";

  std::string failure(const std::string& verb) {
    auto it = all_.failNext.find(verb);
    if (it == all_.failNext.end()) return {};
    std::string reason = it->second;
    all_.failNext.erase(it);
    return reason;
  }
  // A command that cuts a notifying play short, which is then told so.
  std::string change(const std::string& what, MediaMode next) {
    all_.commands.push_back(what);
    if (std::string f = failure(what.substr(0, what.find(' '))); !f.empty()) return f;
    if (!isOpen()) return kNotOpen;
    mode_ = next;
    if (std::exchange(notifying_, false) && Done) Done(MediaNotify::Aborted);
    return {};
  }

  RecordingMediaDevices& all_;
  MediaMode mode_ = MediaMode::NotOpen;
  bool notifying_ = false;
  long length_ = 0;
};

std::unique_ptr<MediaDevice> RecordingMediaDevices::create() {
  return std::make_unique<Device>(*this);
}

std::string RecordingMediaDevices::deviceTypeFor(const std::string& fileName) {
  std::string name = fileNameOf(fileName);
  std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return {};
  auto it = extensions.find(asciiLower(name.substr(dot + 1)));
  return it == extensions.end() ? "" : it->second;
}

int RecordingMediaDevices::openDevices() const {
  return static_cast<int>(std::ranges::count_if(live_, [](Device* d) { return d->isOpen(); }));
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

void RecordingTrayIcon::retip(Control& hook, const std::string& tip) {
  calls.push_back("tip " + hook.name() + " " + tip);
}

std::optional<std::string> ScriptedFileDialog::show(Form*, const FileDialogRequest& request) {
  requests.push_back(request);
  if (answers.empty()) return std::nullopt;
  auto answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace vl
