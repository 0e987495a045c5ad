#include "game/core/level/lighting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "common/numeric.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"

namespace brolt {

namespace {

// The light reaches 20 cells each way from its centre.
constexpr int kLightReachCells = 20;
// The distance of the table's corner is its largest entry, and must fit in the entry's byte.
static_assert(kLightReachCells * CellSize * 1.4143 < 255.5);
// Every entry of a distance table has its colours in the cache.
static_assert(std::numeric_limits<decltype(RadialTable::Values)::value_type>::max() + 1 ==
              LightColourCache::kDistances);
// The colour classes: white and the four level colours.
constexpr int kColourClasses = LightColourCache::kClasses;

RadialTable MakeDistanceTable(int reach) {
  RadialTable table;
  table.Reach = reach;
  const int side = reach + 1;
  table.Values.reserve(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
  for (int j = 0; j <= reach; ++j)
    for (int i = 0; i <= reach; ++i)
      table.Values.push_back(static_cast<std::uint8_t>(RoundHalfEven(std::sqrt(static_cast<double>(i * i + j * j)))));
  return table;
}

std::uint32_t PackComponent(int component, int shift) {
  return static_cast<std::uint32_t>(std::clamp(component, 0, 255)) << shift;
}

std::uint32_t PackColour(const std::array<int, 3>& rgb) {
  return PackComponent(rgb[0], 16) | PackComponent(rgb[1], 8) | PackComponent(rgb[2], 0);
}

int LightDistance(const Game& game, int x, int y) {
  const LightState& light = game.light;
  return light.DistanceTable.At(x - light.ViewOriginX, y - light.ViewOriginY);
}

// The full light of a colour class at a distance, before the flicker: the packed colour with the
// components that flicker left 0 and named in the top byte (CornerLight::kFlickerBlue).
std::uint32_t FullLight(const LevelState& level, int colourClass, int distance) {
  if (level.LightRadius < 1) return 0;
  const std::size_t first = static_cast<std::size_t>(colourClass) * 3;
  std::uint32_t entry = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    const int shift = 16 - 8 * static_cast<int>(i);
    const double c = level.ColourTable[first + i];
    const int lit = RoundToInt16(c - (c / level.LightRadius) * distance);
    // Beyond the light a faint flicker remains.
    entry |= lit < 10 ? CornerLight::kFlickerBlue << (shift / 8) : PackComponent(lit, shift);
  }
  return entry;
}

// One flickering component: 9 or 10 from a number in [0, 1).
std::uint32_t FlickerComponent(Random& random) {
  return static_cast<std::uint32_t>(std::clamp(static_cast<int>(RoundHalfEven(random.Rnd() + 9)), 0, 255));
}

// The entry of FullLight with its flickering components drawn, red first.
std::uint32_t Flickered(Random& random, std::uint32_t entry) {
  constexpr std::uint32_t kBlue = CornerLight::kFlickerBlue;
  std::uint32_t packed = entry & 0xFFFFFF;
  if (entry & kBlue << 2) packed |= FlickerComponent(random) << 16;
  if (entry & kBlue << 1) packed |= FlickerComponent(random) << 8;
  if (entry & kBlue) packed |= FlickerComponent(random);
  return packed;
}

// The dim light of a colour class at a distance.
std::uint32_t ScaledLight(const LevelState& level, int divisor, int distance) {
  if (level.LightRadius < 1) return 0;
  const RgbColour& base = level.LevelColor1;
  const std::array<int, 3> baseRgb = {base.red, base.green, base.blue};
  std::array<int, 3> rgb{};
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    double v = 0.0;
    if (divisor != 0) {
      const double c = baseRgb[i];
      v = RoundToInt32(c - (c / level.LightRadius) * (distance / 2.0)) / divisor;
    } else {
      v = 255 - (255.0 / level.LightRadius) * distance;
    }
    v = std::max(v * 2, 100.0);
    rgb[i] = RoundToInt16(v);
  }
  return PackColour(rgb);
}

}  // namespace

void BuildLightTable(Game& game) {
  const int reach = kLightReachCells * CellSize;
  game.light.DistanceTable = MakeDistanceTable(reach);
  game.light.LightMap = game.light.DistanceTable;
}

int LightColourClass(const Game& game, int objType) {
  return std::clamp(game.ObjectDefs[objType].LightDivisor, 0, kColourClasses - 1);
}

std::uint32_t GetCellColour(Game& game, int x, int y, int objType) {
  const std::uint32_t entry = FullLight(game.level, LightColourClass(game, objType), LightDistance(game, x, y));
  return Flickered(game.random(), entry);
}

std::uint32_t GetCellColourScaled(const Game& game, int x, int y, int objType) {
  return ScaledLight(game.level, LightColourClass(game, objType), LightDistance(game, x, y));
}

CornerLight::CornerLight(Game& game)
    : game_(game),
      distances_(game.light.DistanceTable),
      cache_(game.light.Colours),
      originX_(game.light.ViewOriginX),
      originY_(game.light.ViewOriginY) {
  const LevelState& level = game.level;
  const std::array<std::int32_t, 3> first = {level.LevelColor1.red, level.LevelColor1.green, level.LevelColor1.blue};
  if (cache_.Radius == level.LightRadius && cache_.Table == level.ColourTable && cache_.FirstColour == first) return;
  cache_.Radius = level.LightRadius;
  cache_.Table = level.ColourTable;
  cache_.FirstColour = first;
  cache_.Full.fill(LightColourCache::kUnknown);
  cache_.Scaled.fill(LightColourCache::kUnknown);
}

std::uint32_t CornerLight::FullEntry(std::size_t index) const {
  return FullLight(game_.level, static_cast<int>(index) / LightColourCache::kDistances,
                   static_cast<int>(index) % LightColourCache::kDistances);
}

std::uint32_t CornerLight::ScaledEntry(std::size_t index) const {
  return ScaledLight(game_.level, static_cast<int>(index) / LightColourCache::kDistances,
                     static_cast<int>(index) % LightColourCache::kDistances);
}

std::uint32_t CornerLight::Flicker(std::uint32_t entry) { return Flickered(game_.random(), entry); }

}  // namespace brolt
