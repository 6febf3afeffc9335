// What each kind of control is to a screen reader and to the keyboard, and
// the one handler an event takes.
#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/memory/memory_ui.h"

namespace vl {
namespace {

// Every test fails when any event is given a second handler.
const bool kRefusalsFail = (
    handlerRefused = [] { ADD_FAILURE() << "an event refused a handler"; }, true);

struct EveryKind : Form {
  explicit EveryKind(Ui& ui) : Form(ui, "EveryKind", "&Every Kind", 9000, 6000) {
    place(frame, 0, 0, 4000, 3000, "&Choices");
    place(sizeLabel, 120, 240, 900, 255, "&Size:");
    place(size, 1100, 240, 900, 285);
    place(big, 120, 700, 1500, 255, "&Big");
    place(small, 120, 1000, 1500, 255, "S&mall");
    place(files, 120, 1400, 3000, 1200);
    place(check, 4200, 0, 1500, 255, "&Wrap");
    place(ok, 4200, 400, 1200, 375, "OK");
    place(zoomIn, 5500, 400, 375, 375, "+");
    zoomIn.setHelp("Zoom in");
    place(notes, 4200, 900, 3000, 900);
    notes.setMultiLine(true);
    place(bar, 4200, 2000, 3000, 255);
    bar.setRange(0, 100);
    place(progress, 4200, 2400, 3000, 255);
    progress.setMax(200);
    place(status, 0, 5700, 9000, 300);
  }
  Frame frame{this, "Frame1"};
  Label sizeLabel{&frame, "Label1"};
  TextBox size{&frame, "Text1"};
  OptionButton big{&frame, "Option1"};
  OptionButton small{&frame, "Option2"};
  FileList files{&frame, "File1"};
  CheckBox check{this, "Check1"};
  CommandButton ok{this, "Command1"};
  CommandButton zoomIn{this, "Command2"};
  TextBox notes{this, "Text2"};
  ScrollBar bar{this, "HScroll1", Orientation::Horizontal};
  ProgressBar progress{this, "ProgressBar1"};
  StatusBar status{this, "StatusBar1"};
  Timer timer{this, "Timer1"};
};

struct KindRules : ::testing::Test {
  MemoryUi ui;
  EveryKind form{ui};
  void SetUp() override { form.show(); }
};

TEST_F(KindRules, EachKindHasItsRoleAndAName) {
  struct Expected {
    const Control* control;
    Role role;
    const char* name;
  };
  const Expected expected[] = {
      {&form, Role::Window, "Every Kind"},
      {&form.frame, Role::Grouping, "Choices"},
      {&form.sizeLabel, Role::StaticText, "Size:"},
      {&form.size, Role::Text, "Choices: Size"},  // the label before it and its frame
      {&form.big, Role::RadioButton, "Big"},
      {&form.files, Role::List, "Choices: files"},
      {&form.check, Role::CheckButton, "Wrap"},
      {&form.ok, Role::PushButton, "OK"},
      {&form.zoomIn, Role::PushButton, "Zoom in"},  // "+" says less than its help
      {&form.notes, Role::Text, "Every Kind"},      // no label: the window it lies on
      {&form.bar, Role::ScrollBar, "Every Kind"},
      {&form.progress, Role::ProgressBar, "Every Kind"},
      {&form.status, Role::StatusBar, ""},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.control->name());
    EXPECT_EQ(e.control->role(), e.role);
    EXPECT_EQ(e.control->accessibleName(), e.name);
  }
}

TEST_F(KindRules, BarsAndTextBoxesAreReadWithTheirValue) {
  form.size.setText("12");
  form.bar.setValue(40);
  form.progress.setValue(50);
  EXPECT_EQ(form.size.accessibleValue(), "12");
  EXPECT_EQ(form.bar.accessibleValue(), "40");
  EXPECT_EQ(form.progress.accessibleValue(), "25%");  // 50 of 200
  EXPECT_EQ(form.ok.accessibleValue(), "");
  EXPECT_FALSE(form.progress.setMax(0));  // a bar of nothing is refused: the share stays
  EXPECT_EQ(form.progress.accessibleValue(), "25%");
}

TEST_F(KindRules, TheKeyboardReachesWhatTakesInputAndEnterGoesWhereItBelongs) {
  for (Control* c : std::initializer_list<Control*>{&form.size, &form.big, &form.files, &form.check,
                                                    &form.ok, &form.bar})
    EXPECT_TRUE(c->focusable()) << c->name();
  for (Control* c : std::initializer_list<Control*>{&form.frame, &form.sizeLabel, &form.progress,
                                                    &form.status, &form.timer})
    EXPECT_FALSE(c->focusable()) << c->name();
  // The options of a frame are one group; Enter in a text of many lines is a line break.
  EXPECT_EQ(form.big.optionGroup(), &form.frame);
  EXPECT_EQ(form.small.optionGroup(), form.big.optionGroup());
  EXPECT_EQ(form.check.optionGroup(), nullptr);
  EXPECT_TRUE(form.notes.takesEnter());
  EXPECT_FALSE(form.size.takesEnter());

  int okClicks = 0, defaults = 0;
  form.ok.Click = [&] { ++okClicks; };
  form.zoomIn.Click = [&] { ++defaults; };
  form.setDefaultButton(&form.zoomIn);
  EXPECT_TRUE(form.userDialogKey(key::Enter, &form.ok));      // the focused button
  EXPECT_TRUE(form.userDialogKey(key::Enter, &form.size));    // else the default one
  EXPECT_FALSE(form.userDialogKey(key::Enter, &form.notes));  // the text keeps it
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(defaults, 1);
  // A control that handles its own keys keeps Enter too.
  form.files.KeyDown = [](int) {};
  EXPECT_FALSE(form.userDialogKey(key::Enter, &form.files));
  EXPECT_EQ(defaults, 1);
}

TEST(EventHandlers, ASecondHandlerIsRefusedAndTheFirstStays) {
  int refused = 0;
  static int* counter = nullptr;
  counter = &refused;
  auto listening = handlerRefused;
  handlerRefused = [] { ++*counter; };
  Event<int()> event;
  event = [] { return 1; };
  event = [] { return 2; };
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(event(), 1);
  event = nullptr;  // an owner handing it over clears it first
  event = [] { return 3; };
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(event(), 3);
  handlerRefused = listening;
}

}  // namespace
}  // namespace vl
