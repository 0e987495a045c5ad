#pragma once
// Hooks for tests and benchmarks, read from the environment (not for players): answer the start-up
// questions by themselves, or as a test chooses, quit after a number of frames, keep a screenshot of the last frame, feed
// keys from a script, run the clock at a fixed frame length, seed the random source and go straight
// from the start into a level of the chosen collection.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/core/interfaces/clock.h"

namespace brolt {

struct ScriptedKey {
  std::int64_t frame = 0;
  bool down = true;
  // SDL's name of the key's scan code: "Right", "Return", "Escape", "Left Ctrl".
  std::string key;
};

struct TestHooks {
  // BROLT_NO_DIALOGS=1: every question takes its default answer and every message goes to
  // standard error.
  bool noDialogs = false;
  // BROLT_ANSWERS, with BROLT_NO_DIALOGS: the answers to the start-up questions in the order they
  // are asked, words Yes or No; a question beyond them takes the default.
  std::vector<bool> answers;
  std::optional<std::int64_t> quitAfterFrames;  // BROLT_QUIT_AFTER_FRAMES
  std::string screenshot;                       // BROLT_SCREENSHOT
  std::vector<ScriptedKey> keys;                // from the file BROLT_KEY_SCRIPT names
  std::optional<int> fixedFrameMs;              // BROLT_FIXED_FRAME_MS
  std::optional<std::uint64_t> seed;            // BROLT_SEED
  // BROLT_START_LEVEL: the number of a level of the collection the settings choose, played at once
  // as if started from the level list, past the title and the menus.
  std::optional<int> startLevel;

  bool AnySet() const;
};

// Reads the hooks from the environment. Throws std::runtime_error for a key script that can't be
// read or holds a line that is not `<frame> down|up <key name>`, and for answers that are not Yes
// or No.
TestHooks ReadTestHooks();

// The lines of a key script: `<frame> down|up <key>`, blank lines and `#` comments allowed; the key
// name runs to the end of the line. Sorted by frame, keeping the order of lines within a frame.
std::vector<ScriptedKey> ParseKeyScript(const std::string& text);

// A clock that advances a fixed number of milliseconds each frame, so that a run repeats exactly.
class FixedFrameClock : public Clock {
 public:
  explicit FixedFrameClock(int frameMs) : frameMs_(frameMs) {}
  std::int64_t PerformanceCounter() override { return elapsedMs_ * 1000; }
  std::int64_t PerformanceFrequency() override { return 1000000; }
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(elapsedMs_); }
  void NextFrame() { elapsedMs_ += frameMs_; }

 private:
  std::int64_t frameMs_;
  std::int64_t elapsedMs_ = 0;
};

}  // namespace brolt
