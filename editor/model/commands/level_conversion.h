#pragma once
// The level being edited as a level record and back, over common/'s encoder and decoder, so that the
// editor writes exactly the bytes the game reads.
#include <string>
#include <string_view>

#include "common/level_record.h"
#include "editor/model/canvas/level_state.h"

namespace brolt::editor {

// A ColorText ("r,g,b"; components may be zero-padded) as its three values, each clamped to 0..255.
RgbColour ColorTextToRgb(std::string_view colorText);
std::string RgbToColorText(RgbColour colour);

// The level's title, properties and map cells 0..49 as a record with no progress and no marker.
// An empty cell is always "0000"; a direction outside 0..4 is written 0.
LevelRecord ToLevelRecord(const LevelState& level);

// Puts a record's properties and cells into the level; every cell 0..50 is emptied first, so the
// outer row and column stay empty. Directions outside 0..4 read as 0, tile codes outside 0..999 as 0.
// The title and the collection names are the caller's: they come from the list or dialog.
void ApplyLevelRecord(const LevelRecord& record, LevelState& level);

}  // namespace brolt::editor
