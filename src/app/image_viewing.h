// Viewing pictures on the Image page: the preview, the two view panels and
// the full-screen viewer, with the display modes that choose between the panels.
#pragma once

#include <memory>
#include <string>

#include "browse/image_views.h"
#include "platform/services.h"

namespace vl {

class Form1;

class ImageViewing {
 public:
  // The screen heights below which the High-Res view falls back to Low-Res.
  static constexpr int kOrdinaryHeight = 9000;
  static constexpr int kStretchHeight = 11520;

  ImageViewing(Services& services, Form1& main);

  // Shows the file list's selection, or the given path, in the view of the
  // current display mode; the threshold is the screen check's.
  void showView(int threshold, const std::string* path = nullptr);
  void zoomIn();
  void zoomOut();
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
  // A status-bar line naming the file and why it cannot be shown.
  void cannotShow(const std::string& path, const std::string& why);
  bool screenTooLow(int threshold);

  Services& services_;
  Form1& main_;
  bool syncing_ = false;
  std::unique_ptr<Form6> form6_;
};

}  // namespace vl
