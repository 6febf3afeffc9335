// Viewing pictures on the Image page: the preview, the two view panels and
// the full-screen viewer, with the display modes that choose between the panels.
#pragma once

#include <memory>
#include <string>

#include "app/pages.h"
#include "browse/image_views.h"
#include "platform/services.h"

namespace vl {

// What viewing asks of the window it lives in.
class ViewingLayout {
 public:
  // The wide window shows the High-Res view beside the pages.
  virtual void setWide(bool wide) = 0;
  virtual void centreOnScreen() = 0;
  // The logo changer takes the picture last viewed.
  virtual void enableLogoMenu(bool on) = 0;
  // The pop-up menu of a view: close the file, stretch it; at the pointer,
  // or at the control when asked for from the keyboard.
  virtual void openViewMenu(const Control* at) = 0;

 protected:
  ~ViewingLayout() = default;
};

// The controls viewing works with: its page, the two views, the status bar
// and the view menu's two items.
struct ViewingParts {
  ImagePage& page;
  HighResView& high;
  LowResView& low;
  StatusBar& status;
  MenuItem& stretchItem;
  MenuItem& closeItem;
};

class ImageViewing {
 public:
  // The screen heights below which the High-Res view falls back to Low-Res.
  static constexpr int kOrdinaryHeight = 9000;
  static constexpr int kStretchHeight = 11520;

  ImageViewing(Services& services, ViewingParts parts, ViewingLayout& layout);

  // Shows the file list's selection, or the given path, in the view of the
  // current display mode; the threshold is the screen check's.
  void showView(int threshold, const std::string* path = nullptr);
  void zoomIn();
  void zoomOut();
  // Alt+I and Alt+O zoom, as the zoom buttons' help says; true when taken.
  bool altKey(char letter);
  void closeLowRes();
  void closeHighRes();
  // The full-screen viewer with the Image page's current file.
  void openFullScreen();
  Form6* fullScreen();  // null unless it is open
  // The stretch setting, shown by both check boxes.
  bool stretch() const;
  void setStretch(bool on);

 private:
  void stretchChanged(CheckBox& from, CheckBox& to);
  // A status-bar line naming the file and why it cannot be shown, or that it
  // stopped early and shows only what it holds.
  void tell(const std::string& path, const std::string& error, const ImageBox& shown);
  bool screenTooLow(int threshold);

  Form& owner() { return *parts_.page.browser.frame.form(); }

  Services& services_;
  ViewingParts parts_;
  ViewingLayout& layout_;
  bool syncing_ = false;
  std::unique_ptr<Form6> form6_;
};

}  // namespace vl
