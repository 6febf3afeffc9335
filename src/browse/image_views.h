// The Image page's two view panels and the full-screen viewer: a picture in a
// viewport with its scroll bars, zoomed in steps of 1.1.
#pragma once

#include <string>

#include "browse/picture_walk.h"
#include "platform/form.h"

namespace vl {

// A viewport with its picture and scroll bars. A bar's position is the
// picture's offset, from 0 to the viewport's extent less the picture's (a
// negative end when the picture is the larger).
class ViewPane {
 public:
  static constexpr int kWidth = 4515;
  static constexpr int kHeight = 3315;
  static constexpr double kZoom = 1.1;
  static constexpr int kZoomLimit = -10000;

  ViewPane(Control& container, const char* panel, const char* image, const char* vbar,
           const char* hbar);

  Panel viewport;
  ImageBox image;
  ScrollBar VScroll;
  ScrollBar HScroll;

  // The picture at the viewport's size, stretched or at its natural size;
  // zoom starts afresh. A file that cannot be shown leaves the view empty and
  // its reason is returned.
  std::string show(const std::string& path, bool stretch);
  // Larger by 1.1 while both range ends are above the limit; smaller with no
  // limit. False when a picture shown stays as it is, at the limit. The
  // picture's top-left corner stays where it is.
  bool zoomIn();
  void zoomOut();
  // The same about a point of the viewport (the pointer's), which stays over
  // the same point of the picture while the scroll bars allow.
  bool zoomInAt(int x, int y);
  void zoomOutAt(int x, int y);

 private:
  void resize(double width, double height);
  // Moves the picture so that its point that was under x, y before a zoom by
  // `factor` is under it again, as far as the bars go.
  void keepUnder(int x, int y, double factor);
  double width_ = kWidth, height_ = kHeight;  // exact, before rounding to twips
};

// The High-Res view beside the tab control, seen when the window is widened.
struct HighResView {
  explicit HighResView(Form& form);
  Panel SSPanel11;
  ViewPane pane{SSPanel11, "SSPanel3", "Image3", "VScroll2", "HScroll2"};
  CommandButton SSCommand8{&SSPanel11, "SSCommand8"};
  Panel SSPanel23{&SSPanel11, "SSPanel23"};
  CheckBox Check1{&SSPanel23, "Check1"};
  CommandButton SSCommand18{&SSPanel23, "SSCommand18"};
};

// The Low-Res view raised over the page inside the narrow window.
struct LowResView {
  static constexpr int kRaisedTop = 60;
  static constexpr int kParkedTop = 5000;
  explicit LowResView(TabStrip& tabs);
  Frame Frame17;
  ViewPane pane{Frame17, "SSPanel2", "Image1", "VScroll1", "HScroll1"};
  CommandButton SSCommand6{&Frame17, "SSCommand6"};
  Panel SSPanel12{&Frame17, "SSPanel12"};
  CheckBox Check2{&SSPanel12, "Check2"};
  CommandButton SSCommand19{&SSPanel12, "SSCommand19"};
  CommandButton SSCommand14{&SSPanel12, "SSCommand14"};
  CommandButton SSCommand13{&SSPanel12, "SSCommand13"};
  // Raised over its page, which comes to the front.
  void raise();
  void park() { Frame17.setTop(kParkedTop); }
  bool raised() const { return Frame17.top() == kRaisedTop; }
};

// The full-screen viewer: the picture at its natural size in the top-left
// corner, or stretched to the screen; a click or Esc closes it. Space and
// Right, Backspace and Left, Ctrl+Home and Ctrl+End and Delete ask for
// another picture.
class Form6 : public Form {
 public:
  Form6(Ui& ui, std::string path, bool stretch);
  ImageBox full{this, "full"};
  // Shows the window over the whole screen.
  void open();
  // Shows another picture; one that cannot be shown leaves the screen bare.
  void showPicture(std::string path);
  Event<void(WalkStep step)> Walk;

 protected:
  void Load() override;

 private:
  std::string path_;
  bool stretch_;
};

}  // namespace vl
