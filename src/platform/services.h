// Everything the program is given by the system it runs on.
#pragma once

#include <string>

#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/media_device.h"
#include "platform/text_codec.h"
#include "platform/tray_icon.h"

namespace vl {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the program with one argument in a normal window that takes the
  // focus, without waiting for it. Empty on success, else the reason.
  virtual std::string start(const std::string& program, const std::string& argument) = 0;
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
};

}  // namespace vl
