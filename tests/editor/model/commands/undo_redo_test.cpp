#include "editor/model/commands/undo_redo.h"

#include <gtest/gtest.h>

#include "editor/model/canvas/start_level.h"
#include "editor/model/canvas/undo_recording.h"
#include "editor/model/canvas/undo_ring.h"

namespace brolt::editor {
namespace {

// An editor as the start-up leaves it: the blank map is the ring's first state.
Editor StartedEditor(int undoMax) {
  Editor editor;
  ResetUndoRing(editor.undo, undoMax);
  PrepareStartLevel(editor);
  return editor;
}

// One edit: the cell (step, 0) gets a tile, and the step is recorded.
void Edit(Editor& editor, int step) {
  editor.level.Cell(step % kLevelSize, 0).TileCode = static_cast<std::int16_t>(10 + step % 8);
  RecordUndo(editor);
}

int TilesOnMap(const Editor& editor) {
  int count = 0;
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) count += editor.level.Cell(x, y).TileCode != 0;
  }
  return count;
}

TEST(UndoRedo, StopAtTheOldestAndNewestStatesTheRingKeeps) {
  struct Case {
    int undoMax, edits, undos;
  };
  // Ten states kept: the twelfth and the nine before it. A size below one still keeps the newest.
  for (const Case& c : {Case{10, 12, 9}, Case{0, 3, 0}}) {
    Editor editor = StartedEditor(c.undoMax);
    for (int step = 1; step <= c.edits; ++step) Edit(editor, step);
    int undone = 0;
    while (Undo(editor)) ++undone;
    EXPECT_EQ(undone, c.undos) << c.undoMax;
    EXPECT_EQ(TilesOnMap(editor), c.edits - c.undos) << c.undoMax;
    int redone = 0;
    while (Redo(editor)) ++redone;
    EXPECT_EQ(redone, c.undos) << c.undoMax;
    EXPECT_EQ(TilesOnMap(editor), c.edits) << c.undoMax;
  }
}

TEST(UndoRedo, UndoCrossesAClearedMapDownToTheBlankStartNeitherRecordsNorMarksAndAnEditDropsTheUndoneStates) {
  Editor editor = StartedEditor(20);
  Edit(editor, 1);
  Edit(editor, 2);
  editor.level.Map = LevelMap{};  // Clear Level
  RecordUndo(editor);
  Edit(editor, 3);
  editor.level.LevelSaved = true;
  for (int tiles : {0, 2, 1, 0}) {
    ASSERT_TRUE(Undo(editor));
    EXPECT_EQ(TilesOnMap(editor), tiles);
  }
  EXPECT_FALSE(Undo(editor));
  ASSERT_TRUE(Redo(editor));
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.undo.Newest, 4);
  Edit(editor, 4);  // the cleared map and the third edit go
  EXPECT_FALSE(IsUndoSlotWritten(editor.undo, 3));
  EXPECT_FALSE(Redo(editor));
  ASSERT_TRUE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 1);
}

// Recording a step, the map stored and the level marked unsaved, is checked through the undo above and
// the redraw and selection tests; here the tile counter it refreshes.
TEST(CountTiles, CountingUnidsCountsTheGnatsAndArmouredUnidsThatCarryThem) {
  Editor editor;
  editor.level.Cell(0, 0).TileCode = 21;
  editor.level.Cell(49, 49).TileCode = 21;
  editor.level.Cell(1, 0).TileCode = 8;
  editor.level.Cell(2, 0).TileCode = 22;
  editor.level.Map[50][50].TileCode = 21;  // outside the level: never counted
  for (const auto& [counted, expected] : {std::pair{21, 4}, std::pair{8, 1}, std::pair{22, 1}, std::pair{0, 2496}}) {
    SetCounterTile(editor, counted);
    EXPECT_EQ(CountTiles(editor), expected) << counted;
  }

  // Every recorded step shows the new count on the main window's counter.
  struct Counter : WindowControls {
    std::pair<int, int> shown{-1, -1};  // the tile and its count
    void ShowTileCounter(int tile, int count) override { shown = {tile, count}; }
  } counter;
  editor.ui.window = &counter;
  ResetUndoRing(editor.undo, 3);
  SetCounterTile(editor, 8);
  editor.level.Cell(7, 7).TileCode = 8;
  RecordUndo(editor);
  EXPECT_EQ(counter.shown, (std::pair{8, 2}));
}

}  // namespace
}  // namespace brolt::editor
