#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/memory/memory_ui.h"

namespace vl {
namespace {

struct Sample : Form {
  explicit Sample(Ui& ui) : Form(ui, "Sample", "Sample", 3000, 2000) {}
  Panel group{this, "group"};
  OptionButton a{&group, "a"};
  OptionButton b{&group, "b"};
  OptionButton outside{this, "outside"};
  CheckBox check{this, "check"};
  TabStrip tabs{this, "tabs"};
  Label onPage1{&tabs, "onPage1"};
  MenuItem menu{*this, nullptr, "menu", "&Menu"};
  MenuItem item{*this, &menu, "item", "&Item", ctrl('I')};
};

struct ControlTest : ::testing::Test {
  MemoryUi ui;
  Sample form{ui};
  int clicks = 0;
  void SetUp() override { form.show(); }
};

TEST_F(ControlTest, OptionButtonsExcludeEachOtherWithinTheirContainer) {
  form.outside.setValue(1);
  form.a.userClick();
  EXPECT_EQ(form.a.value(), 1);
  form.b.userClick();
  EXPECT_EQ(form.a.value(), 0);
  EXPECT_EQ(form.b.value(), 1);
  EXPECT_EQ(form.outside.value(), 1);
}

TEST_F(ControlTest, ClickIsRaisedByUsersAndByValueChanges) {
  form.a.Click = [this] { ++clicks; };
  form.a.setValue(1);
  form.a.setValue(1);  // no change, no click
  form.a.userClick();  // a user's click on a selected option still reports
  form.a.setValue(0);  // clearing reports nothing
  EXPECT_EQ(clicks, 2);
  form.check.Click = [this] { ++clicks; };
  form.check.userClick();
  EXPECT_EQ(form.check.value(), 1);
  form.check.setValue(0);
  EXPECT_EQ(clicks, 4);
}

TEST_F(ControlTest, DisabledOrHiddenControlsIgnoreTheUser) {
  form.check.Click = [this] { ++clicks; };
  form.check.setEnabled(false);
  form.check.userClick();
  form.check.setEnabled(true);
  form.hide();
  form.check.userClick();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(form.check.value(), 0);
}

TEST_F(ControlTest, ControlsOfATabPageShowOnlyOnThatPage) {
  form.onPage1.setTabPage(1);
  EXPECT_FALSE(form.onPage1.shownOnScreen());
  form.tabs.setTab(1);
  EXPECT_TRUE(form.onPage1.shownOnScreen());
}

// A release that ends a press begun elsewhere (the second click of a double
// click that moved the control under the pointer) is no click.
TEST_F(ControlTest, AClickIsAPressAndAReleaseBothOnTheControl) {
  form.group.Click = [this] { ++clicks; };
  form.group.userLeftUp(true);
  EXPECT_EQ(clicks, 0);
  form.group.userLeftDown();
  form.group.userLeftUp(true);
  EXPECT_EQ(clicks, 1);
  form.group.userLeftDown();
  form.group.userLeftUp(false);  // let go beside it
  form.group.userLeftUp(true);   // that press has ended
  EXPECT_EQ(clicks, 1);
  form.group.userLeftDown();
  form.group.setEnabled(false);
  form.group.userLeftUp(true);
  form.group.setEnabled(true);
  form.group.userLeftUp(true);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlTest, CtrlTabStepsThroughThePagesRoundTheEndsAndPagesComeToTheFront) {
  form.tabs.setCaptions({"One", "Two", "Three"});
  ASSERT_EQ(form.tabStrip(), &form.tabs);
  form.tabs.userStep(1);
  EXPECT_EQ(form.tabs.tab(), 1);
  form.tabs.userStep(1);
  form.tabs.userStep(1);
  EXPECT_EQ(form.tabs.tab(), 0);
  form.tabs.userStep(-1);
  EXPECT_EQ(form.tabs.tab(), 2);
  form.tabs.setEnabled(false);
  form.tabs.userStep(1);
  EXPECT_EQ(form.tabs.tab(), 2);
  form.tabs.setEnabled(true);

  form.onPage1.setTabPage(1);
  selectPageOf(form.onPage1);
  EXPECT_EQ(form.tabs.tab(), 1);
  selectPageOf(form.check);  // on no tab strip: nothing changes
  EXPECT_EQ(form.tabs.tab(), 1);

  MemoryUi otherUi;
  Form bare(otherUi, "Bare", "Bare", 100, 100);
  EXPECT_EQ(bare.tabStrip(), nullptr);
}

TEST_F(ControlTest, MenuItemsActOnlyWhenTheyAndTheirMenuAreEnabled) {
  form.item.Click = [this] { ++clicks; };
  form.menu.setEnabled(false);
  form.item.userClick();
  form.menu.setEnabled(true);
  form.item.setEnabled(false);
  form.item.userClick();
  form.item.setEnabled(true);
  form.item.userClick();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(shortcutText(form.item.shortcut()), "Ctrl+I");
  EXPECT_EQ(shortcutText(fkey(1)), "F1");
  EXPECT_EQ(shortcutText(ctrl('Z')), "Ctrl+Z");
}

TEST_F(ControlTest, CentringUsesTheWholeWindowAndTheScreen) {
  ui.setScreen(640, 480);
  form.center();
  EXPECT_EQ(form.left(), (640 * 15 - form.width()) / 2);
  EXPECT_EQ(form.top(), (480 * 15 - form.height()) / 2);
  EXPECT_EQ(form.width(), 3000 + 90);
}

}  // namespace
}  // namespace vl
