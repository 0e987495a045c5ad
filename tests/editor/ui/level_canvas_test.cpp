#include "editor/ui/level_canvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include "editor/model/canvas_redraw.h"
#include "editor/model/minimap.h"
#include "editor/model/minimap_palette.h"
#include "editor/model/zoom.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/support/widget_events.h"
#include "editor/ui/mini_level.h"
#include "editor/ui/qt_colors.h"
#include "editor/ui/view_scroll_bar.h"

namespace brolt::editor {
namespace {

const QColor kDark(0, 0, 200);
const QColor kLight(250, 250, 0);

struct CanvasFixture : ::testing::Test {
  CanvasFixture() : pictures(testing::SyntheticTileset()), canvas(editor, pictures), miniLevel(editor) {
    testing::FillSyntheticCatalogue(editor.tiles);
    editor.prefs.GridDark = "0,0,200";
    editor.prefs.GridLight = "250,250,0";
    editor.prefs.ShowGrid = true;
    editor.ui.canvas = &canvas;
    canvas.AttachMiniLevel(&miniLevel);
    canvas.resize(600, 400);
    canvas.show();
  }
  QImage Grab(int zoom) {
    SetZoom(editor, zoom);
    return canvas.grab().toImage();
  }
  Editor editor;
  TilesetPictures pictures;
  LevelCanvas canvas;
  MiniLevel miniLevel;
};

TEST_F(CanvasFixture, AtZoom20TheGridHasDarkLinesEvery20PixelsWithLightDotsAtTheCrossings) {
  const QImage image = Grab(20);
  testing::SavePicture(image, "level_canvas_zoom20_grid");
  for (const int p : {0, 20, 40, 300, 580}) {
    EXPECT_EQ(image.pixelColor(p, 10), kDark) << p;
    EXPECT_EQ(image.pixelColor(10, p % 380), kDark) << p;
    EXPECT_EQ(image.pixelColor(p, 20), kLight) << p;
  }
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(21, 10), QColor(Qt::black));
}

TEST_F(CanvasFixture, ARepaintedCellShowsItsNewTileOnTheMinimapToo) {
  for (const int code : {7, 0}) {
    editor.level.Cell(4, 6).TileCode = static_cast<std::int16_t>(code);
    canvas.RedrawCell(4, 6);
    EXPECT_EQ(editor.view.MiniLevel[4][6], MiniPaletteColour(code % 16)) << code;
  }
}

TEST_F(CanvasFixture, ACellShowsItsTurnedPictureInsideTheGridLines) {
  editor.level.Cell(3, 4) = MapCell{10, 3, 0, false};  // column 2, row 2 of the picture, facing down
  const QImage image = Grab(20);
  const QColor picture = testing::SyntheticTileColour(2, 2, 3);
  for (const QPoint& inside : {QPoint(61, 81), QPoint(79, 99), QPoint(70, 90)})
    EXPECT_EQ(image.pixelColor(inside), picture) << inside.x() << "," << inside.y();
  for (const QPoint& grid : {QPoint(60, 85), QPoint(80, 85), QPoint(65, 80), QPoint(65, 100)})
    EXPECT_EQ(image.pixelColor(grid), kDark) << grid.x() << "," << grid.y();
}

TEST_F(CanvasFixture, TheViewStartsAtItsOriginCell) {
  editor.level.Cell(3, 4) = MapCell{10, 1, 0, false};
  editor.view.ViewX = 2;
  editor.view.ViewY = 1;
  const QImage image = Grab(20);
  EXPECT_EQ(image.pixelColor(21, 61), testing::SyntheticTileColour(2, 2, 1));
  EXPECT_EQ(image.pixelColor(20, 61), kDark);
}

TEST_F(CanvasFixture, WithoutTheGridTheLinesAreBlackAndBeyondTheLevelIsTheViewportsGrey) {
  editor.prefs.ShowGrid = false;
  const QImage image = Grab(10);
  EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(500, 5), QColor(Qt::black));  // the closing line of the canvas
  EXPECT_EQ(image.pixelColor(501, 5), QColor(64, 64, 64));
}

TEST_F(CanvasFixture, SelectionMarkersOutlineTheirCellsInnerSquare) {
  SetZoom(editor, 20);  // a zoom clears the selection
  editor.level.Cell(1, 1) = MapCell{10, 0, 0, true};
  editor.preview.Marker(1, 1) = true;
  const QImage image = canvas.grab().toImage();
  EXPECT_EQ(image.pixelColor(21, 30), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(39, 30), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(30, 30), testing::SyntheticTileColour(2, 2, 0));
}

