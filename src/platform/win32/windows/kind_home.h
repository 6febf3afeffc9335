// Each kind of control has one home in the window back end: the window it is
// made of, its first state, how its properties reach that window, how the
// window's notifications become its events, and how it is painted. Adding a
// kind means writing its home and registering it in homeOf().
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/control.h"
#include "platform/win32/windows/dpi_context.h"

namespace vl::win32 {

class WindowPeer;
class Win32Ui;

// The window a control is made of.
struct WindowRecipe {
  const wchar_t* cls;
  DWORD style;
  DWORD exStyle;
  bool standard;  // a class of the system, subclassed; else one of ours
};

class KindHome {
 public:
  virtual ~KindHome() = default;

  // Mandatory parts: every kind says what it is made of, what its new window
  // lacks from creation, and how each property reaches it.
  virtual WindowRecipe recipe(const Control& c) const = 0;
  virtual void initialise(WindowPeer& peer) const = 0;
  virtual void sync(WindowPeer& peer, Prop what) const = 0;

  // Kinds without a window of their own attach their peer here and return
  // true; the others get their window from recipe().
  virtual bool attachWithoutWindow(Win32Ui&, Control&, HWND /*parent*/) const { return false; }
  // The window's height: a drop-down list reaches over its open list.
  virtual int windowHeight(const Scale& s, const Control& c) const;
  // Puts the window where the control is, in its parent's pixels; a form
  // that follows its monitor goes onto that monitor's own.
  virtual void place(WindowPeer& peer) const;
  // Where a pop-up menu asked for from the keyboard opens, in the window's
  // client area: under its top-left corner, unless the kind knows better.
  virtual POINT menuPoint(WindowPeer& peer) const;
  // Alt and the letter after the caption's ampersand press the control;
  // kinds whose text is the user's own, or a list of captions, have none.
  virtual bool mnemonicFromCaption() const { return true; }

  // Notifications the window sends its parent; true when handled.
  virtual bool command(WindowPeer&, UINT /*code*/) const { return false; }
  virtual bool notify(WindowPeer&, const NMHDR&) const { return false; }
  virtual bool scroll(WindowPeer&, WPARAM) const { return false; }
  virtual bool drawItem(WindowPeer&, const DRAWITEMSTRUCT&) const { return false; }
  // Messages to the kind's own window before the common handling; true when handled.
  virtual bool message(WindowPeer&, UINT, WPARAM, LPARAM, LRESULT&) const { return false; }
  // Our own classes draw themselves over their background.
  virtual void paint(WindowPeer&, HDC, const RECT&) const {}
  // The parent window's client area has changed size.
  virtual void parentSized(WindowPeer&) const {}
};

// The home of each kind.
const KindHome& homeOf(ControlKind kind);

// What most kinds do with a property: place, show, enable, caption, font.
void syncCommon(WindowPeer& peer, Prop what);
void applyFont(WindowPeer& peer);
// Tells the windows of the parent's children that its client area changed size.
void childrenFollowSize(const Control& parent);
// Replaces the style bits under the mask with the wanted ones and redraws the frame.
void restyle(HWND hwnd, LONG_PTR mask, LONG_PTR wanted);

}  // namespace vl::win32
