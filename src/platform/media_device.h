// One multimedia device: a file or a CD opened on a device of the system,
// played, stopped and closed, with its length and position and a completion
// notification.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace vl {

// How a play that asked to be notified ended (the system's own values).
enum class MediaNotify { Successful = 1, Superseded = 2, Aborted = 4, Failure = 8 };

class MediaDevice {
 public:
  virtual ~MediaDevice() = default;
  // Each returns "" on success, else the reason in the system's words.
  // An empty device type lets the system choose by the file's extension; an
  // empty file name opens the device itself (a CD drive).
  virtual std::string open(const std::string& deviceType, const std::string& fileName,
                           bool shareable) = 0;
  // Plays from the current position; with notify, Done follows at the end.
  virtual std::string play(bool notify) = 0;
  virtual std::string stop() = 0;
  virtual std::string close() = 0;
  virtual bool isOpen() const = 0;
  // In the device's time format (milliseconds for files, frames for video);
  // 0 when nothing is open.
  virtual long length() const = 0;
  virtual long position() const = 0;
  // The current track of a CD, else 0.
  virtual int track() const = 0;

  // A play that asked to be notified has ended.
  std::function<void(MediaNotify)> Done;
};

class MediaDevices {
 public:
  virtual ~MediaDevices() = default;
  virtual std::unique_ptr<MediaDevice> create() = 0;
};

}  // namespace vl
