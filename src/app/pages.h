// The pages of the main window's tab control that hold no tool of their own yet
// beyond their frame, and the About page.
#pragma once

#include "platform/control.h"

namespace vl {

// Where a page's frame sits on its tab page, in twips.
inline constexpr int kPageFrameLeft = 600;
inline constexpr int kPageFrameTop = 660;
inline constexpr int kPageFrameWidth = 4515;
inline constexpr int kPageFrameHeight = 3675;

// A page's frame with the hidden field that holds the page's current-file path.
struct BrowserPageFrame {
  BrowserPageFrame(TabStrip& tabs, int page, const char* frameName, const char* caption,
                   const char* fieldName);
  Frame frame;
  TextBox path;  // lies beyond the frame's right edge: never seen
};

struct ImagePage {
  explicit ImagePage(TabStrip& tabs);
  BrowserPageFrame browser;
  Frame& Frame1 = browser.frame;
  TextBox& Text1 = browser.path;
  Panel SSPanel14{&Frame1, "SSPanel14"};
  ImageBox Image2{&SSPanel14, "Image2"};
  Panel SSPanel20{&SSPanel14, "SSPanel20"};
  OptionButton Option1{&SSPanel20, "Option1"};
  OptionButton Option2{&SSPanel20, "Option2"};
};

struct DiscPage {
  explicit DiscPage(TabStrip& tabs);
  Frame Frame21;
};

struct AboutPage {
  explicit AboutPage(TabStrip& tabs);
  Panel SSPanel8;
  ImageBox Image5{&SSPanel8, "Image5"};
  Frame Frame2{&SSPanel8, "Frame2"};
  Label Label21{&Frame2, "Label21"};
};

}  // namespace vl
