#include "game/presentation/level_rendering.h"

#include <array>
#include <cstddef>

#include "common/numeric.h"
#include "game/core/game.h"
#include "game/core/texture_id.h"
#include "game/core/world_geometry.h"
#include "game/presentation/game_hud.h"
#include "game/presentation/world_sprites.h"

namespace brolt {

namespace {

// The backdrop is tiled in squares of three cells.
constexpr int kBackdropStep = CellSize * 3;
constexpr float kBackdropDepth = 10.0f;

const LevelCell& PlayerCell(const Game& game) {
  const LevelGrid& grid = game.level.Grid;
  return grid(RoundToInt16(game.level.PlayerX), RoundToInt16(game.level.PlayerY));
}

// Keeps the window within one cell of the level in one axis. The view scrolls while the origin lies
// strictly inside its range; landing on an end of the range unclamped keeps the last answer.
void ClampOrigin(int& origin, float gridSize, int viewCells, bool& scrolls) {
  if (origin < -DrawMargin) {
    origin = -DrawMargin;
    scrolls = false;
  }
  if (DrawMargin + gridSize < static_cast<float>(origin + viewCells)) {
    origin = RoundToInt16(DrawMargin + gridSize - viewCells);
    scrolls = false;
  }
  if (origin > -DrawMargin && DrawMargin + gridSize > static_cast<float>(origin + viewCells)) scrolls = true;
}

// Moves a backdrop offset against the Thresher's motion, keeping it within one tile.
void ScrollBackdrop(float& offset, float playerShift) {
  offset -= playerShift;
  if (offset <= -kBackdropStep) offset += kBackdropStep;
  if (offset >= kBackdropStep) offset -= kBackdropStep;
}

// The cells of the window that one pass draws, in the window's order, each with the world centre
// of its slot.
template <typename Cell>
class PassCells {
 public:
  struct Slot {
    const Cell* cell;
    float bx;
    float by;
  };
  void Add(const Cell& cell, float bx, float by) { slots_[size_++] = {&cell, bx, by}; }
  const Slot* begin() const { return slots_.data(); }
  const Slot* end() const { return slots_.data() + size_; }

 private:
  // Left uninitialised: a frame fills only the slots it uses.
  std::array<Slot, static_cast<std::size_t>(ViewCellsX) * ViewCellsY> slots_;
  std::size_t size_ = 0;
};

class LevelWindow {
 public:
  // Reads every cell of the window once, sorting the cells into the passes that draw them.
  LevelWindow(Game& game, RenderDevice& device, int originX, int originY)
      : game_(game), sprites_(game, device), originX_(originX), originY_(originY) {
    const LevelState& level = game_.level;
    ForEachCell([&](int x, int y, float bx, float by) {
      const FloorCell& floor = level.FloorGrid(x, y);
      if (floor.Kind == FloorForce) forceFloors_.Add(floor, bx, by);
      const LevelCell& cell = level.Grid(x, y);
      const ObjectDef& def = game_.ObjectDefs[cell.Type];
      if (def.IsWall) walls_.Add(cell, bx, by);
      if (cell.Type != ObjEmpty && !def.IsWall && !def.IsCreature && !IsDrawnLater(cell.Type))
        objects_.Add(cell, bx, by);
      if (def.IsCreature || cell.Type == ObjRockC || cell.Type == ObjRockUp || cell.Type == ObjRock)
        creaturesAndRocks_.Add(cell, bx, by);
      if (IsBlastType(cell.Type) || cell.Type == ObjRockGenerator) blastsAndGenerators_.Add(cell, bx, by);
    });
  }

