#pragma once
// Turning one level record of the collection being played into the live level.
#include "common/level_record.h"

namespace brolt {

struct Game;

// Loads level n (from 1) of the selected collection, or of the command-line collection in preview
// play, and starts it: grid, header, player, counters, colours, light and the get-ready second.
// A level number past the end, or a missing collection, loads as an empty level. File errors
// propagate to the caller.
void LoadLevel(Game& game, int level);

// The part of LoadLevel that reads the record and builds the grids and header words.
void ParseLevelRecord(Game& game, int level);

}  // namespace brolt
