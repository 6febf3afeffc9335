// What the files of the window back end share among themselves.
#pragma once

#include <windows.h>

#include "platform/control.h"
#include "platform/win32/windows/ui.h"

namespace vl::win32 {

class WindowPeer;

// Our own window classes, for forms and the controls Windows has no class for.
inline constexpr wchar_t kFormClass[] = L"VarilumeForm";
inline constexpr wchar_t kPanelClass[] = L"VarilumePanel";
inline constexpr wchar_t kFrameClass[] = L"VarilumeFrame";
inline constexpr wchar_t kImageClass[] = L"VarilumeImage";

// A key of WM_KEYDOWN as the program knows it: with key::Ctrl while Ctrl is held.
inline int keyCode(WPARAM wp) {
  return static_cast<int>(wp) | (GetKeyState(VK_CONTROL) < 0 ? key::Ctrl : 0);
}

inline COLORREF toColor(Rgb c) {
  return RGB(c.r, c.g, c.b);
}
// SS_LEFT, SS_CENTER or SS_RIGHT for a label's alignment.
DWORD alignStyle(const Control& c);
// The form's window timer that makes the windows of its hidden containers
// one by one while the program is idle; below the IDs of the form's timers.
inline constexpr UINT_PTR kPendingTimer = 1;
// Posted to a form that has just been activated: its owned windows come back in front of it.
inline constexpr UINT kRestackOwned = WM_APP + 1;

LRESULT CALLBACK ownWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK standardControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace vl::win32
