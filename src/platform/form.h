// A top-level window: its client area, border, owner, menus and the keys
// that act on it as a whole.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/controls.h"
#include "platform/event.h"
#include "platform/list_controls.h"

namespace vl {

enum class BorderStyle { FixedSingle, FixedDialog, FixedToolWindow };

class Ui;
struct MonitorArea;
class MenuItem;

class Form : public Control {
 public:
  // The design size is the client area, in twips.
  Form(Ui& ui, std::string name, std::string caption, int clientWidth, int clientHeight);
  ~Form() override;

  Ui& ui() const { return ui_; }
  Form* asForm() override { return this; }
  Role role() const override { return Role::Window; }
  // Controls lying straight on the window are read with its caption.
  std::string groupName() const override;
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
  // Never made the active window (set before the window is made): it shows
  // without taking the keyboard from the window in use.
  bool staysInactive() const { return staysInactive_; }
  void setStaysInactive(bool s) { staysInactive_ = s; }
  // Drawn at the DPI of the monitor it stands on, not the system's: set
  // before the form is loaded.
  bool followsMonitorDpi() const { return followsMonitorDpi_; }
  void setFollowsMonitorDpi(bool f) { followsMonitorDpi_ = f; }
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
  // The same within one monitor.
  void centerOn(const MonitorArea& monitor);

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

  // Monitors were added, taken away or rearranged.
  Event<void()> DisplayChanged;
  void userDisplayChanged() {
    if (DisplayChanged) DisplayChanged();
  }
  // The system asks the window to close (close box, Alt+F4, session end).
  Event<void()> CloseRequest;
  void userCloseRequest();
  // The form's tab strip, whose pages the Ctrl+Tab keys turn; null for none.
  TabStrip* tabStrip();
  // A key pressed anywhere in the form (with key::Ctrl when held), before
  // the control with the focus sees it, unless that control takes the key
  // itself; true when the form handled it. Also told the focused control.
  Event<bool(int code, Control* focused)> KeyPreview;
  bool userKeyPreview(int code, Control* focused);
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
  // Enter or Esc in the form, with the focus on the given control: a control
  // that takes Enter itself keeps it; else Enter presses the focused button,
  // or the default one, and Esc the cancelling one. True when a button took it.
  bool userDialogKey(int keyCode, Control* focused = nullptr);

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
  bool staysInactive_ = false;
  bool followsMonitorDpi_ = false;
  Form* owner_ = nullptr;
  bool acceptsFiles_ = false;
  bool loaded_ = false;
  int frameWidth_ = kStandardFrameWidth;
  CommandButton* defaultButton_ = nullptr;
  CommandButton* cancelButton_ = nullptr;
  std::vector<Control*> tabOrder_;
  std::vector<MenuItem*> menus_;
};

}  // namespace vl
