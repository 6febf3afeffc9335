// A control of a form: the properties and events the program's windows use.
// Back ends mirror the properties into real windows (or keep them in memory)
// and turn the user's input into the user* calls below. The kinds of control
// are classes of their own (controls.h, list_controls.h), each with its rules.
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
class TabStrip;

// What a control is to a screen reader: the same for every control of a kind.
enum class Role {
  Window,
  PushButton,
  CheckButton,
  RadioButton,
  StaticText,
  Text,
  Grouping,
  Pane,
  PageTabList,
  StatusBar,
  Graphic,
  ProgressBar,
  ComboBox,
  List,
  ScrollBar,
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void sync(Prop what) = 0;
  // The control is going away: the peer drops its window and itself.
  virtual void release() = 0;
};

// Key codes as the keyboard reports them.
namespace key {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Delete = 46;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int Space = 32;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
// Added to a key's code while Ctrl is held.
inline constexpr int Ctrl = 0x10000;
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
  const Form* form() const;

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
  virtual TabStrip* asTabStrip() { return nullptr; }

  // The rules of each kind.
  // What a screen reader calls it and reads of it, and what it is.
  virtual Role role() const { return Role::Pane; }
  virtual std::string accessibleName() const;
  virtual std::string accessibleValue() const { return {}; }
  // Whether Enter goes to the control rather than pressing the window's
  // default button: it does something with the key itself.
  virtual bool takesEnter() const { return static_cast<bool>(KeyDown); }
  // Enter while it has the focus presses it: true for a push button.
  virtual bool userEnter() { return false; }
  // Whether the key (with key::Ctrl when held) does something of the
  // control's own while it has the focus: Space presses a button, a text box
  // takes what is typed. The window's own keys then leave it alone.
  virtual bool takesKey(int /*code*/) const { return false; }
  // The group of option buttons it belongs to (their container), or null.
  virtual const Control* optionGroup() const { return nullptr; }
  // A panel or frame, which the controls lying on it are read with.
  virtual bool isBackdrop() const { return false; }
  // What it names the controls inside it to a screen reader ("Choices" for
  // a frame of that caption), or "".
  virtual std::string groupName() const { return {}; }
  // A label, which names the control read after it.
  virtual bool namesNext() const { return false; }
  // Whether a child (of a page) is on the page shown.
  virtual bool showsChild(const Control&) const { return true; }

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
  // The wheel turned by notches (positive away from the user), with Shift or
  // Ctrl held, the pointer at x, y in the control.
  Event<void(int notches, bool shift, bool ctrl, int x, int y)> MouseWheel;
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
  bool userWheel(int notches, bool shift, bool ctrl, int x = 0, int y = 0);
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
  void setValueQuietly(int v);
  // Choosing one option clears the others of its group without a Click.
  friend class OptionButton;
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

// Moving the mouse over the control writes its help text into the status bar.
class StatusBar;
void statusHelp(Control& c, StatusBar& statusBar, std::string text);

// A child of a tab strip that belongs to one page brings that page to the front.
void selectPageOf(Control& c);

// Builds a control and sets its place and caption in one statement.
template <typename C>
C& place(C& c, int left, int top, int width, int height, std::string text = {}) {
  c.setBounds(left, top, width, height);
  if (!text.empty()) c.setText(std::move(text));
  return c;
}

}  // namespace vl