  void DrawBackdrop() {
    const RenderState& render = game_.render;
    const float half = kBackdropStep / 2.0f;
    for (int by = render.ViewMinY - kBackdropStep; by <= render.ViewMaxY + kBackdropStep; by += kBackdropStep) {
      for (int bx = render.ViewMinX - kBackdropStep; bx <= render.ViewMaxX + kBackdropStep; bx += kBackdropStep) {
        const float x = render.BackdropX + static_cast<float>(bx);
        const float y = render.BackdropY + static_cast<float>(by);
        if (!(render.ViewMinX - half < x && x < render.ViewMaxX + half)) continue;
        if (!(render.ViewMinY - half < y && y < render.ViewMaxY + half)) continue;
        sprites_.Rotated({1, 1, x, y, kBackdropDepth, 1, 1, 0, 3, TexBackground}, ObjEmpty);
      }
    }
  }

  void DrawForceFloors() {
    for (const auto& [floor, bx, by] : forceFloors_) {
      const WorldSprite sprite{8,
                               8,
                               Shifted(bx, floor->OffsetX, game_.render.ViewShiftX),
                               Shifted(by, floor->OffsetY, game_.render.ViewShiftY),
                               static_cast<float>(floor->Depth),
                               floor->Frame,
                               floor->FrameRow,
                               floor->Angle,
                               static_cast<float>(floor->Scale),
                               floor->Texture};
      sprites_.Rotated(sprite, ObjEmpty);
    }
  }

  // The Thresher at the light centre, drawn from his shielded rows while the shield lasts.
  void DrawThresher() {
    if (game_.flags.Dead) return;
    const LevelCell& cell = PlayerCell(game_);
    const ObjectDef& def = game_.ObjectDefs[cell.Type];
    const WorldSprite sprite{8,
                             8,
                             static_cast<float>(game_.light.ViewOriginX),
                             static_cast<float>(game_.light.ViewOriginY),
                             static_cast<float>(def.DrawDepth),
                             cell.Frame,
                             game_.render.PlayerDrawRow,
                             cell.Angle,
                             cell.Scale,
                             def.Texture};
    if (cell.FacingLeft == 1) {
      sprites_.RotatedB(sprite);
    } else {
      sprites_.Rotated(sprite, ObjThresher);
    }
  }

  void DrawWalls() {
    for (const auto& [cell, bx, by] : walls_) DrawStandard(*cell, bx, by);
  }

  void DrawObjects() {
    for (const auto& [cell, bx, by] : objects_) DrawStandard(*cell, bx, by);
  }

  // Creatures in their dim light; the rocks that fall and roll over everything else. The two
  // indestructible rocks were drawn by the objects' pass already and are drawn again here.
  void DrawCreaturesAndRocks() {
    for (const auto& [cell, bx, by] : creaturesAndRocks_) {
      if (game_.ObjectDefs[cell->Type].IsCreature) {
        sprites_.RotatedD(StandardSprite(*cell, bx, by), cell->Type);
      } else {
        DrawStandard(*cell, bx, by);
      }
    }
  }

  // Blasts and shots in the exclusion blend, and the rock generator once more over everything.
  void DrawBlastsAndGenerators() {
    for (const auto& [cell, bx, by] : blastsAndGenerators_) {
      if (IsBlastType(cell->Type)) {
        WorldSprite sprite = StandardSprite(*cell, bx, by);
        if (cell->Carried == ObjRockB) sprite.texture = TexExplogeon2;
        sprites_.RotatedC(sprite);
      } else {
        DrawStandard(*cell, bx, by);
      }
    }
  }

 private:
  static bool IsBlastType(int type) { return type >= ObjBlast && type <= ObjShotBlast; }

  // Types that a later pass draws instead of the objects' pass.
  static bool IsDrawnLater(int type) {
    return type == ObjThresher || type == ObjRock || type == ObjRockGenerator || IsBlastType(type);
  }

  float Shifted(float base, float offset, float viewShift) const { return viewShift + base + offset; }

