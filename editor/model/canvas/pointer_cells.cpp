#include "editor/model/canvas/pointer_cells.h"

#include <algorithm>

#include "common/numeric.h"
#include "editor/model/canvas/canvas_geometry.h"

namespace brolt::editor {

namespace {

// The drag start is stored as whole pixels; half a cell in keeps its cell at any zoom.
int DragStartCell(const Editor& editor, int startPixel) {
  return PixelToTile(editor.view, static_cast<float>(startPixel) + editor.view.TileSize / 2);
}

int PointerCellOnePixelOn(const Editor& editor, int pixel) {
  return std::clamp(PixelToTile(editor.view, static_cast<float>(pixel + 1)), 0, kLevelSize - 1);
}

}  // namespace

CellPosition PointerCell(const Editor& editor) {
  return {PixelToTile(editor.view, editor.input.MouseX), PixelToTile(editor.view, editor.input.MouseY)};
}

void StartDragAtPointer(Editor& editor) {
  editor.selection.DragStartX = RoundToInt16(SnapToGrid(editor.view, editor.input.MouseX));
  editor.selection.DragStartY = RoundToInt16(SnapToGrid(editor.view, editor.input.MouseY));
}

CellBox DragBox(const Editor& editor) {
  const int startX = DragStartCell(editor, editor.selection.DragStartX);
  const int startY = DragStartCell(editor, editor.selection.DragStartY);
  const int endX = PointerCellOnePixelOn(editor, editor.input.MouseX);
  const int endY = PointerCellOnePixelOn(editor, editor.input.MouseY);
  return CellBox{static_cast<std::int16_t>(std::min(startX, endX)), static_cast<std::int16_t>(std::min(startY, endY)),
                 static_cast<std::int16_t>(std::max(startX, endX)), static_cast<std::int16_t>(std::max(startY, endY)),
                 true};
}

}  // namespace brolt::editor
