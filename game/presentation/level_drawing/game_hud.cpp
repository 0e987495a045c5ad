#include "game/presentation/level_drawing/game_hud.h"

#include <algorithm>
#include <string>

#include "common/numeric.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/state/game.h"
#include "game/presentation/text/screen_colours.h"

namespace brolt {

namespace {

constexpr int kDied = -1, kNoPortals = 1, kUnidsDestroyed = 2;
constexpr std::int32_t kTimeLimitLabelRest = 410;
// The time read-out grows by this much per second below eleven.
constexpr int kHurryGrowth = 3;

void Text(Game& game, const std::string& text, std::int16_t x, std::int16_t y, std::int16_t size, std::int16_t wave,
          std::int16_t sizeWave, std::uint32_t colour) {
  game.services.drawing->DrawText(text, x, y, size, 0, wave, sizeWave, colour);
}

// The failure lines with the first reason found, unless one is known already.
void FailWith(Game& game, int reason) {
  if (game.flags.FailReason == 0) game.flags.FailReason = reason;
  DrawFailureMessage(game);
}

// The unid icon in the level's third colour (blue given first, as the quad's vertex colour wants
// it), and the number still needed: green when none are, and given as blue when too few are left
// to win.
void DrawUnidCount(Game& game) {
  const LevelState& level = game.level;
  const auto& table = level.ColourTable;
  game.services.drawing->DrawQuad(8, 40, 440, 1, 1, 0, 30, TexGems, Rgb(table[11], table[10], table[9]));
  if (level.PortalCount == 0 && game.timing.TimeLeft >= -1) FailWith(game, kNoPortals);
  const std::string needed = std::to_string(level.UnidsNeeded);
  if (level.UnidsNeeded > level.UnidCount) {
    Text(game, needed, 75, 440, 20, 0, 5, Rgb(50, 50, 255));
    if (game.timing.TimeLeft >= -1) FailWith(game, kUnidsDestroyed);
  } else if (level.UnidsNeeded > 0) {
    Text(game, needed, 75, 440, 20, 0, 0, kWhiteText);
  } else if (level.UnidsNeeded == 0) {
    Text(game, needed, 75, 440, 20, 0, 5, Rgb(50, 255, 50));
  }
}

void DrawTimeLeft(Game& game) {
  const std::int16_t timeLeft = game.timing.TimeLeft;
  if (timeLeft > 0) {
    const int growth = timeLeft < 11 ? kHurryGrowth * (10 - timeLeft) : 0;
    if (!game.flags.NameEntry) {
      Text(game, std::to_string(timeLeft), 570, 440, static_cast<std::int16_t>(20 + growth), 0, 2, kWhiteText);
      DrawTimeLimitHud(game);
    }
  } else if (timeLeft == -2) {
    Text(game, "Time is up", 0, 200, 30, 0, 2, kWhiteText);
    DrawFailureMessage(game);
  }
}

void AdvanceIconFrame(Game& game) {
  std::int16_t& frame = game.overlay.HudIconFrame;
  if (frame < 1) frame = 1;
  if (game.timing.Tick15 == 0) frame = static_cast<std::int16_t>(frame % 8 + 1);
}

void DrawPowerUps(Game& game) {
  struct Held {
    std::int16_t count;
    std::int16_t x;
    std::int16_t row;
  };
  const PlayerState& player = game.player;
  const Held held[] = {{player.FreezeTime, 40, 2}, {player.ShieldTime, 100, 1}, {player.Shots, 160, 3},
                       {player.Bombs, 220, 4}};
  for (const Held& power : held) {
    if (power.count <= 0) continue;
    game.services.drawing->DrawQuad(8, power.x, 10, game.overlay.HudIconFrame, power.row, 0, 15, TexPowerups,
                                    kWhiteText);
    Text(game, std::to_string(power.count), static_cast<std::int16_t>(power.x + 15), 10, 10, 0, 0, kWhiteText);
  }
}

void DrawSavedNotice(Game& game) {
  std::int16_t& frames = game.checkpoint.SavedNoticeFrames;
  if (frames <= 0) return;
  --frames;
  Text(game, "saved", 0, 280, 25, 0, 5, Rgb(255, 200, 150));
}

}  // namespace

void DrawGameHud(Game& game) {
  const FrameTiming& timing = game.timing;
  if (timing.GetReadyCount < timing.GetReadyTarget && !game.flags.Dead)
    Text(game, "Get Ready", 0, 0, 30, 0, 2, kWhiteText);
  if (!game.flags.NameEntry) {
    DrawUnidCount(game);
    Text(game, timing.ClockText, 500, 10, 10, 0, 0, kWhiteText);
  }
  DrawTimeLeft(game);
  AdvanceIconFrame(game);
  if (!game.flags.NameEntry) DrawPowerUps(game);
  DrawSavedNotice(game);
}

void DrawTimeLimitHud(Game& game) {
  const FrameTiming& timing = game.timing;
  if (timing.FrameRateNow < 1 || timing.TimeLeft < 0) return;
  const LevelState& level = game.level;
  if (level.UnidsNeeded == 0 && level.PortalCount >= 1)
    Text(game, "Exit portals are now open", 0, 30, 10, 0, 2, kWhiteText);
  std::int32_t& labelY = game.overlay.TimeLimitLabelY;
  if (labelY < kTimeLimitLabelRest)
    labelY = std::min(labelY + RoundToInt32(100.0 / timing.FrameRateNow), kTimeLimitLabelRest);
  if (timing.TimeLeft < 11) {
    const auto wave = static_cast<std::int16_t>(10 - timing.TimeLeft);
    Text(game, "HURRY", 525, static_cast<std::int16_t>(labelY - 20), 20, wave, 0, kWhiteText);
  }
  PlayerState& player = game.player;
  if (player.TimeBonusTimer > 0) {
    Text(game, "+" + std::to_string(player.TimeBonusAmount), RoundToInt16(525 - 2.0 * player.TimeBonusTimer), 440, 15,
         0, 0, kWhiteText);
    player.TimeBonusTimer -= 20.0f / static_cast<float>(timing.FrameRateNow);
  }
  Text(game, "Time Limit", 520, static_cast<std::int16_t>(labelY), 12, 0, 0, kWhiteText);
}

void DrawFailureMessage(Game& game) {
  GameFlags& flags = game.flags;
  if (flags.Dead) flags.FailReason = kDied;
  const char* reason = flags.FailReason == kDied            ? "haha, you died"
                       : flags.FailReason == kNoPortals      ? "there are no exit portals left"
                       : flags.FailReason == kUnidsDestroyed ? "some of the unids got destroyed"
                                                             : nullptr;
  if (reason) Text(game, reason, 0, 420, 10, 1, 0, kWhiteText);
  Text(game, "this level cannot be completed now", 0, 440, 10, 1, 0, kWhiteText);
  Text(game, "press enter to restart", 0, 460, 10, 1, 0, kWhiteText);
}

}  // namespace brolt
