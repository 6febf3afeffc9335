#include "browse/image_views.h"
#include "platform/ui.h"

#include <cmath>

namespace vl {

namespace {
constexpr int kLine = 100, kPage = 200;  // the bars' steps, in twips
}  // namespace

ViewPane::ViewPane(Control& container, const char* panel, const char* imageName, const char* vbar,
                   const char* hbar)
    : viewport(&container, panel),
      image(&viewport, imageName),
      VScroll(&container, vbar, Orientation::Vertical),
      HScroll(&container, hbar, Orientation::Horizontal) {
  place(viewport, 120, 240, kWidth, kHeight);
  place(image, 0, 0, kWidth, kHeight);
  place(VScroll, 4740, 240, 255, kHeight);
  place(HScroll, 120, 3660, kWidth, 255);
  for (ScrollBar* bar : {&VScroll, &HScroll}) {
    bar->setRange(0, 0);
    bar->setChanges(kLine, kPage);
  }
  HScroll.Change = HScroll.Scroll = [this] { image.setLeft(HScroll.value()); };
  VScroll.Change = VScroll.Scroll = [this] { image.setTop(VScroll.value()); };
}

void ViewPane::resize(double width, double height) {
  width_ = width;
  height_ = height;
  image.setBounds(image.left(), image.top(), static_cast<int>(std::lround(width)),
                  static_cast<int>(std::lround(height)));
  VScroll.setRange(0, static_cast<int>(std::lround(kHeight - height)));
  HScroll.setRange(0, static_cast<int>(std::lround(kWidth - width)));
}

std::string ViewPane::show(const std::string& path, bool stretch) {
  image.setBounds(image.left(), image.top(), kWidth, kHeight);
  image.setStretch(stretch);
  std::string error = image.setPicture(path);
  if (!error.empty()) (void)image.setPicture("");  // nothing of the previous picture stays
  resize(image.width(), image.height());
  return error;
}

bool ViewPane::zoomIn() {
  image.setStretch(true);
  if (HScroll.max() > kZoomLimit && VScroll.max() > kZoomLimit) {
    resize(width_ * kZoom, height_ * kZoom);
    return true;
  }
  return !image.picture();
}

void ViewPane::zoomOut() {
  image.setStretch(true);
  resize(width_ / kZoom, height_ / kZoom);
}

bool ViewPane::zoomInAt(int x, int y) {
  double before = width_;
  bool grew = zoomIn();
  if (width_ != before) keepUnder(x, y, width_ / before);
  return grew;
}

void ViewPane::zoomOutAt(int x, int y) {
  double before = width_;
  zoomOut();
  keepUnder(x, y, width_ / before);
}

void ViewPane::keepUnder(int x, int y, double factor) {
  // The bars' values are the picture's offsets: they place it, and clamp it
  // to the viewport's edges.
  HScroll.setValue(static_cast<int>(std::lround(x - (x - image.left()) * factor)));
  VScroll.setValue(static_cast<int>(std::lround(y - (y - image.top()) * factor)));
}

HighResView::HighResView(Form& form) : SSPanel11(&form, "SSPanel11") {
  place(SSPanel11, 5940, 120, 5115, 4575);
  place(SSCommand8, 4620, 3540, 375, 375, "X");
  place(SSPanel23, 120, 4020, 4875, 435);
  place(Check1, 120, 90, 1935, 255, "Stretch to Window");
  place(SSCommand18, 4380, 30, 435, 375);
  SSCommand18.setPicture("res:FULL");
}

LowResView::LowResView(TabStrip& tabs) : Frame17(&tabs, "Frame17") {
  place(Frame17, 420, kParkedTop, 5145, 4470);
  place(SSCommand6, 4620, 3540, 375, 375, "X");
  place(SSPanel12, 120, 3960, 4875, 435);
  place(Check2, 120, 90, 1935, 255, "Stretch to Window");
  place(SSCommand19, 2700, 30, 495, 375, "+");
  place(SSCommand14, 3240, 30, 495, 375, "-");
  place(SSCommand13, 4380, 30, 435, 375);
  SSCommand13.setPicture("res:FULL");
}

void LowResView::raise() {
  selectPageOf(Frame17);
  Frame17.setTop(kRaisedTop);
  Frame17.bringToFront();
}

Form6::Form6(Ui& ui, std::string path, bool stretch)
    : Form(ui, "Form6", "", 4515, 3315), path_(std::move(path)), stretch_(stretch) {
  setBorderStyle(BorderStyle::FixedToolWindow, false);
  setBackColor(kLightGrey);
  place(full, 0, 0, 4515, 3315);
  full.Click = [this] { unload(); };
  Click = [this] { unload(); };
  KeyDown = [this](int key) {
    if (key == key::Escape) {
      unload();
      return;
    }
    int code = key == key::Right ? key::Space : key == key::Left ? key::Backspace : key;
    if (std::optional<WalkStep> step = walkStepOf(code); step && Walk) Walk(*step);
  };
}

void Form6::showPicture(std::string path) {
  path_ = std::move(path);
  if (!full.setPicture(path_).empty()) (void)full.setPicture("");
}

void Form6::Load() {
  ScreenInfo s = ui().screen();
  if (stretch_) {
    full.setBounds(0, 0, s.width, s.height);
    full.setStretch(true);
  } else {
    full.setStretch(false);
  }
  showPicture(path_);  // an unreadable file leaves the bare grey screen
}

void Form6::open() {
  show();
  ScreenInfo s = ui().screen();
  setBounds(0, 0, s.width, s.height);
  ui().bringToFront(*this);
}

}  // namespace vl
