#include "app/image_viewing.h"

#include "app/form1.h"
#include "platform/files.h"

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

ImageViewing::ImageViewing(Services& services, Form1& main) : services_(services), main_(main) {
  ImagePage& page = main_.imagePage;
  HighResView& high = main_.highRes;
  LowResView& low = main_.lowRes;
  auto help = [this](Control& c, std::string text) {
    c.MouseMove = [this, text = std::move(text)](int, int) { main_.StatusBar1.setText(text); };
  };

  page.Image2.MouseMove = [this](int, int) {
    main_.StatusBar1.setText("This is the preview window for the selected image");
  };
  page.Image2.Click = [this] {
    main_.StatusBar1.setText("This is the preview of the current image");
  };
  page.browser.pane.file.Click = [this, &page] {
    page.Text1.setText(page.browser.pane.selectedPath());
    std::string error = page.Image2.setPicture(page.Text1.text());
    if (!error.empty()) {
      (void)page.Image2.setPicture("");  // never the previous picture under the new name
      cannotShow(page.Text1.text(), error);
    }
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
      main_.LCM.setEnabled(false);
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
  main_.SI.Click = [this] {
    setStretch(true);
    showView(kStretchHeight);
  };
  low.SSCommand6.Click = [this] { closeLowRes(); };
  high.SSCommand8.Click = [this] { closeHighRes(); };
  main_.CF.Click = [this] {
    closeLowRes();
    closeHighRes();
  };

  // The zoom buttons' help names Alt+I and Alt+O: the keys zoom too.
  main_.AltKey = [this](char letter) {
    if (letter == 'I') zoomIn();
    if (letter == 'O') zoomOut();
    return letter == 'I' || letter == 'O';
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
        if (button == 2) main_.ui().popupMenu(main_, main_.winpop);
      };
    }
    help(pane->image, kImageHelp);
  }
  for (CommandButton* full : {&low.SSCommand13, &high.SSCommand18}) {
    full->Click = [this] { openFullScreen(); };
    help(*full, kFullHelp);
  }
  // The arrows and Page Up/Down scroll the view whose controls have the focus
  // (its scroll bars do so themselves).
  auto keys = [](ViewPane& pane) {
    return [&pane](int key) {
      if (key == key::Left || key == key::Right) pane.HScroll.userLine(key == key::Left ? -1 : 1);
      if (key == key::Up || key == key::Down) pane.VScroll.userLine(key == key::Up ? -1 : 1);
      if (key == key::PageUp || key == key::PageDown)
        pane.VScroll.userPage(key == key::PageUp ? -1 : 1);
    };
  };
  for (Control* c : std::initializer_list<Control*>{&low.Check2, &low.SSCommand6, &low.SSCommand13,
                                                    &low.SSCommand19, &low.SSCommand14})
    c->KeyDown = keys(low.pane);
  for (Control* c :
       std::initializer_list<Control*>{&high.Check1, &high.SSCommand8, &high.SSCommand18})
    c->KeyDown = keys(high.pane);
  help(low.SSCommand6, kCloseHelp);
  help(high.SSCommand8, kCloseHelp);
  help(high.Check1, kStretchHelp);
  help(low.Check2, kStretchHelp);
}

bool ImageViewing::stretch() const {
  return main_.highRes.Check1.value() != 0;
}

void ImageViewing::setStretch(bool on) {
  syncing_ = true;
  main_.highRes.Check1.setValue(on ? 1 : 0);
  main_.lowRes.Check2.setValue(on ? 1 : 0);
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
  return main_.ui().screen().height < threshold;
}

void ImageViewing::showView(int threshold, const std::string* path) {
  ImagePage& page = main_.imagePage;
  if (threshold == kOrdinaryHeight) main_.LCM.setEnabled(true);
  auto file = [&] {
    page.Text1.setText(path ? *path : page.browser.pane.selectedPath());
    return page.Text1.text();
  };
  if (page.Option1.value()) {
    main_.setWide(true);
    main_.highRes.pane.image.setBounds(main_.highRes.pane.image.left(),
                                       main_.highRes.pane.image.top(), ViewPane::kWidth,
                                       ViewPane::kHeight);
    if (screenTooLow(threshold)) {
      if (threshold == kOrdinaryHeight)
        main_.ui().messageBox(&main_,
                              "You should use 800x600 or higher resolution for this feature.  "
                              "Use the Low-Resolution option.",
                              "Changing View Resolution Mode", MsgIcon::Information);
      else
        main_.ui().messageBox(
            &main_,
            "You should use 1024x768 or higher resolution for this feature.  You should check "
            "the Low-Res option button for your display resolution.  I'm going to change to "
            "Low-Res mode now.",
            "Resolution Error", MsgIcon::Information);
      main_.setWide(false);
      page.Option2.setValue(1);  // chooses Low-Res: centres and saves the mode
    }
    main_.center();
    if (std::string error = main_.highRes.pane.show(file(), stretch()); !error.empty())
      cannotShow(page.Text1.text(), error);
  }
  if (page.Option2.value()) {
    main_.lowRes.raise();
    if (std::string error = main_.lowRes.pane.show(file(), stretch()); !error.empty())
      cannotShow(page.Text1.text(), error);
  }
}

void ImageViewing::cannotShow(const std::string& path, const std::string& why) {
  main_.StatusBar1.setText(fileNameOf(path) + " cannot be shown: " + why);
}

void ImageViewing::zoomIn() {
  main_.lowRes.pane.zoomIn();
  main_.highRes.pane.zoomIn();
}

void ImageViewing::zoomOut() {
  main_.lowRes.pane.zoomOut();
  main_.highRes.pane.zoomOut();
}

void ImageViewing::closeLowRes() {
  main_.LCM.setEnabled(false);
  main_.lowRes.park();
}

void ImageViewing::closeHighRes() {
  main_.LCM.setEnabled(false);
  main_.setWide(false);
  main_.center();
}

Form6* ImageViewing::fullScreen() {
  return form6_ && form6_->loaded() ? form6_.get() : nullptr;
}

// Only ever one viewer: while it is open it is shown again, with the
// picture it was opened with.
void ImageViewing::openFullScreen() {
  if (!fullScreen())
    form6_ = std::make_unique<Form6>(main_.ui(), main_.imagePage.Text1.text(), stretch());
  form6_->open();
}

}  // namespace vl
