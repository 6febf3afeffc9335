#include "app/form1.h"

#include "app/app.h"
#include "browse/media_types.h"
#include "reminder/reminder.h"
#include "platform/menu_item.h"
#include "platform/ui.h"

namespace vl {

Form1::Form1(App& app)
    : Form(app.ui(), "Form1", "Varilume SE", 5865, 5205),
      imagePage(app.services(), *this, SSTab1, imgpop, StatusBar1),
      musicPage(app.services(), *this, SSTab1, muspop, StatusBar1, musicPageSetup()),
      soundPage(app.services(), *this, SSTab1, sndpop, StatusBar1, soundPageSetup()),
      mciPage(app.services(), *this, SSTab1, anipop, StatusBar1, mciPageSetup()),
      musicPlayer(app.services(), musicPage, StatusBar1, PlayerKind::Music),
      soundPlayer(app.services(), soundPage, StatusBar1, PlayerKind::Sound),
      mciPlayer(app.services(), mciPage, StatusBar1, PlayerKind::Mci),
      discPage(app.services(), SSTab1, StatusBar1),
      viewing(app.services(), app.settings(), {imagePage, StatusBar1, *this, SSTab1, winpop},
              *this),
      logo(
          app.services(), *this, SSTab1, StatusBar1, [&app] { return app.windowsPath(); },
          [this] { return imagePage.browser.currentFile(); }),
      popup(app.services()),
      app_(app) {
  setBorderStyle(BorderStyle::FixedSingle, false);
  setBackColor(kSilver);
  setFont(Font{"Arial", 825, false});
  place(SSPanel9, 0, 0, 5835, 4815);
  place(Frame25, 60, 4785, 5715, 30);
  place(SSTab1, 45, 120, 5715, 4635);
  SSTab1.setCaptions({"Image", "Music", "Sound", "MCI Devices", "CD", "About", "?"});
  place(StatusBar1, 0, 4845, 5865, 360);
  wireMenus();
  wireLogoChanger();
  wireTray();
  wireWindow();
}

// The File and Help menus; the pages' pop-up menus are never in the bar.
void Form1::wireMenus() {
  for (MenuItem* pagePopup : {&imgpop, &winpop, &muspop, &sndpop, &anipop})
    pagePopup->setVisible(false);
  LCM.setEnabled(false);
  LCM.Click = [this] { logo.open(); };
  DYK.Click = [this] { toggleShowAtStart(); };
  showAtStart_ = app_.shared().observeShowTipsAtStart([this](bool show) { DYK.setChecked(show); });
  quit.Click = [this] { app_.quit(); };
  quit.setActsWhileBusy(true);
  RS.Click = [this] {
    if (Reminder* reminder = app_.reminder()) reminder->showProperties();
  };
  ff.Click = [this] { SSTab1.setTab(6); };
  Contents.Click = [this] { app_.openGeneralInformation(); };
}

// The logo changer belongs to the Image page, over a raised Low-Res view.
void Form1::wireLogoChanger() {
  logo.SSPanel10.setTabPage(imagePage.browser.frame.tabPage());
  LowResView& low = viewing.low;
  logo.Opening = [&low] {
    if (low.raised()) low.Frame17.setVisible(false);
  };
  logo.Closed = [&low] { low.Frame17.setVisible(true); };
  imagePage.browser.takeItem("LC").Click = [this] {
    viewing.showView(ImageViewing::kOrdinaryHeight);
    logo.open();
  };
}

void Form1::wireTray() {
  popup.HM.Click = [this] { hide(); };
  popup.SM.Click = [this] { show(); };
  popup.Q.Click = [this] { app_.quit(); };
  for (auto [item, minutes] : {std::pair{&popup.P30, 30}, {&popup.P60, 60}, {&popup.PU, 0}}) {
    item->Click = [this, minutes] {
      if (Reminder* reminder = app_.reminder()) reminder->pause(minutes);
    };
  }
  popup.RR.Click = [this] {
    if (Reminder* reminder = app_.reminder()) reminder->resume();
  };
  popup.Q.setActsWhileBusy(true);
  popup.BringMainToFront = [this] { ui().bringToFront(*this); };
  // The menu took the keyboard to the hidden holder: a shown main window
  // takes it back, so that its shortcut keys work at once.
  popup.MenuClosed = [this] {
    if (visible()) ui().activate(*this);
  };
}

// The window as a whole: its close request, Alt keys, drops and the status
// bar's empty text over what describes nothing.
void Form1::wireWindow() {
  // The help text of a control on the page left behind describes nothing
  // shown; a message of what happened stays.
  SSTab1.Click = [this] {
    StatusBar1.clearHelp();
    startPages();
  };
  CloseRequest = [this] { app_.quit(); };
  AltKey = [this](char letter) { return viewing.altKey(letter); };
  KeyPreview = [this](int code, Control* focused) { return viewing.walkKey(code, focused); };
  setAcceptsFiles(true);
  FilesDropped = [this](const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
      if (!app_.services().fs.isDirectory(path) && openFile(path)) return;
  };
  for (Control* bare : std::initializer_list<Control*>{this, &SSPanel9, &SSTab1, &aboutPage.Frame2,
                                                       &discPage.Frame21, &aboutPage.SSPanel8})
    statusHelp(*bare, "");
}

void Form1::statusHelp(Control& c, std::string text) {
  vl::statusHelp(c, StatusBar1, std::move(text));
}

BrowserPage& Form1::browserPage(MediaPage page) {
  switch (page) {
    case MediaPage::Music:
      return musicPage;
    case MediaPage::Sound:
      return soundPage;
    case MediaPage::MciDevices:
      return mciPage;
    case MediaPage::Image:
      break;
  }
  return imagePage.browser;
}

bool Form1::playsToWatch() const {
  return mciPlayer.device.mode() == MediaMode::Playing ||
         discPage.MMControl4.mode() == MediaMode::Playing;
}

void Form1::startPages() {
  for (MediaPage page : kListedPages) startPage(page);
}

void Form1::startPage(MediaPage page) {
  browserPage(page).start();
}

void Form1::showTrayIcon() {
  (void)popup.load();  // without it, no tray icon
}

void Form1::Load() {
  // Quit closes the tray holder first, then stops the disc.
  app_.atQuit([this] { popup.unload(); });
  app_.atQuit([this] { discPage.stopAtExit(); });
  // The page shown fills its lists now; the others when one is first shown,
  // or once the start-up is over (startPages), whichever comes first.
  imagePage.browser.start();
  if (ui().screen().width < 9000) {
    imagePage.Option1.setEnabled(false);
    imagePage.Option2.setEnabled(true);
  }
  // The saved mode first, so that a picture named on the command line opens
  // in its view panel.
  viewing.applySavedMode(imagePage.Option1.enabled());
  dispatchCommandLine();
  center();
  SSTab1.setTab(0);
  applyShowAtStartFlag();
}

void Form1::dispatchCommandLine() {
  openFile(commandLinePath(app_.services().commandLine));
}

void Form1::receive(const std::string& commandLine) {
  show();
  ui().activate(*this);
  openFile(commandLinePath(commandLine));
}

bool Form1::openFile(const std::string& path) {
  auto page = pageForCommandLine(path);
  if (!page) return false;
  switch (*page) {
    case MediaPage::Image:
      openImageFromCommandLine(path);
      break;
    case MediaPage::Music:
      openMusicFromCommandLine(path);
      break;
    case MediaPage::Sound:
      openSoundFromCommandLine(path);
      break;
    case MediaPage::MciDevices:
      openMciFromCommandLine(path);
      break;
  }
  return true;
}

void Form1::openImageFromCommandLine(const std::string& path) {
  SSTab1.setTab(0);
  viewing.showView(ImageViewing::kOrdinaryHeight, &path);
}

void Form1::openMusicFromCommandLine(const std::string& path) {
  SSTab1.setTab(1);
  musicPage.setCurrentFile(path);
  musicPlayer.openAndPlay(path);
}

void Form1::openSoundFromCommandLine(const std::string& path) {
  SSTab1.setTab(2);
  soundPage.setCurrentFile(path);
  soundPlayer.openAndPlay(path);
}

void Form1::openMciFromCommandLine(const std::string& path) {
  SSTab1.setTab(3);
  mciPage.setCurrentFile(path);
  mciPlayer.openAndPlay(path);
}

void Form1::applyShowAtStartFlag() {
  if (app_.shared().showTipsAtStart()) DYK.setChecked(true);
}

void Form1::setWide(bool wide) {
  setDesignedWidth(wide ? kWideWidth : kNarrowWidth);
  Frame25.setWidth(wide ? 10935 : 5715);
  SSPanel9.setWidth(wide ? kWidePanelWidth : kNarrowPanelWidth);
}

void Form1::toggleShowAtStart() {
  app_.shared().setShowTipsAtStart(!DYK.checked());
}

}  // namespace vl
