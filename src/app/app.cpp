#include "app/app.h"

#include "app/form1.h"
#include "app/form15.h"
#include "app/form5.h"
#include "browse/media_types.h"
#include "reminder/reminder.h"
#include "tips/form14.h"
#include "tips/tip_file.h"
#include "platform/ui.h"

#include <utility>

namespace vl {

App::App(Services& services) : services_(services), settings_(services.fs, services.codec) {
  services_.ui.setProgramTitle(kProgramTitle);
}

App::~App() = default;

void App::start() {
  if (!services_.instances.claim(services_.commandLine)) {
    // The copy that runs has the command line: this one makes nothing.
    quitting_ = true;
    ui().endMessageLoop(0);
    return;
  }
  services_.instances.Arrived = [this](const std::string& line) { arrived(line); };
  form5_ = std::make_unique<Form5>(*this);
  if (!form5_->load()) cannotStart();
}

void App::cannotStart() {
  ui().warn(nullptr,
            "Varilume SE cannot start: Windows could not make its windows. Close some "
            "programs and start it again.");
  quitting_ = true;
  ui().unloadAll();
  ui().endMessageLoop(1);
}

void App::runStartup() {
  // An empty path is no answer to the first-run question: it is asked again.
  if (auto path = settings_.read("windir.cfg"); path && !path->empty()) {
    windowsPath_ = *path;
    continueStartup();
    return;
  }
  form15_ = std::make_unique<Form15>(*this);
  if (!form15_->load()) {
    cannotStart();
    return;
  }
  form15_->show();
}

void App::continueStartup() {
  if (!mainWindow().loaded()) {
    cannotStart();
    return;
  }
  mainWindow().show();
  if (form5_) form5_->unload();
  // The tip comes over the main window once that has painted, and so does the
  // reminder's hidden window.
  ui().afterPainting([this] {
    if (quitting_ || !shared_.showTipsAtStart()) return;
    Form14* tips = tipsWindow();
    (tips ? *tips : createTipsWindow()).show();
  });
  reminder_ = std::make_unique<Reminder>(services_, windowsPath_,
                                         [this](bool on) { mainWindow().enableReminderSetup(on); });
  reminder_->PauseChanged = [this](const std::string& tip) { mainWindow().showReminderPause(tip); };
  reminder_->Watching = [this] { return mainWindow().playsToWatch(); };
  ui().afterPainting([this] {
    if (!quitting_) reminder_->start();
  });
  // The icon's shell work runs beside the pages' lists, not the tip's.
  ui().afterPainting([this] {
    if (!quitting_) mainWindow().showTrayIcon();
  });
  // A page's lists a step, so that input is answered between them.
  for (MediaPage page : Form1::kListedPages)
    ui().afterPainting([this, page] {
      if (!quitting_) mainWindow().startPage(page);
    });
  mainUp_ = true;
  if (!waitingLines_.empty()) openWaitingLines();
}

void App::arrived(const std::string& commandLine) {
  waitingLines_.push_back(commandLine);
  if (quitting_) {
    handOn();
    return;
  }
  if (!mainUp_) {
    // The first-run question comes first, and keeps the keyboard.
    if (form15_ && form15_->loaded()) ui().activate(*form15_);
    return;
  }
  openWaitingLines();
}

void App::openWaitingLines() {
  ui().whenIdle([this] {
    if (quitting_) return;
    for (const std::string& line : std::exchange(waitingLines_, {})) mainWindow().receive(line);
  });
}

void App::handOn() {
  // A later start was told its file was taken: a new copy opens it now.
  for (const std::string& line : std::exchange(waitingLines_, {}))
    (void)services_.launcher.startAgain(commandLinePath(line));
}

Form1& App::mainWindow() {
  if (!form1_) {
    form1_ = std::make_unique<Form1>(*this);
    (void)form1_->load();  // the start-up checks that it loaded
  }
  return *form1_;
}

Form14* App::tipsWindow() {
  return form14_ && form14_->loaded() ? form14_.get() : nullptr;
}

Form14& App::createTipsWindow() {
  if (!tipsWindow()) {
    form14_ = std::make_unique<Form14>(services_, shared_);
    (void)form14_->load();  // without its window the tips are not shown
  }
  return *form14_;
}

void App::finishFirstRun(const std::string& windowsPath) {
  settings_.write("windir.cfg", windowsPath);
  windowsPath_ = windowsPath;
  createTipsWindow().enterWelcomeMode();
  mainWindow().holdTipsMenu();
  continueStartup();
  if (form15_) form15_->unload();
}

void App::quitFirstRun() {
  quit();
}

void App::openGeneralInformation() {
  std::string editor = joinPath(windowsPath_, "notepad.exe");
  std::string readme = locateProgramFile(services_.fs, "readme.txt");
  std::string failure = services_.launcher.start(editor, readme);
  if (failure.empty()) return;
  ui().warn(form1_.get(),
            "The editor " + editor + " could not be started: " + failure +
                "\n\nThe Windows path is kept in c:\\windir.cfg; delete that file and "
                "start Varilume SE again to enter the path anew.");
}

void App::quit() {
  if (quitting_) return;
  quitting_ = true;
  // A later start from now on runs itself; one already taken in opens anew.
  services_.instances.stopServing();
  handOn();
  ui().cancelBusy();
  // What waited for the operation's end does not start: the program ends,
  // from the message loop once the operation has stopped.
  ui().dropWaiting();
  ui().whenIdle([this] { ui().post([this] { shutDown(); }); });
}

void App::shutDown() {
  auto releases = std::move(releases_);
  releases_.clear();
  for (auto& release : releases) release();
  ui().unloadAll();
  ui().endMessageLoop(0);
}

}  // namespace vl
