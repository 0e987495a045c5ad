#include "editor/model/rotate_map_cell.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace brolt::editor {
namespace {

class RecordingCanvas : public CanvasSurface {
 public:
  void RedrawCell(int x, int y) override { redrawn.emplace_back(x, y); }
  std::vector<std::pair<int, int>> redrawn;
};

constexpr int kTurningTile = 3;
constexpr int kFixedTile = 45;

class RotateMapCellTest : public ::testing::Test {
 protected:
  RotateMapCellTest() {
    editor.tiles.TileDefs[kTurningTile].Rotate = true;
    editor.ui.canvas = &canvas;
  }
  MapCell& PutCell(int x, int y, int tile, int direction, bool selected) {
    MapCell& cell = editor.level.Cell(x, y);
    cell = MapCell{static_cast<std::int16_t>(tile), static_cast<std::int16_t>(direction), 0, selected};
    return cell;
  }
  Editor editor;
  RecordingCanvas canvas;
};

struct TurnCase {
  int mode;
  int from;
  int to;
};

TEST_F(RotateMapCellTest, TurnsASelectedTurningTileByItsModeAndRedrawsIt) {
  const TurnCase cases[] = {{kTurnClockwise, 1, 2},        {kTurnClockwise, 4, 1}, {kTurnCounterClockwise, 1, 4},
                            {kTurnCounterClockwise, 3, 2}, {kTurnHalf, 3, 1},      {kTurnHalf, 4, 2},
                            {kTurnHalf, 1, 3},             {1, 2, 2},              {5, 4, 4}};
  for (const TurnCase& c : cases) {
    MapCell& cell = PutCell(7, 49, kTurningTile, c.from, true);
    canvas.redrawn.clear();
    editor.preview.BrushOutline.Visible = true;
    EXPECT_TRUE(RotateMapCell(editor, 7, 49, c.mode));
    EXPECT_EQ(cell.Direction, c.to) << "mode " << c.mode << " from " << c.from;
    EXPECT_EQ(canvas.redrawn, (std::vector<std::pair<int, int>>{{7, 49}}));
    EXPECT_FALSE(editor.preview.BrushOutline.Visible);
  }
}

TEST_F(RotateMapCellTest, LeavesFixedUnselectedAndOutsideCellsAloneWithoutRedrawing) {
  struct Case {
    int x, y, tile;
    bool selected;
  };
  const Case cases[] = {{2, 2, kFixedTile, true}, {2, 2, kTurningTile, false}, {2, 2, 0, true}};
  for (const Case& c : cases) {
    MapCell& cell = PutCell(c.x, c.y, c.tile, 2, c.selected);
    EXPECT_FALSE(RotateMapCell(editor, c.x, c.y, kTurnClockwise));
    EXPECT_EQ(cell.Direction, 2) << c.tile;
  }
  for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{0, kMapSize}, std::pair{kMapSize, 3}})
    EXPECT_FALSE(RotateMapCell(editor, x, y, kTurnHalf));
  EXPECT_TRUE(canvas.redrawn.empty());
}

}  // namespace
}  // namespace brolt::editor
