// A top-level window with its menus, and what the program asks of the
// window system as a whole.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/picture.h"
#include "platform/event.h"

namespace vl {

// Shortcut keys numbered as menu editors number them: Ctrl+A..Ctrl+Z, then F1..F12.
enum class Shortcut { None, CtrlA, CtrlZ = CtrlA + 25, F1, F12 = F1 + 11 };
constexpr Shortcut ctrl(char letter) {
  return static_cast<Shortcut>(static_cast<int>(Shortcut::CtrlA) + (letter - 'A'));
}
constexpr Shortcut fkey(int n) {
  return static_cast<Shortcut>(static_cast<int>(Shortcut::F1) + n - 1);
}
// "Ctrl+L", "F1", or "" for none.
std::string shortcutText(Shortcut s);

class MenuItem {
 public:
  // A parentless item is a top-level menu of the form's menu bar.
  MenuItem(Form& form, MenuItem* parent, std::string name, std::string caption,
           Shortcut shortcut = Shortcut::None);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  ~MenuItem();

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  Shortcut shortcut() const { return shortcut_; }
  bool isSeparator() const { return caption_ == "-"; }
  MenuItem* parent() const { return parent_; }
  const std::vector<MenuItem*>& items() const { return items_; }
  Form& form() const { return form_; }

  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool checked() const { return checked_; }
  void setChecked(bool v);
  bool visible() const { return visible_; }
  void setVisible(bool v);

  Event<void()> Click;
  // A choice by the user: only an enabled, visible item acts.
  void userClick();
  // The item acts while a long operation runs in another window too: Quit,
  // which cancels the operation first.
  void setActsWhileBusy(bool a) { actsWhileBusy_ = a; }

  void attachPeer(ControlPeer* peer) { peer_ = peer; }

 private:
  void changed(Prop what);

  Form& form_;
  MenuItem* parent_;
  std::string name_, caption_;
  Shortcut shortcut_;
  bool enabled_ = true, checked_ = false, visible_ = true;
  bool actsWhileBusy_ = false;
  std::vector<MenuItem*> items_;
  ControlPeer* peer_ = nullptr;
};

enum class BorderStyle { FixedSingle, FixedDialog, FixedToolWindow };

struct ScreenInfo {
  int width = 0, height = 0;  // twips
  int twipsPerPixelX = 15, twipsPerPixelY = 15;
  int pixelsPerInch = 96;
};

// Information for what went as asked, Warning for what did not.
enum class MsgIcon { Information, Warning };

class Ui;

class Form : public Control {
 public:
  // The design size is the client area, in twips.
  Form(Ui& ui, std::string name, std::string caption, int clientWidth, int clientHeight);
  ~Form() override;

  Ui& ui() const { return ui_; }
  Form* asForm() override { return this; }
  // The client area: the outer width less the frame, the designed height.
  int innerWidth() const override { return width() - frameWidth_; }
  int innerHeight() const override { return clientHeight_; }
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  BorderStyle borderStyle() const { return borderStyle_; }
  bool controlBox() const { return controlBox_; }
  // Above the windows of other programs (set before the window is made).
  bool topmost() const { return topmost_; }
  void setTopmost(bool t) { topmost_ = t; }
  void setBorderStyle(BorderStyle s, bool controlBox) {
    borderStyle_ = s;
    controlBox_ = controlBox;
  }
  const std::vector<MenuItem*>& menus() const { return menus_; }
  // The window this one belongs to (set before the window is made): it stays
  // in front of it, is minimised with it and is unloaded before it.
  Form* owner() const { return owner_; }
  void setOwner(Form* owner) { owner_ = owner; }

  bool loaded() const { return loaded_; }
  // Creates the window (hidden) and runs Load the first time. False, with
  // nothing loaded, when the window system could not make the window.
  [[nodiscard]] bool load();
  void show();
  void hide() { setVisible(false); }
  // Runs Unload and destroys the window; the object can be loaded again. A
  // form that overrides Unload calls this from its own destructor: the base
  // destructor destroys the window but cannot reach the override.
  void unload();
  // left = (screen width - width) / 2, top likewise, in twips.
  void center();

