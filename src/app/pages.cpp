#include "app/pages.h"

namespace vl {

BrowserPageFrame::BrowserPageFrame(TabStrip& tabs, int page, const char* frameName,
                                   const char* caption, const char* fieldName)
    : frame(&tabs, frameName), path(&frame, fieldName) {
  frame.setTabPage(page);
  place(frame, kPageFrameLeft, kPageFrameTop, kPageFrameWidth, kPageFrameHeight, caption);
  place(path, kPageFrameWidth + 600, 0, 1500, 285);
}

ImagePage::ImagePage(TabStrip& tabs) : browser(tabs, 0, "Frame1", "Image Browser", "Text1") {
  place(SSPanel14, 2400, 240, 1995, 915);
  place(Image2, 60, 60, 735, 795);
  Image2.setBorder(true);
  Image2.setStretch(true);
  place(SSPanel20, 840, 60, 1095, 795);
  place(Option1, 60, 120, 975, 255, "High-Res");
  place(Option2, 60, 420, 990, 255, "Low-Res");
}

DiscPage::DiscPage(TabStrip& tabs) : Frame21(&tabs, "Frame21") {
  Frame21.setTabPage(4);
  place(Frame21, kPageFrameLeft, kPageFrameTop, kPageFrameWidth, kPageFrameHeight, "Disc Browser");
}

AboutPage::AboutPage(TabStrip& tabs) : SSPanel8(&tabs, "SSPanel8") {
  SSPanel8.setTabPage(5);
  place(SSPanel8, 330, 420, 5055, 4095);
  place(Image5, 180, 120, 4695, 555);
  Image5.setPicture("res:BANNER");
  Image5.setStretch(true);
  place(Frame2, 180, 840, 4695, 855, "Program Version");
  place(Label21, 120, 360, 4455, 315, "Varilume SE 3.5");
  Label21.setAlignment(Align::Center);
}

}  // namespace vl
