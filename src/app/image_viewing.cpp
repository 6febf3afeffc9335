#include "app/image_viewing.h"

#include "platform/files.h"
#include "platform/picture.h"
#include "platform/menu_item.h"
#include "platform/ui.h"

namespace vl {

namespace {
constexpr const char* kZoomInHelp = "Zoom Into Current Image";
constexpr const char* kZoomOutHelp = "Zoom Out Of Current Image";
constexpr const char* kFullHelp = "Click to view Full-Screen";
constexpr const char* kCloseHelp = "Click this to close the Full-Size view window";
constexpr const char* kImageHelp = "Click for full screen or Right-Click for menu";
constexpr const char* kStretchHelp =
    "Check this box to make the image stretch to the size of the view window/screen";
}  // namespace

ImageViewing::ImageViewing(Services& services, SettingsStore& settings, ViewingParts parts,
                           ViewingLayout& layout)
    : high(parts.window),
      low(parts.tabs),
      CF(parts.window, &parts.viewMenu, "CF", "Close File"),
      winSep(parts.window, &parts.viewMenu, "winSep", "-"),
      SI(parts.window, &parts.viewMenu, "SI", "Stretch Image"),
      services_(services),
      settings_(settings),
      page_(parts.page),
      status_(parts.status),
      window_(parts.window),
      tabs_(parts.tabs),
      viewMenu_(parts.viewMenu),
      layout_(layout) {
  // Raised, the Low-Res view shows while its page is selected and comes back with it.
  low.Frame17.setTabPage(page_.browser.frame.tabPage());
  wirePreview();
  wireCommands();
  wireModes();
  wireZoom();
  wireViews();
  wireKeys();
}

// A click on a file previews it; the page's current file is that file.
void ImageViewing::wirePreview() {
  page_.Image2.MouseMove = [this](int, int) {
    status_.showHelp("This is the preview window for the selected image");
  };
  page_.Image2.Click = [this] { status_.showHelp("This is the preview of the current image"); };
  page_.browser.pane.file.Click = [this] {
    page_.browser.setCurrentFile(page_.browser.pane.selectedPath());
    preview(page_.browser.currentFile());
  };
}

bool ImageViewing::preview(const std::string& path) {
  std::string error = page_.Image2.setPicture(path);
  if (!error.empty())
    (void)page_.Image2.setPicture("");  // never the previous picture under the new name
  return tell(path, error, page_.Image2);
}

// The page's Open and its menu's view commands.
void ImageViewing::wireCommands() {
  page_.browser.Open = [this](const std::string& path) { showView(kOrdinaryHeight, &path); };
  page_.browser.takeItem("VI").Click = [this] {
    setStretch(false);
    showView(kOrdinaryHeight);
  };
  page_.browser.takeItem("VIS").Click = [this] {
    setStretch(true);
    showView(kOrdinaryHeight);
  };
  for (auto [name, on] : {std::pair{"VFS", false}, {"VFSS", true}}) {
    page_.browser.takeItem(name).Click = [this, on] {
      setStretch(on);
      showView(kOrdinaryHeight);
      openFullScreen();
      layout_.enableLogoMenu(false);
    };
  }
}

void ImageViewing::wireModes() {
  page_.Option1.Click = [this] {
    low.park();
    layout_.narrowWindowOnly();
    if (!keepSavedMode_) settings_.write("res.cfg", "1");
  };
  page_.Option2.Click = [this] {
    layout_.setWide(false);
    layout_.centreOnScreen();
    if (!keepSavedMode_) settings_.write("res.cfg", "0");
  };
  statusHelp(page_.Option1, status_,
             "Use this mode if your screen resolution is 800x600 or higher");
  statusHelp(page_.Option2, status_,
             "Use this mode if your screen resolution is less than 800x600");
}

void ImageViewing::wireZoom() {
  for (CommandButton* in : {&page_.SSCommand1, &low.SSCommand19}) in->Click = [this] { zoomIn(); };
  for (CommandButton* out : {&page_.SSCommand2, &low.SSCommand14})
    out->Click = [this] { zoomOut(); };
  statusHelp(page_.SSCommand1, status_, kZoomInHelp);
  statusHelp(page_.SSCommand2, status_, kZoomOutHelp);
  statusHelp(low.SSCommand19, status_, std::string(kZoomInHelp) + " - Alt + I");
  statusHelp(low.SSCommand14, status_, std::string(kZoomOutHelp) + " - Alt + O");
}

// The stretch boxes, the close buttons and menu, and each view's picture:
// the wheel, a click for full screen, the right button for the menu.
void ImageViewing::wireViews() {
  high.Check1.Click = [this] { stretchChanged(high.Check1, low.Check2); };
  low.Check2.Click = [this] { stretchChanged(low.Check2, high.Check1); };
  SI.Click = [this] {
    setStretch(true);
    showView(kStretchHeight);
  };
  low.SSCommand6.Click = [this] { closeLowRes(); };
  high.SSCommand8.Click = [this] { closeHighRes(); };
  CF.Click = [this] {
    closeLowRes();
    closeHighRes();
  };
  for (ViewPane* pane : {&low.pane, &high.pane}) {
    // The wheel scrolls down, Shift+wheel across, Ctrl+wheel zooms about
    // the point under the pointer (over a scroll bar, as the buttons do).
    auto wheel = [this, pane](Control* over) {
      return [this, pane, over](int notches, bool shift, bool ctrl, int x, int y) {
        std::optional<ZoomPoint> at;
        if (over) at = ZoomPoint{pane, over->left() + x, over->top() + y};
        if (over == &pane->viewport) at = ZoomPoint{pane, x, y};
        for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) {
          if (ctrl)
            notches > 0 ? zoomIn(at ? &*at : nullptr) : zoomOut(at ? &*at : nullptr);
          else
            (shift ? pane->HScroll : pane->VScroll).userLine(notches > 0 ? -1 : 1);
        }
      };
    };
    pane->image.MouseWheel = wheel(&pane->image);
    pane->viewport.MouseWheel = wheel(&pane->viewport);
    for (ScrollBar* bar : {&pane->HScroll, &pane->VScroll}) bar->MouseWheel = wheel(nullptr);
    for (Control* c : std::initializer_list<Control*>{&pane->image, &pane->viewport}) {
      c->Click = [this] { openFullScreen(); };
      c->MouseDown = [this](int button, int, int) {
        if (button == 2) window_.ui().popupMenu(window_, viewMenu_);
      };
    }
    statusHelp(pane->image, status_, kImageHelp);
  }
  for (CommandButton* full : {&low.SSCommand13, &high.SSCommand18}) {
    full->Click = [this] { openFullScreen(); };
    statusHelp(*full, status_, kFullHelp);
  }
  statusHelp(low.SSCommand6, status_, kCloseHelp);
  statusHelp(high.SSCommand8, status_, kCloseHelp);
  statusHelp(high.Check1, status_, kStretchHelp);
  statusHelp(low.Check2, status_, kStretchHelp);
}

