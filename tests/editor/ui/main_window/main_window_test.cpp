// The main window's own wiring. Its frames, menus in paste mode and canvas mouse are checked in the
// real window after every step of the designer sequence.
#include "editor/ui/main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "editor/model/canvas/canvas_geometry.h"
#include "editor/model/canvas/scrolling.h"
#include "editor/model/canvas/undo_ring.h"
#include "editor/model/services/tile_catalogue.h"
#include "editor/model/tools/tool_selection.h"
#include "editor/support/answering_boxes.h"
#include "editor/support/shown_main_window.h"
#include "editor/support/widget_events.h"
#include "editor/ui/canvas/canvas_viewport.h"
#include "editor/ui/canvas/level_canvas.h"
#include "editor/ui/dialogs/load_dialog.h"
#include "editor/ui/main_window/tile_palette.h"

namespace brolt::editor {
namespace {

using testing::ShownMainWindow;

// The menus an item lies in, outermost first, as "Edit > Select".
std::string MenuPath(const QAction* item) {
  std::string path;
  while (item != nullptr) {
    // The bar's own overflow menu, untitled, holds the top menus too.
    const QMenu* menu = nullptr;
    for (QObject* holder : item->associatedObjects()) {
      const auto* titled = qobject_cast<QMenu*>(holder);
      if (titled != nullptr && !titled->title().isEmpty()) menu = titled;
    }
    if (menu == nullptr) break;
    path = menu->title().remove('&').toStdString() + (path.empty() ? "" : " > " + path);
    item = menu->menuAction();
  }
  return path;
}

TEST(MainWindow, TheMenuTreeNamesEveryItemForItsHandler) {
  ShownMainWindow t;
  struct Case {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool visible, checked;
    const char* menus;
  };
  const Case cases[] = {
      {"mnuFileSave", "Save", "Ctrl+S", true, false, "File"},
      {"mnuEditUndo", "Undo", "Ctrl+Z", true, false, "Edit"},
      {"mnuEditRedo", "Redo", "Ctrl+Y", true, false, "Edit"},
      {"mnuToolsToolsSelect0", "Selector  (Pointer)  (1)", "", true, true, "Tools > Select Tool"},
      {"mnuViewZoomLevel2", "20", "", true, false, "View > Zoom  (+/-)"},
      {"mnuViewGrid", "Show Grid", "Ctrl+G", true, true, "View"},
      {"mnuToolsBan2", "Edit Define...", "", false, false, "Tools"},
      {"mnuFileRecent0", "[Recent]", "", false, false, "File"},
      {"mnuCancelPasteMode", "Exit Paste Mode", "", false, false, ""},
      // The selecting items have a submenu of their own.
      {"mnuFileSelTilesOnly", "Select All Tiles", "Ctrl+T", true, false, "Edit > Select"},
      {"mnuEditDeselect", "Deselect", "Ctrl+D", true, false, "Edit > Select"},
      {"mnuEditFillPrimary", "Using Primary Tile", "Ctrl+P", true, false, "Edit > Fill"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QAction* item = t.window.MenuItem(c.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), c.caption);
    EXPECT_EQ(item->shortcut(), QKeySequence(c.shortcut));
    EXPECT_EQ(item->isVisible(), c.visible);
    EXPECT_EQ(item->isChecked(), c.checked);
    EXPECT_EQ(MenuPath(item), c.menus);
  }
}

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
    // As wide as the load dialog's level list, so that a title shown whole there is whole here.
    LoadDialogState loading;
    LoadDialog dialog(t.editor, loading);
    EXPECT_EQ(list.width(), dialog.findChild<QListWidget*>()->width());
    t.window.FocusCanvas();
    EXPECT_FALSE(t.window.LevelDropDownShown()) << "the list closes when the canvas takes the keys";
  }
}

