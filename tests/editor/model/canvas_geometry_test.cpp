#include "editor/model/canvas_geometry.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

struct PixelCase {
  float zoom;
  double pixel;
  int cell;
  float snapped;
};

TEST(CanvasGeometry, PixelsBecomeCellsRoundingDownAndSnapToTheCellsEdge) {
  for (const PixelCase& c : {PixelCase{20, 19.9, 0, 0}, PixelCase{20, 20, 1, 20}, PixelCase{20, -0.5, -1, -20},
                             PixelCase{20, 39, 1, 20}, PixelCase{20, 1000, 50, 1000}, PixelCase{1, 49.5, 49, 49},
                             PixelCase{100, 4999, 49, 4900}, PixelCase{7, 1e12, 1000000000, 7e9f}}) {
    ViewState view;
    view.TileSize = c.zoom;
    EXPECT_EQ(PixelToTile(view, c.pixel), c.cell) << c.zoom << " " << c.pixel;
    EXPECT_FLOAT_EQ(SnapToGrid(view, c.pixel), c.snapped) << c.zoom << " " << c.pixel;
  }
}

TEST(CanvasGeometry, CellsBecomeTheirLeftOrTopPixel) {
  ViewState view;
  view.TileSize = 20;
  EXPECT_DOUBLE_EQ(TileToPixel(view, 3), 60);
  EXPECT_DOUBLE_EQ(TileToPixel(view, -1), -20);
}

}  // namespace
}  // namespace brolt::editor
