#include "game/presentation/menus/title_options.h"

#include <algorithm>

#include "game/core/state/game.h"
#include "game/presentation/menus/menu_drawing.h"
#include "game/presentation/menus/option_sliders.h"
#include "game/presentation/sound/music_fades.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

enum OptionRow : std::int16_t { SoundRow = 0, MusicRow = 1, SpeedRow = 2 };

constexpr std::int16_t kVolumeStep = 5;
constexpr std::int32_t kSlowestSpeed = 5;
constexpr std::int32_t kFastestSpeed = 9;

bool Fires(const Game& game, int key) { return game.keys.KeyDown[static_cast<std::size_t>(key)] == 1; }

// Right and Left step a value within its range, with a click for every step taken.
template <typename Value>
void StepWithKeys(Game& game, Value& value, Value step, Value low, Value high) {
  if (Fires(game, scan::Right) && value < high) {
    value = static_cast<Value>(std::min<int>(value + step, high));
    QueueSound(game, MENU_MOVE, -1, -1);
  }
  if (Fires(game, scan::Left) && value > low) {
    value = static_cast<Value>(std::max<int>(value - step, low));
    QueueSound(game, MENU_MOVE, -1, -1);
  }
}

}  // namespace

void RunOptionsPage(Game& game) {
  GameSettings& settings = game.settings;
  const std::int16_t selected = game.menu.MenuPages[OptionsPage].Selected;
  const auto colour = [selected](std::int16_t row) {
    return row == selected ? kWhiteText : Rgb(255, 200, 100);
  };
  DrawSlider(game, 320, 140, 20, 0, 100, settings.SoundVolume, colour(SoundRow));
  DrawSlider(game, 320, 240, 20, 0, 100, settings.MusicVolume, colour(MusicRow));
  DrawSlider(game, 320, 340, 20, kSlowestSpeed, kFastestSpeed, settings.GameSpeed, colour(SpeedRow));
  DrawGameSpeedLabel(game);
  switch (selected) {
    case SoundRow:
      StepWithKeys<std::int16_t>(game, settings.SoundVolume, kVolumeStep, 0, 100);
      break;
    case MusicRow:
      StepWithKeys<std::int16_t>(game, settings.MusicVolume, kVolumeStep, 0, 100);
      ApplyMusicLevel(game);
      break;
    case SpeedRow:
      StepWithKeys<std::int32_t>(game, settings.GameSpeed, 1, kSlowestSpeed, kFastestSpeed);
      break;
    default:
      break;
  }
  DrawMenuHints(game, "Use {LEFT} and {RIGHT} to change values", "Press {escape} to go back to the main menu");
}

}  // namespace brolt
