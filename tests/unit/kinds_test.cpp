// Scroll bars, timers and picture controls over the in-memory back end.
#include <gtest/gtest.h>

#include <memory>

#include "platform/form.h"
#include "platform/memory/memory_ui.h"

namespace vl {
namespace {

struct Viewer : Form {
  explicit Viewer(Ui& ui) : Form(ui, "Viewer", "Viewer", 6000, 4000) {}
  Panel viewport{this, "viewport"};
  ImageBox image{&viewport, "image"};
  ImageBox thumb{this, "thumb"};
  ScrollBar across{this, "HScroll1", Orientation::Horizontal};
  Timer refresh{this, "Timer1"};
};

struct KindsTest : ::testing::Test {
  MemoryUi ui;
  Viewer form{ui};
  std::vector<std::string> events;
  void SetUp() override {
    form.show();
    form.across.Scroll = [this] {
      events.push_back("scroll " + std::to_string(form.across.value()));
    };
    form.across.Change = [this] {
      events.push_back("change " + std::to_string(form.across.value()));
    };
  }
};

TEST_F(KindsTest, ScrollBarReportsDraggingAndReleaseAndStaysInItsRange) {
  ScrollBar& bar = form.across;
  bar.setRange(0, 100);
  bar.setChanges(5, 20);
  bar.userScroll(30);
  bar.userScroll(140);  // dragged past the end: held at it
  bar.userRelease(90);
  bar.userLine(1);
  bar.userLine(1);
  bar.userLine(1);  // already at the end: nothing changes, nothing is raised
  bar.userPage(-1);
  bar.userEnd(false);
  EXPECT_EQ(events, (std::vector<std::string>{"scroll 30", "scroll 100", "change 90", "change 95",
                                              "change 100", "change 80", "change 0"}));
  events.clear();
  bar.setValue(60);
  bar.setRange(0, 40);  // a smaller range pulls the thumb in, as a change
  EXPECT_EQ(bar.value(), 40);
  EXPECT_EQ(events, (std::vector<std::string>{"change 60", "change 40"}));
}

TEST_F(KindsTest, ScrollBarWithMinAboveMaxCountsDownwards) {
  ScrollBar& bar = form.across;
  bar.setRange(50, 10);
  bar.setChanges(4, 10);
  bar.setValue(0);
  EXPECT_EQ(bar.value(), 10);
  bar.userEnd(false);
  EXPECT_EQ(bar.value(), 50);
  bar.userLine(1);  // towards max: smaller values
  EXPECT_EQ(bar.value(), 46);
  bar.userPage(-1);
  EXPECT_EQ(bar.value(), 50);
}

TEST_F(KindsTest, TimersTickForEachIntervalWhileRunningOnALoadedForm) {
  int ticks = 0;
  form.refresh.Tick = [&] { ++ticks; };
  ui.advance(1000);
  EXPECT_EQ(ticks, 0);  // no interval yet
  form.refresh.setInterval(100);
  ui.advance(250);
  EXPECT_EQ(ticks, 2);
  form.refresh.setEnabled(false);
  ui.advance(1000);
  EXPECT_EQ(ticks, 2);
  form.refresh.setEnabled(true);  // starts its interval afresh
  ui.advance(90);
  EXPECT_EQ(ticks, 2);
  ui.advance(10);
  EXPECT_EQ(ticks, 3);
  form.refresh.setInterval(0);
  ui.advance(1000);
  EXPECT_EQ(ticks, 3);
  form.refresh.setInterval(100);
  form.unload();
  ui.advance(1000);
  EXPECT_EQ(ticks, 3);
}

TEST_F(KindsTest, ATickMayEndItsOwnFormAndAnother) {
  auto other = std::make_unique<Viewer>(ui);
  other->show();
  int ticks = 0;
  other->refresh.setInterval(10);
  other->refresh.Tick = [&] { ++ticks; };
  form.refresh.setInterval(10);
  form.refresh.Tick = [&] {
    other.reset();  // a window destroyed by another's tick
    form.unload();  // and its own, as a break window ends itself
  };
  ui.advance(50);
  EXPECT_FALSE(form.loaded());
  EXPECT_EQ(ticks, 0);
}

TEST_F(KindsTest, PicturesShowAtNaturalSizeOrStretchedAndAreDecodedOnce) {
  ui.pictures.add("C:\\PICS\\wide.bmp", 9000, 3000);
  place(form.image, -1500, -600, 100, 100);
  EXPECT_EQ(form.image.setPicture("C:\\PICS\\wide.bmp"), "");
  // Unstretched, the control takes the picture's size and keeps its offset.
  EXPECT_EQ(form.image.left(), -1500);
  EXPECT_EQ(form.image.top(), -600);
  EXPECT_EQ(form.image.width(), 9000);
  EXPECT_EQ(form.image.height(), 3000);

  place(form.thumb, 60, 60, 735, 795);
  form.thumb.setStretch(true);
  EXPECT_EQ(form.thumb.setPicture("c:\\pics\\WIDE.BMP"), "");
  EXPECT_EQ(form.thumb.width(), 735);
  EXPECT_EQ(form.thumb.picture(), form.image.picture());  // one decoded picture for both
  EXPECT_EQ(ui.pictures.decodes["C:\\PICS\\wide.bmp"], 1);

  form.thumb.setStretch(false);
  EXPECT_EQ(form.thumb.width(), 9000);

  // A file that cannot be read is reported and leaves the picture shown.
  auto shown = form.image.picture();
  std::string error = form.image.setPicture("C:\\PICS\\gone.bmp");
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(form.image.picture(), shown);
  EXPECT_EQ(form.image.pictureSource(), "C:\\PICS\\wide.bmp");

  shown.reset();
  form.thumb.setPicture("");
  form.image.setPicture("");
  form.thumb.setPicture("C:\\PICS\\wide.bmp");  // nobody held it: read again
  EXPECT_EQ(ui.pictures.decodes["C:\\PICS\\wide.bmp"], 2);
}

}  // namespace
}  // namespace vl
