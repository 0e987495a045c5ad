#pragma once
// The behaviour and look of every object type, looked up by type rather than tested by number
// wherever several types share a property. Built from constants by BuildObjectDefs; the speeds
// follow the game speed, so the table is rebuilt whenever an options page is left.
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/core/level/object_types.h"

namespace brolt {

struct Game;

struct ObjectDef {
  // Objects resting on this type roll off it sideways.
  bool Round = false;
  // Cells per second; a one-cell motion lasts FramesPerSecond / Speed frames.
  float Speed = 0.0f;
  // Picture column and row (1..8) a new cell starts with and its frame cycle returns to.
  std::int16_t StartFrame = 0;
  std::int16_t StartRow = 0;
  // A creature's step cycles the frame up to FrameCount, then moves on through RowCount rows.
  std::int16_t FrameCount = 0;
  std::int16_t RowCount = 0;
  // Base depth of the drawn quad: 1 for the Thresher, -1 for blasts and shots. A number, not a flag.
  std::int16_t DrawDepth = 0;
  std::int16_t Texture = 0;  // a TextureId
  // Falls; also never holds a bomb in place and crushes a creature below it while moving.
  bool Gravity = false;
  // The Thresher may push it sideways; falling onto something blocking makes it explode.
  bool SidePushable = false;
  bool ExplodesOnLanding = false;
  // Explosions and shots may replace the cell.
  bool Destroyable = false;
  // Radius of the explosion when destroyed; a shot explodes on a target whose radius is not 0.
  std::int16_t ExplodeRadius = 0;
  // A cannon fires at it and a shot may enter it.
  bool ShotTarget = false;
  bool IsCreature = false;
  bool Pushable = false;
  // Walls join up with cells of this type. The drawing side calls this WallJoin.
  bool IsWall = false;
  // A plain wall that wall shaping gives an edge where a neighbour is no wall.
  bool WallEdge = false;
  // Light colour class: 0 white, 1..4 the level colours.
  std::int32_t LightDivisor = 0;
  // At rest the picture advances and the angle turns on every 15-per-second tick.
  bool IdleSpin = false;
  // Wall shaping chooses the piece from the neighbours beside the wall's facing.
  bool ShapedWall = false;
  // Blast and shot cells.
  bool IsBlast = false;

  bool operator==(const ObjectDef&) const = default;
};

// One record per object type. Types that no definition names stay all zero, and so does the
// record handed out for a type outside 0..99, so a bad type reads as "nothing" rather than
// reading past the table.
struct ObjectDefTable {
  std::array<ObjectDef, kObjectTypeCount> Defs{};

  const ObjectDef& operator[](int type) const {
    static const ObjectDef kNone{};
    if (type < 0 || type >= kObjectTypeCount) return kNone;
    return Defs[static_cast<std::size_t>(type)];
  }
};

// One small value per object type, worked out once from the records for a scan that asks it of
// many cells: a byte table stays in the first cache where the records do not. A type outside 0..99
// reads `outside`.
template <typename T>
class TypeTable {
 public:
  template <typename Of>
  explicit TypeTable(Of of, T outside = T{}) : outside_(outside) {
    for (int type = 0; type < kObjectTypeCount; ++type) values_[static_cast<std::size_t>(type)] = of(type);
  }
  T operator[](int type) const {
    return static_cast<unsigned>(type) < kObjectTypeCount ? values_[static_cast<std::size_t>(type)] : outside_;
  }

 private:
  std::array<T, kObjectTypeCount> values_;
  T outside_;
};

// Writes the records of the 56 defined types from game.settings.GameSpeed. Other records are left
// as they are (all zero), so rebuilding with the same speed changes nothing.
void BuildObjectDefs(Game& game);

}  // namespace brolt
