#include "app/pages.h"

namespace vl {

BrowserPageSetup imagePageSetup() {
  return {.tab = 0,
          .media = MediaPage::Image,
          .frame = "Frame1",
          .caption = "Image Browser",
          .drive = "Drive1",
          .dir = "Dir1",
          .file = "File1",
          .field = "Text1",
          .openButton = "SSCommand22",
          .openHelp = "Open the selected file",
          .openPicture = "res:OPEN",
          .dialog = "Form4",
          .dialogWidth = 4530,
          .dialogHeight = 3165,
          .greyDialog = true,
          .darkLists = false,
          .darkFiles = false,
          .openItems = {{"VI", "View Image"},
                        {"VIS", "View Image Stretched"},
                        {"VFS", "View Full Screen"},
                        {"VFSS", "View Full Screen Stretched"},
                        {"LC", "Logo Changer"}},
          .deleteItem = "IDF",
          .copyItem = "ICF",
          .moveItem = "IMF"};
}

BrowserPageSetup musicPageSetup() {
  return {.tab = 1,
          .media = MediaPage::Music,
          .frame = "Frame5",
          .caption = "Music Browser",
          .drive = "Drive2",
          .dir = "Dir2",
          .file = "File2",
          .field = "Text2",
          .openButton = "SSCommand21",
          .openHelp = "Open the selected file",
          .openPicture = "res:PLAY",
          .dialog = "Form11",
          .dialogWidth = 4560,
          .dialogHeight = 3135,
          .greyDialog = false,
          .darkLists = false,
          .darkFiles = false,
          .openItems = {{"PM", "Play Music"}},
          .deleteItem = "MDF",
          .copyItem = "MCF",
          .moveItem = "MMF"};
}

BrowserPageSetup soundPageSetup() {
  return {.tab = 2,
          .media = MediaPage::Sound,
          .frame = "Frame8",
          .caption = "Sound Browser",
          .drive = "Drive3",
          .dir = "Dir3",
          .file = "File3",
          .field = "Text3",
          .openButton = "SSCommand20",
          .openHelp = "Open the selected file",
          .openPicture = "res:PLAY",
          .dialog = "Form12",
          .dialogWidth = 4515,
          .dialogHeight = 3150,
          .greyDialog = false,
          .darkLists = true,
          .darkFiles = true,
          .openItems = {{"PS", "Play Sound"}},
          .deleteItem = "SDF",
          .copyItem = "SCF",
          .moveItem = "SMF"};
}

BrowserPageSetup mciPageSetup() {
  return {.tab = 3,
          .media = MediaPage::MciDevices,
          .frame = "Frame11",
          .caption = "MCI Browser",
          .drive = "Drive4",
          .dir = "Dir4",
          .file = "File4",
          .field = "Text4",
          .openButton = "SSCommand16",
          .openHelp = "Start Playback",
          .openPicture = "res:PLAY",
          .dialog = "Form13",
          .dialogWidth = 4515,
          .dialogHeight = 3135,
          .greyDialog = false,
          .darkLists = false,
          .darkFiles = true,
          .openItems = {{"PA", "Play MCI File"}},
          .deleteItem = "ADF",
          .copyItem = "ACF",
          .moveItem = "AMF"};
}

ImagePage::ImagePage(Services& services, Form& form, TabStrip& tabs, MenuItem& popup,
                     StatusBar& status)
    : browser(services, form, tabs, popup, status, imagePageSetup()) {
  place(SSPanel14, 2400, 240, 1995, 915);
  place(Image2, 60, 60, 735, 795);
  Image2.setBorder(true);
  Image2.setStretch(true);
  place(SSPanel20, 840, 60, 1095, 795);
  place(Option1, 60, 120, 975, 255, "High-Res");
  place(Option2, 60, 420, 990, 255, "Low-Res");
  place(SSCommand1, 840, 240, 735, 915);
  SSCommand1.setPicture("res:ZOOMIN");
  place(SSCommand2, 1560, 240, 765, 915);
  SSCommand2.setPicture("res:ZOOMOUT");
}

AboutPage::AboutPage(TabStrip& tabs) : SSPanel8(&tabs, "SSPanel8") {
  SSPanel8.setTabPage(5);
  place(SSPanel8, 330, 420, 5055, 4095);
  place(Image5, 180, 120, 4695, 555);
  Image5.setStretch(true);
  Image5.setPicture("res:BANNER");
  place(Frame2, 180, 840, 4695, 855, "Program Version");
  place(Label21, 120, 360, 4455, 315, "Varilume SE " VARILUME_VERSION);
  Label21.setAlignment(Align::Center);
}

}  // namespace vl
