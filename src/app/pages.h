// The pages of the main window's tab control.
#pragma once

#include "browse/browser_page.h"
#include "platform/control.h"

namespace vl {

BrowserPageSetup imagePageSetup();
BrowserPageSetup musicPageSetup();
BrowserPageSetup soundPageSetup();
BrowserPageSetup mciPageSetup();

struct ImagePage {
  ImagePage(Services& services, Form& form, TabStrip& tabs, MenuItem& popup, StatusBar& status);
  BrowserPage browser;
  Frame& Frame1 = browser.frame;
  TextBox& Text1 = browser.field;
  CommandButton SSCommand1{&Frame1, "SSCommand1"};
  CommandButton SSCommand2{&Frame1, "SSCommand2"};
  Panel SSPanel14{&Frame1, "SSPanel14"};
  ImageBox Image2{&SSPanel14, "Image2"};
  Panel SSPanel20{&SSPanel14, "SSPanel20"};
  OptionButton Option1{&SSPanel20, "Option1"};
  OptionButton Option2{&SSPanel20, "Option2"};
};

struct AboutPage {
  explicit AboutPage(TabStrip& tabs);
  Panel SSPanel8;
  ImageBox Image5{&SSPanel8, "Image5"};
  Frame Frame2{&SSPanel8, "Frame2"};
  Label Label21{&Frame2, "Label21"};
};

}  // namespace vl
