// Viewing pictures on the Image page: the preview, the two view panels and
// the full-screen viewer, with the display mode that chooses between the
// panels (High-Res or Low-Res, kept in c:\res.cfg).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/pages.h"
#include "browse/image_views.h"
#include "browse/picture_walk.h"
#include "platform/services.h"
#include "settings/settings_store.h"
#include "platform/menu_item.h"

namespace vl {

// What viewing asks of the window it lives in.
class ViewingLayout {
 public:
  // The wide window shows the High-Res view beside the pages; narrowed, the
  // window's background panel and rule narrow with it.
  virtual void setWide(bool wide) = 0;
  // Only the window narrows: a choice of High-Res leaves the rest as it was.
  virtual void narrowWindowOnly() = 0;
  virtual void centreOnScreen() = 0;
  // The logo changer takes the picture last viewed.
  virtual void enableLogoMenu(bool on) = 0;

 protected:
  ~ViewingLayout() = default;
};

// Where viewing lives: its page, the status bar, the window with its tab
// strip, and the window's pop-up menu of a view.
struct ViewingParts {
  ImagePage& page;
  StatusBar& status;
  Form& window;
  TabStrip& tabs;
  MenuItem& viewMenu;
};

class ImageViewing {
 public:
  // The screen heights below which the High-Res view falls back to Low-Res.
  static constexpr int kOrdinaryHeight = 9000;
  static constexpr int kStretchHeight = 11520;

  ImageViewing(Services& services, SettingsStore& settings, ViewingParts parts,
               ViewingLayout& layout);

  HighResView high;
  LowResView low;  // over the pages when raised
  // The view menu's items.
  MenuItem CF;
  MenuItem winSep;
  MenuItem SI;

  // Shows the page's current file, or the given path, in the view of the
  // current display mode; the threshold is the screen check's.
  void showView(int threshold, const std::string* path = nullptr);
  // A point of a view's viewport that a zoom keeps in place.
  struct ZoomPoint {
    ViewPane* pane;
    int x, y;
  };
  void zoomIn(const ZoomPoint* at = nullptr);
  void zoomOut(const ZoomPoint* at = nullptr);
  // Alt+I and Alt+O zoom, as the zoom buttons' help says; true when taken.
  bool altKey(char letter);
  // Space, Backspace, Ctrl+Home and Ctrl+End step through the page's files
  // while a view shows a picture, wherever the focus is in the window (a
  // control that takes the key keeps it); Delete does so inside a view.
  // True when taken.
  bool walkKey(int code, Control* focused);
  // Shows the next, previous, first or last picture of the page's list in
  // the preview and every open view, or sends the shown one to the Recycle
  // Bin and shows the one after it.
  void walk(WalkStep step);
  void closeLowRes();
  void closeHighRes();
  // The full-screen viewer with the Image page's current file.
  void openFullScreen();
  Form6* fullScreen();  // null unless it is open
  // The stretch setting, shown by both check boxes.
  bool stretch() const;
  void setStretch(bool on);

  // The saved display mode (c:\res.cfg), applied at start: a screen too
  // narrow for the wide window starts in Low-Res and keeps the saved choice.
  void applySavedMode(bool wideWindowFits);
  bool highResChosen() const { return page_.Option1.value() != 0; }

 private:
  void wirePreview();
  void wireCommands();
  void wireModes();
  void wireZoom();
  void wireViews();
  void wireKeys();
  void stretchChanged(CheckBox& from, CheckBox& to);
  // A status-bar line naming the file and why it cannot be shown, or that it
  // stopped early and shows only what it holds.
  // True when it said something.
  bool tell(const std::string& path, const std::string& error, const ImageBox& shown);
  // The preview of the path; a file that cannot be shown clears it.
  bool preview(const std::string& path);
  // Where the page's current file lies in its list, else its selection.
  int placeOfCurrent() const;
  void showAt(int index);
  void deleteShown();
  // Decodes, on a worker, the pictures either side of the list's item.
  void readAround(int index);
  bool screenTooLow(int threshold);
  void fallBackToLowRes(int threshold);

  Services& services_;
  SettingsStore& settings_;
  ImagePage& page_;
  StatusBar& status_;
  Form& window_;
  TabStrip& tabs_;
  MenuItem& viewMenu_;
  ViewingLayout& layout_;
  bool syncing_ = false;
  bool keepSavedMode_ = false;  // while the start applies the saved mode
  std::unique_ptr<Form6> form6_;
};

}  // namespace vl
