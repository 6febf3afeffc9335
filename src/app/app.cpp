#include "app/app.h"

#include "app/form1.h"
#include "app/form15.h"
#include "app/form5.h"
#include "reminder/reminder.h"
#include "tips/form14.h"
#include "tips/tip_file.h"

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
  if (shared_.showTipsAtStart()) {
    Form14* tips = tipsWindow();
    (tips ? *tips : createTipsWindow()).show();
  }
  if (form5_) form5_->unload();
  // The reminder's hidden window comes once the main window has painted.
  reminder_ = std::make_unique<Reminder>(services_, windowsPath_,
                                         [this](bool on) { mainWindow().enableReminderSetup(on); });
  ui().afterPainting([this] {
    if (!quitting_) reminder_->start();
  });
  mainUp_ = true;
  for (const std::string& line : std::exchange(waitingLines_, {})) arrived(line);
}

void App::arrived(const std::string& commandLine) {
  if (quitting_) return;
  if (!mainUp_) {
    // The first-run question comes first, and keeps the keyboard.
    waitingLines_.push_back(commandLine);
    if (form15_ && form15_->loaded()) ui().activate(*form15_);
    return;
  }
  ui().whenIdle([this, commandLine] {
    if (!quitting_) mainWindow().receive(commandLine);
  });
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
  ui().cancelBusy();
  // What waited for the operation's end does not start: the program ends.
  ui().dropWaiting();
  ui().whenIdle([this] { shutDown(); });
}

void App::shutDown() {
  auto releases = std::move(releases_);
  releases_.clear();
  for (auto& release : releases) release();
  ui().unloadAll();
  ui().endMessageLoop(0);
}

}  // namespace vl
