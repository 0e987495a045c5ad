#include "editor/model/tools/line_tool.h"

#include <cstdlib>

#include "common/numeric.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/tools/brush_painting.h"
#include "editor/model/tools/selection_marks.h"

namespace brolt::editor {

namespace {

bool LineDragging(const Editor& editor) {
  return editor.tools.CurrentTool == kLineTool && editor.selection.ToolDragActive;
}

CellPosition LineStart(const Editor& editor) { return {editor.preview.LineStartX, editor.preview.LineStartY}; }
CellPosition LineEnd(const Editor& editor) { return {editor.preview.LineEndX, editor.preview.LineEndY}; }

// A unique tile or a line that never left its cell paints the start cell alone.
bool PaintsStartCellOnly(const Editor& editor, int code) {
  return IsUniqueTile(editor, code) || LineStart(editor) == LineEnd(editor);
}

// The cells the line will paint, for the button held during the drag.
std::vector<CellPosition> PreviewCells(const Editor& editor) {
  const int button = editor.input.MouseState;
  const int code = button == 1 ? editor.tools.PrimaryTile : button == 2 ? editor.tools.SecondaryTile : 0;
  if (PaintsStartCellOnly(editor, code)) return {LineStart(editor)};
  const CellPosition start = LineStart(editor);
  const CellPosition end = LineEnd(editor);
  return LineCells(start.x, start.y, end.x, end.y);
}

void PaintStartCell(Editor& editor, bool secondary) {
  const CellPosition start = LineStart(editor);
  const PaintingTile paint = ButtonTile(editor.tools, secondary);
  if (!MayPaintOver(editor, start.x, start.y, paint.code)) return;
  PlaceTile(editor, start.x, start.y, true, secondary);
  if (!IsErasing(editor)) {
    // The one cell is always painted: the saturation may not skip it.
    MapCell& cell = editor.level.Cell(start.x, start.y);
    cell.TileCode = static_cast<std::int16_t>(paint.code);
    cell.Direction = static_cast<std::int16_t>(paint.direction);
    editor.ui.canvas->RedrawCell(start.x, start.y);
  }
  RecordUndo(editor);
}

}  // namespace

std::vector<CellPosition> LineCells(int sx, int sy, int ex, int ey) {
  const int dx = ex - sx;
  const int dy = ey - sy;
  const bool horizontal = std::abs(dx) > std::abs(dy);
  const int length = horizontal ? dx : dy;
  const float slope = length == 0 ? 0.0f : static_cast<float>(horizontal ? dy : dx) / static_cast<float>(length);
  const int step = length >= 0 ? 1 : -1;
  std::vector<CellPosition> cells;
  for (int i = 0; i != length + step; i += step) {
    const auto across = static_cast<int>(RoundHalfEven(static_cast<float>(horizontal ? sy : sx) + static_cast<float>(i) * slope));
    cells.push_back(horizontal ? CellPosition{sx + i, across} : CellPosition{across, sy + i});
  }
  return cells;
}

void BeginLineTool(Editor& editor) {
  if (editor.tools.CurrentTool != kLineTool) return;
  editor.selection.ToolDragActive = true;
  const CellPosition start = PointerCell(editor);
  editor.preview.LineStartX = static_cast<std::int16_t>(start.x);
  editor.preview.LineStartY = static_cast<std::int16_t>(start.y);
  DragLineTool(editor);
}

void DragLineTool(Editor& editor) {
  if (!LineDragging(editor)) return;
  const CellPosition end = PointerCell(editor);
  editor.preview.LineEndX = static_cast<std::int16_t>(end.x);
  editor.preview.LineEndY = static_cast<std::int16_t>(end.y);
  ClearSelection(editor, false);
  for (const CellPosition cell : PreviewCells(editor)) {
    if (!IsLevelCell(cell.x, cell.y)) continue;
    editor.level.Cell(cell.x, cell.y).Selected = true;
    editor.preview.Marker(cell.x, cell.y) = true;
  }
  editor.ui.canvas->RedrawSelection();
}

void ApplyLineTool(Editor& editor, bool secondary) {
  if (!LineDragging(editor)) return;
  const int code = ButtonTile(editor.tools, secondary).code;
  ClearSelection(editor, false);
  if (PaintsStartCellOnly(editor, code)) {
    PaintStartCell(editor, secondary);
    return;
  }
  const CellPosition start = LineStart(editor);
  const CellPosition end = LineEnd(editor);
  for (const CellPosition cell : LineCells(start.x, start.y, end.x, end.y)) {
    if (MayPaintOver(editor, cell.x, cell.y, code)) PlaceTile(editor, cell.x, cell.y, true, secondary);
  }
  RecordUndo(editor);
}

bool CancelLineDrag(Editor& editor) {
  const CellPosition pressed = PointerCell(editor);
  if (!LineDragging(editor) || !IsLevelCell(pressed.x, pressed.y) || !editor.preview.Marker(pressed.x, pressed.y)) {
    return false;
  }
  editor.selection.ToolDragActive = false;
  ClearSelection(editor, false);
  editor.input.MouseState = 0;
  return true;
}

}  // namespace brolt::editor
