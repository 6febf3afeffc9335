// The main window: the tab control with its seven pages, the menus and the
// status bar.
#pragma once

#include <string>

#include "app/form2.h"
#include "app/image_viewing.h"
#include "app/pages.h"
#include "settings/shared_settings.h"
#include "media/disc_page.h"
#include "logo/logo_changer.h"
#include "media/player.h"
#include "platform/form.h"
#include "tips/help_page.h"
#include "platform/menu_item.h"

namespace vl {

class App;

// Twips per pixel on a standard screen, for sizes given in pixels.
inline constexpr int kStandardTwipsPerPixel = 15;
inline constexpr int kNarrowWidth = 5955;
inline constexpr int kWideWidth = 11230;
// The background panel: 389 pixels of a standard screen, or as wide as the
// wide window's client area (743 pixels there) so that it never reaches past
// it on screens of other DPI.
inline constexpr int kNarrowPanelWidth = 389 * kStandardTwipsPerPixel;
inline constexpr int kWidePanelWidth = kWideWidth - Form::kStandardFrameWidth;

namespace test {
struct MainWindowParts;
}

class Form1 : public Form, private ViewingLayout {
 public:
  explicit Form1(App& app);

  // A file named on the command line or dropped on the window, handed to
  // the page its extension belongs to; false when no page takes it.
  bool openFile(const std::string& path);
  // Another start's command line: the window comes back from the tray and to
  // the front, and the file it names opens as at start-up.
  void receive(const std::string& commandLine);
  // The File menu's "Reminder Setup", while the break reminder can be set up.
  void enableReminderSetup(bool on) { RS.setEnabled(on); }
  // Whether a video or a CD plays: someone is watching.
  bool playsToWatch() const;
  // The reminder was paused (the tray's tip says until when) or resumed ("").
  void showReminderPause(const std::string& tip) { popup.showPause(tip); }
  // The first run's welcome holds the tips: "Did you know..." waits.
  void holdTipsMenu() { DYK.setEnabled(false); }
  // The pages with file lists.
  static constexpr MediaPage kListedPages[] = {MediaPage::Image, MediaPage::Music, MediaPage::Sound,
                                               MediaPage::MciDevices};
  // Fills the lists of the pages that have not filled them yet: at the end
  // of the start-up, or when a page is first shown.
  void startPages();
  void startPage(MediaPage page);
  // Puts the icon in the notification area, once the main window is drawn.
  void showTrayIcon();

 protected:
  void Load() override;

 private:
  // The unit tests look at the parts as a user looks at the window.
  friend struct test::MainWindowParts;

  // Pop-up menus of the pages, never shown in the menu bar; their items come
  // with the pages.
  MenuItem imgpop{*this, nullptr, "imgpop", "Image Popup"};
  MenuItem winpop{*this, nullptr, "winpop", "Window Popup"};
  MenuItem muspop{*this, nullptr, "muspop", "Music Popup"};
  MenuItem sndpop{*this, nullptr, "sndpop", "Sound Popup"};
  MenuItem anipop{*this, nullptr, "anipop", "Animation Popup"};

  Panel SSPanel9{this, "SSPanel9"};
  Frame Frame25{&SSPanel9, "Frame25"};
  TabStrip SSTab1{this, "SSTab1"};
  StatusBar StatusBar1{this, "StatusBar1"};
  ImagePage imagePage;
  BrowserPage musicPage;
  BrowserPage soundPage;
  BrowserPage mciPage;
  Player musicPlayer;
  Player soundPlayer;
  Player mciPlayer;
  DiscPage discPage;
  AboutPage aboutPage{SSTab1};
  HelpPage helpPage{SSTab1};
  ImageViewing viewing;

  MenuItem mnuFile{*this, nullptr, "mnuFile", "&File"};
  MenuItem LCM{*this, &mnuFile, "LCM", "&Logo Change Menu", ctrl('L')};
  MenuItem RS{*this, &mnuFile, "RS", "Remin&der Setup", ctrl('R')};
  MenuItem DYK{*this, &mnuFile, "DYK", "Did you &know..."};
  MenuItem sep1{*this, &mnuFile, "sep1", "-"};
  MenuItem quit{*this, &mnuFile, "quit", "&Quit", ctrl('Q')};
  MenuItem mnuHelp{*this, nullptr, "mnuHelp", "&Help"};
  MenuItem ff{*this, &mnuHelp, "ff", "&Quick Help", fkey(1)};
  MenuItem sep2{*this, &mnuHelp, "sep2", "-"};
  MenuItem Contents{*this, &mnuHelp, "Contents", "General Information", ctrl('I')};
  LogoChanger logo;
  Form2 popup;

  // The wide layout shows the High-Res view beside the tab control.
  void setWide(bool wide) override;
  void narrowWindowOnly() override { setDesignedWidth(kNarrowWidth); }
  void centreOnScreen() override { center(); }
  void enableLogoMenu(bool on) override { LCM.setEnabled(on); }

  // Files named on the command line, handed to their pages.
  void openImageFromCommandLine(const std::string& path);
  void openMusicFromCommandLine(const std::string& path);
  void openSoundFromCommandLine(const std::string& path);
  void openMciFromCommandLine(const std::string& path);
  BrowserPage& browserPage(MediaPage page);

  void wireMenus();
  void wireLogoChanger();
  void wireTray();
  void wireWindow();
  void applyShowAtStartFlag();
  void dispatchCommandLine();
  void toggleShowAtStart();
  // Moving the mouse over the control writes text into the status bar.
  void statusHelp(Control& c, std::string text);

  App& app_;
  SharedSettings::Subscription showAtStart_;
};

}  // namespace vl
