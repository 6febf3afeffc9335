// The real window of a control, for the services that hand it to the system.
#pragma once

#include <windows.h>

#include "platform/control.h"

namespace vl::win32 {

// Null while the control has no window (its form is not loaded, or it is
// one that never has a window of its own, such as a timer).
HWND windowOf(const Control& c);

}  // namespace vl::win32
