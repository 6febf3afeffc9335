// The CD page: a start button, the current track display and the visible
// multimedia control whose transport plays, pauses, stops, steps between
// tracks and ejects the disc.
#pragma once

#include "platform/media_control.h"
#include "platform/services.h"

namespace vl {

class DiscPage {
 public:
  DiscPage(Services& services, TabStrip& tabs, StatusBar& status);

  Frame Frame21;
  CommandButton SSCommand9{&Frame21, "SSCommand9"};
  Panel SSPanel22{&Frame21, "SSPanel22"};
  Panel SSPanel24{&SSPanel22, "SSPanel24"};
  Label Label16{&SSPanel24, "Label16"};
  Label Label14{&SSPanel24, "Label14"};
  Panel SSPanel13{&Frame21, "SSPanel13"};
  MediaControl MMControl4;

  // Opens the CD device, plays and shows the track; every step is tried.
  void SSCommand9_Click();
  // The disc must not play on once the program has gone.
  void stopAtExit();

 private:
  void showTrack();
};

}  // namespace vl
