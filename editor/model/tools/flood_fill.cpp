#include "editor/model/tools/flood_fill.h"

#include <vector>

#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/pointer_cells.h"
#include "editor/model/tools/brush_painting.h"

namespace brolt::editor {

namespace {

// Paints the marked cells column by column, so a unique tile ends on the last one.
void PaintMarkedCells(Editor& editor, const CellMarks& marks, bool secondary) {
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      if (marks[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]) PlaceTile(editor, x, y, true, secondary);
    }
  }
}

CellMarks SelectedCells(const Editor& editor) {
  CellMarks marks{};
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      marks[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = editor.level.Cell(x, y).Selected;
    }
  }
  return marks;
}

}  // namespace

CellMarks FindFillRegion(const LevelMap& map, int seedX, int seedY) {
  CellMarks marks{};
  if (!IsLevelCell(seedX, seedY)) return marks;
  const auto tile = [&map](int x, int y) { return map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)].TileCode; };
  const auto mark = [&marks](int x, int y) -> bool& { return marks[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; };
  const int target = tile(seedX, seedY);
  std::vector<CellPosition> pending;
  pending.reserve(kLevelSize * kLevelSize);
  pending.push_back({seedX, seedY});
  mark(seedX, seedY) = true;
  constexpr CellPosition kNeighbours[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  while (!pending.empty()) {
    const CellPosition cell = pending.back();
    pending.pop_back();
    for (const CellPosition step : kNeighbours) {
      const int x = cell.x + step.x;
      const int y = cell.y + step.y;
      if (!IsLevelCell(x, y) || mark(x, y) || tile(x, y) != target) continue;
      mark(x, y) = true;
      pending.push_back({x, y});
    }
  }
  return marks;
}

void FillArea(Editor& editor, bool secondary, bool selectionMode) {
  BusyPointer busy(editor);
  const CellPosition seed = PointerCell(editor);
  const bool seedSelected = IsLevelCell(seed.x, seed.y) && editor.level.Cell(seed.x, seed.y).Selected;
  const CellMarks marks =
      selectionMode || seedSelected ? SelectedCells(editor) : FindFillRegion(editor.level.Map, seed.x, seed.y);
  PaintMarkedCells(editor, marks, secondary);
}

}  // namespace brolt::editor
