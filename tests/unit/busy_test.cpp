// What the windows do while a long operation lets events run in its own
// window: refused clicks, changes acted on afterwards, held timer ticks,
// nested operations.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/memory/memory_ui.h"

namespace vl {
namespace {

struct Other : Form {
  explicit Other(Ui& ui) : Form(ui, "Other", "Other", 4000, 3000) {}
  FileList files{this, "File1"};
  TextBox text{this, "Text1"};
  TabStrip tabs{this, "SSTab1"};
  CheckBox check{this, "Check1"};
  Timer countdown{this, "Timer2"};
  Timer refresh{this, "Timer3"};
  MenuItem menu{*this, nullptr, "mnuFile", "&File"};
  MenuItem open{*this, &menu, "open", "&Open", ctrl('O')};
  MenuItem quit{*this, &menu, "quit", "&Quit", ctrl('Q')};
};

struct Progress : Form {
  explicit Progress(Ui& ui) : Form(ui, "Form3", "Copying", 4815, 1500) {}
  CommandButton cancel{this, "Command1"};
  FileList list{this, "List1"};
};

struct BusyTest : ::testing::Test {
  MemoryUi ui;
  Other other{ui};
  Progress progress{ui};
  std::vector<std::string> events;
  void SetUp() override {
    other.show();
    progress.show();
    for (ListControl* l : {&other.files, &progress.list})
      l->setItems({{"a.bmp"}, {"b.bmp"}, {"c.bmp"}}, -1);
    other.files.Click = [this] { events.push_back("preview " + other.files.selectedText()); };
    other.text.Change = [this] { events.push_back("edit " + other.text.text()); };
    other.tabs.Click = [this] { events.push_back("page " + std::to_string(other.tabs.tab())); };
    other.check.Click = [this] { events.push_back("check"); };
    other.open.Click = [this] { events.push_back("open"); };
    other.quit.Click = [this] { events.push_back("quit"); };
    other.countdown.setInterval(60000);
    other.countdown.Tick = [this] { events.push_back("minute"); };
    other.refresh.setInterval(1);
    other.refresh.setOnlyRefreshes(true);
    progress.list.Click = [this] { events.push_back("own " + progress.list.selectedText()); };
  }
};

TEST_F(BusyTest, ChangesElsewhereWaitForTheEndAndClicksElsewhereAreRefused) {
  {
    BusyScope busy(ui, progress, {});
    other.files.userSelect(0);
    other.files.userSelect(2);  // the list shows the last choice; one preview follows
    other.text.userEdit("x");
    other.text.userEdit("xy");
    other.tabs.userSelectTab(1);
    other.check.userClick();
    other.open.userClick();
    progress.list.userSelect(1);  // the operation's own window acts at once
    EXPECT_EQ(events, std::vector<std::string>{"own b.bmp"});
    // What the windows show is already the user's.
    EXPECT_EQ(other.files.listIndex(), 2);
    EXPECT_EQ(other.text.text(), "xy");
    EXPECT_EQ(other.tabs.tab(), 1);
    EXPECT_EQ(other.check.value(), 0);
  }
  EXPECT_EQ(events, (std::vector<std::string>{"own b.bmp", "preview c.bmp", "edit xy", "page 1"}));
  events.clear();
  other.files.userSelect(0);  // no operation: at once
  EXPECT_EQ(events, std::vector<std::string>{"preview a.bmp"});
}

TEST_F(BusyTest, TimerTicksWaitAndThenRunOneByOneUnlessTheyOnlyRefreshADisplay) {
  int refreshes = 0;
  other.refresh.Tick = [&] { ++refreshes; };
  {
    BusyScope busy(ui, progress, {});
    ui.advance(3 * 60000);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(refreshes, 3 * 60000);  // the display keeps up
  }
  EXPECT_EQ(events, std::vector<std::string>(3, "minute"));

  // A held tick that closes its window ends the catching up.
  events.clear();
  other.countdown.Tick = nullptr;
  other.countdown.Tick = [this] {
    events.push_back("break");
    other.unload();
  };
  {
    BusyScope busy(ui, progress, {});
    ui.advance(2 * 60000);
  }
  EXPECT_EQ(events, std::vector<std::string>{"break"});
}

TEST_F(BusyTest, WhatWaitsForAWindowThatClosesMeanwhileIsDropped) {
  {
    BusyScope busy(ui, progress, {});
    other.files.userSelect(1);
    other.text.userEdit("gone");
    ui.advance(60000);
    other.unload();
  }
  EXPECT_TRUE(events.empty());
  // Shown again later, the window acts as before.
  other.show();
  other.files.userSelect(0);
  EXPECT_EQ(events, std::vector<std::string>{"preview a.bmp"});
}

TEST_F(BusyTest, NestedOperationsStackAndTheOuterOneHoldsUntilItEnds) {
  Other inner{ui};
  inner.show();
  std::vector<std::string> cancelled;
  int waited = 0;
  {
    BusyScope outer(ui, progress, [&] { cancelled.push_back("outer"); });
    {
      BusyScope nested(ui, inner, [&] { cancelled.push_back("inner"); });
      EXPECT_TRUE(ui.acceptsInput(&inner));
      EXPECT_FALSE(ui.acceptsInput(&progress));
      ui.whenIdle([&] { ++waited; });
      ui.cancelBusy();
      EXPECT_EQ(cancelled, (std::vector<std::string>{"inner", "outer"}));
    }
    // The outer operation runs on and still holds the rest back.
    EXPECT_TRUE(ui.busy());
    EXPECT_TRUE(ui.acceptsInput(&progress));
    EXPECT_FALSE(ui.acceptsInput(&inner));
    EXPECT_FALSE(ui.acceptsInput(&other));
    other.files.userSelect(1);
    EXPECT_EQ(waited, 0);
    EXPECT_TRUE(events.empty());
  }
  EXPECT_FALSE(ui.busy());
  EXPECT_EQ(waited, 1);
  EXPECT_EQ(events, std::vector<std::string>{"preview b.bmp"});
}

TEST_F(BusyTest, AnItemMarkedToActWhileBusyActsAndNothingThatWaitedStartsAfterIt) {
  // As the program quits: it cancels the operation, drops what waited and
  // closes its windows once the operation has ended.
  other.quit.setActsWhileBusy(true);
  bool stopped = false;
  other.quit.Click = nullptr;  // the fixture's quit becomes the program's
  other.quit.Click = [&] {
    events.push_back("quit");
    ui.cancelBusy();
    ui.dropWaiting();
    ui.whenIdle([&] {
      events.push_back("end");
      other.unload();
    });
  };
  {
    BusyScope busy(ui, progress, [&] { stopped = true; });
    other.files.userSelect(1);
    other.open.userClick();
    // Typed in the operation's window, which has no menus: another window's
    // item answers, and acts only if it acts while busy.
    EXPECT_TRUE(ui.userShortcutWhileBusy(progress, ctrl('O')));
    EXPECT_FALSE(ui.userShortcutWhileBusy(progress, ctrl('Z')));
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(ui.userShortcutWhileBusy(progress, ctrl('Q')));
    EXPECT_TRUE(stopped);
    other.text.userEdit("late");
    ui.advance(60000);
  }
  EXPECT_EQ(events, (std::vector<std::string>{"quit", "end"}));
}

}  // namespace
}  // namespace vl
