#include "editor/model/undo_recording.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

// What recording a step stores and marks is checked by the undo, redraw and selection tests.
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
}

}  // namespace
}  // namespace brolt::editor
