#include "editor/model/canvas/undo_ring.h"

#include <algorithm>

namespace brolt::editor {

void ResetUndoRing(UndoRing& ring, int undoMax) {
  ring.UndoMax = static_cast<std::int16_t>(std::clamp(undoMax, 1, 32000));
  ring.UndoBuffer.assign(static_cast<std::size_t>(ring.UndoMax) + 1, UndoSnapshot{});
  ring.Written.assign(static_cast<std::size_t>(ring.UndoMax) + 1, false);
  ring.UndoIndex = -1;
  ring.Oldest = -1;
  ring.Newest = -1;
}

void StoreUndoState(UndoRing& ring, const LevelMap& map) {
  if (ring.UndoBuffer.empty()) ResetUndoRing(ring, ring.UndoMax);
  const int size = ring.UndoMax;
  const int next = ring.UndoIndex < 0 ? 0 : (ring.UndoIndex + 1) % size;
  if (ring.Oldest < 0) {
    ring.Oldest = static_cast<std::int16_t>(next);
  } else if (next == ring.Oldest && ring.UndoIndex >= 0) {
    // The ring is full: the oldest state gives way to the new one.
    ring.Oldest = static_cast<std::int16_t>((ring.Oldest + 1) % size);
  }
  // A new state after an undo drops the states that followed the one on screen.
  if (ring.UndoIndex >= 0 && ring.UndoIndex != ring.Newest) {
    for (int slot = next; slot != ring.Oldest && ring.Written[static_cast<std::size_t>(slot)];
         slot = (slot + 1) % size) {
      ring.Written[static_cast<std::size_t>(slot)] = false;
      if (slot == ring.Newest) break;
    }
  }
  UndoSnapshot& snapshot = ring.UndoBuffer[static_cast<std::size_t>(next)];
  for (int x = 0; x < kLevelSize; ++x) {
    for (int y = 0; y < kLevelSize; ++y) {
      snapshot.TileCode[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] =
          map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)].TileCode;
      snapshot.Direction[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] =
          map[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)].Direction;
    }
  }
  ring.Written[static_cast<std::size_t>(next)] = true;
  ring.UndoIndex = static_cast<std::int16_t>(next);
  ring.Newest = static_cast<std::int16_t>(next);
}

bool IsUndoSlotWritten(const UndoRing& ring, int slot) {
  return slot >= 0 && slot < static_cast<int>(ring.Written.size()) && ring.Written[static_cast<std::size_t>(slot)];
}

}  // namespace brolt::editor
