#pragma once
// The Type of each cell that the set-up passes after a level load look at: the cells they scan
// (FieldScanBounds) and the ring of neighbours around them. A grid cell is a whole record, so a
// scan of the grid reads a cache line per cell; the map holds the same answer in two bytes, and a
// pass reads the grid only at the cells it changes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/core/state/level_state.h"

namespace brolt {

class CellTypeMap {
 public:
  static constexpr int kFirst = std::min(FieldScanBounds().MinX, FieldScanBounds().MinY) - 1;
  static constexpr int kLast = std::max(FieldScanBounds().MaxX, FieldScanBounds().MaxY) + 1;

  // Every cell empty (Type 0).
  CellTypeMap() = default;
  // The types as the grid holds them now.
  explicit CellTypeMap(const LevelGrid& grid) {
    for (int y = kFirst; y <= kLast; ++y) {
      const LevelCell* row = grid.Span(kFirst, kLast, y);
      for (int x = kFirst; x <= kLast; ++x) types_[Index(x, y)] = row != nullptr ? row[x - kFirst].Type : grid(x, y).Type;
    }
  }

  // x and y within kFirst..kLast.
  std::int16_t operator()(int x, int y) const { return types_[Index(x, y)]; }
  void Set(int x, int y, std::int16_t type) { types_[Index(x, y)] = type; }

 private:
  static constexpr int kSide = kLast - kFirst + 1;
  static std::size_t Index(int x, int y) { return static_cast<std::size_t>((y - kFirst) * kSide + (x - kFirst)); }

  std::array<std::int16_t, kSide * kSide> types_{};
};

}  // namespace brolt
