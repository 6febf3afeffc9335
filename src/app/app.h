// The program: its windows, the start-up sequence, the shared state and the
// way it ends.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "settings/shared_settings.h"
#include "platform/services.h"

namespace vl {

class Form1;
class Form5;
class Form14;
class Form15;
class Reminder;

inline constexpr const char* kProgramTitle = "Varilume SE 3.5a";

class App {
 public:
  explicit App(Services& services);
  ~App();

  Services& services() { return services_; }
  Ui& ui() { return services_.ui; }
  SettingsStore& settings() { return settings_; }
  SharedSettings& shared() { return shared_; }

  // Creates the startup window, whose creation runs the startup sequence;
  // or, when another copy of the program runs, hands it the command line and
  // ends at once.
  void start();
  // Startup steps: read the Windows path or ask for it, then go on.
  void runStartup();
  // Steps 2 to 4: show the main window, the tips if wanted, close the startup window.
  void continueStartup();

  // The Windows directory, ending in "\".
  const std::string& windowsPath() const { return windowsPath_; }

  // The main window, created (with its initialisation) but not shown if it did not exist.
  Form1& mainWindow();
  Form14* tipsWindow();  // null when it does not exist
  Form14& createTipsWindow();
  // The break reminder; null until the main window is up.
  Reminder* reminder() { return reminder_.get(); }

  // First-run dialog: "&Done" with the typed path, and "&Quit".
  void finishFirstRun(const std::string& windowsPath);
  void quitFirstRun();

  // General Information: the editor in the Windows directory with readme.txt.
  void openGeneralInformation();

  // Quit from the menu, the tray or the system's close request: a long
  // operation under way is cancelled and ends first; then each feature
  // releases what it holds, in the order they were handed over, every window
  // closes, and the message loop ends so that the program returns 0.
  void quit();
  // Windows that the program needs could not be made: says so once and ends
  // with a failure code.
  void cannotStart();
  // What a feature must release when the program ends (a tray icon, an open
  // device, a temporary file).
  void atQuit(std::function<void()> release) { releases_.push_back(std::move(release)); }
  bool quitting() const { return quitting_; }

 private:
  Services& services_;
  void shutDown();
  // A later start's command line: acted on once the main window is up and
  // no operation runs.
  void arrived(const std::string& commandLine);
  void openWaitingLines();
  // The command lines taken in but not acted on, as the program ends.
  void handOn();

  std::vector<std::string> waitingLines_;  // taken in, not yet opened
  bool mainUp_ = false;

  SettingsStore settings_;
  SharedSettings shared_{settings_};
  std::vector<std::function<void()>> releases_;
  bool quitting_ = false;
  std::string windowsPath_;
  std::unique_ptr<Form5> form5_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form14> form14_;
  std::unique_ptr<Form15> form15_;
  std::unique_ptr<Reminder> reminder_;
};

}  // namespace vl
