#pragma once
// A two-dimensional array of cells indexed (x, y), x first, with bounds that may start below 0.
// This is the one place where grid access is bounds-checked: a cell outside the bounds reads as an
// empty cell and a write to it is lost, so a rule that looks or moves past the edge of the grid can
// never read or corrupt memory.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace brolt {

// Inclusive bounds of a grid.
struct GridBounds {
  int MinX = 0;
  int MaxX = -1;
  int MinY = 0;
  int MaxY = -1;
  bool operator==(const GridBounds&) const = default;
};

// One cell of a grid.
struct GridPoint {
  int x = 0;
  int y = 0;
  bool operator==(const GridPoint&) const = default;
};

template <typename Cell>
class CellGrid {
 public:
  // An empty grid: every cell reads as empty.
  CellGrid() = default;
  // A grid of empty cells within the bounds.
  explicit CellGrid(GridBounds bounds) : bounds_(bounds) {
    if (bounds.MaxX >= bounds.MinX && bounds.MaxY >= bounds.MinY)
      cells_.resize(static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()));
  }

  // Empties every cell within new bounds. The storage is kept when the size stays, so that loading
  // a level does not hand large blocks back to the system and fault them in again.
  void Reset(GridBounds bounds) {
    if (bounds == bounds_) {
      std::fill(cells_.begin(), cells_.end(), Cell{});
    } else {
      *this = CellGrid(bounds);
    }
  }

  const GridBounds& Bounds() const { return bounds_; }
  bool Contains(int x, int y) const {
    return x >= bounds_.MinX && x <= bounds_.MaxX && y >= bounds_.MinY && y <= bounds_.MaxY;
  }

  // The cell at (x, y); an empty cell outside the bounds.
  const Cell& operator()(int x, int y) const {
    static const Cell kEmpty{};
    return Contains(x, y) ? cells_[Index(x, y)] : kEmpty;
  }

  // The cells (x, y) to (x + count - 1, y), side by side, when all lie within the bounds; nullptr
  // otherwise. For reading many cells of a row with one check.
  const Cell* Run(int x, int y, int count) const {
    return count > 0 && Contains(x, y) && Contains(x + count - 1, y) ? &cells_[Index(x, y)] : nullptr;
  }

  // The cell at (x, y) for changing in place. Outside the bounds this is a scratch cell, emptied
  // at every such access, so changes to it reach no cell of the grid and the next outside access
  // reads empty again. Do not keep the reference across another outside access.
  Cell& operator()(int x, int y) {
    if (Contains(x, y)) return cells_[Index(x, y)];
    outside_ = Cell{};
    return outside_;
  }

  // Replaces the cell at (x, y); ignored outside the bounds.
  void Set(int x, int y, const Cell& cell) {
    if (Contains(x, y)) cells_[Index(x, y)] = cell;
  }

 private:
  int Width() const { return bounds_.MaxX - bounds_.MinX + 1; }
  int Height() const { return bounds_.MaxY - bounds_.MinY + 1; }
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y - bounds_.MinY) * static_cast<std::size_t>(Width()) +
           static_cast<std::size_t>(x - bounds_.MinX);
  }

  GridBounds bounds_;
  std::vector<Cell> cells_;
  Cell outside_{};
};

}  // namespace brolt
