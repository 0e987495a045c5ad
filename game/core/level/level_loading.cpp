#include "game/core/level/level_loading.h"

#include <algorithm>

#include "common/collection_file.h"
#include "common/numeric.h"
#include "game/core/level/cell_construction.h"
#include "game/core/level/cell_type_map.h"
#include "game/core/level/goal_counts.h"
#include "game/core/level/level_colours.h"
#include "game/core/level/level_orientation.h"
#include "game/core/level/wall_shaping.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"

namespace brolt {

namespace {

constexpr int kExitCode = 9;
// The force floor codes pushing up, right, down and left.
constexpr int kForceFloorFirst = 30;
constexpr int kForceFloorLast = 33;
constexpr int kForceDirX[] = {0, 1, 0, -1};
constexpr int kForceDirY[] = {1, 0, -1, 0};

// The record of level n from the collection being played; in preview play also whether the
// preview wants music, from the record after it.
std::string ReadLevelRecord(Game& game, int n) {
  const bool preview = !game.flags.CommandLine.empty();
  game.collection.CollectionFile = preview ? game.flags.CommandLine : game.LevelList.SelectedName();
  if (game.collection.CollectionFile.empty()) return {};
  const std::filesystem::path file = game.paths.LevelsPath / game.collection.CollectionFile;
  std::string record = ReadSlot(file, n);
  if (preview) game.flags.PreviewMusic = PreviewWantsMusic(ReadSlot(file, static_cast<long>(n) + 1));
  return record;
}

// A stored amount of seconds stretched for slower game speeds: x 1.8 at speed 5, x 1.0 at 9.
std::int16_t StretchForSpeed(double seconds, std::int32_t gameSpeed) {
  return RoundToInt16(seconds + (9.0 - gameSpeed) * 0.2 * seconds);
}

// A component of three digits can reach 999; it must fit its channel.
RgbColour ClampColour(RgbColour colour) {
  return {std::clamp(colour.red, 0, 255), std::clamp(colour.green, 0, 255), std::clamp(colour.blue, 0, 255)};
}

// The header words, read as DecodeLevelRecord reads them.
void ParseHeader(Game& game, std::string_view record) {
  using namespace level_field;
  LevelState& level = game.level;
  const std::int32_t speed = game.settings.GameSpeed;
  level.LevelTitle = TrimSpaces(FieldText(record, Title));
  level.LevelColor1 = ClampColour(DecodeColour(record, Color1));
  level.LevelColor2 = ClampColour(DecodeColour(record, Color2));
  level.LevelColor3 = ClampColour(DecodeColour(record, Color3));
  level.LevelColor4 = ClampColour(DecodeColour(record, Color4));
  level.LightRadius = RoundToInt16(static_cast<double>(CellSize) * FieldNumber(record, LightRadius));
  // The time limit is taken as a real number before it is stretched.
  const std::int16_t timeLeft = StretchForSpeed(LeadingValue(FieldText(record, TimeLimit)), speed);
  game.timing.TimeLeft = timeLeft == 0 ? std::int16_t{-1} : timeLeft;
  level.UnidAward = StretchForSpeed(FieldNumber(record, UnidAward), speed);
  level.CannonRate = SaturatingAdd16(StretchForSpeed(FieldNumber(record, CannonRate), speed), 1);
}

// Builds the 2500 cells, the top row of the record first, and notes their types. Returns the number
// of unids.
std::int16_t BuildCells(Game& game, std::string_view record, CellTypeMap& types) {
  LevelState& level = game.level;
  LevelCellMaker maker(game);
  std::int16_t unids = 0;
  const int lastX = static_cast<int>(RoundHalfEven(GridWidth - 1));
  const int lastY = static_cast<int>(RoundHalfEven(GridHeight - 1));
  for (int y = lastY; y >= 0; --y) {
    // The grids were just set to the level's bounds, which hold the level itself.
    LevelCell* row = level.Grid.Span(0, lastX, y);
    // The record's cells are read as they are built, with no copy of them all in between.
    const int first = (lastY - y) * kLevelColumns;
    for (int x = 0; x <= lastX; ++x) {
      const CellText text = RecordCell(record, first + x);
      int code = text.tileCode;
      if (code == ObjUnid || code == ObjArmoredUnid || code == ObjGoldUnidGnat) ++unids;
      // Exit portals start closed.
      if (code == kExitCode) code = ObjClosedPortal;
      if (code == ObjThresher) {
        // With several Thresher cells the last one, lowest and then rightmost, is the player.
        level.PlayerX = static_cast<float>(x);
        level.PlayerY = static_cast<float>(y);
        game.flags.Dead = false;
      }
      // Each cell is built in its place. A force floor's own code draws no random number, so
      // building only the empty cell that replaces it in the object layer comes to the same.
      LevelCell& cell = row[x];
      std::int16_t type;
      if (code >= kForceFloorFirst && code <= kForceFloorLast) {
        const int facing = code - kForceFloorFirst;
        FloorCell floor = MakeFloorCell(FloorForce, kForceDirX[facing], kForceDirY[facing]);
        ApplyDirectionDigit(floor, text.direction);
        level.FloorGrid.Set(x, y, floor);
        type = maker.Make(ObjEmpty, cell);
      } else {
        type = maker.Make(code, cell);
        if (text.direction != 0) ApplyDirectionDigit(cell, text.direction);
      }
      types.Set(x, y, type);
    }
  }
  return unids;
}

}  // namespace

void ParseLevelRecord(Game& game, int n) {
  LevelState& level = game.level;
  // Stays set only when the level has no Thresher.
  game.flags.Dead = true;
  // BuildCells writes every cell of the level itself, so only the grid around them is emptied here.
  ResetLevelGridsAroundField(level);

  // Around the level itself every cell of Grid has just been emptied, and BuildCells notes each
  // cell that it builds, so the map holds the grid's types without a pass over the grid.
  CellTypeMap types;
  std::int16_t unids = 0;
  try {
    const std::string record = ReadLevelRecord(game, n);
    ParseHeader(game, record);
    unids = BuildCells(game, record, types);
  } catch (...) {
    // A load that fails leaves every grid empty, none of the level before it.
    ResetLevelGrids(level);
    throw;
  }

  game.explosions.ShieldEnabled = true;
  game.devices.DoorsSwinging = false;
  level.UnidsNeeded = unids;
  game.player.Bombs = 0;
  game.player.ShieldTime = 0;
  game.player.Shots = 0;
  game.player.FreezeTime = 0;
  level.HasThresher = !game.flags.Dead;
  if (game.flags.Dead) {
    // No Thresher: the position only places the camera.
    const LevelCell none = MakeCell(game, -1);
    level.Grid.Set(1, 1, none);
    types.Set(1, 1, none.Type);
    game.flags.Dead = false;
    level.PlayerX = 1.0f;
    level.PlayerY = 1.0f;
  }
  game.flags.NameEntry = false;
  ShapeWalls(game, types);
  OrientCreatures(game, types);

  FrameTiming& timing = game.timing;
  timing.LevelMinutes = 0;
  timing.LevelSeconds = 0;
  timing.LevelMs = 0;
  timing.FrameMs = 0.0;
  ResetTickCounters(timing, game.clock());
  game.flags.FailReason = 0;
  // The overlays and Enter may look at what is left to win before the first play update counts it.
  CountGoals(game);
  // No "+" read-out of a bonus carried over from the level before.
  game.player.TimeBonusTimer = -1.0f;
}

void LoadLevel(Game& game, int n) {
  ParseLevelRecord(game, n);
  LevelState& level = game.level;
  // A black first colour asks for four random bright colours at every load.
  if (level.LevelColor1 == RgbColour{0, 0, 0}) {
    level.LevelColor1 = RandomBrightColour(game);
    level.LevelColor2 = RandomBrightColour(game);
    level.LevelColor3 = RandomBrightColour(game);
    level.LevelColor4 = RandomBrightColour(game);
  }
  ApplyLevelColours(game);
  if (level.LightRadius != 0) {
    level.LightRadiusTarget = level.LightRadius;
  } else {
    // No light radius: a fixed one of 15 cells in white. The colour table keeps the level's colour.
    level.LevelColor1 = {255, 255, 255};
    level.LightRadiusTarget = CellSize * 15;
  }
  level.LightRadius = 10;
  ResetTickCounters(game.timing, game.clock());
}

}  // namespace brolt
