#include "app/image_viewing.h"

#include "platform/files.h"
#include "platform/picture.h"

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

ImageViewing::ImageViewing(Services& services, ViewingParts parts, ViewingLayout& layout)
    : services_(services), parts_(parts), layout_(layout) {
  ImagePage& page = parts_.page;
  HighResView& high = parts_.high;
  LowResView& low = parts_.low;
  auto help = [this](Control& c, std::string text) {
    statusHelp(c, parts_.status, std::move(text));
  };

  page.Image2.MouseMove = [this](int, int) {
    parts_.status.showHelp("This is the preview window for the selected image");
  };
  page.Image2.Click = [this] {
    parts_.status.showHelp("This is the preview of the current image");
  };
  page.browser.pane.file.Click = [this, &page] {
    page.Text1.setText(page.browser.pane.selectedPath());
    std::string error = page.Image2.setPicture(page.Text1.text());
    if (!error.empty())
      (void)page.Image2.setPicture("");  // never the previous picture under the new name
    tell(page.Text1.text(), error, page.Image2);
  };
  page.browser.Open = [this](const std::string&) { showView(kOrdinaryHeight); };
  page.browser.takeItem("VI").Click = [this] {
    setStretch(false);
    showView(kOrdinaryHeight);
  };
  page.browser.takeItem("VIS").Click = [this] {
    setStretch(true);
    showView(kOrdinaryHeight);
  };
  for (auto [name, on] : {std::pair{"VFS", false}, {"VFSS", true}}) {
    page.browser.takeItem(name).Click = [this, on] {
      setStretch(on);
      showView(kOrdinaryHeight);
      openFullScreen();
      layout_.enableLogoMenu(false);
    };
  }

  for (CommandButton* in : {&page.SSCommand1, &low.SSCommand19}) in->Click = [this] { zoomIn(); };
  for (CommandButton* out : {&page.SSCommand2, &low.SSCommand14})
    out->Click = [this] { zoomOut(); };
  help(page.SSCommand1, kZoomInHelp);
  help(page.SSCommand2, kZoomOutHelp);
  help(low.SSCommand19, std::string(kZoomInHelp) + " - Alt + I");
  help(low.SSCommand14, std::string(kZoomOutHelp) + " - Alt + O");

  high.Check1.Click = [this, &high, &low] { stretchChanged(high.Check1, low.Check2); };
  low.Check2.Click = [this, &high, &low] { stretchChanged(low.Check2, high.Check1); };
  parts_.stretchItem.Click = [this] {
    setStretch(true);
    showView(kStretchHeight);
  };
  low.SSCommand6.Click = [this] { closeLowRes(); };
  high.SSCommand8.Click = [this] { closeHighRes(); };
  parts_.closeItem.Click = [this] {
    closeLowRes();
    closeHighRes();
  };

  for (ViewPane* pane : {&low.pane, &high.pane}) {
    // The wheel scrolls down, Shift+wheel across, Ctrl+wheel zooms.
    auto wheel = [this, pane](int notches, bool shift, bool ctrl) {
      for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) {
        if (ctrl)
          notches > 0 ? zoomIn() : zoomOut();
        else
          (shift ? pane->HScroll : pane->VScroll).userLine(notches > 0 ? -1 : 1);
      }
    };
    for (Control* c : std::initializer_list<Control*>{&pane->image, &pane->viewport, &pane->HScroll,
                                                      &pane->VScroll})
      c->MouseWheel = wheel;
    for (Control* c : std::initializer_list<Control*>{&pane->image, &pane->viewport}) {
      c->Click = [this] { openFullScreen(); };
      c->MouseDown = [this](int button, int, int) {
        if (button == 2) layout_.openViewMenu(nullptr);
      };
    }
    help(pane->image, kImageHelp);
  }
  for (CommandButton* full : {&low.SSCommand13, &high.SSCommand18}) {
    full->Click = [this] { openFullScreen(); };
    help(*full, kFullHelp);
  }
  // The menu key opens a view's menu wherever the focus is in the view.
  low.Frame17.MenuKey = [this, &low] { layout_.openViewMenu(&low.pane.viewport); };
  high.SSPanel11.MenuKey = [this, &high] { layout_.openViewMenu(&high.pane.viewport); };
  // Esc closes the Low-Res view as its X does, and the keyboard goes back to the files.
  auto escape = [this, &page] {
    closeLowRes();
    services_.ui.setFocus(page.browser.pane.file);
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
  help(low.SSCommand6, kCloseHelp);
  help(high.SSCommand8, kCloseHelp);
  help(high.Check1, kStretchHelp);
  help(low.Check2, kStretchHelp);
}

