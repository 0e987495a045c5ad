#include "editor/model/tools/rotate_map_cell.h"

namespace brolt::editor {
namespace {

// Directions run 1 up, 2 right, 3 down, 4 left and wrap round.
std::int16_t TurnedDirection(std::int16_t direction, int mode) {
  switch (mode) {
    case kTurnClockwise:
      return direction + 1 > 4 ? 1 : static_cast<std::int16_t>(direction + 1);
    case kTurnCounterClockwise:
      return direction - 1 < 1 ? 4 : static_cast<std::int16_t>(direction - 1);
    case kTurnHalf:
      return direction + 2 > 4 ? static_cast<std::int16_t>(direction - 2) : static_cast<std::int16_t>(direction + 2);
    default:
      return direction;
  }
}

}  // namespace

bool RotateMapCell(Editor& editor, int x, int y, int mode) {
  if (x < 0 || y < 0 || x >= kMapSize || y >= kMapSize) return false;
  MapCell& cell = editor.level.Cell(x, y);
  if (!cell.Selected || !editor.tiles[cell.TileCode].Rotate) return false;
  cell.Direction = TurnedDirection(cell.Direction, mode);
  editor.ui.canvas->RedrawCell(x, y);
  editor.preview.BrushOutline.Visible = false;
  editor.ui.canvas->RedrawOverlays();
  return true;
}

}  // namespace brolt::editor
