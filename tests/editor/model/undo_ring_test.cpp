#include "editor/model/undo_ring.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

LevelMap MapWithTile(int code) {
  LevelMap map{};
  map[3][4].TileCode = static_cast<std::int16_t>(code);
  return map;
}

TEST(UndoRing, UsesSlotsInTurnAndKeepsTheOldestAndNewest) {
  UndoRing ring;
  ResetUndoRing(ring, 3);
  ASSERT_EQ(ring.UndoBuffer.size(), 4u);  // the ring's slots and one that is never used
  const int expectedSlots[] = {0, 1, 2, 0, 1};
  const int expectedOldest[] = {0, 0, 0, 1, 2};
  for (int step = 0; step < 5; ++step) {
    StoreUndoState(ring, MapWithTile(step + 1));
    EXPECT_EQ(ring.UndoIndex, expectedSlots[step]) << step;
    EXPECT_EQ(ring.Newest, expectedSlots[step]) << step;
    EXPECT_EQ(ring.Oldest, expectedOldest[step]) << step;
  }
  EXPECT_FALSE(IsUndoSlotWritten(ring, 3));
  EXPECT_EQ(ring.UndoBuffer[0].TileCode[3][4], 4);
}

TEST(UndoRing, AnEmptyMapIsAStateLikeAnyOther) {
  UndoRing ring;
  ResetUndoRing(ring, 5);
  StoreUndoState(ring, LevelMap{});
  EXPECT_TRUE(IsUndoSlotWritten(ring, 0));
  LevelMap map = MapWithTile(7);
  RestoreUndoState(ring.UndoBuffer[0], map);
  EXPECT_EQ(map[3][4].TileCode, 0);
}

TEST(UndoRing, ANewStateAfterAnUndoDropsTheStatesThatFollowed) {
  UndoRing ring;
  ResetUndoRing(ring, 5);
  for (int step = 1; step <= 4; ++step) StoreUndoState(ring, MapWithTile(step));
  ring.UndoIndex = 1;  // two steps undone
  StoreUndoState(ring, MapWithTile(9));
  EXPECT_EQ(ring.UndoIndex, 2);
  EXPECT_EQ(ring.Newest, 2);
  EXPECT_FALSE(IsUndoSlotWritten(ring, 3));
  EXPECT_EQ(ring.Oldest, 0);
}

TEST(UndoRing, ASizeBelowOneStillKeepsOneState) {
  UndoRing ring;
  ResetUndoRing(ring, 0);
  EXPECT_EQ(ring.UndoMax, 1);
  StoreUndoState(ring, MapWithTile(1));
  StoreUndoState(ring, MapWithTile(2));
  EXPECT_EQ(ring.UndoIndex, 0);
  EXPECT_EQ(ring.Oldest, 0);
  EXPECT_EQ(ring.UndoBuffer[0].TileCode[3][4], 2);
}

}  // namespace
}  // namespace brolt::editor
