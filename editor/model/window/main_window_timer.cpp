#include "editor/model/window/main_window_timer.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "editor/model/canvas/minimap.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/services/colour_scheme.h"

namespace brolt::editor {

namespace {

constexpr std::int16_t kTicksPerColour = 6;  // the colour steps every sixth tick, 120 ms
constexpr std::int16_t kFirstPhase = -4;
constexpr std::int16_t kPhaseEnd = 6;
constexpr std::int32_t kDarkGrey = 50 | 50 << 8 | 50 << 16;
constexpr std::int32_t kWhite = 0xFFFFFF;

struct Cell {
  int x;
  int y;
};

// The smallest column first, then the smallest row.
std::optional<Cell> FirstThresher(const LevelState& level) {
  for (int x = 0; x < kLevelSize; ++x)
    for (int y = 0; y < kLevelSize; ++y)
      if (level.Cell(x, y).TileCode == kThresherTile) return Cell{x, y};
  return std::nullopt;
}

void ServePlayerMarker(Editor& editor, bool colourTick) {
  CanvasPreview& preview = editor.preview;
  const std::optional<Cell> player = FirstThresher(editor.level);
  if (!player) {
    if (!preview.PlayerMarker.Visible) return;
    preview.PlayerMarker.Visible = false;
    editor.ui.canvas->RedrawOverlays();
    return;
  }
  const CellBox marker = OneCellBox(player->x, player->y);
  bool changed = marker.Left != preview.PlayerMarker.Left || marker.Top != preview.PlayerMarker.Top ||
                 !preview.PlayerMarker.Visible;
  preview.PlayerMarker = marker;
  if (colourTick) {
    const std::int32_t colour = PulseColors(editor.prefs)[static_cast<std::size_t>(std::abs(preview.PulsePhase))];
    changed = changed || colour != preview.PlayerMarkerColour;
    preview.PlayerMarkerColour = colour;
    DrawMiniTile(editor, player->x, player->y, 0, colour);
    if (++preview.PulsePhase >= kPhaseEnd) preview.PulsePhase = kFirstPhase;
  }
  if (changed) editor.ui.canvas->RedrawOverlays();
}

// One cell along a bar, held within its range; returns whether the value moved.
bool Step(ScrollBarState& bar, int step) {
  const auto value = static_cast<std::int16_t>(std::clamp(bar.Value + step, 0, static_cast<int>(bar.Max)));
  if (value == bar.Value) return false;
  bar.Value = value;
  return true;
}

void ScrollHeldArrows(Editor& editor) {
  const InputState& input = editor.input;
  ViewState& view = editor.view;
  const auto move = [&editor](ScrollBarState& bar, int step) {
    if (Step(bar, step)) ScrollBarChanged(editor);
  };
  if (input.ScrollUpHeld) move(view.ScrY, -1);
  if (input.ScrollDownHeld) move(view.ScrY, 1);
  if (input.ScrollLeftHeld) move(view.ScrX, -1);
  if (input.ScrollRightHeld) move(view.ScrX, 1);
}

}  // namespace

std::array<std::int32_t, 6> PulseColors(const Preferences& prefs) {
  return {0, kDarkGrey, ColorTextToRgbValue(prefs.GridDark), ColorTextToRgbValue(prefs.GridLight),
          ColorTextToRgbValue(prefs.BorderColor), kWhite};
}

void TimerTick(Editor& editor) {
  CanvasPreview& preview = editor.preview;
  if (++preview.TimerTick >= kTicksPerColour) preview.TimerTick = 0;
  if (editor.ui.window->LevelDropDownShown()) return;
  ServePlayerMarker(editor, preview.TimerTick == 0);
  ScrollHeldArrows(editor);
}

}  // namespace brolt::editor
