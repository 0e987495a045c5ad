#include "editor/model/undo_redo.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/model/start_level.h"
#include "editor/model/undo_recording.h"
#include "editor/model/undo_ring.h"

namespace brolt::editor {
namespace {

LevelMap MapWithTile(int code) {
  LevelMap map{};
  map[3][4].TileCode = static_cast<std::int16_t>(code);
  return map;
}

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

TEST(UndoRing, UsesSlotsInTurnAndKeepsAtLeastOneState) {
  struct Case {
    int undoMax;
    std::vector<int> slots, oldest;  // after each of five stores
  };
  for (const Case& c : {Case{3, {0, 1, 2, 0, 1}, {0, 0, 0, 1, 2}}, Case{0, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}}) {
    UndoRing ring;
    ResetUndoRing(ring, c.undoMax);
    ASSERT_EQ(ring.UndoBuffer.size(), ring.UndoMax + 1u);  // the ring's slots and one that is never used
    for (int step = 0; step < 5; ++step) {
      StoreUndoState(ring, MapWithTile(step + 1));
      EXPECT_EQ(ring.UndoIndex, c.slots[step]) << c.undoMax << " step " << step;
      EXPECT_EQ(ring.Newest, c.slots[step]) << c.undoMax << " step " << step;
      EXPECT_EQ(ring.Oldest, c.oldest[step]) << c.undoMax << " step " << step;
    }
    EXPECT_FALSE(IsUndoSlotWritten(ring, ring.UndoMax)) << c.undoMax;
    EXPECT_EQ(ring.UndoBuffer[c.slots.back()].TileCode[3][4], 5) << c.undoMax;
  }
}

TEST(UndoRedo, StopAtTheOldestAndNewestStatesTheRingKeeps) {
  Editor editor = StartedEditor(10);
  for (int step = 1; step <= 12; ++step) Edit(editor, step);
  int undone = 0;
  while (Undo(editor)) ++undone;
  EXPECT_EQ(undone, 9);  // ten states kept: the twelfth and the nine before it
  EXPECT_EQ(TilesOnMap(editor), 3);
  int redone = 0;
  while (Redo(editor)) ++redone;
  EXPECT_EQ(redone, 9);
  EXPECT_EQ(TilesOnMap(editor), 12);
}

TEST(UndoRedo, UndoCrossesAClearedMapOfATitledLevelDownToTheBlankStartMap) {
  Editor editor = StartedEditor(20);
  editor.level.LevelTitle = "Cave";
  Edit(editor, 1);
  Edit(editor, 2);
  editor.level.Map = LevelMap{};  // Clear Level
  RecordUndo(editor);
  Edit(editor, 3);
  for (int tiles : {0, 2, 1, 0}) {
    ASSERT_TRUE(Undo(editor));
    EXPECT_EQ(TilesOnMap(editor), tiles);
  }
  EXPECT_FALSE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 0);
}

TEST(UndoRedo, AnOpenedLevelDoesNotUndoPastItsOpenedState) {
  Editor editor = StartedEditor(20);
  editor.level.LevelTitle = "Opened";
  for (int x = 0; x < 5; ++x) editor.level.Cell(x, 5).TileCode = 10;
  ResetUndoRing(editor.undo, 20);  // opening a level empties the ring and records the level
  RecordUndo(editor);
  EXPECT_FALSE(Undo(editor));
  Edit(editor, 1);
  EXPECT_TRUE(Undo(editor));
  EXPECT_FALSE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 5);
}

TEST(UndoRedo, NeitherRecordsAStateNorChangesWhetherTheLevelIsSavedAndAnEditDropsTheUndoneStates) {
  Editor editor = StartedEditor(5);
  Edit(editor, 1);
  Edit(editor, 2);
  editor.level.LevelSaved = true;
  Undo(editor);
  Redo(editor);
  Undo(editor);
  Undo(editor);
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.undo.Newest, 2);
  Edit(editor, 3);
  EXPECT_FALSE(IsUndoSlotWritten(editor.undo, 2));
  EXPECT_FALSE(Redo(editor));
  EXPECT_TRUE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 0);
}

}  // namespace
}  // namespace brolt::editor
