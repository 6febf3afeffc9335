// A control of a form: the properties and events the program's windows use.
// Back ends mirror the properties into real windows (or keep them in memory)
// and turn the user's input into the user* calls below.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "platform/event.h"

namespace vl {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colours the windows share.
inline constexpr Rgb kSilver{192, 192, 192};      // the face of the windows
inline constexpr Rgb kLightGrey{224, 224, 224};   // panels, titles and position bars
inline constexpr Rgb kPaleYellow{255, 255, 192};  // texts to read: tips, notes, captions

struct Font {
  std::string face = "Arial";
  int centiPoints = 825;  // 8.25 pt
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class ControlKind {
  Form,
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  Frame,
  Panel,
  TabStrip,
  StatusBar,
  ImageBox,
  ProgressBar,
  DriveList,
  DirList,
  FileList,
  ScrollBar,
  Timer,
  MediaControl,
};

enum class Align { Left, Center, Right };

// What changed, so that a back end updates only that part of its window.
// Limits: a range or an interval; Picture: what an image or button shows.
enum class Prop { Text, Bounds, Visible, Enabled, Value, Style, Items, ZOrder, Limits, Picture };

class Form;
class Picture;

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void sync(Prop what) = 0;
  // The control is going away: the peer drops its window and itself.
  virtual void release() = 0;
};

// Key codes as the keyboard reports them.
namespace key {
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Delete = 46;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
}  // namespace key

class Control {
 public:
  Control(Control* parent, std::string name, ControlKind kind);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  Form* form();

  // Geometry in twips, relative to the parent's client area.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setBounds(int left, int top, int width, int height);
  void setLeft(int v) { setBounds(v, top_, width_, height_); }
  void setTop(int v) { setBounds(left_, v, width_, height_); }
  void setWidth(int v) { setBounds(left_, top_, v, height_); }
  void setHeight(int v) { setBounds(left_, top_, width_, v); }

  // Caption or text. A text box raises Change when its text changes.
  const std::string& text() const { return text_; }
  void setText(std::string text);

  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);

  // Check box: 0 or 1; option button: 0 or 1 (setting 1 clears the other
  // option buttons of the same container); tab strip: the current tab.
  // A change made here raises Click, as a user's change would.
  int value() const { return value_; }
  virtual void setValue(int v);

  // Appearance.
  std::optional<Rgb> backColor() const { return backColor_; }
  std::optional<Rgb> foreColor() const { return foreColor_; }
  void setBackColor(Rgb c);
  void setForeColor(Rgb c);
  const Font& font() const;  // own font, else the parent's
  void setFont(Font f);
  Align alignment() const { return alignment_; }
  void setAlignment(Align a);
  bool border() const { return border_; }
  void setBorder(bool b);
  // Over its siblings, and over whatever it covers.
  void bringToFront() {
    raised_ = ++raisings_;
    changed(Prop::ZOrder);
  }
  // When it was last brought to the front (0: never), later ones over earlier.
  long raised() const { return raised_; }

  // Children of a tab strip belong to one of its pages (-1: shown on all).
  int tabPage() const { return tabPage_; }
  void setTabPage(int page) { tabPage_ = page; }
  // The help text shown for it in the status bar; a screen reader speaks it
  // for a button that shows only a picture.
  const std::string& help() const { return help_; }
  void setHelp(std::string text) { help_ = std::move(text); }
  // The keyboard can reach it: a kind that takes the focus, shown and enabled.
  bool focusable() const;
  // The form at the root of the tree, if it is one.
  virtual Form* asForm() { return nullptr; }

  // Visible on screen: itself, its page and all its parents.
  bool shownOnScreen() const;
  // Enabled, and so are all its parents.
  bool enabledWithParents() const;
  // Lies at least partly inside its parent's area, and so does each parent:
  // a view parked beside or below the window is out of sight.
  bool inSight() const;
  // The area children are placed in.
  virtual int innerWidth() const { return width_; }
  virtual int innerHeight() const { return height_; }

  // Events.
  Event<void()> Click;
  Event<void()> DblClick;
  Event<void()> Change;
  Event<void(int keyCode)> KeyDown;
  Event<void(int x, int y)> MouseMove;
  Event<void(int button, int x, int y)> MouseDown;
  // The wheel turned by notches (positive away from the user), with Shift or Ctrl held.
  Event<void(int notches, bool shift, bool ctrl)> MouseWheel;
  // The menu key or Shift+F10 asks for the pop-up menu of the control, or of
  // the part of the window it lies in.
  Event<void()> MenuKey;

  // Input as the user gives it.
  void userClick();
  // The left button goes down over the control, then comes up over it or
  // elsewhere: only a press and a release both on the control click it.
  void userLeftDown();
  void userLeftUp(bool over);
  void userDblClick();
  void userKeyDown(int keyCode);
  void userMouseMove(int x = 0, int y = 0);
  void userMouseDown(int button, int x = 0, int y = 0);
  // False when the control does nothing with the wheel.
  bool userWheel(int notches, bool shift, bool ctrl);
  // The menu key on the focused control: the nearest of it and its containers
  // that has a menu opens it; false when none has.
  bool userMenuKey();
  void userEdit(std::string text);

  void attachPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* peer() const { return peer_; }

 protected:
  void changed(Prop what);
  // A property of this control has changed (before its window follows).
  virtual void propertyChanged(Prop) {}
  // The rules of each kind.
  virtual bool takesFocus() const { return false; }
  virtual int normalisedValue(int v) const { return v; }
  // The value has just changed, by the program or the user.
  virtual void valueChanged() {}
  // The text has just changed.
  virtual void textChanged() {}
  // A click by the user that changes the value; false leaves it to Click.
  virtual bool clickChangesValue() { return false; }
  // Whether a child (of a page) is on the page shown.
  virtual bool showsChild(const Control&) const { return true; }
  void setValueQuietly(int v);
  // Raises the event for a change the window already shows: at once, or,
  // while a long operation runs in another window, once it has ended.
  void raiseWhenFree(Event<void()> Control::*event);

