#include "game/presentation/menus/level_list.h"

#include <algorithm>
#include <string>

#include "game/core/files/level_collection.h"
#include "game/core/level/level_start.h"
#include "game/core/state/game.h"
#include "game/presentation/menus/menu_drawing.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

constexpr const char* kNoData = "no data";
constexpr std::int16_t kTitleSize = 19;
constexpr std::int32_t kLaunchedShrink = 5;
constexpr std::int16_t kSettledColour = 205;
constexpr int kRowsAbove = 4;
constexpr int kRows = 9;

enum LevelOpenState { Closed = 0, Open = 1 };

bool Fires(const Game& game, int key) { return game.keys.KeyDown[static_cast<std::size_t>(key)] == 1; }

void MoveBy(Game& game, int levels) {
  std::int16_t& current = game.flags.CurrentLevel;
  current = static_cast<std::int16_t>(std::clamp<int>(current + levels, 1, std::max(game.collection.LevelCount, 1)));
  QueueSound(game, MENU_MOVE, -1, -1);
}

void HandleKeys(Game& game) {
  std::int16_t& current = game.flags.CurrentLevel;
  const std::int32_t count = game.collection.LevelCount;
  if (Fires(game, scan::Down) && current < count) MoveBy(game, 1);
  if (Fires(game, scan::Up) && current > 1) MoveBy(game, -1);
  if (Fires(game, scan::PageDown) && current < count) MoveBy(game, 9);
  if (Fires(game, scan::PageUp) && current > 1) MoveBy(game, -9);
  if (Fires(game, scan::Home)) current = 1;
  if (Fires(game, scan::End)) current = static_cast<std::int16_t>(std::max(count, 1));
}

std::uint32_t TitleColour(const Game& game, const std::string& title, int state, bool highlighted) {
  if (game.menu.AllLevelsOpen) return Rgb(255, 100, 0);
  if (title == kNoData || state == Closed) return highlighted ? Rgb(50, 50, 250) : Rgb(50, 50, 200);
  if (state == Open) return highlighted ? Rgb(0, 255, 0) : Rgb(0, 205, 0);
  return highlighted ? kWhiteText : Rgb(205, 205, 205);
}

// The launched title fades to black as it shrinks; the finished one grows back and brightens.
void AnimateLaunchedTitle(Game& game) {
  MenuState& menu = game.menu;
  const bool tick = game.timing.Tick30 == 0;
  if (menu.LaunchPhase == 1) {
    if (tick) menu.MenuLevelColour = static_cast<std::int16_t>(menu.MenuLevelColour + 2);
    if (menu.LaunchShrink > 0) --menu.LaunchShrink;
    if (menu.MenuLevelColour >= kSettledColour) menu.LaunchLevel = 0;
  } else {
    if (tick) menu.MenuLevelColour = static_cast<std::int16_t>(menu.MenuLevelColour - 30);
    if (menu.LaunchShrink < kLaunchedShrink) ++menu.LaunchShrink;
    if (menu.MenuLevelColour <= 0) menu.MenuLevelColour = 0;
  }
}

void DrawRow(Game& game, RenderDevice& device, int level, std::int16_t y) {
  const MenuState& menu = game.menu;
  const bool highlighted = level == game.flags.CurrentLevel;
  const std::string title = ReadLevelName(game, level);
  const int state = IsLevelSolved(game, level);
  if (highlighted) {
    DrawListHighlight(device, y);
    DrawMenuText(game, ReadBestTimeHolder(game, level), 0, 20, 15, 0, Rgb(205, 205, 205));
    DrawMenuText(game, ReadBestTime(game, level), 0, 35, 15, 2, Rgb(205, 205, 205));
  }
  if (level == menu.LaunchLevel) {
    const auto part = static_cast<std::uint32_t>(std::clamp<int>(menu.MenuLevelColour, 0, 255));
    DrawMenuText(game, title, 0, y, static_cast<std::int16_t>(kTitleSize - menu.LaunchShrink), 0,
                 Rgb(part, part, part));
    AnimateLaunchedTitle(game);
  } else {
    const std::int16_t sizeWave = highlighted || menu.AllLevelsOpen ? 2 : 0;
    DrawMenuText(game, title, 0, y, kTitleSize, sizeWave, TitleColour(game, title, state, highlighted));
  }
  DrawMenuText(game, std::to_string(level), 10, y, 15, 0, highlighted ? kWhiteText : Rgb(155, 155, 155));
}

// The level the player just finished hands the highlight on to the next one once its title has
// begun to brighten.
void AdvanceAfterFinish(Game& game) {
  MenuState& menu = game.menu;
  if (!menu.AdvanceAfterFinish || menu.MenuLevelColour <= 10) return;
  if (game.flags.CurrentLevel < game.collection.LevelCount) ++game.flags.CurrentLevel;
  menu.AdvanceAfterFinish = false;
  QueueSound(game, MENU_MOVE, -1, -1);
}

// The launched title has shrunk away: the level starts when it may be played.
void FinishLaunch(Game& game) {
  MenuState& menu = game.menu;
  if (menu.LaunchShrink != kLaunchedShrink || menu.LaunchLevel == 0 || menu.LaunchPhase != 0) return;
  menu.LaunchLevel = 0;
  menu.LaunchPhase = 1;
  menu.LaunchShrink = 0;
  const bool playable = game.level.LevelTitle != kNoData && IsLevelSolved(game, game.flags.CurrentLevel) != Closed;
  if (playable || menu.AllLevelsOpen) StartLevel(game);
  else QueueSound(game, MENU_NA, -1, -1);
}

}  // namespace

void ChooseListedLevel(Game& game) {
  MenuState& menu = game.menu;
  menu.LaunchPhase = 0;
  menu.LaunchLevel = game.flags.CurrentLevel;
  menu.MenuLevelColour = kSettledColour;
}

void DropPendingLaunch(Game& game) {
  MenuState& menu = game.menu;
  if (menu.LaunchPhase != 0) return;
  menu.LaunchLevel = 0;
  menu.LaunchShrink = 0;
}

void DrawLevelList(Game& game, RenderDevice& device) {
  HandleKeys(game);
  for (int k = 0; k < kRows; ++k) {
    const int level = game.flags.CurrentLevel - kRowsAbove + k;
    if (level < 1 || level > game.collection.LevelCount) continue;
    DrawRow(game, device, level, static_cast<std::int16_t>(81 + 40 * k));
  }
  AdvanceAfterFinish(game);
  game.level.LevelTitle = ReadLevelName(game, game.flags.CurrentLevel);
  DrawMenuHints(game, "Use {UP} and {DOWN} to scroll the levels", "Press {escape} to go back to the main menu");
  FinishLaunch(game);
}

}  // namespace brolt
