#pragma once
// Plays a level of a collection from a key script through the game's own frame, keyboard poll and
// rules, without drawing: the way recorded solutions prove that a level can be finished.
#include <SDL2/SDL.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/core/files/level_collection.h"
#include "game/core/interfaces/window_keys.h"
#include "game/core/level/level_loading.h"
#include "game/core/level/lighting.h"
#include "game/core/level/object_defs.h"
#include "game/core/state/game.h"
#include "game/core/view/view_setup.h"
#include "game/main_loop/main_loop.h"
#include "game/main_loop/test_hooks.h"
#include "game/platform/sdl_keyboard.h"
#include "game/presentation/screens/keyboard_input.h"
#include "support/recording_drawing.h"
#include "support/recording_services.h"

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

// Presses and releases the scripted keys at their frames, in the game's scan codes, the way the
// game's window hands them on: a key that went down in the frame counts as pressed even when it is
// released in the same frame, and a release also reaches the window's key-up handler, which ends a
// push and frees the switches.
class ScriptedHost : public FrameHost {
 public:
  ScriptedHost(Game& game, std::vector<ScriptedKey> keys, FixedFrameClock& clock)
      : game_(game), keys_(std::move(keys)), clock_(clock) {}
  void ProcessWindowMessages() override {
    for (std::uint8_t& key : held) key &= static_cast<std::uint8_t>(~KeyWentDown);
    while (next_ < keys_.size() && keys_[next_].frame <= frame) {
      const ScriptedKey& key = keys_[next_++];
      const int code = GameScanCode(SDL_GetScancodeFromName(key.key.c_str()));
      if (code > 0) {
        std::uint8_t& read = held[static_cast<std::size_t>(code)];
        read = key.down ? KeyHeld | KeyWentDown : read & static_cast<std::uint8_t>(~KeyHeld);
      }
      // The key-up handler reads no key code during play.
      if (!key.down) Form_KeyUp(game_, 0);
    }
  }
  void BeginScene() override {}
  void EndScene() override {
    ++frame;
    clock_.NextFrame();
  }
  // A key event after every one given so far.
  void Add(ScriptedKey key) { keys_.push_back(std::move(key)); }
  const std::vector<ScriptedKey>& Keys() const { return keys_; }

  HeldKeyTable held{};
  std::int64_t frame = 0;

 private:
  Game& game_;
  std::vector<ScriptedKey> keys_;
  std::size_t next_ = 0;
  FixedFrameClock& clock_;
};

// One level of a collection in `levelsFolder`, loaded and played frame by frame at `gameSpeed`,
// 16 ms a frame and a fixed random seed, so that the same keys always give the same game. Keys
// come from a script given at the start, or are pressed and released between frames.
class LevelSession {
 public:
  LevelSession(const std::filesystem::path& levelsFolder, const std::string& collection, int level,
               std::vector<ScriptedKey> keys = {}, int gameSpeed = 6)
      : host_(game, std::move(keys), clock_), screens_(game, host_.held) {
    game.services = {&random_, &clock_, &drawing_, &screens_, &music_, nullptr};
    game.paths.LevelsPath = levelsFolder;
    game.LevelList.Open(levelsFolder, {".lvl", ".clvl"});
    game.LevelList.Select(collection);
    game.settings.GameSpeed = gameSpeed;
    BuildObjectDefs(game);
    BuildLightTable(game);
    InitCamera(game);
    game.timing.CounterFrequency = clock_.PerformanceFrequency();
    game.collection.LevelCount = CountCollectionLevels(game, "");
    game.flags.CurrentLevel = static_cast<std::int16_t>(level);
    game.flags.InMenu = false;
    LoadLevel(game, level);
  }
  LevelSession(const LevelSession&) = delete;
  LevelSession& operator=(const LevelSession&) = delete;

  // The key goes down (or up) before the next frame.
  void Press(const std::string& key) { host_.Add({host_.frame, true, key}); }
  void Release(const std::string& key) { host_.Add({host_.frame, false, key}); }
  void PlayFrame() { RunFrame(game, host_); }

  // Frames played so far.
  std::int64_t Frames() const { return host_.frame; }
  // The Thresher has left through an exit.
  bool Completed() const { return game.flags.NameEntry; }
  const std::vector<ScriptedKey>& Keys() const { return host_.Keys(); }

  Game game;

 private:
  SeededRandom random_{1};
  FixedFrameClock clock_{16};
  ScriptedHost host_;
  KeyboardOnlyScreens screens_;
  RecordingMusic music_;
  RecordingDrawing drawing_;
};

struct ReplayResult {
  bool completed = false;  // the Thresher left through an exit
  bool dead = false;
  std::int64_t frames = 0;
  std::string clock;
};

// Plays level `level` of the collection `collection` in `levelsFolder` at `gameSpeed` until the
// level is complete or `frameLimit` frames have passed.
inline ReplayResult ReplayLevel(const std::filesystem::path& levelsFolder, const std::string& collection, int level,
                                const std::vector<ScriptedKey>& keys, int gameSpeed = 6,
                                std::int64_t frameLimit = 60 * 60 * 10) {
  LevelSession session(levelsFolder, collection, level, keys, gameSpeed);
  while (session.Frames() < frameLimit && !session.Completed()) session.PlayFrame();
  ReplayResult result;
  result.completed = session.Completed();
  result.dead = session.game.flags.Dead;
  result.frames = session.Frames();
  result.clock = session.game.timing.ClockText;
  return result;
}

}  // namespace brolt::testing