bool ImageViewing::stretch() const {
  return parts_.high.Check1.value() != 0;
}

void ImageViewing::setStretch(bool on) {
  syncing_ = true;
  parts_.high.Check1.setValue(on ? 1 : 0);
  parts_.low.Check2.setValue(on ? 1 : 0);
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

void ImageViewing::showView(int threshold, const std::string* path) {
  ImagePage& page = parts_.page;
  if (threshold == kOrdinaryHeight) layout_.enableLogoMenu(true);
  auto file = [&] {
    page.Text1.setText(path ? *path : page.browser.pane.selectedPath());
    return page.Text1.text();
  };
  if (page.Option1.value()) {
    layout_.setWide(true);
    parts_.high.pane.image.setBounds(parts_.high.pane.image.left(), parts_.high.pane.image.top(),
                                     ViewPane::kWidth, ViewPane::kHeight);
    if (screenTooLow(threshold)) {
      if (threshold == kOrdinaryHeight)
        services_.ui.messageBox(&owner(),
                                "You should use 800x600 or higher resolution for this feature.  "
                                "Use the Low-Resolution option.",
                                "Changing View Resolution Mode", MsgIcon::Information);
      else
        services_.ui.messageBox(
            &owner(),
            "You should use 1024x768 or higher resolution for this feature.  You should check "
            "the Low-Res option button for your display resolution.  I'm going to change to "
            "Low-Res mode now.",
            "Resolution Error", MsgIcon::Information);
      layout_.setWide(false);
      page.Option2.setValue(1);  // chooses Low-Res: centres and saves the mode
    }
    layout_.centreOnScreen();
    std::string error = parts_.high.pane.show(file(), stretch());
    tell(page.Text1.text(), error, parts_.high.pane.image);
  }
  if (page.Option2.value()) {
    parts_.low.raise();
    std::string error = parts_.low.pane.show(file(), stretch());
    tell(page.Text1.text(), error, parts_.low.pane.image);
  }
}

void ImageViewing::tell(const std::string& path, const std::string& error, const ImageBox& shown) {
  if (!error.empty())
    parts_.status.setText(fileNameOf(path) + " cannot be shown: " + error);
  else if (shown.picture() && shown.picture()->incomplete())
    parts_.status.setText(fileNameOf(path) + " is incomplete");
}

void ImageViewing::zoomIn() {
  bool low = parts_.low.pane.zoomIn();
  bool high = parts_.high.pane.zoomIn();
  // The limit keeps a large photo from growing without end; the user is told
  // why the button does nothing.
  if (!low || !high) parts_.status.setText("This picture cannot be zoomed in any further");
}

bool ImageViewing::altKey(char letter) {
  if (letter == 'I') zoomIn();
  if (letter == 'O') zoomOut();
  return letter == 'I' || letter == 'O';
}

void ImageViewing::zoomOut() {
  parts_.low.pane.zoomOut();
  parts_.high.pane.zoomOut();
}

void ImageViewing::closeLowRes() {
  layout_.enableLogoMenu(false);
  parts_.low.park();
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
  if (!fullScreen())
    form6_ = std::make_unique<Form6>(services_.ui, parts_.page.Text1.text(), stretch());
  form6_->open();
}

}  // namespace vl
