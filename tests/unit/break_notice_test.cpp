// Breaks people keep: the notice a minute before, postponing (three times in
// a row at most), and the record of breaks with today's counts.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "reminder/break_history.h"
#include "reminder/reminder.h"
#include "test_system.h"

namespace vl {
namespace {

using test::TestSystem;

constexpr int kMinute = 60000;
const std::string kHistory = "C:\\Users\\user\\AppData\\Roaming\\Varilume SE\\breaks.csv";

struct BreakNoticeTest : ::testing::Test {
  TestSystem sys;
  test::MainWindowParts* main = nullptr;
  // The reminder on, every 3 minutes, breaks of 5.
  void SetUp() override {
    sys.knowWindowsPath();
    sys.put("C:\\tip.cfg", "0\r\n");
    sys.fs.addDirectory("c:\\windows");
    const char* lines[] = {"3", "5", "Stretch.", "", "", "0", "0", "True", "False"};
    for (int i = 0; i < 9; ++i)
      sys.put("c:\\windows\\rem" + std::to_string(i + 1) + ".cfg", std::string(lines[i]) + "\r\n");
    sys.activity.time = {2026, 12, 9, 14, 0, 0};
    main = &sys.startMain();
  }
  Reminder& reminder() { return *sys.app->reminder(); }
  Form19& props() { return *reminder().properties(); }
  std::string history() { return sys.file(kHistory); }
  // Minute ticks until the notice shows; the countdown then reads 1.
  Form21& untilNotice() {
    for (int i = 0; i < 10 && !reminder().notice(); ++i) sys.ui.advance(kMinute);
    EXPECT_EQ(props().Label2.text(), "1");
    return *reminder().notice();
  }
};

// The notice comes at the last minute, in the corner, above other windows,
// and never takes the keyboard; the break closes it.
TEST_F(BreakNoticeTest, TheNoticeComesAMinuteBeforeWithoutTakingTheKeyboard) {
  sys.ui.setFocus(main->imagePage.browser.pane.file);
  sys.ui.activated.clear();
  sys.ui.advance(kMinute);
  EXPECT_EQ(reminder().notice(), nullptr);  // 2 minutes left
  Form21& notice = untilNotice();
  EXPECT_TRUE(notice.visible());
  EXPECT_TRUE(notice.topmost());
  EXPECT_TRUE(notice.staysInactive());
  EXPECT_EQ(notice.text(), "Varilume SE");
  EXPECT_EQ(notice.Label1.text(), "A break begins in 1 minute.");
  EXPECT_EQ(notice.Command1.text(), "&Postpone 5 Minutes");
  ScreenInfo s = sys.ui.screen();  // above a taskbar of 450 twips
  EXPECT_EQ(notice.left() + notice.width(), s.width);
  EXPECT_EQ(notice.top() + notice.height(), s.height - 450);
  EXPECT_TRUE(sys.ui.activated.empty());
  EXPECT_EQ(sys.ui.focused, "File1");

  sys.ui.advance(kMinute);  // the break
  ASSERT_NE(reminder().breakWindow(), nullptr);
  EXPECT_EQ(reminder().notice(), nullptr);

  // Turned off at the last minute, the notice goes and nothing comes.
  reminder().breakWindow()->Command1.userClick();
  untilNotice();
  main->RS.userClick();  // the properties, to turn the reminder off
  props().Option2.userClick();
  EXPECT_EQ(reminder().notice(), nullptr);
  sys.ui.advance(kMinute);
  EXPECT_EQ(reminder().breakWindow(), nullptr);
}

// Postpone from the notice or the break brings the break back five ticks
// later, three times in a row; then it is greyed in both windows until a
// break is taken, or until a natural break.
TEST_F(BreakNoticeTest, PostponeThreeTimesInARowThenGreyedUntilABreakIsTaken) {
  untilNotice().Command1.userClick();
  EXPECT_EQ(reminder().notice(), nullptr);
  EXPECT_EQ(props().Label2.text(), "5");
  sys.ui.advance(4 * kMinute);
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  ASSERT_NE(reminder().notice(), nullptr);  // at 1 again
  sys.ui.advance(kMinute);
  Form20* b = reminder().breakWindow();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Command2.text(), "&Postpone 5 Minutes");
  EXPECT_TRUE(b->Command2.enabled());
  b->Command2.userClick();  // the second: the break goes, none counted
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  EXPECT_EQ(props().Label2.text(), "5");
  untilNotice().Command1.userClick();  // the third
  Form21& notice = untilNotice();
  EXPECT_FALSE(notice.Command1.enabled());
  sys.ui.advance(kMinute);
  b = reminder().breakWindow();
  ASSERT_NE(b, nullptr);
  EXPECT_FALSE(b->Command2.enabled());
  b->Command2.userClick();  // greyed: nothing
  EXPECT_EQ(reminder().breakWindow(), b);

