#include "editor/model/undo_recording.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

struct CounterCase {
  int counted;
  int expected;
};

TEST(CountTiles, CountingUnidsCountsTheGnatsAndArmouredUnidsThatCarryThem) {
  Editor editor;
  editor.level.Cell(0, 0).TileCode = 21;
  editor.level.Cell(49, 49).TileCode = 21;
  editor.level.Cell(1, 0).TileCode = 8;
  editor.level.Cell(2, 0).TileCode = 22;
  editor.level.Map[50][50].TileCode = 21;  // outside the level: never counted
  for (const CounterCase& c : {CounterCase{21, 4}, CounterCase{8, 1}, CounterCase{22, 1}, CounterCase{0, 2496}}) {
    SetCounterTile(editor, c.counted);
    EXPECT_EQ(CountTiles(editor), c.expected) << c.counted;
  }
}

TEST(RecordUndo, MarksTheLevelChangedAndStoresTheMap) {
  Editor editor;
  ResetUndoRing(editor.undo, 3);
  editor.level.LevelSaved = true;
  editor.level.Cell(5, 6) = MapCell{12, 3, 0, true};
  RecordUndo(editor);
  EXPECT_FALSE(editor.level.LevelSaved);
  EXPECT_EQ(editor.undo.UndoIndex, 0);
  EXPECT_EQ(editor.undo.UndoBuffer[0].TileCode[5][6], 12);
  EXPECT_EQ(editor.undo.UndoBuffer[0].Direction[5][6], 3);
}

}  // namespace
}  // namespace brolt::editor
