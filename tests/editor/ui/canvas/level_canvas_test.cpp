// The canvas's own painting, grabbed from the widget. Its scroll bars and the minimap are checked in
// the real window after every step of the designer sequence.
#include "editor/ui/canvas/level_canvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include "editor/model/canvas/mouse_pointer.h"
#include "editor/model/canvas/zoom.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/main_window/view_scroll_bar.h"

namespace brolt::editor {
namespace {

const QColor kDark(0, 0, 200);
const QColor kLight(250, 250, 0);
const QColor kBlack(Qt::black);
const QColor kWhite(Qt::white);
using Pixels = std::vector<std::pair<QPoint, QColor>>;

struct CanvasFixture : ::testing::Test {
  CanvasFixture() : pictures(testing::SyntheticTileset()), canvas(editor, pictures) {
    testing::FillSyntheticCatalogue(editor.tiles);
    editor.prefs.GridDark = "0,0,200";
    editor.prefs.GridLight = "250,250,0";
    editor.prefs.ShowGrid = true;
    editor.ui.canvas = &canvas;
    canvas.resize(600, 400);
    canvas.show();
  }
  void ExpectPixels(const QImage& image, const Pixels& pixels, const std::string& name) {
    for (const auto& [at, colour] : pixels)
      EXPECT_EQ(image.pixelColor(at), colour) << name << " at " << at.x() << "," << at.y();
  }
  Editor editor;
  TilesetPictures pictures;
  LevelCanvas canvas;
};

TEST_F(CanvasFixture, CellsAndGridLinesArePaintedWhereTheViewAndZoomPutThem) {
  const QColor turned = testing::SyntheticTileColour(2, 2, 3);
  const QColor far = testing::SyntheticTileColour(8, 8, 2);
  struct Case {
    std::string name;
    QPoint cell;
    MapCell tile;
    QPoint view;
    bool grid;
    int zoom;
    Pixels pixels;
  };
  const std::vector<Case> cases{
      {"dark lines every 20 pixels, light dots at the crossings", {0, 0}, {}, {0, 0}, true, 20,
       {{{20, 10}, kDark}, {{580, 10}, kDark}, {{10, 40}, kDark}, {{10, 300}, kDark}, {{20, 20}, kLight},
        {{300, 20}, kLight}, {{10, 10}, kBlack}, {{21, 10}, kBlack}}},
      {"a turned picture inside its grid lines", {3, 4}, {10, 3, 0, false}, {0, 0}, true, 20,
       {{{61, 81}, turned}, {{79, 99}, turned}, {{60, 85}, kDark}, {{80, 85}, kDark}, {{65, 80}, kDark},
        {{65, 100}, kDark}}},
      {"the view starts at its origin cell", {3, 4}, {10, 1, 0, false}, {2, 1}, true, 20,
       {{{21, 61}, testing::SyntheticTileColour(2, 2, 1)}, {{20, 61}, kDark}}},
      {"without the grid black lines, beyond the level the viewport's grey", {0, 0}, {}, {0, 0}, false, 10,
       {{{10, 5}, kBlack}, {{500, 5}, kBlack}, {{501, 5}, QColor(64, 64, 64)}}},
      {"a picture met before at another zoom fills its cell at this one", {1, 1}, {10, 3, 0, false}, {0, 0}, true, 40,
       {{{41, 41}, turned}, {{79, 79}, turned}}},
      {"at zoom 100 a cell far into the level", {45, 47}, {64, 2, 0, false}, {44, 46}, true, 100,
       {{{101, 101}, far}, {{199, 199}, far}, {{100, 150}, kDark}}},
  };
  for (const Case& c : cases) {
    editor.level = LevelState{};
    editor.level.Cell(c.cell.x(), c.cell.y()) = c.tile;
    editor.view = ViewState{};
    editor.view.ScrX.Max = editor.view.ScrY.Max = 51;
    editor.view.ViewX = c.view.x();
    editor.view.ViewY = c.view.y();
    editor.prefs.ShowGrid = c.grid;
    SetZoom(editor, c.zoom);
    ExpectPixels(canvas.grab().toImage(), c.pixels, c.name);
  }
}

TEST_F(CanvasFixture, SelectionToolOutlinesAndTheStartMarkerArePaintedOverTheCells) {
  SetZoom(editor, 20);  // a zoom clears the selection
  editor.level.Cell(1, 1) = MapCell{10, 0, 0, true};
  editor.level.Cell(12, 2) = MapCell{15, 0, 0, false};
  editor.preview.Marker(1, 1) = true;
  editor.preview.BrushOutline = CellBox{5, 5, 7, 7, true};
  editor.preview.SquareOutline = CellBox{15, 2, 20, 5, true};
  editor.preview.Marquee = CellBox{1, 12, 7, 16, true};
  editor.level.StartMarkerPlaced = true;
  editor.level.StartMarkerX = 12;
  editor.level.StartMarkerY = 2;
  // The brush's guide bands, a row and a column, in the border colour.
  editor.prefs.BorderColor = "200,0,0";
  editor.preview.GuideRow = CellBox{0, 10, 0, 10, true};
  editor.preview.GuideColumn = CellBox{22, 0, 22, 0, true};
  canvas.RedrawOverlays();
  const QImage image = canvas.grab().toImage();
  // The selection marker outlines its cell's inner square; the outlines run along the cells' edges,
  // the marquee's in dashes with the grid between them.
  ExpectPixels(image,
               {{{21, 30}, kWhite}, {{39, 30}, kWhite}, {{30, 30}, testing::SyntheticTileColour(2, 2, 0)},
                {{100, 130}, kWhite}, {{160, 130}, kWhite}, {{130, 100}, kWhite}, {{130, 160}, kWhite},
                {{300, 60}, kWhite}, {{420, 60}, kWhite}, {{22, 240}, kWhite}, {{25, 240}, kDark}},
               "outlines");
  ExpectPixels(image, {{{500, 200}, QColor(200, 0, 0)}, {{500, 220}, QColor(200, 0, 0)}, {{440, 380}, QColor(200, 0, 0)}},
               "guide bands");
  // The start marker lets the cell's own picture show through.
  const QColor marker = image.pixelColor(250, 50);
  EXPECT_NE(marker, testing::SyntheticTileColour(7, 2, 0));
  EXPECT_NE(marker, kBlack);
}

// The pointer the tools ask for is the one the designer sees over the cells.
TEST_F(CanvasFixture, ThePointerOverTheCellsIsTheOneTheToolsAskFor) {
  const std::pair<int, Qt::CursorShape> cases[] = {
      {kCrossPointer, Qt::CrossCursor},    {kSizeAllPointer, Qt::SizeAllCursor}, {kHourglassPointer, Qt::WaitCursor},
      {kNoDropPointer, Qt::ForbiddenCursor}, {kArrowPointer, Qt::ArrowCursor},   {kDefaultPointer, Qt::ArrowCursor},
  };
  for (const auto& [pointer, shape] : cases) {
    canvas.SetPointer(pointer);
    EXPECT_EQ(canvas.Viewport().cursor().shape(), shape) << pointer;
  }
  EXPECT_FALSE(canvas.Viewport().testAttribute(Qt::WA_SetCursor)) << "the default pointer is the window's own";
}

// The real window checks the bars' ends and values after every step; a page of the bar is the
// view's width in cells and one more, which only this test reads.
TEST_F(CanvasFixture, TheBarsShowTheScrollRangesAndMovingThemScrollsTheView) {
  SetZoom(editor, 20);
  EXPECT_EQ(canvas.ScrX().maximum(), 21);
  EXPECT_EQ(canvas.ScrX().pageStep(), 31);
  EXPECT_EQ(canvas.ScrY().maximum(), 31);
  canvas.ScrX().setValue(7);
  EXPECT_EQ(editor.view.ViewX, 7);
  EXPECT_EQ(editor.view.shpMiniSelect.Left, 21);
}

}  // namespace
}  // namespace brolt::editor
