#pragma once
// The undo ring: UndoMax snapshots of the level's tiles, the slot on screen, and which slots hold a
// state. A cleared map is a state like any other, so each slot keeps a written flag; the oldest and
// newest written slots bound Undo and Redo.
#include <array>
#include <cstdint>
#include <vector>

#include "editor/model/canvas/map_cell.h"

namespace brolt::editor {

struct UndoSnapshot {
  // TileCode and Direction of level cells 0..49 each way, [x][y].
  std::array<std::array<std::int16_t, kLevelSize>, kLevelSize> TileCode{};
  std::array<std::array<std::int16_t, kLevelSize>, kLevelSize> Direction{};
};

struct UndoRing {
  std::int16_t UndoMax = 1;
  std::vector<UndoSnapshot> UndoBuffer;  // slots 0..UndoMax; slot UndoMax is never used
  std::vector<bool> Written;
  std::int16_t UndoIndex = -1;  // the slot of the state on screen; -1 before the first record
  std::int16_t Oldest = -1;     // the oldest written slot, -1 while none is
  std::int16_t Newest = -1;     // the newest written slot
};

// Empties the ring and sizes it for `undoMax` states (at least 1).
void ResetUndoRing(UndoRing& ring, int undoMax);

// Stores the map's tiles as the newest state, after the one on screen; states after it are dropped.
void StoreUndoState(UndoRing& ring, const LevelMap& map);

// Whether a slot holds a written state.
bool IsUndoSlotWritten(const UndoRing& ring, int slot);

}  // namespace brolt::editor
