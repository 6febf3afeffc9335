// The kinds of control that hold a range or many items: scroll bars, the
// tab strip, progress bars and the drive, directory and file lists.
#pragma once

#include <string>
#include <vector>

#include "platform/control.h"

namespace vl {

enum class Orientation { Horizontal, Vertical };

// A scroll bar from min to max (max may be the smaller). value() is the
// thumb's place. Moving the thumb raises Scroll for each step and Change when
// the user lets go; an arrow, a click beside the thumb or a change made here
// raise Change.
class ScrollBar : public Control {
 public:
  ScrollBar(Control* parent, std::string name, Orientation o)
      : Control(parent, std::move(name), ControlKind::ScrollBar), orientation_(o) {}
  Role role() const override { return Role::ScrollBar; }
  std::string accessibleName() const override;
  std::string accessibleValue() const override { return std::to_string(value()); }
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
  TabStrip* asTabStrip() override { return this; }
  Role role() const override { return Role::PageTabList; }
  std::string accessibleName() const override { return "Pages"; }
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

 public:
  bool showsChild(const Control& child) const override;

 private:
  std::vector<std::string> captions_;
};

// A progress bar from 0 to its maximum; value() is its position.
class ProgressBar : public Control {
 public:
  ProgressBar(Control* parent, std::string name)
      : Control(parent, std::move(name), ControlKind::ProgressBar) {}
  Role role() const override { return Role::ProgressBar; }
  std::string accessibleName() const override;
  // The position as a share of the whole.
  std::string accessibleValue() const override;
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
  Role role() const override { return Role::List; }
  // "Frame: files", after the frame or window it lies in.
  std::string accessibleName() const override;
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
  // What its items are, to a screen reader.
  virtual const char* itemsNoun() const = 0;

 private:
  std::vector<ListItem> items_;
  int pressedItem_ = -1;
};

// The drives, in a list that drops down.
class DriveList : public ListControl {
 public:
  DriveList(Control* parent, std::string name)
      : ListControl(parent, std::move(name), ControlKind::DriveList) {}
  Role role() const override { return Role::ComboBox; }

 protected:
  const char* itemsNoun() const override { return "drives"; }
};

// The current directory, the ones above it and those in it.
class DirList : public ListControl {
 public:
  DirList(Control* parent, std::string name)
      : ListControl(parent, std::move(name), ControlKind::DirList) {}

 protected:
  const char* itemsNoun() const override { return "folders"; }
};

class FileList : public ListControl {
 public:
  FileList(Control* parent, std::string name)
      : ListControl(parent, std::move(name), ControlKind::FileList) {}

 protected:
  const char* itemsNoun() const override { return "files"; }
};

}  // namespace vl
