// The player of the Music, Sound and MCI Devices pages: a stop button, the
// position display, the page's multimedia control and its refresh timer,
// beside the page's browser and its play button.
#pragma once

#include <string>

#include "browse/browser_page.h"
#include "platform/media_control.h"
#include "platform/services.h"

namespace vl {

enum class PlayerKind { Music, Sound, Mci };

struct PlayerNames {
  const char *stopButton, *stopHelp, *panel, *label, *bar, *device, *timer;
  int barMax;
};

class Player {
 public:
  Player(Services& services, BrowserPage& page, StatusBar& status, PlayerKind kind);

  CommandButton stopButton;
  Panel panel;
  Label label;
  ProgressBar bar;
  MediaControl device;
  Timer timer;

  // Stops and closes what the device had, opens the file and plays it from
  // its beginning; every step is tried even when one before it failed.
  void openAndPlay(const std::string& path);
  void stop();
  // One tick of the refresh timer: the bar follows the device's position.
  void refresh();
  // The device's play has ended.
  void completion();

 private:
  // Device commands run with their errors skipped on purpose: the next step
  // runs whatever this one did.
  void attempt(const char* word) { (void)device.command(word); }
  // A closed device's position is always 0: once the bar shows it, the
  // refresh timer rests until the next play.
  void restWhileClosed();

  PlayerKind kind_;
  StatusBar& status_;
  // What every player says of a file it refused, taken back by the next play.
  static constexpr char kRefusal = 0;
};

}  // namespace vl
