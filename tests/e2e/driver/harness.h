// Drives the real program from another process: finds windows and controls
// by their VarilumeName, clicks, types, reads, answers message boxes and
// checks the files on drive C:.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../check/check.h"

namespace e2e {

// ---- checks ---------------------------------------------------------------
using check::Abort;
// A failed check with its own words.
inline void fail(const char* file, int line, const std::string& what) {
  check::record(false, file, line, what);
}

// Every wait has a deadline far beyond what an idle machine needs, so a busy
// one never fails a test; a condition that holds ends the wait at once.
inline constexpr int kPatience = 30000;

// Polls until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = kPatience);

// ---- text -------------------------------------------------------------------
std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& w);

// ---- drive C: ---------------------------------------------------------------
std::optional<std::string> readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& bytes);
void removeFile(const std::string& path);
bool fileExists(const std::string& path);
void makeDirectory(const std::string& path);
bool copyFile(const std::string& from, const std::string& to);
extern const char* const kInstallDir;  // C:\Program Files\Varilume SE

// ---- the program --------------------------------------------------------------
class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // Starts varilume.exe with the given command line, in its own directory or
  // in the one given.
  bool start(const std::string& arguments = "", const std::string& directory = "");
  // Starts a whole command line, as the shell runs a registered command.
  bool startCommand(const std::string& commandLine, const std::string& directory);
  DWORD pid() const { return process_.dwProcessId; }
  bool running() const;
  // Waits for the process to end; false if it is still running after the time.
  bool waitExit(int timeoutMs);
  // The exit code of the ended process; STILL_ACTIVE while it runs.
  DWORD exitCode() const;
  void kill();

  // A top-level window of the program with this name; waits until it is visible.
  HWND form(const std::string& name, int timeoutMs = kPatience);
  // The same without waiting; null when absent or hidden.
  HWND formNow(const std::string& name, bool visibleOnly = true);

  // Waits until the program's interface thread has handled everything posted
  // to it so far and finds its queue empty: the step before any check that
  // nothing happened.
  bool idle();
  // Whether a message box of the program is open, once it is idle.
  bool messageBoxOpen();

  // Prints whether the program runs and its top-level windows, for a failure's log.
  void describeWindows();

  // Loads the probe into the program (once) and asks it.
  // The input, when given, is in the answer file when the probe is asked.
  std::string probe(unsigned request, HWND target, long long argument = 0,
                    const std::string& input = "");

  struct MenuLine {
    int depth;
    UINT id;
    std::string flags, caption;
  };
  std::vector<MenuLine> menuBar(HWND form);
  std::vector<MenuLine> openPopup();
  // Right-clicks the control at the point of its client area, reads the
  // pop-up menu that opens and closes it again.
  std::vector<MenuLine> popupOf(HWND control, POINT at = {4, 4});
  // Right-clicks the control there and chooses the pop-up menu's item of that caption.
  bool choosePopupItem(HWND control, const std::string& caption, POINT at = {4, 4});
  std::string statusText(HWND statusBar);
  // Drops the files on the form as the shell does when the user lets go of them.
  bool dropFiles(HWND form, const std::vector<std::string>& paths);
  // A user's click on a tab's header; returns once the page is shown.
  void selectTab(HWND tabs, int index);

 private:
  PROCESS_INFORMATION process_{};
  bool probeLoaded_ = false;
};

// The folder of the driver: the build folder.
std::wstring driverDirectory();

// ---- controls -----------------------------------------------------------------
std::string nameOf(HWND hwnd);
// A descendant of the window with this name; null when there is none.
HWND findControl(HWND parent, const std::string& name);
// As findControl, waiting a while for it; the scenario cannot go on without it.
HWND control(HWND parent, const std::string& name);
std::vector<HWND> namedDescendants(HWND parent);
std::string text(HWND hwnd);
void setText(HWND edit, const std::string& text);
bool checked(HWND button);
bool enabled(HWND hwnd);
bool visible(HWND hwnd);
void click(HWND button);
void postMouseMove(HWND hwnd, int x = 2, int y = 2);
void postClick(HWND hwnd, int x, int y);
void postCommand(HWND form, UINT id);
// One tick of the form's timer of that name, as its form names it.
void postTimer(HWND form, const std::wstring& timer);
// Real key presses, after bringing the window to the front.
void keys(HWND target, std::initializer_list<WORD> chord);
// Real key presses to whichever window has the keyboard now.
void typeKeys(std::initializer_list<WORD> chord);

// ---- lists ------------------------------------------------------------------
std::vector<std::string> listItems(HWND list);  // list box or combo box
int listSelection(HWND list);
// A user's click, or double click, on the item of that text once the list
// shows it; false if it never does.
bool clickItem(HWND list, const std::string& item);
// The middle of the item of that text, scrolled into view, once the list
// shows it; nothing if it never does.
std::optional<POINT> itemPoint(HWND list, const std::string& item);
bool doubleClickItem(HWND list, const std::string& item);
// Chooses the drive in a drive list ("d:"), as a user's choice does.
bool chooseDrive(HWND combo, char letter);
void postKey(HWND hwnd, WORD key);

// ---- geometry -----------------------------------------------------------------
int dpi();
int twips(int pixels);
struct Rect {
  int left, top, width, height;
};
// Place of a child relative to its parent's client area, in twips.
Rect twipsRect(HWND hwnd);
// Screen size in pixels.
int screenWidth();
int screenHeight();
// Outer rectangle of a top-level window, in pixels.
RECT windowRect(HWND hwnd);
// Each twips value of the rectangle within one pixel of the expected one.
bool placedAt(HWND hwnd, Rect expected);

// ---- message boxes ------------------------------------------------------------
struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::string title, text;
};
std::optional<MessageBoxInfo> waitMessageBox(DWORD pid, int timeoutMs = kPatience);
void pressOk(const MessageBoxInfo& box);

// ---- scenarios ------------------------------------------------------------------
using Scenario = void (*)();
struct ScenarioEntry {
  const char* name;
  Scenario run;
};
std::vector<ScenarioEntry>& scenarios();
struct Register {
  Register(const char* name, Scenario run) { scenarios().push_back({name, run}); }
};
#define SCENARIO(name)                                          \
  static void scenario_##name();                                \
  static e2e::Register register_##name(#name, scenario_##name); \
  static void scenario_##name()

}  // namespace e2e
