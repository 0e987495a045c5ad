#include "game/main_loop/main_loop.h"

#include <string>

#include "game/core/files/level_collection.h"
#include "game/core/interfaces/clock.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/level/level_clock.h"
#include "game/core/level/level_loading.h"
#include "game/core/level/level_start.h"
#include "game/core/state/game.h"
#include "game/simulation/play_update.h"

namespace brolt {

namespace {

// The screen of the frame: the first flag that holds decides, so help and options pause play.
void DrawState(Game& game) {
  Screens& screens = *game.services.screens;
  const GameFlags& flags = game.flags;
  if (flags.ShowingCredits) {
    screens.ShowCredits();
  } else if (flags.ShowingHelp) {
    screens.DrawHelpScreen();
  } else if (flags.ShowingOptions) {
    screens.DrawOptionsScreen();
  } else if (flags.InMenu) {
    if (flags.ShowingTitle) {
      screens.DrawFadeOverlay(200, 0);
      screens.DrawCreditsBackground();
    } else if (flags.GameEnd) {
      screens.DrawCongratsScreen();
    } else {
      screens.DrawMenuBackground();
      screens.RunMainMenu();
    }
  } else {
    if (game.timing.FramesPerSecond > 0) UpdateGame(game);
    screens.RenderLevel();
    if (game.flags.NameEntry) screens.DrawLevelCompleteScreen();
  }
}

void DrawDebugLine(Game& game, const std::string& text, std::int16_t y) {
  std::int16_t x = 20;
  game.services.drawing->DrawText(text, x, y, 10, 0, 0, 0, 0xFFFFFF);
}

void DrawFrameRates(Game& game) {
  const FrameTiming& timing = game.timing;
  if (!game.startUp.ShowFps) return;
  if (!game.flags.InMenu) DrawDebugLine(game, "FPS: " + std::to_string(timing.FramesPerSecond), 30);
  if (!game.settings.DeveloperMode) return;
  DrawDebugLine(game, "FPS: " + std::to_string(timing.FramesPerSecond), 30);
  DrawDebugLine(game, "FPSD: " + std::to_string(timing.FrameRateNow), 40);
  DrawDebugLine(game, "EL-Q: " + std::to_string(timing.FrameMs), 60);
  DrawDebugLine(game, "EL: " + std::to_string(timing.ElapsedMs), 80);
}

}  // namespace

void StartMainLoop(Game& game) {
  GameFlags& flags = game.flags;
  flags.CurrentLevel = 1;
  flags.QuitRequested = false;
  flags.ShowingTitle = true;
  game.services.screens->InitMenuItems();
  flags.InMenu = true;
  if (!flags.CommandLine.empty()) {
    flags.PreviewMusic = true;
    LoadLevel(game, 1);
    flags.LevelMusic = 1;
    if (flags.PreviewMusic) game.services.music->StartLevelMusic();
    flags.InMenu = false;
  }
  game.collection.LevelCount = CountCollectionLevels(game, "");
  game.timing.CounterFrequency = game.clock().PerformanceFrequency();
}

void StartLevelAtOnce(Game& game, int level) {
  game.flags.ShowingTitle = false;
  game.flags.CurrentLevel = static_cast<std::int16_t>(level);
  // The list's launch ends in its return phase, so that the level's end brings its title back to
  // the list rather than launching another.
  game.menu.LaunchPhase = 1;
  StartLevel(game);
}

bool RunFrame(Game& game, FrameHost& host) {
  GameFlags& flags = game.flags;
  FrameTiming& timing = game.timing;
  Music& music = *game.services.music;

  host.ProcessWindowMessages();
  game.services.screens->PollKeyboard();
  host.BeginScene();
  AdvanceFrameRate(timing, game.clock());
  AdvanceTicks(timing);
  DrawState(game);
  timing.ClockText = MakeClockText(timing.LevelMinutes, timing.LevelSeconds, timing.LevelMs);
  DrawFrameRates(game);
  if (!HelpOrOptionsShown(flags) && flags.Dead && !flags.InMenu && timing.TimeLeft >= -1)
    game.services.screens->DrawFailureMessage();
  music.UpdateMusic();
  host.EndScene();
  AdvanceLevelClock(game);
  if (flags.LevelMusic == 0) music.FadeInMenuMusic();
  else music.FadeInGameMusic();
  EaseLightRadius(game);
  music.PlayQueuedSounds();
  return !flags.QuitRequested;
}

}  // namespace brolt
