// The tray icon's portable part over the recording fake.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/form2.h"
#include "platform/form.h"
#include "platform/memory/memory_devices.h"
#include "platform/memory/memory_ui.h"
#include "test_system.h"

namespace vl {
namespace {

struct TrayHolder : Form {
  explicit TrayHolder(Ui& ui) : Form(ui, "Form2", "", 1000, 1000) {}
  Panel pichook{this, "pichook"};
};

TEST(TrayIcon, TheShellsMouseMessagesReachTheCallbackAtAnyDpi) {
  MemoryUi ui;
  TrayHolder holder(ui);
  ASSERT_TRUE(holder.load());  // hidden, as the tray holder always is
  RecordingTrayIcon tray;
  std::vector<int> seen;
  tray.Callback = [&](int message) { seen.push_back(message); };

  tray.failAdd = "The shell is not running.";
  EXPECT_EQ(tray.add(holder.pichook, "Varilume SE", 96), "The shell is not running.");
  EXPECT_FALSE(tray.shown());
  holder.pichook.userMouseMove(tray::RightUp * 15, 0);
  EXPECT_TRUE(seen.empty());

  // The back end reports the message number as an x position in pixels, in twips.
  for (int dpi : {96, 120, 144, 192}) {
    ASSERT_EQ(tray.add(holder.pichook, "Varilume SE", dpi), "");
    holder.pichook.userMouseMove((tray::LeftDoubleClick * 1440 + dpi / 2) / dpi, 0);
  }
  EXPECT_EQ(seen, std::vector<int>(4, tray::LeftDoubleClick));
  tray.remove();
  tray.remove();
  EXPECT_FALSE(tray.shown());
  EXPECT_EQ(tray.calls.back(), "remove pichook");
  EXPECT_EQ(std::count(tray.calls.begin(), tray.calls.end(), "remove pichook"), 4);
}

// The holder destroyed while loaded, as at the end of the program: its
// Unload still runs, so the icon goes and the shell is not left pointing at
// a hook that no longer exists.
TEST(TrayIcon, AHolderDestroyedWhileLoadedTakesItsIconAway) {
  test::TestSystem sys;
  {
    Form2 holder(sys.servicesOnly());
    ASSERT_TRUE(holder.load());
    EXPECT_TRUE(sys.tray.shown());
    EXPECT_TRUE(sys.tray.Callback);
  }
  EXPECT_FALSE(sys.tray.shown());
  EXPECT_EQ(sys.tray.calls.back(), "remove pichook");
  EXPECT_FALSE(sys.tray.Callback);
  EXPECT_TRUE(sys.ui.loadedForms.empty());
}

TEST(MediaDevice, APlayThatAsksIsNotifiedOnceAndAClosedDeviceIsNot) {
  RecordingMediaDevices media;
  media.lengths["C:\\SND\\ding.wav"] = 1200;
  auto device = media.create();
  std::vector<MediaNotify> done;
  device->Done = [&](MediaNotify n) { done.push_back(n); };
  EXPECT_FALSE(device->open("", "C:\\SND\\gone.wav", true).empty());
  ASSERT_EQ(device->open("", "C:\\SND\\ding.wav", true), "");
  EXPECT_EQ(device->length(), 1200);
  ASSERT_EQ(device->play(true, false), "");
  media.finish();
  media.finish();
  EXPECT_EQ(done, std::vector<MediaNotify>{MediaNotify::Successful});
  device->play(true, false);
  device->close();
  media.finish();
  EXPECT_EQ(done.size(), 1u);
  EXPECT_EQ(media.commands, (std::vector<std::string>{"open |C:\\SND\\gone.wav|shareable",
                                                      "open |C:\\SND\\ding.wav|shareable",
                                                      "play notify", "play notify", "close"}));
}

}  // namespace
}  // namespace vl
