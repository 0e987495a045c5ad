#pragma once
// Plays a level of a collection from a key script through the game's own frame, keyboard poll and
// rules, without drawing: the way recorded solutions prove that a level can be finished.
#include <SDL2/SDL.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/app/main_loop.h"
#include "game/app/test_hooks.h"
#include "game/core/game.h"
#include "game/core/level_collection.h"
#include "game/core/level_loading.h"
#include "game/core/lighting.h"
#include "game/core/object_defs.h"
#include "game/core/view_setup.h"
#include "game/platform/sdl_keyboard.h"
#include "game/presentation/keyboard_input.h"
#include "support/recording_drawing.h"
#include "support/recording_music.h"

namespace brolt::testing {

// Screens that only poll the keyboard: the rules run, nothing is drawn.
class KeyboardOnlyScreens : public Screens {
 public:
  KeyboardOnlyScreens(Game& game, const HeldKeyTable& held) : game_(game), held_(held) {}
  void InitKeyboard() override {}
  void PollKeyboard() override { brolt::PollKeyboard(game_, held_); }
  void InitMenuItems() override {}
  void InitRenderDefaults() override {}
  void RunMainMenu() override {}
  void ShowCredits() override {}
  void DrawHelpScreen() override {}
  void DrawOptionsScreen() override {}
  void DrawFadeOverlay(std::int16_t, std::int16_t) override {}
  void DrawCreditsBackground() override {}
  void DrawMenuBackground() override {}
  void DrawCongratsScreen() override {}
  void RenderLevel() override {}
  void DrawLevelCompleteScreen() override {}
  void DrawFailureMessage() override {}

 private:
  Game& game_;
  const HeldKeyTable& held_;
};

// Presses and releases the scripted keys at their frames, in the game's scan codes.
class ScriptedHost : public FrameHost {
 public:
  ScriptedHost(std::vector<ScriptedKey> keys, FixedFrameClock& clock) : keys_(std::move(keys)), clock_(clock) {}
  void ProcessWindowMessages() override {
    while (next_ < keys_.size() && keys_[next_].frame <= frame) {
      const ScriptedKey& key = keys_[next_++];
      const int code = GameScanCode(SDL_GetScancodeFromName(key.key.c_str()));
      if (code > 0) held[static_cast<std::size_t>(code)] = key.down ? 1 : 0;
    }
  }
  void BeginScene() override {}
  void EndScene() override {
    ++frame;
    clock_.NextFrame();
  }

  HeldKeyTable held{};
  std::int64_t frame = 0;

 private:
  std::vector<ScriptedKey> keys_;
  std::size_t next_ = 0;
  FixedFrameClock& clock_;
};

struct ReplayResult {
  bool completed = false;  // the Thresher left through an exit
  bool dead = false;
  std::int64_t frames = 0;
  std::string clock;
};

// Plays level `level` of the collection `collection` in `levelsFolder` at `gameSpeed` and 60 frames a
// second until the level is complete or `frameLimit` frames have passed.
inline ReplayResult ReplayLevel(const std::filesystem::path& levelsFolder, const std::string& collection, int level,
                                const std::vector<ScriptedKey>& keys, int gameSpeed = 6,
                                std::int64_t frameLimit = 60 * 60 * 10) {
  Game game;
  SeededRandom random(1);
  FixedFrameClock clock(16);
  ScriptedHost host(keys, clock);
  KeyboardOnlyScreens screens(game, host.held);
  RecordingMusic music;
  RecordingDrawing drawing;
  game.services = {&random, &clock, &drawing, &screens, &music, nullptr};
  game.paths.LevelsPath = levelsFolder;
  game.LevelList.Open(levelsFolder, {".lvl", ".clvl"});
  game.LevelList.Select(collection);
  game.settings.GameSpeed = gameSpeed;
  BuildObjectDefs(game);
  BuildLightTable(game);
  InitCamera(game);
  game.timing.CounterFrequency = clock.PerformanceFrequency();
  game.collection.LevelCount = CountCollectionLevels(game, "");
  game.flags.CurrentLevel = static_cast<std::int16_t>(level);
  game.flags.InMenu = false;
  LoadLevel(game, level);
  ReplayResult result;
  while (host.frame < frameLimit && !game.flags.NameEntry) RunFrame(game, host);
  result.completed = game.flags.NameEntry;
  result.dead = game.flags.Dead;
  result.frames = host.frame;
  result.clock = game.timing.ClockText;
  return result;
}

}  // namespace brolt::testing
