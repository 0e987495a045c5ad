#pragma once
// The light around the Thresher: distance tables built once at start-up, and the light centre that
// the cell drawing moves before it draws each cell's sprites.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace brolt {

// A square table indexed (i, j) from -Reach to Reach both ways, filled at start-up with a value
// of the distance of (i, j) from (0, 0), which is the same in all four quadrants.
struct RadialTable {
  int Reach = 0;
  // The quadrant i, j >= 0, row by row, j = 0 first. Every corner of every quad drawn reads these
  // tables, so their entries are single bytes and only one quadrant is kept: the table then stays
  // in the processor's first cache.
  std::vector<std::uint8_t> Values;

  // The entry at (i, j). An offset beyond the table reads the table's edge (the corners of the
  // backdrop reach past it); a table not yet built reads 0.
  std::int32_t At(int i, int j) const;
};

// Reads a RadialTable as its At does, for the many reads of one frame: whether the table is built,
// where its entries lie and how far they reach are found once.
class RadialReader {
 public:
  explicit RadialReader(const RadialTable& table)
      : values_(table.Values.empty() ? &kNotBuilt : table.Values.data()),
        reach_(table.Values.empty() ? 0 : table.Reach),
        side_(static_cast<std::size_t>(reach_) + 1) {}

  std::int32_t At(int i, int j) const {
    const int column = std::abs(std::clamp(i, -reach_, reach_));
    const int row = std::abs(std::clamp(j, -reach_, reach_));
    return values_[static_cast<std::size_t>(row) * side_ + static_cast<std::size_t>(column)];
  }

 private:
  // The one entry of a table not yet built.
  static constexpr std::uint8_t kNotBuilt = 0;
  const std::uint8_t* values_;
  int reach_;
  std::size_t side_;
};

inline std::int32_t RadialTable::At(int i, int j) const { return RadialReader(*this).At(i, j); }

// The light's colours by colour class and table distance, as the corners of the level view ask for
// them: worked out once for the light's radius and the level's colours and kept while neither
// changes, so that a frame reads a few hundred entries instead of working out three components
// of every corner it draws (see CornerLight).
struct LightColourCache {
  // White and the four level colours.
  static constexpr int kClasses = 5;
  // Every value of a table entry.
  static constexpr int kDistances = 256;
  // An entry not yet worked out; no packed colour reaches the top byte.
  static constexpr std::uint32_t kUnknown = 0xFFFFFFFF;

  // What the entries hold for: the radius, the colour table and the first level colour.
  std::int16_t Radius = 0;
  std::array<std::int16_t, 15> Table{};
  std::array<std::int32_t, 3> FirstColour{};
  // The full light, the components that flicker left 0 and named in the top byte; the dim light
  // of creatures and blasts. By class, then distance.
  std::array<std::uint32_t, kClasses * kDistances> Full;
  std::array<std::uint32_t, kClasses * kDistances> Scaled;

  LightColourCache() {
    Full.fill(kUnknown);
    Scaled.fill(kUnknown);
  }
};

struct LightState {
  // The distance of every offset from the light centre, in world units, rounded. The drawing side
  // calls it LightTable.
  RadialTable DistanceTable;
  // The same values, read by the drawing's depth of sprite corners (which calls it DepthTable).
  RadialTable LightMap;
  // The light centre in the coordinates of the points being drawn, in world units. The drawing side
  // calls them LightCentreX/Y.
  std::int16_t ViewOriginX = 0;
  std::int16_t ViewOriginY = 0;
  LightColourCache Colours;
};

}  // namespace brolt
