#include "game/simulation/level_completion.h"

#include <string>

#include "common/file_io.h"
#include "common/numeric.h"
#include "game/core/interfaces/player_messages.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/level/cell_construction.h"
#include "game/core/level/goal_counts.h"
#include "game/core/level/level_loading.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

// The menu's colour of the finished level's title as it returns to the list.
constexpr std::int16_t kReturningTitleColour = 100;
// Taken off the size of the finished level's title, which then grows back in the list.
constexpr std::int32_t kReturningTitleShrink = 5;

// A collection that cannot be written (a full disk, a read-only folder) costs the player the
// record, not the game; he is told what was lost, once for each write that failed.
template <typename Write>
void WriteProgress(Game& game, const char* what, Write write) {
  try {
    write();
  } catch (const FileError& error) {
    game.services.messages->Tell(std::string("Could not save ") + what + " in '" + game.LevelList.SelectedName() +
                                 "': " + error.what());
  }
}

// Opens the first closed level after `level`, up to the collection's last level. Emptied level
// spaces are passed over.
void OpenNextClosedLevel(Game& game, int level) {
  const int last = CountCollectionLevels(game, {});
  for (int next = level + 1; next <= last; ++next) {
    if (IsLevelHolder(game, next) || IsLevelSolved(game, next) != 0) continue;
    SetLevelSolvedMark(game, next, '1');
    return;
  }
}

void MarkSolved(Game& game) {
  const int level = game.flags.CurrentLevel;
  const bool firstTime = IsLevelSolved(game, level) == 1;
  SetLevelSolvedMark(game, level, '2');
  if (firstTime) OpenNextClosedLevel(game, level);
}

// The field and the first margin row and column.
constexpr GridBounds kScan = FieldScanBounds();

bool HoldsThresher(const LevelGrid& grid) {
  for (int y = kScan.MinY; y <= kScan.MaxY; ++y)
    for (int x = kScan.MinX; x <= kScan.MaxX; ++x)
      if (grid(x, y).Type == ObjThresher) return true;
  return false;
}

GridPoint PlayerCell(const Game& game) {
  return {static_cast<int>(RoundHalfEven(game.level.PlayerX)), static_cast<int>(RoundHalfEven(game.level.PlayerY))};
}

// The Thresher leaves his cell for the exit portal he is stepping into, which keeps its portal.
void StepIntoExit(Game& game) {
  LevelState& level = game.level;
  const GridPoint from = PlayerCell(game);
  const LevelCell& player = level.Grid(from.x, from.y);
  const auto exitX = static_cast<float>(RoundHalfEven(level.PlayerX + player.DirX));
  const auto exitY = static_cast<float>(RoundHalfEven(level.PlayerY + player.DirY));
  level.Grid.Set(from.x, from.y, MakeCell(game, ObjEmpty));
  level.PlayerX = exitX;
  level.PlayerY = exitY;
}

}  // namespace

void CompleteLevel(Game& game) {
  if (!game.flags.CommandLine.empty()) {
    // Preview play ends at the exit.
    game.flags.QuitRequested = true;
    return;
  }
  WriteProgress(game, "the progress", [&game] { MarkSolved(game); });
  game.flags.LevelMusic = 0;
  if (game.services.music) game.services.music->RewindMenuMusic();
  QueueSound(game, EXIT_LEVEL, -1, -1);
  game.flags.NameEntry = true;
  StepIntoExit(game);
  game.collection.PlayerName.clear();
}

void FinishLevel(Game& game) {
  GameFlags& flags = game.flags;
  MenuState& menu = game.menu;
  WriteProgress(game, "the best time", [&game] { SaveBestTime(game, game.flags.CurrentLevel); });
  menu.LaunchLevel = flags.CurrentLevel;
  if (flags.CurrentLevel >= game.collection.LevelCount) flags.GameEnd = true;
  menu.AdvanceAfterFinish = true;
  menu.MenuLevelColour = kReturningTitleColour;
  flags.InMenu = true;
  menu.LaunchShrink = kReturningTitleShrink;
  flags.NameEntry = false;
  game.keys.KeyPressed[scan::Enter] = 0;
}

void SaveCheckpoint(Game& game, GridPoint item, GridPoint stand) {
  LevelState& level = game.level;
  CheckpointState& checkpoint = game.checkpoint;
  const FrameTiming& timing = game.timing;
  const PlayerState& player = game.player;

  level.CheckpointGrid = level.Grid;
  checkpoint.LevelMinutes = timing.LevelMinutes;
  checkpoint.LevelSeconds = timing.LevelSeconds;
  checkpoint.LevelMs = timing.LevelMs;
  checkpoint.TimeLeft = timing.TimeLeft;
  checkpoint.UnidsNeeded = level.UnidsNeeded;
  checkpoint.FreezeTime = player.FreezeTime;
  checkpoint.ShieldTime = player.ShieldTime;
  checkpoint.Bombs = player.Bombs;
  checkpoint.Shots = player.Shots;

  // The snapshot shows the move that takes the power-up as done.
  const GridPoint from = PlayerCell(game);
  level.CheckpointGrid.Set(from.x, from.y, MakeCell(game, ObjEmpty));
  level.CheckpointGrid.Set(item.x, item.y, MakeCell(game, ObjEmpty));
  level.CheckpointGrid.Set(stand.x, stand.y, MakeCell(game, ObjThresher));
  // About two seconds of the "saved" notice.
  checkpoint.SavedNoticeFrames = SaturatingAdd16(0, 2 * timing.FrameRateNow);
}

void RestoreCheckpoint(Game& game) {
  LevelState& level = game.level;
  if (!HoldsThresher(level.CheckpointGrid)) {
    LoadLevel(game, game.flags.CurrentLevel);
    return;
  }
  const CheckpointState& checkpoint = game.checkpoint;
  level.Grid = level.CheckpointGrid;
  game.player.ShieldTime = checkpoint.ShieldTime;
  game.player.Bombs = checkpoint.Bombs;
  game.player.Shots = checkpoint.Shots;
  level.UnidsNeeded = checkpoint.UnidsNeeded;
  game.player.FreezeTime = checkpoint.FreezeTime;
  game.timing.LevelMinutes = checkpoint.LevelMinutes;
  game.timing.LevelSeconds = checkpoint.LevelSeconds;
  game.timing.LevelMs = checkpoint.LevelMs;
  game.timing.TimeLeft = checkpoint.TimeLeft;

  // Every Thresher of the snapshot starts at rest; the last one found is the player.
  for (int y = kScan.MinY; y <= kScan.MaxY; ++y) {
    for (int x = kScan.MinX; x <= kScan.MaxX; ++x) {
      if (level.CheckpointGrid(x, y).Type != ObjThresher) continue;
      level.Grid.Set(x, y, MakeCell(game, ObjThresher));
      level.PlayerX = static_cast<float>(x);
      level.PlayerY = static_cast<float>(y);
      game.flags.Dead = false;
      game.explosions.ShieldEnabled = true;
    }
  }
  // The attempt starts afresh: no reason for a failure yet, what is left to win counted on the
  // restored grid rather than the failed one, and no swing of the failed attempt to wait for (a
  // swing kept in the snapshot ends within the get-ready second).
  game.flags.FailReason = 0;
  CountGoals(game);
  game.devices.DoorsSwinging = false;
  ResetTickCounters(game.timing, game.clock());
}

}  // namespace brolt