  // The taskbar has been created anew (the shell restarted): icons must be
  // added again.
  Event<void()> TaskbarCreated;
  void userTaskbarCreated() {
    if (TaskbarCreated) TaskbarCreated();
  }
  // Files dropped on the window, in the order given; accepted only when set.
  Event<void(const std::vector<std::string>& paths)> FilesDropped;
  void setAcceptsFiles(bool a) { acceptsFiles_ = a; }
  bool acceptsFiles() const { return acceptsFiles_; }

  // The system asks the window to close (close box, Alt+F4, session end).
  Event<void()> CloseRequest;
  void userCloseRequest();
  // The form's tab strip, whose pages the Ctrl+Tab keys turn; null for none.
  TabStrip* tabStrip();
  // Alt and a letter that no control or menu of the form claims; true when handled.
  Event<bool(char letter)> AltKey;
  bool userAltKey(char letter);
  // The buttons that Enter and Esc press wherever the focus is in the form.
  void setDefaultButton(CommandButton* b) { defaultButton_ = b; }
  void setCancelButton(CommandButton* b) { cancelButton_ = b; }
  // A window whose design gives its own keyboard order, instead of the order
  // its controls are read in.
  void setTabOrder(std::vector<Control*> order) { tabOrder_ = std::move(order); }
  const std::vector<Control*>& designedTabOrder() const { return tabOrder_; }
  // Enter or Esc in the form: true when a button took it.
  bool userDialogKey(int keyCode);

  // The back end reports the window's real place and outer size, and the
  // width of its frame (outer width less client width).
  void setActualBounds(int left, int top, int width, int height);
  void setFrameWidth(int twips) { frameWidth_ = twips; }
  // Sets a width given for the standard 3-pixel borders (90 twips in all), so
  // that the client area is what that width gives on a standard screen,
  // whatever the borders are here.
  void setDesignedWidth(int width) { setWidth(width - kStandardFrameWidth + frameWidth_); }
  static constexpr int kStandardFrameWidth = 90;
  void registerMenu(MenuItem* menu) { menus_.push_back(menu); }

 protected:
  virtual void Load() {}
  // The window is about to go; its controls are still there.
  virtual void Unload() {}

 private:
  Ui& ui_;
  int clientWidth_, clientHeight_;
  BorderStyle borderStyle_ = BorderStyle::FixedSingle;
  bool controlBox_ = false;
  void unloadOwned();

  bool topmost_ = false;
  Form* owner_ = nullptr;
  bool acceptsFiles_ = false;
  bool loaded_ = false;
  int frameWidth_ = kStandardFrameWidth;
  CommandButton* defaultButton_ = nullptr;
  CommandButton* cancelButton_ = nullptr;
  std::vector<Control*> tabOrder_;
  std::vector<MenuItem*> menus_;
};

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
  // A modal box with one OK button.
  virtual void messageBox(Form* owner, const std::string& text, const std::string& title,
                          MsgIcon icon) = 0;
  // A message box titled with the program's title; it informs unless told otherwise.
  void tell(Form* owner, const std::string& text, MsgIcon icon = MsgIcon::Information) {
    messageBox(owner, text, programTitle_, icon);
  }
  // The same, for something that could not be done.
  void warn(Form* owner, const std::string& text) { tell(owner, text, MsgIcon::Warning); }
  void setProgramTitle(std::string title) { programTitle_ = std::move(title); }
  virtual ScreenInfo screen() const = 0;
  // Ends the message loop once the current event is handled; the program
  // then returns this exit code.
  virtual void endMessageLoop(int exitCode) = 0;
  // Opens one of the form's menus as a pop-up menu at the mouse pointer; or,
  // asked for from the keyboard, at the control (a list's selected item).
  void popupMenu(Form& form, MenuItem& menu) { popupMenuAt(form, menu, nullptr); }
  virtual void popupMenuAt(Form& form, MenuItem& menu, const Control* anchor) = 0;
  // Gives the control the keyboard focus, where it can take it.
  virtual void setFocus(Control& control) = 0;
  // Lets waiting window events run, in the middle of a long operation.
  virtual void doEvents() = 0;
  // A clock in milliseconds for pacing what a long operation shows.
  virtual std::int64_t milliseconds() = 0;
  // A picture file or resource, decoded once while anyone shows it.
  virtual PictureLoad loadPicture(const std::string& source) = 0;

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

 private:
  struct BusyOperation {
    Form* window;
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

}  // namespace vl
