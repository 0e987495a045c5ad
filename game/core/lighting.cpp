#include "game/core/lighting.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/numeric.h"
#include "game/core/game.h"
#include "game/core/world_geometry.h"

namespace brolt {

namespace {

// The light reaches 20 cells each way from its centre.
constexpr int kLightReachCells = 20;
// The distance of the table's corner is its largest entry, and must fit in the entry's byte.
static_assert(kLightReachCells * CellSize * 1.4143 < 255.5);
// The colour classes: white and the four level colours.
constexpr int kColourClasses = 5;

RadialTable MakeDistanceTable(int reach) {
  RadialTable table;
  table.Reach = reach;
  const int side = 2 * reach + 1;
  table.Values.reserve(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
  for (int j = -reach; j <= reach; ++j)
    for (int i = -reach; i <= reach; ++i)
      table.Values.push_back(static_cast<std::uint8_t>(RoundHalfEven(std::sqrt(static_cast<double>(i * i + j * j)))));
  return table;
}

std::uint32_t PackColour(const std::array<int, 3>& rgb) {
  std::uint32_t packed = 0;
  for (int component : rgb) packed = (packed << 8) | static_cast<std::uint32_t>(std::clamp(component, 0, 255));
  return packed;
}

int LightDistance(const Game& game, int x, int y) {
  const LightState& light = game.light;
  return light.DistanceTable.At(x - light.ViewOriginX, y - light.ViewOriginY);
}

int ColourClass(const Game& game, int objType) {
  return std::clamp(game.ObjectDefs[objType].LightDivisor, 0, kColourClasses - 1);
}

}  // namespace

void BuildLightTable(Game& game) {
  const int reach = kLightReachCells * CellSize;
  game.light.DistanceTable = MakeDistanceTable(reach);
  game.light.LightMap = game.light.DistanceTable;
}

std::uint32_t GetCellColour(Game& game, int x, int y, int objType) {
  const LevelState& level = game.level;
  if (level.LightRadius < 1) return 0;
  const double distance = LightDistance(game, x, y);
  const std::size_t first = static_cast<std::size_t>(ColourClass(game, objType)) * 3;
  std::array<int, 3> rgb{};
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    const double c = level.ColourTable[first + i];
    int lit = RoundToInt16(c - (c / level.LightRadius) * distance);
    // Beyond the light a faint flicker remains.
    if (lit < 10) lit = static_cast<int>(RoundHalfEven(game.random().Rnd() + 9));
    rgb[i] = lit;
  }
  return PackColour(rgb);
}

std::uint32_t GetCellColourScaled(const Game& game, int x, int y, int objType) {
  const LevelState& level = game.level;
  if (level.LightRadius < 1) return 0;
  const double distance = LightDistance(game, x, y);
  const int divisor = ColourClass(game, objType);
  const RgbColour& base = level.LevelColor1;
  const std::array<int, 3> baseRgb = {base.red, base.green, base.blue};
  std::array<int, 3> rgb{};
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    double v = 0.0;
    if (divisor != 0) {
      const double c = baseRgb[i];
      v = RoundToInt32(c - (c / level.LightRadius) * (distance / 2)) / divisor;
    } else {
      v = 255 - (255.0 / level.LightRadius) * distance;
    }
    v = std::max(v * 2, 100.0);
    rgb[i] = RoundToInt16(v);
  }
  return PackColour(rgb);
}

}  // namespace brolt
