#pragma once
// The records of the live grid: one LevelCell per cell of the object layer and one FloorCell per
// cell of the floor layer beneath it. Records are plain values, built only by the constructors of
// cell_construction.h and copied whole into the grids. y grows upward: DirY 1 is up.
#include <cstdint>

namespace brolt {

// A cache line each: the play update reads every cell of the field twice a frame, and a cell split
// across two lines costs two reads.
struct alignas(64) LevelCell {
  // Compared between two cells by one creature rule; 0 when built.
  std::int16_t SpareA = 0;
  std::int16_t Type = 0;  // an ObjectType, 0 = empty
  // The running motion or timed animation; 0 = at rest.
  std::int16_t AnimKind = 0;
  // Frame counter of the running motion (1.0 on its first frame); above 0 while one runs.
  float AnimTime = 0.0f;
  // The AnimTime at which the motion ends: its length in frames.
  float AnimEnd = 0.0f;
  // Picture column (1..8) and row in the type's texture sheet.
  std::int16_t Frame = 0;
  std::int16_t FrameRow = 0;
  // Drawing offset from the cell, in world units.
  float OffsetX = 0.0f;
  float OffsetY = 0.0f;
  // Direction or step: -1, 0 or 1 each (2 or -2 for a two-cell move).
  std::int16_t DirX = 0;
  std::int16_t DirY = 0;
  // Per-cell tick counter: cannon interval, bomb fuse. 32 bits: a cannon facing a wall counts
  // every frame without firing, which would pass 16 bits within ten minutes.
  std::int32_t Timer = 0;
  // Object type left or carried by the cell (explosions).
  std::int16_t Carried = 0;
  // Rotation in degrees: 0 up, 90 right, 180 down, 270 left.
  std::int16_t Angle = 0;
  // Sense of a creature's motion, -1 or 1.
  std::int16_t Moving = 0;
  // Seconds or steps left (hatching, devices).
  std::int16_t Countdown = 0;
  // 21 on a cell that counts as a unid whatever its type.
  std::int16_t Mark = 0;
  // Frames until a blast cell explodes again; 0 = none.
  std::int16_t ChainDelay = 0;
  // Drawing scale: 1.0 normal, 0 where the constructor sets none.
  float Scale = 0.0f;
  // Copy of the type's ExplodeRadius at construction.
  std::int16_t ExplodeRadius = 0;
  // 0 facing right, 1 facing left (the Thresher).
  std::int16_t FacingLeft = 0;
  // Set on a wall-following creature that is about to hatch.
  bool CrawlerFlag = false;
  // Set by a shot's flight the first time it handles the cell.
  std::int32_t FirstStepDone = 0;

  bool operator==(const LevelCell&) const = default;
};

enum FloorKind : std::int16_t {
  FloorPlain = 0,
  FloorForce = 8,
};

// The floor layer's cell. The rules read Kind, Frame and the push direction; the drawing reads the
// look. Reserved words that nothing reads (and a flag that is set but never read) are left out.
struct FloorCell {
  std::int16_t Kind = FloorPlain;
  // Drawing offset from the cell; neither is ever set. The rules' side calls OffsetY "Shift" (and
  // takes it for an x shift).
  std::int16_t OffsetX = 0;
  std::int16_t OffsetY = 0;
  // Picture column of the floor animation; the play update cycles it 1..8.
  std::int16_t Frame = 0;
  // Picture row (the rules' side calls it FrameStart).
  std::int16_t FrameRow = 0;
  // Base depth of the drawn quad (the rules' side calls it FrameRow).
  std::int16_t Depth = 0;
  // 0 up, 90 right, 180 down, 270 left.
  std::int16_t Angle = 0;
  std::int16_t Texture = 0;  // a TextureId
  // Drawing scale, 0 = one cell (the rules' side calls it DrawParam).
  std::int16_t Scale = 0;
  // Where a force floor carries the Thresher at rest: to (x + DirX, y + DirY).
  std::int16_t DirX = 0;
  std::int16_t DirY = 0;

  bool operator==(const FloorCell&) const = default;
};

}  // namespace brolt
