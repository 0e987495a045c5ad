#include "editor/ui/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/model/undo_ring.h"
#include "editor/support/scripted_dialogs.h"
#include "editor/support/synthetic_tileset.h"
#include "editor/ui/canvas_viewport.h"
#include "editor/ui/level_canvas.h"

namespace brolt::editor {
namespace {

struct ShownMainWindow {
  Editor editor;
  TilesetPictures pictures = testing::SyntheticTileset();
  testing::ScriptedDialogs dialogs;
  MainWindow window{editor, pictures};

  ShownMainWindow() {
    testing::FillSyntheticCatalogue(editor.tiles);
    editor.ui.window = &window;
    editor.ui.canvas = &window.Canvas();
    editor.ui.dialogs = &dialogs;
    editor.prefs.BorderColor = "200,10,10";
    editor.prefs.GridLight = "10,200,10";
    ResetUndoRing(editor.undo, 10);
    window.TilesetLoaded();
    window.resize(800, 600);
    window.show();
    window.PaintBorders();
  }
  QColor PixelAt(const QPoint& clientPoint) { return window.centralWidget()->grab().toImage().pixelColor(clientPoint); }
};

TEST(MainWindow, FramesThePanelsInThePreferenceColours) {
  ShownMainWindow t;
  const QColor border(200, 10, 10);
  auto topLeft = [&](const char* control) { return t.window.ControlGeometry(control).topLeft(); };
  const std::pair<QPoint, QColor> cases[] = {
      {topLeft("LevelBack") - QPoint(2, 2), border},
      {topLeft("MiniLevel") + QPoint(-2, 40), border},
      {topLeft("panCmdTools") + QPoint(30, -2), border},
      {topLeft("panToolsBack") - QPoint(2, 2), border},
      {t.window.ControlGeometry("LevelBack").bottomRight() - QPoint(3, 3), border},  // between the scroll bars
      {QPoint(t.window.ControlGeometry("txtLevel").left() + 10, 3), QColor(10, 200, 10)},  // the level labels
  };
  for (const auto& [at, colour] : cases) EXPECT_EQ(t.PixelAt(at), colour) << at.x() << "," << at.y();
}

TEST(MainWindow, TheMenuTreeNamesEveryItemForItsHandler) {
  ShownMainWindow t;
  struct Case {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool visible, checked;
  };
  const Case cases[] = {
      {"mnuFileSave", "Save", "Ctrl+S", true, false},
      {"mnuToolsToolsSelect0", "Selector  (Pointer)  (1)", "", true, true},
      {"mnuViewZoomLevel2", "20", "", true, false},
      {"mnuViewGrid", "Show Grid", "Ctrl+G", true, true},
      {"mnuToolsBan2", "Edit Define...", "", false, false},
      {"mnuFileRecent0", "[Recent]", "", false, false},
      {"mnuCancelPasteMode", "Exit Paste Mode", "", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QAction* item = t.window.MenuItem(c.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), c.caption);
    EXPECT_EQ(item->shortcut(), QKeySequence(c.shortcut));
    EXPECT_EQ(item->isVisible(), c.visible);
    EXPECT_EQ(item->isChecked(), c.checked);
  }
  t.window.ShowPasteModeMenus(true);
  EXPECT_FALSE(t.window.MenuItem("mnuEdit")->isVisible());
  EXPECT_TRUE(t.window.MenuItem("mnuCancelPasteMode")->isVisible());
  t.window.ShowRecentLevels({"1 First", "2 Second"});
  EXPECT_EQ(t.window.MenuItem("mnuFileRecent1")->text(), "2 Second");
  EXPECT_TRUE(t.window.MenuItem("mnuFile7")->isVisible());
}

TEST(MainWindow, TheLevelListDropsUnderTheLevelLabelsKeepingTheLevelsOwnEntryOrNone) {
  ShownMainWindow t;
  QApplication::setActiveWindow(&t.window);
  t.editor.collections.DropDownEntries = {"001   A", "002   B", "003   C"};
  // The level's entry, and the window's width, which moves the labels.
  for (const auto& [chosen, width] : {std::pair{-1, 800}, std::pair{1, 1000}}) {
    t.window.resize(width, 600);
    QApplication::processEvents();
    t.editor.collections.DropDownIndex = chosen;
    t.window.DropDownLevelList();
    ASSERT_TRUE(t.window.LevelDropDownShown());
    // The list has the keys, and taking them chose no other entry.
    EXPECT_EQ(t.editor.collections.DropDownIndex, chosen);
    // Its right edge by the arrow's, its top just above the title, and most of the window's height.
    const QRect list = t.window.ControlGeometry("picDropDown");
    EXPECT_EQ(list.right(), t.window.ControlGeometry("cmdDropDown").right() + 1) << width;
    EXPECT_EQ(list.top(), t.window.ControlGeometry("txtLevel").top() - 4) << width;
    EXPECT_EQ(list.height(), qRound(t.window.height() / 1.2)) << width;
    t.window.FocusCanvas();
    EXPECT_FALSE(t.window.LevelDropDownShown()) << "the list closes when the canvas takes the keys";
  }
}

TEST(MainWindow, TheCounterShowsTheTilesPictureNameAndCount) {
  ShownMainWindow t;
  t.editor.tiles.TileDefs[21].Desc = "Unid";
  t.window.ShowTileCounter(21, 7);
  const auto* text = t.window.findChild<QLabel*>("txtTileCount");
  const auto* picture = t.window.findChild<QLabel*>("picTileCount");
  EXPECT_EQ(text->text(), "7");
  EXPECT_EQ(picture->toolTip(), " Tile Counter (Unid) ");
  // Tile 21 of the synthetic tileset is its own plain colour.
  EXPECT_EQ(picture->pixmap().toImage().pixelColor(5, 5), testing::SyntheticTileColour(5, 3, 0));
}

TEST(MainWindow, ClosingGoesThroughTheExitWhichMayBeCancelled) {
  for (const int answer : {2, 1}) {
    SCOPED_TRACE(answer);
    ShownMainWindow t;
    t.editor.level.Cell(3, 3).TileCode = 2;
    t.editor.level.LevelSaved = false;
    t.dialogs.buttonAnswers = {answer};
    t.window.close();
    EXPECT_EQ(t.dialogs.LastMessage(), "Save changes before exiting?");
    EXPECT_EQ(t.window.isVisible(), answer == 2);
    EXPECT_EQ(t.window.Ended(), answer == 1);
  }
}

TEST(MainWindow, TheCanvasHandsItsMouseToTheTools) {
  ShownMainWindow t;
  t.editor.tools.PrimaryTile = 2;
  t.editor.tools.CurrentTool = kBrushTool;
  CanvasViewport& level = t.window.Canvas().Viewport();
  const QPoint cell(3 * 20 + 5, 4 * 20 + 5);
  QTest::mousePress(&level, Qt::LeftButton, Qt::NoModifier, cell);
  QTest::mouseRelease(&level, Qt::LeftButton, Qt::NoModifier, cell);
  EXPECT_EQ(t.editor.level.Cell(3, 4).TileCode, 2);
  EXPECT_TRUE(IsUndoSlotWritten(t.editor.undo, t.editor.undo.UndoIndex));
}

}  // namespace
}  // namespace brolt::editor