 private:
  Control* parent_;
  std::string name_;
  ControlKind kind_;
  std::vector<Control*> children_;
  ControlPeer* peer_ = nullptr;

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  int value_ = 0;
  std::optional<Rgb> backColor_, foreColor_;
  std::optional<Font> font_;
  Align alignment_ = Align::Left;
  bool border_ = false;
  int tabPage_ = -1;
  std::string help_;
  long raised_ = 0;
  static inline long raisings_ = 0;
  bool pressed_ = false;  // the left button went down here and is still down
};

// Typed controls: a control of a fixed kind.
template <ControlKind K>
class Typed : public Control {
 public:
  Typed(Control* parent, std::string name) : Control(parent, std::move(name), K) {}
};
using Label = Typed<ControlKind::Label>;
using Frame = Typed<ControlKind::Frame>;
using Panel = Typed<ControlKind::Panel>;

// The line along the bottom of a window. It says what the control under the
// pointer does (its help), or what has just happened (a message, set as its
// text), which stays until something else is said.
class StatusBar : public Control {
 public:
  StatusBar(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::StatusBar) {}
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

enum class Orientation { Horizontal, Vertical };

// A scroll bar from min to max (max may be the smaller). value() is the
// thumb's place. Moving the thumb raises Scroll for each step and Change when
// the user lets go; an arrow, a click beside the thumb or a change made here
// raise Change.
class ScrollBar : public Control {
 public:
  ScrollBar(Control* parent, std::string name, Orientation o)
      : Control(parent, std::move(name), ControlKind::ScrollBar), orientation_(o) {}
  Orientation orientation() const { return orientation_; }
  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int min, int max);
  int smallChange() const { return smallChange_; }
  int largeChange() const { return largeChange_; }
  void setChanges(int small, int large);
  void setValue(int v) override;

  Event<void()> Scroll;

  // The user drags the thumb to v, then lets it go.
  void userScroll(int v);
  void userRelease(int v);
  // An arrow (small change) or a click beside the thumb (large change),
  // towards max for a direction of +1, towards min for -1.
  void userLine(int direction);
  void userPage(int direction);
  // The user sends the thumb to an end.
  void userEnd(bool toMax);

 protected:
  bool takesFocus() const override { return true; }

 private:
  int clamp(int v) const;
  Orientation orientation_;
  int min_ = 0, max_ = 32767;
  int smallChange_ = 1, largeChange_ = 1;
};

class TabStrip : public Control {
 public:
  TabStrip(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::TabStrip) {}
  const std::vector<std::string>& captions() const { return captions_; }
  void setCaptions(std::vector<std::string> c);
  int tab() const { return value(); }
  void setTab(int t) { setValue(t); }
  // Ctrl+Tab or Ctrl+Page Down (+1), Ctrl+Shift+Tab or Ctrl+Page Up (-1),
  // wherever the focus is in the form: the next or previous page, round the ends.
  void userStep(int direction);
  // The user has brought the page to the front.
  void userSelectTab(int t);

 protected:
  bool takesFocus() const override { return true; }
  void valueChanged() override;
  bool showsChild(const Control& child) const override;

 private:
  std::vector<std::string> captions_;
};

// A progress bar from 0 to its maximum; value() is its position.
class ProgressBar : public Control {
 public:
  ProgressBar(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::ProgressBar) {}
  int max() const { return max_; }
  // False for a maximum of 0 or less, which leaves the old one.
  bool setMax(int m);

 private:
  int max_ = 100;
};

struct ListItem {
  std::string text;
  int indent = 0;     // levels of indentation (directory lists)
  bool open = false;  // an open folder: the current directory or one above it
  friend bool operator==(const ListItem&, const ListItem&) = default;
};

// Drive, directory and file lists: items and the selected one. value() is
// the selected index, -1 for none; a change by the user raises Click.
class ListControl : public Control {
 public:
  ListControl(Control* parent, std::string name, ControlKind kind)
      : Control(parent, std::move(name), kind) {}
  const std::vector<ListItem>& items() const { return items_; }
  // Replaces all items at once and selects the given one.
  void setItems(std::vector<ListItem> items, int selected);
  int listIndex() const { return value(); }
  // The selected item's text, or "" when nothing is selected.
  std::string selectedText() const;
  // The user selects an item (a click on it, or the arrow keys).
  void userSelect(int index);
  // A mouse button goes down over the item at index (-1: below the last
  // item). MouseDown reports it, and meanwhile pressedItem() is that item.
  void userPress(int button, int index, int x = 0, int y = 0);
  int pressedItem() const { return pressedItem_; }

 protected:
  bool takesFocus() const override { return true; }

 private:
  std::vector<ListItem> items_;
  int pressedItem_ = -1;
};

// A child of a tab strip that belongs to one page brings that page to the front.
void selectPageOf(Control& c);

// Moving the mouse over the control writes its help text into the status bar.
inline void statusHelp(Control& c, StatusBar& statusBar, std::string text) {
  c.setHelp(text);
  c.MouseMove = [&statusBar, text = std::move(text)](int, int) { statusBar.showHelp(text); };
}

// Builds a control and sets its place and caption in one statement.
template <typename C>
C& place(C& c, int left, int top, int width, int height, std::string text = {}) {
  c.setBounds(left, top, width, height);
  if (!text.empty()) c.setText(std::move(text));
  return c;
}

}  // namespace vl
