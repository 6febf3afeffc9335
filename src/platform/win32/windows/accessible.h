// What screen readers ask of a control's window (WM_GETOBJECT): the
// system's own accessible object for it, with the control's name, role and
// value, which the system cannot know for windows that draw themselves.
#pragma once

#include <windows.h>

namespace vl::win32 {

class WindowPeer;

// Answers WM_GETOBJECT for the window's client object; false leaves the
// message to the window's own procedure.
bool answerAccessibleObject(WindowPeer& peer, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace vl::win32
