// The window system as the program sees it: windows made and unloaded,
// message boxes and pop-up menus, the screen, pictures, the message loop, and
// the one rule that keeps work from running where it must not: while a long
// operation or a modal box, menu or dialog is open, only what it allows acts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace vl {

class Control;
class Form;
class MenuItem;
enum class Shortcut;

struct ScreenInfo {
  int width = 0, height = 0;  // twips
  int twipsPerPixelX = 15, twipsPerPixelY = 15;
  int pixelsPerInch = 96;
};

// One monitor of the desktop, in twips of the whole desktop: a monitor left
// of or above the main one has negative coordinates.
struct MonitorArea {
  int left = 0, top = 0, width = 0, height = 0;
  int pixelsPerInch = 96;  // its own
  bool contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  friend bool operator==(const MonitorArea&, const MonitorArea&) = default;
};

// Information for what went as asked, Warning for what did not.
enum class MsgIcon { Information, Warning };

// The window system as the program sees it.
class Ui {
 public:
  virtual ~Ui() = default;
  // Makes the form's window and its controls' windows; false when it could not.
  [[nodiscard]] virtual bool load(Form& form) = 0;
  virtual void unload(Form& form) = 0;
  // Puts the window at the front of the window order, visible or not.
  virtual void bringToFront(Form& form) = 0;
  // Brings the form to the front with the keyboard, restored if minimised:
  // for another start of the program that hands it over.
  virtual void activate(Form& form) = 0;
  // A modal box with one OK button. While it is open nothing else acts
  // (a modal scope).
  void messageBox(Form* owner, const std::string& text, const std::string& title, MsgIcon icon);
  // A message box titled with the program's title; it informs unless told otherwise.
  void tell(Form* owner, const std::string& text, MsgIcon icon = MsgIcon::Information) {
    messageBox(owner, text, programTitle_, icon);
  }
  // The same, for something that could not be done.
  void warn(Form* owner, const std::string& text) { tell(owner, text, MsgIcon::Warning); }
  void setProgramTitle(std::string title) { programTitle_ = std::move(title); }
  virtual ScreenInfo screen() const = 0;
  // Every monitor, the one that holds the mouse pointer first.
  virtual std::vector<MonitorArea> monitors() const = 0;
  // The part of the main monitor that the taskbar leaves free. Asked only
  // when a window goes there: the system works it out from every display.
  virtual MonitorArea workArea() const = 0;
  // Ends the message loop once the current event is handled; the program
  // then returns this exit code.
  virtual void endMessageLoop(int exitCode) = 0;
  // Opens one of the form's menus as a pop-up menu at the mouse pointer; or,
  // asked for from the keyboard, at the control (a list's selected item). The
  // item chosen acts once the menu has closed; meanwhile nothing else acts.
  void popupMenu(Form& form, MenuItem& menu) { popupMenuAt(form, menu, nullptr); }
  void popupMenuAt(Form& form, MenuItem& menu, const Control* anchor);
  // Gives the control the keyboard focus, where it can take it.
  virtual void setFocus(Control& control) = 0;
  // Runs the step from the message loop once the current event is handled:
  // work a button starts does not run inside the button's own handling.
  // May be called from any thread.
  virtual void post(std::function<void()> step) = 0;
  // A clock in milliseconds for pacing what a long operation shows.
  virtual std::int64_t milliseconds() = 0;
  // A picture file or resource as it is now, decoded once while anyone shows
  // it and the file stays the same.
  virtual PictureLoad loadPicture(const std::string& source) = 0;
  // Pictures likely to be shown next, most likely first: they are read
  // ahead, away from the windows, and any read ahead before are let go.
  virtual void readPicturesAhead(std::vector<std::string> sources) = 0;

  // The forms whose windows exist, oldest first.
  const std::vector<Form*>& loadedForms() const { return loaded_; }
  void formLoaded(Form& form);
  void formUnloaded(Form& form);
  // Unloads every form, newest first.
  void unloadAll();

  // While a long operation lets events run, only its own window takes the
  // user's actions: clicks, keys and menu commands elsewhere are refused, so
  // that no second operation starts in its middle. What the user has already
  // changed elsewhere (a list's selection, a text, a page) and the ticks of
  // timers that may start something are acted on once it has ended.
  // Operations nest: the innermost one's window takes the input.
  void beginBusy(Form& window, std::function<void()> cancel);
  // A modal box, menu or dialog of the system: no form takes input until it
  // has closed; when the program must end, it is closed.
  void beginModal();
  // Closes whatever modal box, menu or dialog of the program is open.
  virtual void closeModal() {}
  // Ends the innermost operation; once none runs, what waited runs.
  void endBusy();
  bool busy() const { return !busy_.empty(); }
  bool acceptsInput(const Form* form) const { return busy_.empty() || busy_.back().window == form; }
  // Asks every running operation to stop, the innermost first.
  void cancelBusy();
  // Runs the step now, or once no operation runs.
  void whenIdle(std::function<void()> step);
  // Keeps an event of the control for when no operation runs. One waits per
  // control: false, and nothing added, when one already does. It is dropped
  // if the control's form closes first.
  bool whenIdleFor(Control& control, std::function<void()> step);
  // Drops every step that waits: the program ends instead.
  void dropWaiting() { waiting_.clear(); }
  // A shortcut typed while an operation runs, in whichever window: the
  // operation's window has no menus, so the item of any window that carries
  // it is chosen, the typing window's first; it acts only if it acts while
  // busy (Quit). False when no item carries it.
  bool userShortcutWhileBusy(Form& typedIn, Shortcut s);
  // Runs the step once the windows have painted and no event waits (at once
  // where nothing is drawn).
  virtual void afterPainting(std::function<void()> step) { step(); }

 protected:
  // The back ends' own parts of the modal calls above.
  virtual void showMessageBox(Form* owner, const std::string& text, const std::string& title,
                              MsgIcon icon) = 0;
  virtual void showPopupMenu(Form& form, MenuItem& menu, const Control* anchor) = 0;

 private:
  struct BusyOperation {
    Form* window;  // null for a modal box, menu or dialog: no form acts
    std::function<void()> cancel;
  };
  struct Waiting {
    const Control* control;  // null for a step of no control
    const Form* form;
    std::function<void()> step;
  };
  void runWaiting();

  std::string programTitle_;
  std::vector<Form*> loaded_;
  std::vector<BusyOperation> busy_;  // innermost last
  std::vector<Waiting> waiting_;
};

// A long operation's time, for the duration of a scope.
class BusyScope {
 public:
  BusyScope(Ui& ui, Form& window, std::function<void()> cancel) : ui_(ui) {
    ui_.beginBusy(window, std::move(cancel));
  }
  ~BusyScope() { ui_.endBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Ui& ui_;
};

// A modal box, menu or dialog of the system, for the duration of a scope.
class ModalScope {
 public:
  explicit ModalScope(Ui& ui) : ui_(ui) { ui_.beginModal(); }
  ~ModalScope() { ui_.endBusy(); }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  Ui& ui_;
};

}  // namespace vl
