#include "game/platform/sdl_keyboard.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "game/core/state/game.h"
#include "game/presentation/screens/keyboard_input.h"

namespace brolt {
namespace {

TEST(SdlKeyboard, TheKeysTheGameUsesKeepTheirNumbers) {
  const std::pair<SDL_Scancode, int> keys[] = {
      {SDL_SCANCODE_ESCAPE, scan::Escape}, {SDL_SCANCODE_RETURN, scan::Enter},   {SDL_SCANCODE_LCTRL, scan::LeftCtrl},
      {SDL_SCANCODE_LSHIFT, scan::LeftShift}, {SDL_SCANCODE_SPACE, scan::Space}, {SDL_SCANCODE_F1, scan::F1},
      {SDL_SCANCODE_F4, scan::F4},         {SDL_SCANCODE_F11, scan::F11},       {SDL_SCANCODE_F12, scan::F12},
      {SDL_SCANCODE_HOME, scan::Home},     {SDL_SCANCODE_UP, scan::Up},         {SDL_SCANCODE_PAGEUP, scan::PageUp},
      {SDL_SCANCODE_LEFT, scan::Left},     {SDL_SCANCODE_RIGHT, scan::Right},   {SDL_SCANCODE_END, scan::End},
      {SDL_SCANCODE_DOWN, scan::Down},     {SDL_SCANCODE_PAGEDOWN, scan::PageDown},
      {SDL_SCANCODE_INSERT, scan::Insert}, {SDL_SCANCODE_DELETE, scan::Delete},
      {SDL_SCANCODE_BACKSPACE, scan::Backspace},
  };
  for (const auto& [sdl, game] : keys) EXPECT_EQ(GameScanCode(sdl), game) << SDL_GetScancodeName(sdl);
  EXPECT_EQ(GameScanCode(SDL_SCANCODE_F13), 0);
  EXPECT_EQ(GameScanCode(-1), 0);
}

TEST(SdlKeyboard, HeldKeysAndKeysThatWentDownMapToTheGamesScanCodes) {
  std::vector<std::uint8_t> sdlHeld(SDL_NUM_SCANCODES, 0);
  std::vector<std::uint8_t> sdlWentDown(SDL_NUM_SCANCODES, 0);
  sdlHeld[SDL_SCANCODE_UP] = 1;
  sdlHeld[SDL_SCANCODE_A] = 1;
  sdlWentDown[SDL_SCANCODE_A] = 1;
  sdlWentDown[SDL_SCANCODE_RETURN] = 1;  // tapped between two reads
  HeldKeyTable held{};
  MapHeldKeys(sdlHeld, sdlWentDown, held);
  EXPECT_EQ(held[scan::Up], KeyHeld);
  EXPECT_EQ(held[30], KeyHeld | KeyWentDown);  // A
  EXPECT_EQ(held[scan::Enter], KeyWentDown);
  int marked = 0;
  for (std::uint8_t key : held) marked += key ? 1 : 0;
  EXPECT_EQ(marked, 3);
}

TEST(SdlKeyboard, WindowKeyEventsTypeTheNameAndReleaseThePush) {
  Game game;
  game.flags.NameEntry = true;
  game.player.PushFrames = 4;
  auto key = [](WindowEvent::Kind kind, SDL_Keycode code, bool repeat = false) {
    return WindowEvent{kind, 0, code, repeat};
  };
  using Kind = WindowEvent::Kind;
  DeliverWindowKeys(game, {key(Kind::KeyDown, SDLK_a), key(Kind::KeyDown, SDLK_1),
                           key(Kind::KeyDown, SDLK_a, true), key(Kind::KeyDown, SDLK_BACKSPACE),
                           key(Kind::KeyDown, SDLK_z), key(Kind::KeyDown, SDLK_F1), key(Kind::KeyDown, SDLK_0),
                           key(Kind::KeyDown, SDLK_9)});
  EXPECT_EQ(game.collection.PlayerName, "A1Z09");
  EXPECT_EQ(game.player.PushFrames, 4);
  DeliverWindowKeys(game, {key(Kind::KeyUp, SDLK_z)});
  EXPECT_EQ(game.player.PushFrames, 0);
}

}  // namespace
}  // namespace brolt
