#include "editor/model/undo_redo.h"

#include <gtest/gtest.h>

#include "editor/model/start_level.h"
#include "editor/model/undo_recording.h"

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
  Editor editor = StartedEditor(10);
  for (int step = 1; step <= 12; ++step) Edit(editor, step);
  int undone = 0;
  while (Undo(editor)) ++undone;
  EXPECT_EQ(undone, 9);  // ten states kept: the twelfth and the nine before it
  EXPECT_EQ(TilesOnMap(editor), 3);
  EXPECT_FALSE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 3);

  int redone = 0;
  while (Redo(editor)) ++redone;
  EXPECT_EQ(redone, 9);
  EXPECT_EQ(TilesOnMap(editor), 12);
  EXPECT_FALSE(Redo(editor));
  EXPECT_EQ(TilesOnMap(editor), 12);
}

TEST(UndoRedo, AfterStartUpOneStrokeUndoesToTheBlankMapAndNoFurther) {
  Editor editor = StartedEditor(20);
  Edit(editor, 1);
  EXPECT_FALSE(Redo(editor));
  EXPECT_TRUE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 0);
  EXPECT_FALSE(Undo(editor));
  EXPECT_TRUE(Redo(editor));
  EXPECT_EQ(TilesOnMap(editor), 1);
}

TEST(UndoRedo, UndoCrossesAClearedMapOfATitledLevel) {
  Editor editor = StartedEditor(20);
  editor.level.LevelTitle = "Cave";
  Edit(editor, 1);
  Edit(editor, 2);
  editor.level.Map = LevelMap{};  // Clear Level
  RecordUndo(editor);
  Edit(editor, 3);
  const int expected[] = {0, 2, 1, 0};
  for (int tiles : expected) {
    ASSERT_TRUE(Undo(editor));
    EXPECT_EQ(TilesOnMap(editor), tiles);
  }
  EXPECT_FALSE(Undo(editor));
}

TEST(UndoRedo, AnOpenedLevelDoesNotUndoPastItsOpenedState) {
  Editor editor = StartedEditor(20);
  editor.level.LevelTitle = "Opened";
  for (int x = 0; x < 5; ++x) editor.level.Cell(x, 5).TileCode = 10;
  ResetUndoRing(editor.undo, 20);  // opening a level empties the ring and records the level
  RecordUndo(editor);
  editor.level.LevelSaved = true;
  EXPECT_FALSE(Undo(editor));
  Edit(editor, 1);
  EXPECT_TRUE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 5);
  EXPECT_FALSE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 5);
}

TEST(UndoRedo, NeitherRecordsAStateNorChangesWhetherTheLevelIsSaved) {
  Editor editor = StartedEditor(5);
  Edit(editor, 1);
  Edit(editor, 2);
  editor.level.LevelSaved = true;
  Undo(editor);
  Redo(editor);
  Undo(editor);
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.undo.Newest, 2);
  Edit(editor, 3);  // a new edit after an undo: the undone state can't be redone
  EXPECT_FALSE(Redo(editor));
  EXPECT_TRUE(Undo(editor));
  EXPECT_EQ(TilesOnMap(editor), 1);
}

}  // namespace
}  // namespace brolt::editor
