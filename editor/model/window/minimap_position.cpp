#include "editor/model/window/minimap_position.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "editor/model/canvas/mouse_pointer.h"

namespace brolt::editor {

namespace {

constexpr float kMiniCellPixels = 3;

float WholeCells(float pixels) { return std::floor(pixels / kMiniCellPixels); }

// The box's corner for a pointer at `pointer`, clamped so that the box stays on the square minimap.
float BoxCorner(float pointer, float boxSize, float miniWidth) {
  const float corner = WholeCells(pointer) * kMiniCellPixels - WholeCells(boxSize) * kMiniCellPixels / 2;
  return std::clamp(corner, 0.0f, std::max(0.0f, miniWidth - boxSize + 2));
}

}  // namespace

void ShowMiniLevelPos(Editor& editor, float& x, float& y) {
  editor.preview.MinimapPointer = kSizeAllPointer;
  editor.ui.window->SetMinimapPointer(kSizeAllPointer);
  CanvasShape& box = editor.view.shpMiniSelect;
  const float miniWidth = editor.prefs.MiniWidth;
  x = BoxCorner(x, static_cast<float>(box.Width), miniWidth);
  y = BoxCorner(y, static_cast<float>(box.Height), miniWidth);
  box.Left = x;
  box.Top = y;
  editor.ui.canvas->RedrawMiniLevel();
  const auto cellText = [](float pixels) { return std::to_string(static_cast<int>(WholeCells(pixels))); };
  editor.ui.window->ShowStatusText("<Col: " + cellText(x), 1, false, false, kStatusWhite);
  editor.ui.window->ShowStatusText("^Row: " + cellText(y), 2, false, false, kStatusWhite);
}

}  // namespace brolt::editor