// Of two collections whose names differ only in letter case, the roll-down lists and opens the
// editor's own; its name in other capitals finds the one file there is.
TEST(MainWindow, TheLevelListListsAndOpensTheEditorsOwnCollectionNotItsCaseTwin) {
  struct Case {
    const char* levelFile;
    bool twins;  // "a.lvl" beside "A.lvl"
    const char* opened;
    const char* openedFrom;
  };
  for (const Case& c : {Case{"A.lvl", true, "Big", "A.lvl"}, Case{"a.lvl", true, "Small", "a.lvl"},
                        Case{"a.LVL", false, "Big", "A.lvl"}}) {
    SCOPED_TRACE(c.levelFile);
    ShownMainWindow t;
    t.WriteLevels("A.lvl", {"Big"});
    if (c.twins) t.WriteLevels("a.lvl", {"Small"});
    t.editor.prefs.LevelFile = c.levelFile;
    QApplication::setActiveWindow(&t.window);
    testing::Press(t.window.findChild<QLabel*>("txtLevel"), {5, 5});
    ASSERT_TRUE(t.window.LevelDropDownShown());
    auto* list = t.window.findChild<QListWidget*>("lstDropDown");
    ASSERT_GE(list->count(), 1);
    EXPECT_EQ(list->item(0)->text().toStdString(), std::string("001   ") + c.opened);
    testing::Click(list->viewport(), list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(t.editor.level.LevelTitle, c.opened);
    EXPECT_EQ(t.editor.prefs.LevelFile, c.openedFrom);
  }
}

TEST(MainWindow, TheCounterShowsTheTilesPictureNameAndCount) {
  ShownMainWindow t;
  t.editor.tiles.TileDefs[21].Desc = "Unid";
  t.window.ShowTileCounter(21, 7);
  EXPECT_EQ(t.window.findChild<QLabel*>("txtTileCount")->text(), "7");
  EXPECT_EQ(t.window.findChild<QLabel*>("picTileCount")->toolTip(), " Tile Counter (Unid) ");
  // Tile 21 of the synthetic tileset is its own plain colour.
  const QImage picture = t.window.findChild<QLabel*>("picTileCount")->pixmap().toImage();
  EXPECT_EQ(picture.pixelColor(5, 5), testing::SyntheticTileColour(5, 3, 0));
}

TEST(MainWindow, TheToolPanelsBarScrollsThePaletteInRowsOf37Pixels) {
  ShownMainWindow t;
  auto* frame = t.window.findChild<QWidget*>("panToolsFrame");
  auto* bar = t.window.findChild<QScrollBar*>("ScrTools");
  // The palette's height, its frame's, and the bar's last row.
  for (const auto& [panel, shown, last] : {std::array{200, 300, 0}, {300, 300, 0}, {740, 370, 11}, {400, 111, 9}}) {
    t.window.Palette()->setFixedHeight(panel);
    frame->resize(frame->width(), shown);
    RefreshViewControls(t.editor);
    EXPECT_EQ(bar->maximum(), last) << panel << " in " << shown;
  }
  bar->setValue(2);
  EXPECT_EQ(t.window.Palette()->y(), -74);
}

int PaintedCells(const Editor& editor) {
  int painted = 0;
  for (int y = 0; y < kLevelSize; ++y)
    for (int x = 0; x < kLevelSize; ++x) painted += editor.level.Cell(x, y).TileCode != 0;
  return painted;
}

TEST(MainWindow, TheStartMarkerTakesThePressesAndDoubleClicksThatStartOnItAndADragFromElsewherePaintsOverIt) {
  for (const int tool : {kBrushTool, kFillTool}) {
    SCOPED_TRACE(tool);
    ShownMainWindow t;
    Editor& e = t.editor;
    SelectTool(e, tool, 2, false);
    e.level.StartMarkerPlaced = true;
    e.level.StartMarkerX = 3;
    e.level.StartMarkerY = 4;
    e.level.LevelSaved = true;
    const std::int16_t undoIndex = e.undo.UndoIndex;
    QWidget* canvas = &t.window.Canvas().Viewport();
    const auto cell = [&](int x, int y) { return t.CellCentre(x, y); };
    const QPoint marker = cell(3, 4);

    // A drag that starts on the marker, then a double click as the platform delivers it.
    testing::Press(canvas, marker);
    testing::SendMouse(canvas, QEvent::MouseMove, cell(5, 4), Qt::NoButton, Qt::LeftButton);
    testing::Release(canvas, cell(5, 4));
    EXPECT_TRUE(e.level.StartMarkerPlaced);
    testing::DoubleClick(canvas, marker);
    EXPECT_FALSE(e.level.StartMarkerPlaced) << "the double click removes the marker";
    EXPECT_EQ(PaintedCells(e), 0);
    EXPECT_EQ(e.undo.UndoIndex, undoIndex) << "no undo step";
    EXPECT_TRUE(e.level.LevelSaved);

    if (tool != kBrushTool) continue;
    e.level.StartMarkerPlaced = true;
    testing::Press(canvas, cell(1, 4));
    for (const int x : {2, 3, 4}) testing::SendMouse(canvas, QEvent::MouseMove, cell(x, 4), Qt::NoButton, Qt::LeftButton);
    testing::Release(canvas, cell(4, 4));
    EXPECT_EQ(e.level.Cell(3, 4).TileCode, 2) << "a stroke from elsewhere paints under the marker";
    EXPECT_EQ(PaintedCells(e), 4);
  }
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

// Answered by Tab and Return in the editor's own box: Yes saves into the level's slot and ends, No
// ends without writing, Cancel keeps the editor open with nothing written.
TEST(MainWindow, TheExitQuestionAnsweredByKeysSavesOnlyOnYesAndStaysOpenOnCancel) {
  for (const auto& [answer, written, open] : {std::tuple{0, true, false}, {1, false, false}, {2, false, true}}) {
    SCOPED_TRACE(answer);
    ShownMainWindow t;
    t.WriteLevels("Set.lvl", {"Old"});
    const std::optional<std::string> before = ReadWholeFile(t.file("Set.lvl"));
    Editor& e = t.editor;
    e.prefs.LevelFile = "Set.lvl";
    e.level.LevelNumber = 1;
    e.level.LevelTitle = "Old";
    e.level.Cell(3, 3).TileCode = kThresherTile;
    e.level.Cell(5, 3).TileCode = kExitPortalTile;
    e.level.LevelSaved = false;
    testing::AnsweringBoxes boxes(e);
    boxes.tabTo = answer;
    e.ui.dialogs = &boxes;
    t.window.close();
    EXPECT_EQ(boxes.shown, std::vector<std::string>{"Save changes before exiting?"});
    EXPECT_EQ(ReadWholeFile(t.file("Set.lvl")) != before, written);
    EXPECT_EQ(t.window.isVisible(), open);
    EXPECT_EQ(t.window.Ended(), !open);
  }
}

}  // namespace
}  // namespace brolt::editor
