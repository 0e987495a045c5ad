#pragma once
// The canvas input state that the main window sets and the tools read.
#include <cstdint>

namespace brolt::editor {

constexpr std::int16_t kCtrlKey = 17;
constexpr std::int16_t kSpaceKey = 32;
constexpr std::int16_t kPickKey = 83;  // S: pick the tile under the mouse

struct InputState {
  std::int16_t MouseX = 0;      // canvas pixels, clamped to the level
  std::int16_t MouseY = 0;
  std::int16_t MouseState = 0;  // 1 or 2 while a button is down; -1 or -2 after release
  bool ShiftAtPress = false;
  bool MouseIsDown = false;
  std::int16_t HeldKey = 0;     // 17 Ctrl, 32 Space, 83 S; -1 in paste mode
  std::int16_t LastPaintX = -1;
  std::int16_t LastPaintY = -1;
  // Arrow keys held down: the main window's timer scrolls the view one cell a tick each way.
  bool ScrollUpHeld = false;
  bool ScrollDownHeld = false;
  bool ScrollLeftHeld = false;
  bool ScrollRightHeld = false;

  // Page Up or Page Down is stepping to another level: it pauses twice before the level is open.
  bool SteppingLevels = false;

  std::int16_t MiniMouseButton = 0;  // the button pressed on the minimap, 0 once released there

  void ReleaseArrowKeys() { ScrollUpHeld = ScrollDownHeld = ScrollLeftHeld = ScrollRightHeld = false; }
  bool StrokeOpen = false;  // a brush stroke or fill began at the press; its release records the undo step
};

}  // namespace brolt::editor
