// The keys a window handles before its controls see them: the menus'
// shortcuts, Tab and the arrows among the controls, Ctrl+Tab among pages,
// Alt and a letter, the menu key, Enter and Esc.
#pragma once

#include <windows.h>

namespace vl::win32 {

class Win32Ui;

class Keyboard {
 public:
  explicit Keyboard(Win32Ui& ui) : ui_(ui) {}
  // True when the message was a key the window took: it goes no further.
  bool translate(MSG& msg);

 private:
  Win32Ui& ui_;
  UINT menuKeyUp_ = 0;  // the menu key whose release is to be swallowed
};

}  // namespace vl::win32
