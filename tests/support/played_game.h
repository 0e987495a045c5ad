#pragma once
// A game run frame by frame through the real main loop and the game's own screens (the keyboard
// poll, the menus, the level drawing and the overlays), drawn into a recording device, 16 ms a
// frame. Keys go down and up between frames as the window hands them on.
//
//   PlayedGame g;
//   g.t.WriteCollection({EncodeLevelRecord(level)});
//   g.StartAtOnce(1);             // as the start-level hook starts it
//   g.Tap(scan::Escape);          // down for a frame, then up
//   EXPECT_TRUE(g.Shows("play"));  // the main menu drawn in the last frame
#include <algorithm>
#include <string>
#include <vector>

#include "common/level_record.h"
#include "game/core/interfaces/window_keys.h"
#include "game/main_loop/main_loop.h"
#include "game/presentation/screens/game_screens.h"
#include "support/drawing_game.h"
#include "support/recording_render_device.h"
#include "support/recording_services.h"

namespace brolt::testing {

class PlayedGame : private FrameHost {
 public:
  PlayedGame() {
    t.game.services.screens = &screens_;
    t.game.services.music = &music;
  }
  PlayedGame(const PlayedGame&) = delete;
  PlayedGame& operator=(const PlayedGame&) = delete;

  // The game on its title, the selected collection chosen.
  void StartOnTitle() { StartMainLoop(t.game); }
  // Level `level` of the selected collection at once, as the start-level hook starts it.
  void StartAtOnce(int level) {
    StartMainLoop(t.game);
    StartLevelAtOnce(t.game, level);
  }
  // Preview play of the records, written as the editor's preview file: level 1 at once.
  void StartPreview(const std::vector<std::string>& records) {
    t.WriteCollection(records, "previewplay.tmp");
    t.game.flags.CommandLine = "previewplay.tmp";
    StartMainLoop(t.game);
  }

  // One frame; false once the game is to quit after it.
  bool Frame() {
    t.screen.Clear();
    device.quads.clear();
    running = RunFrame(t.game, *this);
    t.clock.Counter += 16000;
    t.clock.Ticks += 16;
    return running;
  }
  void Frames(int n) {
    for (int i = 0; i < n && running; ++i) Frame();
  }

  // The key goes down before the next frame and stays down until released.
  void Press(int key) { held_[Index(key)] = KeyHeld | KeyWentDown; }
  void Release(int key) {
    held_[Index(key)] = 0;
    Form_KeyUp(t.game, 0);
  }
  // Down for one frame, up before the next.
  void Tap(int key) {
    Press(key);
    Frame();
    Release(key);
  }

  // The last frame's drawing of `text`, or nullptr.
  const TextCall* Drawn(const std::string& text) const {
    auto found = std::find_if(t.screen.texts.begin(), t.screen.texts.end(),
                              [&](const TextCall& call) { return call.text == text; });
    return found == t.screen.texts.end() ? nullptr : &*found;
  }
  bool Shows(const std::string& text) const { return Drawn(text) != nullptr; }

  DrawingGame t;
  // What the last frame drew in the world and on the screen.
  RecordingRenderDevice device;
  CallLog log;
  RecordingMusic music{log};
  bool running = true;

 private:
  static std::size_t Index(int key) { return static_cast<std::size_t>(key); }

  // The window: the keys as they are held, a key that went down counting as pressed in one frame.
  void ProcessWindowMessages() override {}
  void BeginScene() override {}
  void EndScene() override {
    for (std::uint8_t& key : held_) key &= static_cast<std::uint8_t>(~KeyWentDown);
  }

  HeldKeyTable held_{};
  GameScreens screens_{t.game, device, held_};
};

}  // namespace brolt::testing
