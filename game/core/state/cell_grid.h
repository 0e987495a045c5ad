#pragma once
// A two-dimensional array of cells indexed (x, y), x first, with bounds that may start below 0.
// This is the one place where grid access is bounds-checked: a cell outside the bounds reads as an
// empty cell and a write to it is lost, so a rule that looks or moves past the edge of the grid can
// never read or corrupt memory.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>
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
  void Reset(GridBounds bounds) { ResetAround(bounds, GridBounds{}); }

  // Reset, except that the cells within `keep` may be left as they were: for a caller that writes
  // every one of them next.
  void ResetAround(GridBounds bounds, GridBounds keep) {
    if (bounds != bounds_) {
      *this = CellGrid(bounds);
      return;
    }
    const int width = static_cast<int>(width_);
    for (int y = bounds_.MinY; y <= bounds_.MaxY; ++y) {
      Cell* row = cells_.data() + Index(bounds_.MinX, y);
      if (y < keep.MinY || y > keep.MaxY) {
        Empty(row, row + width);
        continue;
      }
      const int keepFirst = std::clamp(keep.MinX - bounds_.MinX, 0, width);
      const int keepEnd = std::clamp(keep.MaxX + 1 - bounds_.MinX, keepFirst, width);
      Empty(row, row + keepFirst);
      Empty(row + keepEnd, row + width);
    }
  }

  const GridBounds& Bounds() const { return bounds_; }
  // Every rule reads the grid through here, several times a cell each frame: one unsigned compare
  // a side, with no overflow for coordinates far outside.
  bool Contains(int x, int y) const { return Column(x) < width_ && Row(y) < height_; }

  // The cell at (x, y); an empty cell outside the bounds.
  const Cell& operator()(int x, int y) const {
    static const Cell kEmpty{};
    if (Contains(x, y)) [[likely]]
      return cells_[Index(x, y)];
    return kEmpty;
  }

  // The cell at (x, y) for changing in place. Outside the bounds this is a scratch cell, emptied
  // at every such access, so changes to it reach no cell of the grid and the next outside access
  // reads empty again. Do not keep the reference across another outside access.
  Cell& operator()(int x, int y) {
    if (Contains(x, y)) [[likely]]
      return cells_[Index(x, y)];
    outside_ = Cell{};
    return outside_;
  }

  // Replaces the cell at (x, y); ignored outside the bounds.
  void Set(int x, int y, const Cell& cell) {
    if (Contains(x, y)) cells_[Index(x, y)] = cell;
  }

  // The cells (firstX, y) to (lastX, y), in order, for a loop over a row that checks the bounds once
  // instead of at every cell; nullptr when any of them lies outside the bounds. They stay where they
  // are until the bounds change, whatever is written to them meanwhile.
  Cell* Span(int firstX, int lastX, int y) {
    return Contains(firstX, y) && Contains(lastX, y) ? cells_.data() + Index(firstX, y) : nullptr;
  }
  const Cell* Span(int firstX, int lastX, int y) const {
    return Contains(firstX, y) && Contains(lastX, y) ? cells_.data() + Index(firstX, y) : nullptr;
  }

 private:
  // Most cells of a grid being emptied are empty already (the margin around a level, the checkpoint
  // copy of a level never saved), so a run of cells is read first and written only when it holds
  // something: reading leaves the memory clean, where writing every cell would dirty all of it.
  static void Empty(Cell* first, Cell* last) {
    static_assert(std::is_trivially_copyable_v<Cell>);
    static const bool zeroBytesAreEmpty = [] {
      Cell zero;
      std::memset(static_cast<void*>(&zero), 0, sizeof(Cell));
      return zero == Cell{};
    }();
    if (!zeroBytesAreEmpty) {
      std::fill(first, last, Cell{});
      return;
    }
    const std::size_t size = static_cast<std::size_t>(last - first) * sizeof(Cell);
    if (!AllZeroBytes(first, size)) std::memset(static_cast<void*>(first), 0, size);
  }
  static bool AllZeroBytes(const void* data, std::size_t size) {
    static constexpr unsigned char kZeros[1024] = {};
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t done = 0; done < size; done += sizeof(kZeros)) {
      if (std::memcmp(bytes + done, kZeros, std::min(sizeof(kZeros), size - done)) != 0) return false;
    }
    return true;
  }

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
