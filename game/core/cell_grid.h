#pragma once
// A two-dimensional array of cells indexed (x, y), x first, with bounds that may start below 0.
// This is the one place where grid access is bounds-checked: a cell outside the bounds reads as an
// empty cell and a write to it is lost, so a rule that looks or moves past the edge of the grid can
// never read or corrupt memory.
#include <algorithm>
#include <cstddef>
#include <span>
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
    if (bounds.MaxX >= bounds.MinX && bounds.MaxY >= bounds.MinY) {
      width_ = static_cast<unsigned>(bounds.MaxX) - static_cast<unsigned>(bounds.MinX) + 1;
      height_ = static_cast<unsigned>(bounds.MaxY) - static_cast<unsigned>(bounds.MinY) + 1;
      cells_.resize(static_cast<std::size_t>(width_) * height_);
    }
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
  // Every rule reads the grid through here, several times a cell each frame: one unsigned compare
  // a side, with no overflow for coordinates far outside.
  bool Contains(int x, int y) const { return Column(x) < width_ && Row(y) < height_; }

  // The cell at (x, y); an empty cell outside the bounds.
  const Cell& operator()(int x, int y) const {
    static const Cell kEmpty{};
    return Contains(x, y) ? cells_[Index(x, y)] : kEmpty;
  }

  // The cell at (x, y) for changing in place. Outside the bounds this is a scratch cell, emptied
  // at every such access, so changes to it reach no cell of the grid and the next outside access
  // reads empty again. Do not keep the reference across another outside access.
  Cell& operator()(int x, int y) {
    if (Contains(x, y)) return cells_[Index(x, y)];
    outside_ = Cell{};
    return outside_;
  }

  // The cells of row y from x = first to x = last, for a scan along the row: empty unless all of them
  // lie within the bounds. They stay where they are until the bounds change, whatever is written to
  // them meanwhile.
  std::span<Cell> Row(int y, int first, int last) {
    if (first > last || !Contains(first, y) || !Contains(last, y)) return {};
    return {&cells_[Index(first, y)], static_cast<std::size_t>(last) - static_cast<std::size_t>(first) + 1};
  }

  // Replaces the cell at (x, y); ignored outside the bounds.
  void Set(int x, int y, const Cell& cell) {
    if (Contains(x, y)) cells_[Index(x, y)] = cell;
  }

 private:
  unsigned Column(int x) const { return static_cast<unsigned>(x) - static_cast<unsigned>(bounds_.MinX); }
  unsigned Row(int y) const { return static_cast<unsigned>(y) - static_cast<unsigned>(bounds_.MinY); }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(Row(y)) * width_ + Column(x); }

  GridBounds bounds_;
  // The sides' lengths; 0 for an empty grid, so that nothing is inside it.
  unsigned width_ = 0;
  unsigned height_ = 0;
  std::vector<Cell> cells_;
  Cell outside_{};
};

}  // namespace brolt
