#include "app/pages.h"

namespace vl {

BrowserPageSetup imagePageSetup() {
  return {0,
          MediaPage::Image,
          "Frame1",
          "Image Browser",
          "Drive1",
          "Dir1",
          "File1",
          "Text1",
          "SSCommand22",
          "Open the selected file",
          "res:OPEN",
          "Form4",
          4530,
          3165,
          true,
          false,
          false,
          {{"VI", "View Image"},
           {"VIS", "View Image Stretched"},
           {"VFS", "View Full Screen"},
           {"VFSS", "View Full Screen Stretched"},
           {"LC", "Logo Changer"}},
          "IDF",
          "ICF",
          "IMF"};
}

BrowserPageSetup musicPageSetup() {
  return {1,
          MediaPage::Music,
          "Frame5",
          "Music Browser",
          "Drive2",
          "Dir2",
          "File2",
          "Text2",
          "SSCommand21",
          "Open the selected file",
          "res:PLAY",
          "Form11",
          4560,
          3135,
          false,
          false,
          false,
          {{"PM", "Play Music"}},
          "MDF",
          "MCF",
          "MMF"};
}

BrowserPageSetup soundPageSetup() {
  return {2,
          MediaPage::Sound,
          "Frame8",
          "Sound Browser",
          "Drive3",
          "Dir3",
          "File3",
          "Text3",
          "SSCommand20",
          "Open the selected file",
          "res:PLAY",
          "Form12",
          4515,
          3150,
          false,
          true,
          true,
          {{"PS", "Play Sound"}},
          "SDF",
          "SCF",
          "SMF"};
}

BrowserPageSetup mciPageSetup() {
  return {3,
          MediaPage::MciDevices,
          "Frame11",
          "MCI Browser",
          "Drive4",
          "Dir4",
          "File4",
          "Text4",
          "SSCommand16",
          "Start Playback",
          "res:PLAY",
          "Form13",
          4515,
          3135,
          false,
          false,
          true,
          {{"PA", "Play MCI File"}},
          "ADF",
          "ACF",
          "AMF"};
}

ImagePage::ImagePage(App& app, Form& form, TabStrip& tabs, MenuItem& popup, StatusBar& status)
    : browser(app, form, tabs, popup, status, imagePageSetup()) {
  place(SSPanel14, 2400, 240, 1995, 915);
  place(Image2, 60, 60, 735, 795);
  Image2.setBorder(true);
  Image2.setStretch(true);
  place(SSPanel20, 840, 60, 1095, 795);
  place(Option1, 60, 120, 975, 255, "High-Res");
  place(Option2, 60, 420, 990, 255, "Low-Res");
  // A single click picks the picture up as the page's current file.
  browser.pane.file.Click = [this] { Text1.setText(browser.pane.selectedPath()); };
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
