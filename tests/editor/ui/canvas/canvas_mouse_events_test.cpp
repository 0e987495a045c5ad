// The canvas viewport's own mouse events, as the platform delivers them to the main window's canvas:
// which button is held on a press, a drag and a release decides the tile a tool paints.
#include "editor/ui/canvas/canvas_mouse_events.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "editor/model/tools/tool_selection.h"
#include "editor/support/shown_main_window.h"
#include "editor/support/widget_events.h"
#include "editor/ui/canvas/canvas_viewport.h"

namespace brolt::editor {
namespace {

constexpr int kPrimary = 2;
constexpr int kSecondary = 3;
using Cells = std::map<std::pair<int, int>, int>;

Cells PaintedCells(const Editor& editor) {
  Cells painted;
  for (int x = 0; x < kLevelSize; ++x)
    for (int y = 0; y < kLevelSize; ++y)
      if (const int code = editor.level.Cell(x, y).TileCode; code != 0) painted[{x, y}] = code;
  return painted;
}

// Every cell of the list holding the one tile.
Cells Holding(const std::vector<std::pair<int, int>>& cells, int tile) {
  Cells holding;
  for (const auto& cell : cells) holding[cell] = tile;
  return holding;
}

TEST(CanvasMouseEvents, EachToolPaintsTheLeftButtonsPrimaryTileAndTheRightButtonsSecondaryTile) {
  struct Case {
    const char* name;
    int tool;
    std::vector<std::pair<int, int>> drag;  // the press, the cells moved over, the release
    std::vector<std::pair<int, int>> painted;
  };
  const std::vector<Case> cases{
      {"brush", kBrushTool, {{1, 1}, {2, 1}, {3, 2}}, {{1, 1}, {2, 1}, {3, 2}}},
      {"rectangle", kRectangleTool, {{1, 1}, {2, 2}, {3, 3}},
       {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}},
      {"filled rectangle", kFilledRectangleTool, {{1, 1}, {2, 2}, {2, 3}}, {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {2, 3}}},
      {"line", kLineTool, {{1, 1}, {2, 2}, {4, 1}}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
  };
  for (const Case& c : cases) {
    for (const auto& [button, tile] : {std::pair{Qt::LeftButton, kPrimary}, std::pair{Qt::RightButton, kSecondary}}) {
      SCOPED_TRACE(std::string(c.name) + (button == Qt::LeftButton ? ", left button" : ", right button"));
      testing::ShownMainWindow t;
      SelectTool(t.editor, c.tool, kPrimary, false);
      SelectTool(t.editor, c.tool, kSecondary, true);
      QWidget* canvas = &t.window.Canvas().Viewport();
      const auto at = [&](std::pair<int, int> cell) { return t.CellCentre(cell.first, cell.second); };

      testing::Press(canvas, at(c.drag.front()), button);
      for (const auto& cell : c.drag) testing::SendMouse(canvas, QEvent::MouseMove, at(cell), Qt::NoButton, button);
      testing::Release(canvas, at(c.drag.back()), button);
      EXPECT_EQ(PaintedCells(t.editor), Holding(c.painted, tile));
      EXPECT_FALSE(t.editor.input.MouseIsDown) << "the release reached the canvas";
    }
  }
}

}  // namespace
}  // namespace brolt::editor
