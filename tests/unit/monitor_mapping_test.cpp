#include "platform/monitor_mapping.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// A 144 DPI monitor of 2880x1620 pixels, as a program of 96 DPI sees it
// (1920x1080 from the same corner), right of the main one and left of it.
const ScreenRect kRightSeen{1920, 0, 3840, 1080};
const ScreenRect kRightOwn{1920, 0, 4800, 1620};
const ScreenRect kLeftSeen{-2880, -200, -960, 880};
const ScreenRect kLeftOwn{-2880, -200, 0, 1420};

TEST(MonitorMapping, AWindowKeepsItsPlaceOnAMonitorOfAnotherDpi) {
  // The break window centred where the program placed it stays centred.
  ScreenRect centred{1920 + 760, 390, 1920 + 1160, 690};
  EXPECT_EQ(mapRect(centred, kRightSeen, kRightOwn), (ScreenRect{3060, 585, 3660, 1035}));
  // A cover over the whole monitor covers all its pixels, to the last.
  EXPECT_EQ(mapRect(kRightSeen, kRightSeen, kRightOwn), kRightOwn);
  EXPECT_EQ(mapRect(kLeftSeen, kLeftSeen, kLeftOwn), kLeftOwn);
  // Left of the origin and above it, places map as they do to the right.
  ScreenRect left{-2880 + 760, -200 + 390, -2880 + 1160, -200 + 690};
  EXPECT_EQ(mapRect(left, kLeftSeen, kLeftOwn), (ScreenRect{-1740, 385, -1140, 835}));
  // And back, for the window's place in the program's own terms.
  EXPECT_EQ(mapRect(mapRect(left, kLeftSeen, kLeftOwn), kLeftOwn, kLeftSeen), left);
  EXPECT_EQ(mapRect(centred, kRightOwn, kRightOwn), centred);
}

TEST(MonitorMapping, AnEmptyMonitorOrAPlaceBesideItMapsSafely) {
  // An empty rectangle (a monitor going away) maps nothing, without a
  // division by zero.
  EXPECT_EQ(mapCoordinate(500, 0, 0, 100, 200), 500);
  EXPECT_EQ(mapCoordinate(500, 0, 100, 100, -5), 500);
  // A place beside the monitor still maps in proportion, on both sides.
  EXPECT_EQ(mapCoordinate(1920 - 10, 1920, 1920, 1920, 2880), 1920 - 15);
  EXPECT_EQ(mapCoordinate(3840 + 10, 1920, 1920, 1920, 2880), 4800 + 15);
  // Far coordinates do not overflow.
  EXPECT_EQ(mapCoordinate(2000000000, 0, 3, 0, 3), 2000000000);
}

}  // namespace
}  // namespace vl
