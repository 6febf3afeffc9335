// What the driver asks the probe inside the program.
#pragma once

#include <cstdint>

namespace vlprobe {

inline constexpr wchar_t kWindowClass[] = L"VarilumeProbe";

enum : unsigned {
  kMenuBar = 1,     // target: a form; lines "depth id flags caption" (flags S G C P)
  kOpenPopup = 2,   // the pop-up menu open now, same lines
  kTabRect = 3,     // target: a tab control, argument: index; "left top right bottom"
  kStatusText = 4,  // target: a status bar; the text of its first part
  kTabCaption = 5,  // target: a tab control, argument: index
  kTextFits = 6,    // target: a label or button; "1", or "0 needed-size client-size"
  kDropFiles = 7,   // target: a form; drops the files listed in the output file (UTF-8
                    // lines) on it, as the shell would; "1" when the drop was posted
  kIdle = 8,        // target: a window of the program's interface thread, argument: a
                    // token; posts a marker behind everything queued for that thread
  kIdleSeen = 9,    // the last token whose marker the thread took from an empty queue
};

// The marker: WM_NULL with this wParam and the token in lParam.
inline constexpr unsigned long long kIdleMarker = 0x5641524CULL;

struct Request {
  std::uint64_t target;
  long long argument;
  wchar_t outputPath[260];
};

}  // namespace vlprobe
