#include "game/main_loop/test_hooks.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace brolt {
namespace {

TEST(KeyScript, ReadsFramesActionsAndKeyNamesInFrameOrder) {
  auto keys = ParseKeyScript(
      "# walk right, then stop\n"
      "\n"
      "30 down Right\r\n"
      "10 down Left Ctrl  \n"
      "30 up Left Ctrl\n");
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].frame, 10);
  EXPECT_EQ(keys[0].key, "Left Ctrl");
  EXPECT_TRUE(keys[0].down);
  EXPECT_EQ(keys[1].key, "Right");
  EXPECT_EQ(keys[2].key, "Left Ctrl");
  EXPECT_FALSE(keys[2].down);
}

TEST(KeyScript, RefusesLinesItCannotRead) {
  EXPECT_THROW(ParseKeyScript("10 press Right\n"), std::runtime_error);
  EXPECT_THROW(ParseKeyScript("ten down Right\n"), std::runtime_error);
  EXPECT_THROW(ParseKeyScript("-3 down Right\n"), std::runtime_error);
  EXPECT_THROW(ParseKeyScript("10 down\n"), std::runtime_error);
}

TEST(FixedFrameClock, AdvancesExactlyOneFrameLengthPerFrame) {
  FixedFrameClock clock(16);
  EXPECT_EQ(clock.TickCount(), 0u);
  clock.NextFrame();
  clock.NextFrame();
  EXPECT_EQ(clock.TickCount(), 32u);
  EXPECT_EQ(clock.PerformanceCounter() * 1000 / clock.PerformanceFrequency(), 32);
}

}  // namespace
}  // namespace brolt
