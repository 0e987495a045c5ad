#include "editor/model/start_level.h"

#include <gtest/gtest.h>

#include "editor/model/undo_recording.h"

namespace brolt::editor {
namespace {

TEST(NumberSelectionMarkers, EveryLevelCellOwnsOneMarker) {
  LevelMap map{};
  NumberSelectionMarkers(map);
  struct Case {
    int x, y, marker;
  };
  for (const Case& c :
       {Case{0, 0, 1}, Case{0, 1, 2}, Case{1, 0, 51}, Case{49, 49, 2500}, Case{50, 50, 0}, Case{50, 0, 0}}) {
    EXPECT_EQ(map[c.x][c.y].MarkerIndex, c.marker) << c.x << "," << c.y;
  }
}

TEST(PrepareStartLevel, TheBlankMapIsTheFirstStateWithoutMarkingTheLevelChanged) {
  Editor editor;
  ResetUndoRing(editor.undo, 3);
  editor.level.LevelColor[2] = "9,9,9";
  editor.level.LevelNumber = 4;
  PrepareStartLevel(editor);
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.level.LevelNumber, -1);
  EXPECT_EQ(editor.level.LevelColor[2], "0,0,0");
  EXPECT_EQ(editor.undo.UndoIndex, 0);
  EXPECT_EQ(editor.undo.Oldest, 0);
  EXPECT_TRUE(IsUndoSlotWritten(editor.undo, 0));

  editor.level.Cell(3, 3).TileCode = 10;
  RecordUndo(editor);
  EXPECT_FALSE(editor.level.LevelSaved);
  EXPECT_EQ(editor.undo.UndoIndex, 1);
  EXPECT_EQ(editor.undo.Oldest, 0);
}

}  // namespace
}  // namespace brolt::editor
