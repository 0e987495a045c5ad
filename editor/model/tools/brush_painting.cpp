#include "editor/model/tools/brush_painting.h"

#include "editor/model/tools/brush_size.h"
#include "editor/model/tools/saturation.h"

namespace brolt::editor {

namespace {

void WritePaintedCell(Editor& editor, int x, int y, PaintingTile paint) {
  MapCell& cell = editor.level.Cell(x, y);
  if (IsErasing(editor)) paint = PaintingTile{};
  cell.TileCode = static_cast<std::int16_t>(paint.code);
  cell.Direction = static_cast<std::int16_t>(paint.direction);
  editor.ui.canvas->RedrawCell(x, y);
}

// The brush square honours Overwrite and the saturation for each of its cells.
void PaintBrushSquare(Editor& editor, int column, int row, PaintingTile paint) {
  const CellBox square = BrushSquareAround(editor.tools, column, row);
  for (int x = square.Left; x <= square.Right; ++x) {
    for (int y = square.Top; y <= square.Bottom; ++y) {
      if (!MayPaintOver(editor, x, y, paint.code)) continue;
      if (!IsErasing(editor) && !RandomChance(editor)) continue;
      WritePaintedCell(editor, x, y, paint);
    }
  }
}

}  // namespace

PaintingTile ButtonTile(const ToolState& tools, bool rightButton) {
  return rightButton ? PaintingTile{tools.SecondaryTile, tools.SecondaryDirection}
                     : PaintingTile{tools.PrimaryTile, tools.PrimaryDirection};
}

bool IsErasing(const Editor& editor) { return editor.input.HeldKey == kSpaceKey; }

bool IsUniqueTile(const Editor& editor, int code) { return code != 0 && editor.tiles[code].Unique; }

bool MayPaintOver(const Editor& editor, int x, int y, int code) {
  if (!IsLevelCell(x, y)) return false;
  return code == 0 || editor.level.Cell(x, y).TileCode == 0 || editor.tools.Overwrite || IsErasing(editor);
}

int RemoveTileCopies(Editor& editor, int code) {
  int removed = 0;
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) {
      MapCell& cell = editor.level.Map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
      if (cell.TileCode != code) continue;
      cell.TileCode = 0;
      ++removed;
      if (IsLevelCell(x, y)) editor.ui.canvas->RedrawCell(x, y);
    }
  }
  return removed;
}

void PlaceTile(Editor& editor, int column, int row, bool oneCell, bool rightButton) {
  CellBox& outline = editor.preview.BrushOutline;
  const bool outlineWasVisible = outline.Visible;
  outline.Visible = false;
  const PaintingTile paint = ButtonTile(editor.tools, rightButton);
  editor.input.LastPaintX = static_cast<std::int16_t>(column);
  editor.input.LastPaintY = static_cast<std::int16_t>(row);

  bool painted = false;
  if (!IsLevelCell(column, row)) {
    // Nothing to paint outside the level.
  } else if (IsUniqueTile(editor, paint.code) && !IsErasing(editor)) {
    // No saturation draw here: the old copy is already gone, so a refused draw would leave the level
    // without the tile.
    RemoveTileCopies(editor, paint.code);
    WritePaintedCell(editor, column, row, paint);
    painted = true;
  } else if (!oneCell) {
    PaintBrushSquare(editor, column, row, paint);
    painted = true;
  } else if (IsErasing(editor) || RandomChance(editor)) {
    WritePaintedCell(editor, column, row, paint);
    painted = true;
  }
  if (painted && editor.tools.CurrentTool == kBrushTool) outline.Visible = true;
  if (outline.Visible != outlineWasVisible) editor.ui.canvas->RedrawOverlays();
}

}  // namespace brolt::editor