TEST_F(CanvasFixture, AtZoom100ACellFarIntoTheLevelIsPaintedWhereTheViewShowsIt) {
  editor.level.Cell(45, 47) = MapCell{64, 2, 0, false};
  editor.view.ScrX.Max = 51;
  editor.view.ScrY.Max = 51;
  editor.view.ViewX = 44;
  editor.view.ViewY = 46;
  const QImage image = Grab(100);
  EXPECT_EQ(editor.view.ViewX, 44);
  EXPECT_EQ(image.pixelColor(101, 101), testing::SyntheticTileColour(8, 8, 2));
  EXPECT_EQ(image.pixelColor(199, 199), testing::SyntheticTileColour(8, 8, 2));
  EXPECT_EQ(image.pixelColor(100, 150), kDark);
}

TEST_F(CanvasFixture, TheBarsFollowTheRulesAndMovingThemScrollsTheView) {
  SetZoom(editor, 20);
  EXPECT_EQ(canvas.ScrX().maximum(), 21);
  EXPECT_EQ(canvas.ScrX().pageStep(), 31);
  EXPECT_EQ(canvas.ScrY().maximum(), 31);
  canvas.ScrX().setValue(7);
  EXPECT_EQ(editor.view.ViewX, 7);
  EXPECT_EQ(editor.view.shpMiniSelect.Left, 21);
}

TEST_F(CanvasFixture, TheMinimapShowsADotPerCellAndTheViewBox) {
  editor.level.Cell(0, 0).TileCode = 15;   // white
  editor.level.Cell(49, 10).TileCode = 12;  // light red
  SetZoom(editor, 20);
  DrawMiniLevel(editor);
  QImage image = miniLevel.grab().toImage();
  testing::SavePicture(Grab(20), "level_canvas_zoom20_minimap_source");
  testing::SavePicture(image, "mini_level");
  EXPECT_EQ(image.size(), QSize(156, 156));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(148, 31), QColor(255, 0, 0));
  // The view box is drawn in the light grid colour.
  const QColor box = ColorFromText(editor.prefs.GridLight);
  EXPECT_EQ(image.pixelColor(0, 0), box);    // the view box's corner
  EXPECT_EQ(image.pixelColor(89, 30), box);  // its right edge: 30 cells
  EXPECT_EQ(image.pixelColor(30, 59), box);  // its bottom edge: 20 cells
  EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::black));
}

}  // namespace
}  // namespace brolt::editor

namespace brolt::editor {
namespace {

TEST_F(CanvasFixture, TheToolsOutlinesAndTheStartMarkerArePaintedOverTheCells) {
  for (int x = 0; x < kLevelSize; ++x)
    for (int y = 0; y < kLevelSize; ++y)
      if ((x * 7 + y * 3) % 5 != 0) editor.level.Cell(x, y) = MapCell{static_cast<std::int16_t>(1 + (x + y) % 64), static_cast<std::int16_t>(x % 5), 0, false};
  SetZoom(editor, 20);
  DrawMiniLevel(editor);
  CanvasPreview& overlays = editor.preview;
  overlays.BrushOutline = CellBox{5, 5, 7, 7, true};
  overlays.SquareOutline = CellBox{15, 2, 20, 5, true};
  overlays.Marquee = CellBox{1, 12, 7, 16, true};
  editor.level.StartMarkerPlaced = true;
  editor.level.StartMarkerX = 12;
  editor.level.StartMarkerY = 2;
  canvas.RedrawOverlays();
  const QImage image = canvas.grab().toImage();
  testing::SavePicture(image, "level_canvas_zoom20_overlays");
  testing::SaveScreenshot(miniLevel, "mini_level_full");
  for (const QPoint& edge : {QPoint(100, 130), QPoint(160, 130), QPoint(130, 100), QPoint(130, 160), QPoint(300, 60),
                             QPoint(420, 60)})
    EXPECT_EQ(image.pixelColor(edge), QColor(Qt::white)) << edge.x() << "," << edge.y();
  EXPECT_GT(qGray(image.pixel(20, 240)), 200);  // the marquee's dashed corner
  // The start marker lets the cell's own picture show through.
  const QColor marker = image.pixelColor(250, 50);
  EXPECT_NE(marker, testing::SyntheticTileColour(7, 2, 0));
  EXPECT_NE(marker, QColor(Qt::black));
}

}  // namespace
}  // namespace brolt::editor