// The keyboard in a view: the menu key, Esc, the arrows and Page Up/Down.
void ImageViewing::wireKeys() {
  // The menu key opens a view's menu wherever the focus is in the view.
  low.Frame17.MenuKey = [this] {
    window_.ui().popupMenuAt(window_, viewMenu_, &low.pane.viewport);
  };
  high.SSPanel11.MenuKey = [this] {
    window_.ui().popupMenuAt(window_, viewMenu_, &high.pane.viewport);
  };
  // Esc closes the Low-Res view as its X does, and the keyboard goes back to the files.
  auto escape = [this] {
    closeLowRes();
    services_.ui.setFocus(page_.browser.pane.file);
  };
  for (ScrollBar* bar : {&low.pane.HScroll, &low.pane.VScroll})
    bar->KeyDown = [escape](int key) {
      if (key == key::Escape) escape();
    };
  // The arrows and Page Up/Down scroll the view whose controls have the focus
  // (its scroll bars do so themselves).
  auto keys = [escape](ViewPane& pane, bool lowRes) {
    return [&pane, escape, lowRes](int key) {
      if (key == key::Escape && lowRes) escape();
      if (key == key::Left || key == key::Right) pane.HScroll.userLine(key == key::Left ? -1 : 1);
      if (key == key::Up || key == key::Down) pane.VScroll.userLine(key == key::Up ? -1 : 1);
      if (key == key::PageUp || key == key::PageDown)
        pane.VScroll.userPage(key == key::PageUp ? -1 : 1);
    };
  };
  for (Control* c : std::initializer_list<Control*>{&low.Check2, &low.SSCommand6, &low.SSCommand13,
                                                    &low.SSCommand19, &low.SSCommand14})
    c->KeyDown = keys(low.pane, true);
  for (Control* c :
       std::initializer_list<Control*>{&high.Check1, &high.SSCommand8, &high.SSCommand18})
    c->KeyDown = keys(high.pane, false);
}

