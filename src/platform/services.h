// Everything the program is given by the system it runs on.
#pragma once

#include <cstdint>
#include <string>

#include "platform/event.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/media_device.h"
#include "platform/text_codec.h"
#include "platform/tray_icon.h"
#include "platform/workers.h"

namespace vl {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the program with one argument in a normal window that takes the
  // focus, without waiting for it. Empty on success, else the reason.
  virtual std::string start(const std::string& program, const std::string& argument) = 0;
  // Starts this program anew with the file, as a later start of it would.
  virtual std::string startAgain(const std::string& file) = 0;
};

class Random {
 public:
  virtual ~Random() = default;
  virtual void seedFromClock() = 0;
  virtual double next() = 0;  // in [0, 1)
};

// splitmix64 seeded from the time of day.
class ClockRandom : public Random {
 public:
  void seedFromClock() override;
  double next() override;

 private:
  unsigned long long state_ = 0x9E3779B97F4A7C15ull;
};

// One program per user session: the first start serves the later ones.
class Instances {
 public:
  virtual ~Instances() = default;
  // Whether this start is the one that serves. False when another copy runs
  // and has taken the command line: this start is then to end at once.
  virtual bool claim(const std::string& commandLine) = 0;
  // A later start's command line, empty when it named nothing.
  Event<void(const std::string& commandLine)> Arrived;
  // This copy is ending: a later start is no longer told that its command
  // line was taken, and so runs itself rather than lose it.
  virtual void stopServing() = 0;
};

// A moment of the user's own clock.
struct LocalTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
  friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

// What the user is doing, and when, for a reminder that notices them.
class UserActivity {
 public:
  virtual ~UserActivity() = default;
  // The date and time of day where the user is.
  virtual LocalTime now() = 0;
  // Milliseconds since the last key press or mouse move, in any program.
  virtual std::int64_t idleMilliseconds() = 0;
  // Whether the window in front covers its whole monitor: a video, a slide
  // show, a picture shown full screen.
  virtual bool fullScreenInFront() = 0;
};

struct Services {
  Ui& ui;
  FileSystem& fs;
  const TextCodec& codec;
  Launcher& launcher;
  Random& random;
  MediaDevices& media;
  TrayIcon& tray;
  FileDialog& fileDialog;
  std::string commandLine;
  Instances& instances;
  UserActivity& activity;
  Workers& workers;
};

}  // namespace vl
