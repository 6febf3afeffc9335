#include "media/disc_page.h"

#include "browse/browser_page.h"

namespace vl {

DiscPage::DiscPage(Services& services, TabStrip& tabs, StatusBar& status)
    : Frame21(&tabs, "Frame21"), MMControl4(&SSPanel13, "MMControl4", services.media, services.fs) {
  Frame21.setTabPage(4);
  place(Frame21, kPageFrameLeft, kPageFrameTop, kPageFrameWidth, kPageFrameHeight, "Disc Browser");
  place(SSCommand9, 120, 240, 735, 915);
  SSCommand9.setPicture("res:DISC");
  place(SSPanel22, 900, 240, 3495, 915);
  place(SSPanel24, 120, 180, 3255, 555);
  place(Label16, 180, 120, 2055, 315, "Current CD Track");
  Label16.setBackColor(kPaleYellow);
  place(Label14, 2280, 120, 795, 315);
  Label14.setBackColor(kLightGrey);
  Label14.setFont(Font{"Arial", 1125, true});
  for (Label* l : {&Label16, &Label14}) {
    l->setBorder(true);
    l->setAlignment(Align::Center);
    statusHelp(*l, status, "This is the current CD Track");
  }
  place(SSPanel13, 120, 1200, 4275, 2295);
  place(MMControl4, 120, 120, 4005, 2010);
  using B = TransportButton;
  MMControl4.showTransport({B::Prev, B::Next, B::Play, B::Pause, B::Stop, B::Eject});
  statusHelp(SSCommand9, status, "This will start the playback of the CD in your drive");

  SSCommand9.Click = [this] { SSCommand9_Click(); };
  // Prev and Next stop the disc before the transport moves; after a step
  // back the disc plays on, after an eject it is asked to play again.
  MMControl4.PrevClick = [this] { (void)MMControl4.command("stop"); };
  MMControl4.NextClick = [this] { (void)MMControl4.command("stop"); };
  MMControl4.PrevCompleted = [this](const std::string&) {
    showTrack();
    (void)MMControl4.command("play");
  };
  MMControl4.EjectCompleted = [this](const std::string&) { (void)MMControl4.command("play"); };
}

void DiscPage::SSCommand9_Click() {
  MMControl4.Notify = true;
  MMControl4.Wait = false;
  MMControl4.Shareable = true;
  MMControl4.DeviceType = "cdaudio";
  // Without a disc or a drive these fail; the display shows what the device says.
  (void)MMControl4.command("Open");
  (void)MMControl4.command("PLAY");
  showTrack();
}

void DiscPage::stopAtExit() {
  (void)MMControl4.command("stop");
}

void DiscPage::showTrack() {
  Label14.setText(std::to_string(MMControl4.track()));
}

}  // namespace vl