void ImageViewing::applySavedMode(bool wideWindowFits) {
  // Anything but the two modes was not written by the program: it is mended
  // with the first run's High-Res.
  bool asWritten = false;
  std::string mode = settings_.readOneOf("res.cfg", {"1", "0"}, "1", &asWritten);
  // A file that says it plainly is not written again at every start. When
  // the screen cannot hold the wide window, the narrow one is used from the
  // start and the saved choice stands until the user makes another.
  if (!asWritten) settings_.write("res.cfg", mode);
  keepSavedMode_ = true;
  if (mode == "1" && wideWindowFits) page_.Option1.setValue(1);
  if (mode == "0" || !wideWindowFits) page_.Option2.setValue(1);
  keepSavedMode_ = false;
}

bool ImageViewing::stretch() const {
  return high.Check1.value() != 0;
}

void ImageViewing::setStretch(bool on) {
  syncing_ = true;
  high.Check1.setValue(on ? 1 : 0);
  low.Check2.setValue(on ? 1 : 0);
  syncing_ = false;
}

// One box's click copies its value into the other, then shows the picture
// again under the stricter screen check.
void ImageViewing::stretchChanged(CheckBox& from, CheckBox& to) {
  if (syncing_) return;
  syncing_ = true;
  to.setValue(from.value());
  syncing_ = false;
  showView(kStretchHeight);
}

bool ImageViewing::screenTooLow(int threshold) {
  return services_.ui.screen().height < threshold;
}

void ImageViewing::fallBackToLowRes(int threshold) {
  if (threshold == kOrdinaryHeight)
    services_.ui.messageBox(&window_,
                            "You should use 800x600 or higher resolution for this feature.  "
                            "Use the Low-Resolution option.",
                            "Changing View Resolution Mode", MsgIcon::Information);
  else
    services_.ui.messageBox(
        &window_,
        "You should use 1024x768 or higher resolution for this feature.  You should check "
        "the Low-Res option button for your display resolution.  I'm going to change to "
        "Low-Res mode now.",
        "Resolution Error", MsgIcon::Information);
  layout_.setWide(false);
  page_.Option2.setValue(1);  // chooses Low-Res: centres and saves the mode
}

void ImageViewing::showView(int threshold, const std::string* path) {
  if (threshold == kOrdinaryHeight) layout_.enableLogoMenu(true);
  page_.browser.setCurrentFile(path ? *path : page_.browser.pane.selectedPath());
  const std::string file = page_.browser.currentFile();
  if (highResChosen()) {
    layout_.setWide(true);
    if (screenTooLow(threshold)) fallBackToLowRes(threshold);
    layout_.centreOnScreen();
    tell(file, high.pane.show(file, stretch()), high.pane.image);
  }
  if (page_.Option2.value()) {
    low.raise();
    tell(file, low.pane.show(file, stretch()), low.pane.image);
  }
  readAround(placeOfCurrent());
}

bool ImageViewing::tell(const std::string& path, const std::string& error, const ImageBox& shown) {
  if (!error.empty())
    status_.setText(fileNameOf(path) + " cannot be shown: " + error);
  else if (shown.picture() && shown.picture()->incomplete())
    status_.setText(fileNameOf(path) + " is incomplete");
  else
    return false;
  return true;
}

void ImageViewing::zoomIn(const ZoomPoint* at) {
  auto grow = [at](ViewPane& pane) {
    return at && at->pane == &pane ? pane.zoomInAt(at->x, at->y) : pane.zoomIn();
  };
  bool lowGrew = grow(low.pane);
  bool highGrew = grow(high.pane);
  // The limit keeps a large photo from growing without end; the user is told
  // why the button does nothing.
  if (!lowGrew || !highGrew) status_.setText("This picture cannot be zoomed in any further");
}

bool ImageViewing::altKey(char letter) {
  if (letter == 'I') zoomIn();
  if (letter == 'O') zoomOut();
  return letter == 'I' || letter == 'O';
}

void ImageViewing::zoomOut(const ZoomPoint* at) {
  for (ViewPane* pane : {&low.pane, &high.pane}) {
    if (at && at->pane == pane)
      pane->zoomOutAt(at->x, at->y);
    else
      pane->zoomOut();
  }
}

void ImageViewing::closeLowRes() {
  layout_.enableLogoMenu(false);
  low.park();
}

void ImageViewing::closeHighRes() {
  layout_.enableLogoMenu(false);
  layout_.setWide(false);
  layout_.centreOnScreen();
}

Form6* ImageViewing::fullScreen() {
  return form6_ && form6_->loaded() ? form6_.get() : nullptr;
}

// Only ever one viewer: while it is open it is shown again, with the
// picture it was opened with.
void ImageViewing::openFullScreen() {
  if (!fullScreen()) {
    form6_ = std::make_unique<Form6>(services_.ui, page_.browser.currentFile(), stretch());
    form6_->Walk = [this](WalkStep step) { walk(step); };
  }
  form6_->open();
}

}  // namespace vl
