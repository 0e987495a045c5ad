#include "editor/model/canvas/start_level.h"

#include <gtest/gtest.h>

#include "editor/model/canvas/undo_recording.h"

namespace brolt::editor {
namespace {

// What the first edit after it records is checked in undo_redo_test.cpp, which starts from here.
TEST(PrepareStartLevel, TheBlankMapIsANewLevelAndTheFirstStateToUndoTo) {
  Editor editor;
  ResetUndoRing(editor.undo, 3);
  editor.level.LevelColor[2] = "9,9,9";
  editor.level.LevelNumber = 4;
  PrepareStartLevel(editor);
  EXPECT_TRUE(editor.level.LevelSaved);
  EXPECT_EQ(editor.level.LevelNumber, -1);
  EXPECT_EQ(editor.level.LevelColor[2], "0,0,0");
  EXPECT_EQ(editor.undo.Oldest, 0);
  EXPECT_TRUE(IsUndoSlotWritten(editor.undo, 0));
}

}  // namespace
}  // namespace brolt::editor
