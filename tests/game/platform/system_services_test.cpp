#include <gtest/gtest.h>

#include "game/platform/gl_render_device.h"
#include "game/platform/instance_lock.h"
#include "game/platform/letterbox.h"
#include "game/platform/program_folder.h"
#include "game/platform/window_events.h"
#include "test_files.h"

namespace brolt {
namespace {

TEST(LetterboxTest, FrameKeepsFourToThreeCentredInAnyWindow) {
  const PixelRect exact = LetterboxRect(640, 480);
  EXPECT_EQ(exact.x, 0);
  EXPECT_EQ(exact.y, 0);
  EXPECT_EQ(exact.width, 640);
  EXPECT_EQ(exact.height, 480);
  const PixelRect wide = LetterboxRect(1920, 1080);
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.y, 0);
  EXPECT_EQ(wide.width, 1440);
  EXPECT_EQ(wide.height, 1080);
  const PixelRect tall = LetterboxRect(800, 800);
  EXPECT_EQ(tall.x, 0);
  EXPECT_EQ(tall.y, 100);
  EXPECT_EQ(tall.width, 800);
  EXPECT_EQ(tall.height, 600);
}

TEST(InstanceLockTest, SecondCopyFindsTheLockHeldUntilTheFirstEnds) {
  const testing::TempFolder folder;
  {
    InstanceLock first(folder.path());
    EXPECT_FALSE(first.HeldElsewhere());
    InstanceLock second(folder.path());
    EXPECT_TRUE(second.HeldElsewhere());
  }
  InstanceLock again(folder.path());
  EXPECT_FALSE(again.HeldElsewhere());
}

TEST(InstanceLockTest, UnopenableFolderDoesNotStopTheGame) {
  const testing::TempFolder folder;
  InstanceLock lock(folder / "no such folder");
  EXPECT_FALSE(lock.HeldElsewhere());
}

TEST(ProgramFolderTest, IsTheFolderOfTheRunningProgram) {
  EXPECT_EQ(std::filesystem::canonical(ProgramFolder()),
            std::filesystem::canonical("/proc/self/exe").parent_path());
}

TEST(WindowEventsTest, QuitAndKeysReachTheGameInOrder) {
  GraphicsStart graphics = OpenGraphics("Brolt test", WindowMode::Windowed);
  ASSERT_NE(graphics.device, nullptr) << graphics.error;
  std::vector<WindowEvent> events;
  WindowInput input;
  input.Poll(events);  // whatever the window's opening sent

  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.scancode = SDL_SCANCODE_A;
  key.key.keysym.sym = SDLK_a;
  key.key.repeat = 1;
  SDL_PushEvent(&key);
  key.type = SDL_KEYUP;
  key.key.repeat = 0;
  SDL_PushEvent(&key);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);

  input.Poll(events);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].kind, WindowEvent::Kind::KeyDown);
  EXPECT_EQ(events[0].scancode, SDL_SCANCODE_A);
  EXPECT_EQ(events[0].keycode, SDLK_a);
  EXPECT_TRUE(events[0].repeat);
  EXPECT_EQ(events[1].kind, WindowEvent::Kind::KeyUp);
  EXPECT_EQ(events[2].kind, WindowEvent::Kind::Quit);
  EXPECT_EQ(input.Held()[SDL_SCANCODE_A], 0);
  // Neither a key repeat nor a release is a fresh press.
  EXPECT_EQ(input.WentDown()[SDL_SCANCODE_A], 0);
}

TEST(WindowEventsTest, ScriptedKeysAreHeldUntilReleased) {
  GraphicsStart graphics = OpenGraphics("Brolt test", WindowMode::Windowed);
  ASSERT_NE(graphics.device, nullptr) << graphics.error;
  WindowInput input;
  std::vector<WindowEvent> events;
  input.Poll(events);
  ASSERT_TRUE(WindowInput::PushKey("Left Ctrl", true));
  ASSERT_TRUE(WindowInput::PushKey("Right", true));
  input.Poll(events);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].keycode, SDLK_RIGHT);
  EXPECT_EQ(input.Held()[SDL_SCANCODE_LCTRL], 1);
  EXPECT_EQ(input.Held()[SDL_SCANCODE_RIGHT], 1);
  ASSERT_TRUE(WindowInput::PushKey("Right", false));
  input.Poll(events);
  EXPECT_EQ(input.Held()[SDL_SCANCODE_RIGHT], 0);
  EXPECT_EQ(input.Held()[SDL_SCANCODE_LCTRL], 1);
  EXPECT_FALSE(WindowInput::PushKey("No Such Key", true));

  // Losing the keyboard releases every key.
  SDL_Event focus{};
  focus.type = SDL_WINDOWEVENT;
  focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&focus);
  input.Poll(events);
  EXPECT_EQ(input.Held()[SDL_SCANCODE_LCTRL], 0);
}

}  // namespace
}  // namespace brolt
