#include "editor/model/window/brush_outline.h"

#include "common/numeric.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/tools/brush_size.h"

namespace brolt::editor {

namespace {

bool SameBox(const CellBox& a, const CellBox& b) {
  return a.Visible == b.Visible && a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

// One axis: the first visible cell, the viewport's length in pixels, the pointer's position.
void HoldToView(const ViewState& view, int firstCell, int viewportPixels, std::int16_t& mouse) {
  const double tile = view.TileSize;
  const double viewStart = firstCell * tile;
  if (SnapToGrid(view, mouse) <= viewStart) mouse = RoundToInt16(viewStart);
  const double viewEnd = viewStart + SnapToGrid(view, viewportPixels);
  if (SnapToGrid(view, mouse) >= viewEnd) mouse = RoundToInt16(viewEnd - 1);
  // One pixel early, so the last pixel of column 48 already counts as column 49.
  if (mouse >= view.LevelExtent - tile - 1) mouse = RoundToInt16(SnapToGrid(view, view.LevelExtent - tile));
}

CellBox RowBand(int top, int bottom) {
  return CellBox{0, static_cast<std::int16_t>(top), kLevelSize - 1, static_cast<std::int16_t>(bottom), true};
}

CellBox ColumnBand(int left, int right) {
  return CellBox{static_cast<std::int16_t>(left), 0, static_cast<std::int16_t>(right), kLevelSize - 1, true};
}

}  // namespace

void SetBoundries(Editor& editor) {
  const ViewState& view = editor.view;
  HoldToView(view, view.ViewX, view.ViewportWidth, editor.input.MouseX);
  HoldToView(view, view.ViewY, view.ViewportHeight, editor.input.MouseY);
}

void MoveBrush(Editor& editor) {
  CanvasPreview& preview = editor.preview;
  const CellBox before[] = {preview.BrushOutline, preview.GuideRow, preview.GuideColumn};
  const int tool = editor.tools.CurrentTool;
  if (tool == kSelectorTool) {
    preview.BrushOutline.Visible = false;
    preview.GuideRow.Visible = false;
    preview.GuideColumn.Visible = false;
  } else {
    const CellPosition pointer = PointerCell(editor);
    // Always from the current size, so a new brush size shows before the pointer changes cell.
    CellBox square = BrushSquareAround(editor.tools, pointer.x, pointer.y);
    square.Visible = tool == kBrushTool ? editor.input.MouseIsDown : preview.BrushOutline.Visible;
    preview.BrushOutline = square;
    if (tool == kBrushTool || tool == kPreviewStartTool) {
      preview.GuideRow = RowBand(square.Top, square.Bottom);
      preview.GuideColumn = ColumnBand(square.Left, square.Right);
    } else {
      preview.GuideRow = RowBand(pointer.y, pointer.y);
      preview.GuideColumn = ColumnBand(pointer.x, pointer.x);
    }
  }
  if (!SameBox(before[0], preview.BrushOutline) || !SameBox(before[1], preview.GuideRow) ||
      !SameBox(before[2], preview.GuideColumn)) {
    editor.ui.canvas->RedrawOverlays();
  }
}

}  // namespace brolt::editor
