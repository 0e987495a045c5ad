#pragma once
// The main window's one periodic job, every 20 milliseconds: the pulsing marker on the Thresher,
// on the canvas and on the minimap, and the scrolling of the view while arrow keys are held.
#include <array>
#include <cstdint>

#include "editor/model/editor.h"

namespace brolt::editor {

constexpr int kTimerIntervalMs = 20;

// The marker's colours as 0xBBGGRR, dark to light: black, a dark grey, the two grid colours, the
// border colour and white.
std::array<std::int32_t, 6> PulseColors(const Preferences& prefs);

// One tick. While the level roll-down list is open nothing is served.
void TimerTick(Editor& editor);

}  // namespace brolt::editor
