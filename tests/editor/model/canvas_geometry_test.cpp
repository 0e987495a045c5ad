#include "editor/model/canvas_geometry.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

TEST(CanvasGeometry, PixelsBecomeCellsRoundingDownAndSnapToTheCellsEdge) {
  struct Case {
    float zoom;
    double pixel;
    int cell;
    float snapped;
  };
  // A pixel left of the level lies in cell -1, and a far-off pixel saturates instead of overflowing.
  for (const Case& c : {Case{20, 19.9, 0, 0}, Case{20, 20, 1, 20}, Case{20, -0.5, -1, -20}, Case{1, 49.5, 49, 49},
                        Case{7, 1e12, 1000000000, 7e9f}}) {
    ViewState view;
    view.TileSize = c.zoom;
    EXPECT_EQ(PixelToTile(view, c.pixel), c.cell) << c.zoom << " " << c.pixel;
    EXPECT_FLOAT_EQ(SnapToGrid(view, c.pixel), c.snapped) << c.zoom << " " << c.pixel;
  }
}

}  // namespace
}  // namespace brolt::editor
