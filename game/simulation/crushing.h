#pragma once
// Objects crushed by something falling onto them.
namespace brolt {

struct Game;

// A heavy object falling in the cell above (x, y) crushes it: the cell explodes and the answer is
// true. Otherwise nothing changes.
bool CrushedFromAbove(Game& game, int x, int y);

}  // namespace brolt
