#pragma once
// The frame's window and device on the platform: window events to the key handlers, the camera,
// clearing and presenting, pacing where the display does not, and the scripted keys of tests.
#include <cstdint>
#include <vector>

#include "game/core/state/keyboard_state.h"
#include "game/main_loop/main_loop.h"
#include "game/main_loop/test_hooks.h"
#include "game/platform/window_events.h"

namespace brolt {

struct Game;
class GlRenderDevice;
class FixedFrameClock;

class SdlFrameHost final : public FrameHost {
 public:
  // `clock` is the fixed-frame clock of a test run, or nullptr for real time.
  SdlFrameHost(Game& game, GlRenderDevice& device, const TestHooks& hooks, FixedFrameClock* clock)
      : game_(game), device_(device), hooks_(hooks), clock_(clock) {}

  void ProcessWindowMessages() override;
  void BeginScene() override;
  void EndScene() override;

  // The keyboard as of the last window events, in the game's scan codes.
  const HeldKeyTable& Held() const { return held_; }
  std::int64_t Frames() const { return frames_; }
  // Whether the window was closed.
  bool Closed() const { return closed_; }

 private:
  void PushScriptedKeys();
  void PaceFrame();

  Game& game_;
  GlRenderDevice& device_;
  const TestHooks& hooks_;
  FixedFrameClock* clock_;
  WindowInput input_;
  std::vector<WindowEvent> events_;
  HeldKeyTable held_{};
  std::size_t nextScriptedKey_ = 0;
  std::int64_t frames_ = 0;
  // The pace of frames where presenting does not wait for the display, in performance-counter
  // ticks: the length of a frame, and when the next frame is due.
  std::uint64_t framePeriod_ = 0;
  std::uint64_t nextFrame_ = 0;
  bool closed_ = false;
};

}  // namespace brolt