  // A cell drawn as it stands: at its slot moved by the view and its own offset, with its picture,
  // angle, scale and its type's depth and texture, lit by its type's light colour.
  WorldSprite StandardSprite(const LevelCell& cell, float bx, float by) const {
    const ObjectDef& def = game_.ObjectDefs[cell.Type];
    return {8,
            8,
            Shifted(bx, cell.OffsetX, game_.render.ViewShiftX),
            Shifted(by, cell.OffsetY, game_.render.ViewShiftY),
            static_cast<float>(def.DrawDepth),
            cell.Frame,
            cell.FrameRow,
            cell.Angle,
            cell.Scale,
            def.Texture};
  }

  void DrawStandard(const LevelCell& cell, float bx, float by) {
    sprites_.Rotated(StandardSprite(cell, bx, by), cell.Type);
  }

  // Row by row from the bottom, each row from the left, with the world centre of each slot.
  template <typename Visit>
  void ForEachCell(Visit visit) const {
    const RenderState& render = game_.render;
    for (int j = 0; j < ViewCellsY; ++j) {
      for (int i = 0; i < ViewCellsX; ++i) {
        visit(originX_ + i, originY_ + j, static_cast<float>(render.ViewMinX + i * CellSize),
              static_cast<float>(render.ViewMinY + j * CellSize));
      }
    }
  }

  Game& game_;
  SpriteDrawer sprites_;
  int originX_;
  int originY_;
  PassCells<FloorCell> forceFloors_;
  PassCells<LevelCell> walls_;
  PassCells<LevelCell> objects_;
  PassCells<LevelCell> creaturesAndRocks_;
  PassCells<LevelCell> blastsAndGenerators_;
};

}  // namespace

void RenderLevel(Game& game, RenderDevice& device) {
  const LevelState& level = game.level;
  if (!game.flags.Dead) {
    const LevelCell& cell = PlayerCell(game);
    game.render.ViewShiftX = -cell.OffsetX;
    game.render.ViewShiftY = -cell.OffsetY;
  }
  DrawLevelWindow(game, device, RoundToInt16(level.PlayerX - (ViewCellsX - 1) / 2.0),
                  RoundToInt16(level.PlayerY - (ViewCellsY - 1) / 2.0));
  DrawGameHud(game);
}

void DrawLevelWindow(Game& game, RenderDevice& device, int originX, int originY) {
  RenderState& render = game.render;
  MotionState& motion = game.motion;
  const LevelState& level = game.level;
  const LevelCell& player = PlayerCell(game);

  render.PlayerDrawRow = static_cast<std::int16_t>(player.FrameRow + (game.player.ShieldTime >= 1 ? 3 : 0));
  ClampOrigin(originX, GridWidth, ViewCellsX, render.ScrollsX);
  ClampOrigin(originY, GridHeight, ViewCellsY, render.ScrollsY);
  if (!render.ScrollsX) {
    render.ViewShiftX = 0;
    motion.PlayerStepX = 0;
  }
  if (!render.ScrollsY) {
    render.ViewShiftY = 0;
    motion.PlayerStepY = 0;
  }
  // The light centre is where the Thresher is drawn.
  game.light.ViewOriginX = RoundToInt16((static_cast<double>(level.PlayerX) - originX) * CellSize + render.ViewMinX +
                                        render.ViewShiftX + player.OffsetX);
  game.light.ViewOriginY = RoundToInt16((static_cast<double>(level.PlayerY) - originY) * CellSize + render.ViewMinY +
                                        render.ViewShiftY + player.OffsetY);
  ScrollBackdrop(render.BackdropX, motion.PlayerStepX);
  ScrollBackdrop(render.BackdropY, motion.PlayerStepY);

  LevelWindow window(game, device, originX, originY);
  window.DrawBackdrop();
  window.DrawForceFloors();
  window.DrawThresher();
  window.DrawWalls();
  window.DrawObjects();
  window.DrawCreaturesAndRocks();
  window.DrawBlastsAndGenerators();
}

}  // namespace brolt