  // Taken (ended early after two minutes), the break lets Postpone be chosen again.
  sys.activity.time = {2026, 12, 9, 14, 20, 0};
  sys.ui.advance(2 * kMinute);
  b->Command1.userClick();
  EXPECT_TRUE(untilNotice().Command1.enabled());
  EXPECT_EQ(history(),
            "2026-12-09T14:00:00,postponed,5\r\n"
            "2026-12-09T14:00:00,postponed,5\r\n"
            "2026-12-09T14:00:00,postponed,5\r\n"
            "2026-12-09T14:20:00,ended-early,2\r\n");
  EXPECT_EQ(props().Label9.text(), "Today: 1 break, 3 postponed, 0 natural");

  // Three more, then a natural break: Postpone comes back.
  for (int i = 0; i < 3; ++i) untilNotice().Command1.userClick();
  EXPECT_FALSE(reminder().canPostpone());
  sys.activity.idleMs = 7 * kMinute;
  sys.ui.advance(kMinute);
  sys.activity.idleMs = 0;
  sys.ui.advance(kMinute);
  EXPECT_TRUE(reminder().canPostpone());
  EXPECT_EQ(props().Label2.text(), "3");
  EXPECT_EQ(props().Label9.text(), "Today: 1 break, 6 postponed, 1 natural");
  EXPECT_NE(history().find("2026-12-09T14:20:00,natural,7\r\n"), std::string::npos);
}

// A pause from the tray: no notice and no break while it lasts, the count
// held; a timed one ends by the clock, not by counting ticks; resuming starts
// the full interval again. The icon's tip and Resume follow.
TEST_F(BreakNoticeTest, APauseHoldsTheCountUntilItsClockTimeOrUntilResumed) {
  Form2& tray = main->popup;
  EXPECT_FALSE(tray.RR.enabled());
  sys.ui.advance(kMinute);
  tray.P30.userClick();
  EXPECT_TRUE(tray.RR.enabled());
  EXPECT_EQ(sys.tray.calls.back(), "tip pichook Reminder paused until 14:30");
  for (int minute = 1; minute < 30; ++minute) {
    sys.activity.time.minute = minute;
    sys.ui.advance(kMinute);
  }
  sys.activity.idleMs = 10 * kMinute;  // away meanwhile: no natural break either
  sys.ui.advance(5 * kMinute);         // ticks come faster than the clock
  sys.activity.idleMs = 0;
  EXPECT_EQ(props().Label2.text(), "2");
  EXPECT_EQ(reminder().notice(), nullptr);
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  sys.activity.time.minute = 30;
  sys.ui.advance(kMinute);  // the clock says the pause is over
  EXPECT_FALSE(reminder().paused());
  EXPECT_EQ(props().Label2.text(), "3");
  EXPECT_FALSE(tray.RR.enabled());
  EXPECT_EQ(sys.tray.calls.back(), "tip pichook Varilume Reminder");

  // Until resumed: an hour of ticks, then Resume.
  tray.PU.userClick();
  EXPECT_EQ(sys.tray.calls.back(), "tip pichook Reminder paused until resumed");
  sys.activity.time = {2026, 12, 9, 15, 45, 0};
  sys.ui.advance(60 * kMinute);
  EXPECT_EQ(props().Label2.text(), "3");
  EXPECT_EQ(reminder().breakWindow(), nullptr);
  tray.RR.userClick();
  EXPECT_EQ(props().Label2.text(), "3");
  sys.ui.advance(kMinute);
  EXPECT_EQ(props().Label2.text(), "2");
  EXPECT_EQ(history(),
            "2026-12-09T14:00:00,paused,30\r\n"
            "2026-12-09T14:30:00,resumed,30\r\n"
            "2026-12-09T14:30:00,paused,0\r\n"
            "2026-12-09T15:45:00,resumed,75\r\n");
  // Over midnight and a month's end the clock still reads right.
  EXPECT_EQ(isoText(addMinutes({2026, 12, 31, 23, 50, 0}, 30)), "2027-01-01T00:20:00");
  EXPECT_EQ(minutesBetween({2026, 2, 28, 23, 0, 0}, {2026, 3, 1, 1, 0, 0}), 120);
}

// Watching a video the program plays is screen time, not a natural break:
// the count goes on; once it stops, time away counts again.
TEST_F(BreakNoticeTest, AVideoPlayingIsNoNaturalBreak) {
  sys.putMedia("C:\\V\\clip.avi");
  sys.media.lengths["C:\\V\\clip.avi"] = 600000;
  main->mciPlayer.openAndPlay("C:\\V\\clip.avi");
  ASSERT_EQ(main->mciPlayer.device.mode(), MediaMode::Playing);
  sys.activity.idleMs = 6 * kMinute;
  sys.ui.advance(kMinute);
  EXPECT_EQ(props().Label2.text(), "2");
  main->mciPlayer.stop();
  sys.activity.idleMs = 7 * kMinute;
  sys.ui.advance(kMinute);
  sys.activity.idleMs = 0;
  sys.ui.advance(kMinute);
  EXPECT_EQ(props().Label2.text(), "3");  // back from a natural break
  EXPECT_NE(history().find(",natural,7\r\n"), std::string::npos);
}

// Every monitor: the break window centred on the pointer's, a cover of the
// break window's colour over each other one (left of and above the main
// one too, whatever its DPI); a monitor added or taken away mid-break gets
// its cover or loses it; all go with the break.
TEST_F(BreakNoticeTest, ABreakCoversEveryOtherMonitor) {
  auto areas = [this] {
    std::vector<std::vector<int>> a;
    for (Form22* c : reminder().covers()) {
      EXPECT_TRUE(c->topmost() && c->staysInactive() && c->visible());
      a.push_back({c->left(), c->top(), c->width(), c->height()});
    }
    return a;
  };
  // One monitor: no cover. (Test starts each break.)
  main->RS.userClick();
  props().Command6.userClick();
  ASSERT_NE(reminder().breakWindow(), nullptr);
  EXPECT_TRUE(areas().empty());
  reminder().breakWindow()->Command1.userClick();

  // The pointer on a monitor left of the main one; a third above, at 144 DPI.
  sys.ui.monitorList = {
      {-19200, 0, 19200, 10800, 96}, {0, 0, 12000, 9000, 96}, {0, -16200, 28800, 16200, 144}};
  main->RS.userClick();
  props().Command6.userClick();
  Form20* b = reminder().breakWindow();
  ASSERT_NE(b, nullptr);
  EXPECT_NEAR(b->left() + b->width() / 2, -9600, 1);
  EXPECT_NEAR(b->top() + b->height() / 2, 5400, 1);
  EXPECT_EQ(areas(),
            (std::vector<std::vector<int>>{{0, 0, 12000, 9000}, {0, -16200, 28800, 16200}}));
  for (Form22* c : reminder().covers()) EXPECT_EQ(c->backColor(), b->backColor());
  EXPECT_EQ(sys.ui.frontmost, "Form20");

  // A monitor taken away, another plugged in, mid-break.
  sys.ui.monitorList = {{-19200, 0, 19200, 10800, 96}, {0, 0, 12000, 9000, 96}};
  b->userDisplayChanged();
  EXPECT_EQ(areas(), (std::vector<std::vector<int>>{{0, 0, 12000, 9000}}));
  sys.ui.monitorList = {{0, 0, 12000, 9000, 96}};  // the break's own monitor went
  b->userDisplayChanged();
  EXPECT_TRUE(areas().empty());
  EXPECT_NEAR(b->left() + b->width() / 2, 6000, 1);
  sys.ui.monitorList.push_back({12000, 0, 12000, 9000, 120});
  b->userDisplayChanged();
  EXPECT_EQ(areas(), (std::vector<std::vector<int>>{{12000, 0, 12000, 9000}}));
  b->Command2.userClick();  // postponed: the covers go with the break
  EXPECT_TRUE(areas().empty());
}

// The record: a break that runs its time is one line; lines of another day,
// torn or malformed lines do not count; a full file starts afresh beside the
// old one, and a line after a torn one stands alone.
TEST_F(BreakNoticeTest, TheRecordCountsTodayAndSkipsWhatDoesNotReadAsALine) {
  sys.ui.advance(3 * kMinute);
  ASSERT_NE(reminder().breakWindow(), nullptr);
  sys.ui.advance(5 * kMinute);
  EXPECT_EQ(history(), "2026-12-09T14:00:00,break,5\r\n");

  BreakHistory h(sys.fs);
  sys.put(kHistory,
          "2026-12-08T10:00:00,break,5\r\n"  // yesterday
          "2026-12-09T10:00:00,natural,12\r\n"
          "2026-12-09T10:0x:00,break,5\r\n"   // not a time
          "2026-12-09T11:00:00,break\r\n"     // a field short
          "2026-12-09T11:00:00,coffee,5\r\n"  // no such event
          "2026-12-09T11:00:00,break,-5\r\n"  // not a number
          "2026-12-09T12:00:00,postponed,5\r\n"
          "2026-12-09T13:00:00,brea");  // torn by a crash
  LocalTime today{2026, 12, 9, 15, 0, 0};
  EXPECT_EQ(h.day(today), (DayCounts{0, 1, 1}));
  EXPECT_TRUE(h.record(BreakEvent::Break, today, 5));
  EXPECT_EQ(h.day(today), (DayCounts{1, 1, 1}));
  EXPECT_NE(history().find("2026-12-09T13:00:00,brea\r\n2026-12-09T15:00:00,break,5\r\n"),
            std::string::npos);

  sys.put(kHistory, std::string(BreakHistory::kLargestFile - 10, 'x') + "\r\n");
  EXPECT_TRUE(h.record(BreakEvent::Paused, today, 30));
  EXPECT_EQ(history(), "2026-12-09T15:00:00,paused,30\r\n");
  EXPECT_EQ(sys.file(h.keptPath()).size(),
            static_cast<std::size_t>(BreakHistory::kLargestFile - 8));
  EXPECT_EQ(BreakHistory::todayText({3, 1, 2}), "Today: 3 breaks, 1 postponed, 2 natural");
}

}  // namespace
}  // namespace vl
