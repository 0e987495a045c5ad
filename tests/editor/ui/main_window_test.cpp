// The main window's own wiring. Its frames, menus in paste mode and canvas mouse are checked in the
// real window after every step of the designer sequence.
#include "editor/ui/main_window.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include "editor/model/undo_ring.h"
#include "editor/support/scripted_dialogs.h"
#include "editor/support/synthetic_tileset.h"
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
    ResetUndoRing(editor.undo, 10);
    window.TilesetLoaded();
    window.resize(800, 600);
    window.show();
  }
};

TEST(MainWindow, RecentLevelsGoAboveTheSeparatorWhichShowsWithThem) {
  ShownMainWindow t;
  t.window.ShowRecentLevels({"1 First", "2 Second"});
  EXPECT_EQ(t.window.MenuItem("mnuFileRecent1")->text(), "2 Second");
  EXPECT_TRUE(t.window.MenuItem("mnuFile7")->isVisible());
  t.window.ShowRecentLevels({"1 First"});
  EXPECT_FALSE(t.window.MenuItem("mnuFileRecent1")->isVisible());
}

TEST(MainWindow, TheLevelListDropsUnderTheLevelLabelsKeepingTheLevelsOwnEntryOrNone) {
  ShownMainWindow t;
  QApplication::setActiveWindow(&t.window);
  t.editor.collections.DropDownEntries = {"001   A", "002   B", "003   C"};
  // The level's entry, and the window's width, which moves the labels.
  for (const auto& [chosen, width] : {std::pair{-1, 800}, std::pair{1, 1000}}) {
    SCOPED_TRACE(width);
    t.window.resize(width, 600);
    QApplication::processEvents();
    t.editor.collections.DropDownIndex = chosen;
    t.window.DropDownLevelList();
    ASSERT_TRUE(t.window.LevelDropDownShown());
    // The list has the keys, and taking them chose no other entry.
    EXPECT_EQ(t.editor.collections.DropDownIndex, chosen);
    // Its right edge by the arrow's, its top just above the title, and most of the window's height.
    const QRect list = t.window.ControlGeometry("picDropDown");
    EXPECT_EQ(list.right(), t.window.ControlGeometry("cmdDropDown").right() + 1);
    EXPECT_EQ(list.top(), t.window.ControlGeometry("txtLevel").top() - 4);
    EXPECT_EQ(list.height(), qRound(t.window.height() / 1.2));
    t.window.FocusCanvas();
    EXPECT_FALSE(t.window.LevelDropDownShown()) << "the list closes when the canvas takes the keys";
  }
}

TEST(MainWindow, TheCounterShowsTheTilesPictureAndCount) {
  ShownMainWindow t;
  t.window.ShowTileCounter(21, 7);
  EXPECT_EQ(t.window.findChild<QLabel*>("txtTileCount")->text(), "7");
  // Tile 21 of the synthetic tileset is its own plain colour.
  const QImage picture = t.window.findChild<QLabel*>("picTileCount")->pixmap().toImage();
  EXPECT_EQ(picture.pixelColor(5, 5), testing::SyntheticTileColour(5, 3, 0));
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

}  // namespace
}  // namespace brolt::editor
