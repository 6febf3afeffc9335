// The kinds of control that show or take one thing: labels, frames, panels,
// the status bar, buttons, boxes, pictures and timers. Each kind keeps its
// own rules: what its value may be, what a click does, whether the keyboard
// reaches it, and what it is to a screen reader.
#pragma once

#include <memory>
#include <string>

#include "platform/control.h"

namespace vl {

// A caption that names the control after it.
class Label : public Control {
 public:
  Label(Control* parent, std::string name) : Control(parent, std::move(name), ControlKind::Label) {}
  Role role() const override { return Role::StaticText; }
  bool namesNext() const override { return true; }
};

// A frame with a caption round a group of controls.
class Frame : public Control {
 public:
  Frame(Control* parent, std::string name) : Control(parent, std::move(name), ControlKind::Frame) {}
  Role role() const override { return Role::Grouping; }
  bool isBackdrop() const override { return true; }
  std::string groupName() const override;
};

// A 3-D panel that holds controls or lies under them.
class Panel : public Control {
 public:
  Panel(Control* parent, std::string name) : Control(parent, std::move(name), ControlKind::Panel) {}
  Role role() const override { return Role::Pane; }
  bool isBackdrop() const override { return true; }
  // A panel without a caption of its own: the frame or window round it.
  std::string groupName() const override;
};

// The line along the bottom of a window. It says what the control under the
// pointer does (its help), or what has just happened (a message, set as its
// text), which stays until something else is said.
class StatusBar : public Control {
 public:
  StatusBar(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::StatusBar) {}
  Role role() const override { return Role::StatusBar; }
  void showHelp(std::string text);
  // Clears the help of a control no longer in sight; a message stays.
  void clearHelp();
  // A message about something that may stop being so; its subject (any
  // address its sayers share) lets them take it back while it is shown.
  void showMessage(std::string text, const void* subject);
  void takeBack(const void* subject);

 protected:
  void textChanged() override {
    showsHelp_ = helping_;
    subject_ = saying_;
  }

 private:
  bool helping_ = false;           // the text being set is a help text
  bool showsHelp_ = false;         // what it says is a help text
  const void* saying_ = nullptr;   // the subject of the text being set
  const void* subject_ = nullptr;  // the subject of what it says
};

// A control that is on (1) or off (0), and that the keyboard reaches.
class Toggle : public Control {
 public:
  using Control::Control;
  bool takesKey(int code) const override { return code == key::Space; }

 protected:
  bool takesFocus() const override { return true; }
  int normalisedValue(int v) const override { return v ? 1 : 0; }
};

// Ticked or not; a click, or a change made here, ticks or unticks it and
// raises Click.
class CheckBox : public Toggle {
 public:
  CheckBox(Control* parent, std::string name)
      : Toggle(parent, std::move(name), ControlKind::CheckBox) {}
  Role role() const override { return Role::CheckButton; }

 protected:
  void valueChanged() override;
  bool clickChangesValue() override;
};

// Selected or not. Selecting one clears the other option buttons of its
// container and raises Click; a click on a selected one still reports it.
class OptionButton : public Toggle {
 public:
  OptionButton(Control* parent, std::string name)
      : Toggle(parent, std::move(name), ControlKind::OptionButton) {}
  Role role() const override { return Role::RadioButton; }
  // The option buttons of one container are one group.
  const Control* optionGroup() const override { return parent(); }

 protected:
  void valueChanged() override;
  bool clickChangesValue() override;
};

// A text box of one line, or of many lines that wrap, with a vertical
// scroll bar (set before the window is made).
class TextBox : public Control {
 public:
  TextBox(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::TextBox) {}
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool m) { multiLine_ = m; }
  Role role() const override { return Role::Text; }
  std::string accessibleName() const override;
  std::string accessibleValue() const override { return text(); }
  // A text of many lines takes Enter as a line break.
  bool takesEnter() const override { return multiLine_ || Control::takesEnter(); }
  // What is typed, and the keys that move in the text or delete from it.
  bool takesKey(int code) const override;

 protected:
  bool takesFocus() const override { return true; }
  void textChanged() override;

 private:
  bool multiLine_ = false;
};

// A push button, with a caption or a bitmap of the program ("res:NAME").
class CommandButton : public Control {
 public:
  CommandButton(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::CommandButton) {}
  Role role() const override { return Role::PushButton; }
  // Enter presses the button that has the focus.
  bool userEnter() override {
    userClick();
    return true;
  }
  bool takesKey(int code) const override { return code == key::Space; }
  const std::string& picture() const { return picture_; }
  void setPicture(std::string resource);

 protected:
  bool takesFocus() const override { return true; }

 private:
  std::string picture_;
};

// Shows a picture at its natural size, or stretched to the control's size.
// Unstretched, the control takes the picture's size; either way its place
// may lie partly outside its parent, which shows the part inside.
class ImageBox : public Control {
 public:
  ImageBox(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::ImageBox) {}
  Role role() const override { return Role::Graphic; }
  // A file path or "res:NAME". "" empties the control. Returns "" when the
  // picture is shown, else why it could not be read: the previous picture
  // then stays.
  std::string setPicture(const std::string& source);
  const std::string& pictureSource() const { return source_; }
  const std::shared_ptr<const Picture>& picture() const { return picture_; }
  bool stretch() const { return stretch_; }
  void setStretch(bool s);

 private:
  void fitPicture();

  std::string source_;
  std::shared_ptr<const Picture> picture_;
  bool stretch_ = false;
};

// Raises Tick every interval milliseconds while enabled; an interval of 0
// stops it. It has no window: the form's window keeps its time.
class Timer : public Control {
 public:
  Timer(Control* parent, std::string name) : Control(parent, std::move(name), ControlKind::Timer) {
    setVisible(false);
  }
  int interval() const { return interval_; }
  void setInterval(int ms);
  // A resting timer stays enabled but is not woken: its owner knows that a
  // tick could change nothing until it says otherwise.
  void setResting(bool resting);
  // Whether ticks are due: enabled, with an interval, and not resting.
  bool running() const { return enabled() && interval_ > 0 && !resting_; }

  Event<void()> Tick;
  // The interval has passed: an enabled timer raises Tick. While a long
  // operation runs in another window the ticks wait, unless they only
  // refresh a display, and then run one by one once it has ended.
  void elapse();
  void setOnlyRefreshes(bool r) { onlyRefreshes_ = r; }
  bool onlyRefreshes() const { return onlyRefreshes_; }

 private:
  int interval_ = 0;
  bool resting_ = false;
  bool onlyRefreshes_ = false;
  int held_ = 0;  // ticks waiting for a long operation's end
};

}  // namespace vl
