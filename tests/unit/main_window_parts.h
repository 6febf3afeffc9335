// The main window's parts as the tests look at them: what a user sees on
// the screen, by the names the window gives them.
#pragma once

#include "app/form1.h"

namespace vl::test {

struct MainWindowParts {
  explicit MainWindowParts(Form1& window)
      : form(window),
        SSPanel9(window.SSPanel9),
        Frame25(window.Frame25),
        SSTab1(window.SSTab1),
        highRes(window.viewing.high),
        StatusBar1(window.StatusBar1),
        imagePage(window.imagePage),
        musicPage(window.musicPage),
        soundPage(window.soundPage),
        mciPage(window.mciPage),
        musicPlayer(window.musicPlayer),
        soundPlayer(window.soundPlayer),
        mciPlayer(window.mciPlayer),
        discPage(window.discPage),
        aboutPage(window.aboutPage),
        helpPage(window.helpPage),
        lowRes(window.viewing.low),
        LCM(window.LCM),
        RS(window.RS),
        DYK(window.DYK),
        quit(window.quit),
        ff(window.ff),
        Contents(window.Contents),
        CF(window.viewing.CF),
        SI(window.viewing.SI),
        viewing(window.viewing),
        logo(window.logo),
        popup(window.popup) {}

  BrowserPage& browserPage(MediaPage page) { return form.browserPage(page); }
  void openMciFromCommandLine(const std::string& path) { form.openMciFromCommandLine(path); }

  Form1& form;
  Panel& SSPanel9;
  Frame& Frame25;
  TabStrip& SSTab1;
  HighResView& highRes;
  StatusBar& StatusBar1;
  ImagePage& imagePage;
  BrowserPage &musicPage, &soundPage, &mciPage;
  Player &musicPlayer, &soundPlayer, &mciPlayer;
  DiscPage& discPage;
  AboutPage& aboutPage;
  HelpPage& helpPage;
  LowResView& lowRes;
  MenuItem &LCM, &RS, &DYK, &quit, &ff, &Contents, &CF, &SI;
  ImageViewing& viewing;
  LogoChanger& logo;
  Form2& popup;
};

}  // namespace vl::test
