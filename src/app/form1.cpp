#include "app/form1.h"

#include "app/app.h"
#include "browse/media_types.h"
#include "reminder/reminder.h"

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
      viewing(app.services(), {imagePage, highRes, lowRes, StatusBar1, SI, CF}, *this),
      logo(
          app.services(), *this, SSTab1, StatusBar1, [&app] { return app.windowsPath(); },
          [this] { return imagePage.Text1.text(); }),
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

  // The Low-Res view and the logo changer belong to the Image page: raised,
  // they show while it is selected and come back with it.
  lowRes.Frame17.setTabPage(imagePage.browser.frame.tabPage());
  logo.SSPanel10.setTabPage(imagePage.browser.frame.tabPage());

  for (MenuItem* pagePopup : {&imgpop, &winpop, &muspop, &sndpop, &anipop})
    pagePopup->setVisible(false);
  LCM.setEnabled(false);
  DYK.Click = [this] { toggleShowAtStart(); };
  quit.Click = [this] { app_.quit(); };
  quit.setActsWhileBusy(true);
  RS.Click = [this] {
    if (Reminder* reminder = app_.reminder()) reminder->showProperties();
  };
  ff.Click = [this] { SSTab1.setTab(6); };
  // The help text of a control on the page left behind describes nothing
  // shown; a message of what happened stays.
  SSTab1.Click = [this] { StatusBar1.clearHelp(); };
  Contents.Click = [this] { app_.openGeneralInformation(); };
  CloseRequest = [this] { app_.quit(); };
  AltKey = [this](char letter) { return viewing.altKey(letter); };
  LCM.Click = [this] { logo.open(); };
  // A raised Low-Res view makes way for the logo changer while it is open.
  logo.Opening = [this] {
    if (lowRes.raised()) lowRes.Frame17.setVisible(false);
  };
  logo.Closed = [this] { lowRes.Frame17.setVisible(true); };
  imagePage.browser.takeItem("LC").Click = [this] {
    viewing.showView(ImageViewing::kOrdinaryHeight);
    logo.open();
  };
  popup.HM.Click = [this] { hide(); };
  popup.SM.Click = [this] { show(); };
  popup.Q.Click = [this] { app_.quit(); };
  popup.Q.setActsWhileBusy(true);
  popup.BringMainToFront = [this] { ui().bringToFront(*this); };
  // The menu took the keyboard to the hidden holder: a shown main window
  // takes it back, so that its shortcut keys work at once.
  popup.MenuClosed = [this] {
    if (visible()) ui().activate(*this);
  };
  setAcceptsFiles(true);
  FilesDropped = [this](const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
      if (!app_.services().fs.isDirectory(path) && openFile(path)) return;
  };
  showAtStart_ = app_.shared().observeShowTipsAtStart([this](bool show) { DYK.setChecked(show); });

  ImagePage& image = imagePage;
  image.Option1.Click = [this] { chooseHighRes(); };
  image.Option2.Click = [this] { chooseLowRes(); };
  statusHelp(image.Option1, "Use this mode if your screen resolution is 800x600 or higher");
  statusHelp(image.Option2, "Use this mode if your screen resolution is less than 800x600");
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

void Form1::Load() {
  // The tray holder first; Quit closes it first, then stops the disc.
  (void)popup.load();  // without it the program runs without its tray icon
  app_.atQuit([this] { popup.unload(); });
  app_.atQuit([this] { discPage.stopAtExit(); });
  for (MediaPage page :
       {MediaPage::Image, MediaPage::Music, MediaPage::Sound, MediaPage::MciDevices})
    browserPage(page).start();
  if (ui().screen().width < 9000) {
    imagePage.Option1.setEnabled(false);
    imagePage.Option2.setEnabled(true);
  }
  // The saved mode first, so that a picture named on the command line opens
  // in its view panel.
  applySavedDisplayMode();
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
  musicPage.field.setText(path);
  musicPlayer.openAndPlay(musicPage.field.text());
}

void Form1::openSoundFromCommandLine(const std::string& path) {
  SSTab1.setTab(2);
  soundPage.field.setText(path);
  soundPlayer.openAndPlay(soundPage.field.text());
}

void Form1::openMciFromCommandLine(const std::string& path) {
  SSTab1.setTab(3);
  mciPage.field.setText(path);
  mciPlayer.openAndPlay(mciPage.field.text());
}

void Form1::applySavedDisplayMode() {
  // Anything but the two modes was not written by the program: it is mended
  // with the first run's High-Res.
  std::string mode = app_.settings().readOneOf("res.cfg", {"1", "0"}, "1");
  if (mode == "1" && !imagePage.Option1.enabled()) {
    // The screen cannot hold the wide window: the narrow one from the start,
    // and the saved choice stands until the user makes another.
    keepSavedMode_ = true;
    imagePage.Option2.setValue(1);
    keepSavedMode_ = false;
    return;
  }
  if (mode == "1") imagePage.Option1.setValue(1);
  if (mode == "0") imagePage.Option2.setValue(1);
}

void Form1::applyShowAtStartFlag() {
  if (app_.shared().showTipsAtStart()) DYK.setChecked(true);
}

void Form1::setWide(bool wide) {
  setDesignedWidth(wide ? kWideWidth : kNarrowWidth);
  Frame25.setWidth(wide ? 10935 : 5715);
  SSPanel9.setWidth(wide ? kWidePanelWidth : kNarrowPanelWidth);
}

void Form1::openViewMenu(const Control* at) {
  ui().popupMenuAt(*this, winpop, at);
}

void Form1::chooseHighRes() {
  lowRes.park();
  setDesignedWidth(kNarrowWidth);
  app_.settings().write("res.cfg", "1");
}

void Form1::chooseLowRes() {
  setDesignedWidth(kNarrowWidth);
  SSPanel9.setWidth(kNarrowPanelWidth);
  Frame25.setWidth(5715);  // the rule stays inside its panel
  center();
  if (!keepSavedMode_) app_.settings().write("res.cfg", "0");
}

void Form1::toggleShowAtStart() {
  app_.shared().setShowTipsAtStart(!DYK.checked());
}

}  // namespace vl
