#include "game/presentation/screens/options_screen.h"

#include <algorithm>
#include <string>

#include "common/numeric.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/level/object_defs.h"
#include "game/core/state/frame_timing.h"
#include "game/core/state/game.h"
#include "game/presentation/menus/option_sliders.h"
#include "game/presentation/sound/music_fades.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

enum OptionLine : std::int16_t { kSoundLine = 0, kMusicLine = 1, kSpeedLine = 2 };
constexpr std::int16_t kVolumeStep = 5;
constexpr std::int16_t kMaxVolume = 100;
constexpr std::int32_t kMinGameSpeed = 5, kMaxGameSpeed = 9;

void Text(Game& game, const std::string& text, std::int16_t x, std::int16_t y, std::int16_t size, std::int16_t sizeWave,
          std::uint32_t colour) {
  game.services.drawing->DrawText(text, x, y, size, 0, 0, sizeWave, colour);
}

void DrawItems(Game& game, const MenuPage& page) {
  for (int i = 0; i < kMenuItemCount; ++i) {
    const MenuItem& item = page.Items[static_cast<std::size_t>(i)];
    if (item.Caption.empty()) continue;
    const std::int16_t x = RoundToInt16(item.X), y = RoundToInt16(item.Y);
    if (i != page.Selected) Text(game, item.Caption, x, y, 35, 0, kOrangeText);
    else if (i == kSpeedLine) Text(game, item.Caption, x, y, 37, 0, kOrangeText);
    else Text(game, item.Caption, x, y, 37, 5, kWhiteText);
  }
}

void DrawSliders(Game& game, std::int16_t selected) {
  const GameSettings& settings = game.settings;
  auto colour = [&](std::int16_t line) { return line == selected ? kWhiteText : kOrangeText; };
  DrawSlider(game, 320, 140, 20, 0, kMaxVolume, settings.SoundVolume, colour(kSoundLine));
  DrawSlider(game, 320, 240, 20, 0, kMaxVolume, settings.MusicVolume, colour(kMusicLine));
  DrawSlider(game, 320, 340, 20, kMinGameSpeed, kMaxGameSpeed, settings.GameSpeed, kOrangeText);
}

void ChooseLine(Game& game, MenuPage& page) {
  const auto& keyDown = game.keys.KeyDown;
  if (keyDown[scan::Up] == 1 && page.Selected > 0) {
    --page.Selected;
    QueueSound(game, MENU_MOVE, -1, -1);
  }
  const auto next = static_cast<std::size_t>(page.Selected + 1);
  if (keyDown[scan::Down] == 1 && next < page.Items.size() && !page.Items[next].Caption.empty()) {
    ++page.Selected;
    QueueSound(game, MENU_MOVE, -1, -1);
  }
}

void StepVolume(Game& game, std::int16_t& volume) {
  const auto& keyDown = game.keys.KeyDown;
  if (keyDown[scan::Right] == 1 && volume < kMaxVolume) {
    volume = std::min<std::int16_t>(static_cast<std::int16_t>(volume + kVolumeStep), kMaxVolume);
    QueueSound(game, MENU_MOVE, -1, -1);
  }
  if (keyDown[scan::Left] == 1 && volume >= 1) {
    volume = std::max<std::int16_t>(static_cast<std::int16_t>(volume - kVolumeStep), 0);
    QueueSound(game, MENU_MOVE, -1, -1);
  }
}

}  // namespace

void DrawOptionsScreen(Game& game) {
  MenuPage& page = game.menu.MenuPages[OptionsPage];
  game.services.screens->DrawMenuBackground();
  Text(game, "paused", 0, 20, 30, 2, kOrangeText);
  DrawItems(game, page);
  DrawSliders(game, page.Selected);
  ChooseLine(game, page);
  if (page.Selected == kSoundLine) {
    StepVolume(game, game.settings.SoundVolume);
  } else if (page.Selected == kMusicLine) {
    StepVolume(game, game.settings.MusicVolume);
    ApplyMusicLevel(game);
  }
  DrawGameSpeedLabel(game);
  Text(game, "Use .LEFT. and .RIGHT. to change values", 0, 450, 10, 0, kLightBlueText);
  Text(game, "Press .escape. to go back to the game", 0, 465, 10, 0, kLightBlueText);
  if (game.keys.KeyPressed[scan::Escape] == 1) {
    BuildObjectDefs(game);
    game.flags.ShowingOptions = false;
    ResetTickCounters(game.timing, game.clock());
  }
}

}  // namespace brolt
