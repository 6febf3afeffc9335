// One multimedia device: a file or a CD opened on a device of the system,
// played, paused, stopped, moved and closed, with its length, position and
// mode and a completion notification.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include "platform/event.h"

namespace vl {

// How a play that asked to be notified ended (the system's own values).
enum class MediaNotify { Successful = 1, Superseded = 2, Aborted = 4, Failure = 8 };

enum class MediaMode { NotOpen, Stopped, Playing, Paused, Other };

class MediaDevice {
 public:
  virtual ~MediaDevice() = default;
  // Each returns "" on success, else the reason in the system's words.
  // An empty device type lets the system choose by the file's extension; an
  // empty file name opens the device itself (a CD drive).
  virtual std::string open(const std::string& deviceType, const std::string& fileName,
                           bool shareable) = 0;
  // Plays from the current position; with notify, Done follows at the end;
  // with wait, it returns only then.
  virtual std::string play(bool notify, bool wait) = 0;
  virtual std::string pause() = 0;
  virtual std::string stop() = 0;
  virtual std::string close() = 0;
  // Moves to a position and stays stopped there.
  virtual std::string seek(long to) = 0;
  // Frames forward (positive) or back (negative), for devices that step.
  virtual std::string step(int frames) = 0;
  virtual std::string eject() = 0;
  virtual bool isOpen() const = 0;
  virtual MediaMode mode() const = 0;
  // In the device's time format (milliseconds where the device knows them);
  // 0 when nothing is open.
  virtual long length() const = 0;
  virtual long position() const = 0;
  // A CD's current track, its number of tracks and where a track starts;
  // 0 for devices without tracks.
  virtual int track() const = 0;
  virtual int trackCount() const = 0;
  virtual long trackStart(int track) const = 0;
  virtual bool canEject() const = 0;
  virtual bool canStep() const = 0;

  // A play that asked to be notified has ended, however it ended.
  Event<void(MediaNotify)> Done;
};

class MediaDevices {
 public:
  virtual ~MediaDevices() = default;
  virtual std::unique_ptr<MediaDevice> create() = 0;
  // The device the system chooses for a file by its extension ("waveaudio"
  // for a .wav), as an open without a device type would; "" when none is
  // registered for it.
  virtual std::string deviceTypeFor(const std::string& fileName) = 0;
};

}  // namespace vl
