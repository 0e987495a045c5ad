#include "game/presentation/level_drawing/level_rendering.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/numeric.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/state/game.h"
#include "game/core/state/world_geometry.h"
#include "game/presentation/level_drawing/game_hud.h"
#include "game/presentation/level_drawing/world_sprites.h"

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

constexpr std::size_t kWindowCells = static_cast<std::size_t>(ViewCellsX) * ViewCellsY;

// One slot of the window: its cell and floor, and the world centre of the slot.
struct WindowSlot {
  const LevelCell* cell;
  const FloorCell* floor;
  float bx;
  float by;
};

// The slots of the window that one pass draws, by their places in the window's order.
class PassSlots {
 public:
  // Adds the slot when `keep` holds. The place is written either way and only counted when kept:
  // whether a cell is drawn changes from cell to cell, which a branch would keep guessing wrong.
  void AddIf(bool keep, std::size_t slot) {
    places_[size_] = static_cast<std::uint16_t>(slot);
    size_ += keep ? 1 : 0;
  }
  const std::uint16_t* begin() const { return places_.data(); }
  const std::uint16_t* end() const { return places_.data() + size_; }

 private:
  // Left uninitialised: a frame fills only the places it uses.
  std::array<std::uint16_t, kWindowCells> places_;
  std::size_t size_ = 0;
};

// The passes after the Thresher's that draw a cell, as bits.
enum PassBit : unsigned {
  kWallPass = 1,
  kObjectPass = 2,
  kCreatureOrRockPass = 4,
  kBlastOrGeneratorPass = 8,
};

bool IsBlastType(int type) { return type >= ObjBlast && type <= ObjShotBlast; }

// Types that a later pass draws instead of the objects' pass.
bool IsDrawnLater(int type) {
  return type == ObjThresher || type == ObjRock || type == ObjRockGenerator || IsBlastType(type);
}

unsigned PassesOf(const Game& game, int type) {
  const ObjectDef& def = game.ObjectDefs[type];
  unsigned passes = 0;
  if (def.IsWall) passes |= kWallPass;
  if (type != ObjEmpty && !def.IsWall && !def.IsCreature && !IsDrawnLater(type)) passes |= kObjectPass;
  if (def.IsCreature || type == ObjRockC || type == ObjRockUp || type == ObjRock) passes |= kCreatureOrRockPass;
  if (IsBlastType(type) || type == ObjRockGenerator) passes |= kBlastOrGeneratorPass;
  return passes;
}

class LevelWindow {
 public:
  // Reads every cell of the window once, sorting the cells into the passes that draw them.
  LevelWindow(Game& game, RenderDevice& device, int originX, int originY)
      : game_(game),
        sprites_(game, device),
        originX_(originX),
        originY_(originY),
        passes_([&game](int type) { return PassesOf(game, type); }, PassesOf(game, -1)) {
    std::size_t slot = 0;
    ForEachCell([&](const LevelCell& cell, const FloorCell& floor, float bx, float by) {
      slots_[slot] = {&cell, &floor, bx, by};
      forceFloors_.AddIf(floor.Kind == FloorForce, slot);
      const int type = cell.Type;
      const unsigned passes = passes_[type];
      walls_.AddIf(passes & kWallPass, slot);
      objects_.AddIf(passes & kObjectPass, slot);
      creaturesAndRocks_.AddIf(passes & kCreatureOrRockPass, slot);
      blastsAndGenerators_.AddIf(passes & kBlastOrGeneratorPass, slot);
      ++slot;
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
        sprites_.DrawSpriteRotated({1, 1, x, y, kBackdropDepth, 1, 1, 0, 3, TexBackground}, ObjEmpty);
      }
    }
  }

  void DrawForceFloors() {
    for (const std::uint16_t place : forceFloors_) {
      const WindowSlot& slot = slots_[place];
      const FloorCell& floor = *slot.floor;
      const WorldSprite sprite{8,
                               8,
                               Shifted(slot.bx, floor.OffsetX, game_.render.ViewShiftX),
                               Shifted(slot.by, floor.OffsetY, game_.render.ViewShiftY),
                               static_cast<float>(floor.Depth),
                               floor.Frame,
                               floor.FrameRow,
                               floor.Angle,
                               static_cast<float>(floor.Scale),
                               floor.Texture};
      sprites_.DrawSpriteRotated(sprite, ObjEmpty);
    }
  }

  // The Thresher at the light centre, drawn from his shielded rows while the shield lasts. A level
  // made without him has nobody there: its position only places the camera.
  void DrawThresher() {
    if (game_.flags.Dead || !game_.level.HasThresher) return;
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
      sprites_.DrawSpriteRotatedB(sprite);
    } else {
      sprites_.DrawSpriteRotated(sprite, ObjThresher);
    }
  }

  void DrawWalls() {
    for (const std::uint16_t place : walls_) DrawStandard(slots_[place]);
  }

  void DrawObjects() {
    for (const std::uint16_t place : objects_) DrawStandard(slots_[place]);
  }

  // Creatures in their dim light; the rocks that fall and roll over everything else. The two
  // indestructible rocks were drawn by the objects' pass already and are drawn again here.
  void DrawCreaturesAndRocks() {
    for (const std::uint16_t place : creaturesAndRocks_) {
      const WindowSlot& slot = slots_[place];
      if (game_.ObjectDefs[slot.cell->Type].IsCreature) {
        sprites_.DrawSpriteRotatedD(StandardSprite(slot), slot.cell->Type);
      } else {
        DrawStandard(slot);
      }
    }
  }

  // Blasts and shots in the exclusion blend, and the rock generator once more over everything.
  void DrawBlastsAndGenerators() {
    for (const std::uint16_t place : blastsAndGenerators_) {
      const WindowSlot& slot = slots_[place];
      if (IsBlastType(slot.cell->Type)) {
        WorldSprite sprite = StandardSprite(slot);
        if (slot.cell->Carried == ObjRockB) sprite.texture = TexExplogeon2;
        sprites_.DrawSpriteRotatedC(sprite);
      } else {
        DrawStandard(slot);
      }
    }
  }

 private:
  float Shifted(float base, float offset, float viewShift) const { return viewShift + base + offset; }

  // A cell drawn as it stands: at its slot moved by the view and its own offset, with its picture,
  // angle, scale and its type's depth and texture, lit by its type's light colour.
  WorldSprite StandardSprite(const WindowSlot& slot) const {
    const LevelCell& cell = *slot.cell;
    const ObjectDef& def = game_.ObjectDefs[cell.Type];
    return {8,
            8,
            Shifted(slot.bx, cell.OffsetX, game_.render.ViewShiftX),
            Shifted(slot.by, cell.OffsetY, game_.render.ViewShiftY),
            static_cast<float>(def.DrawDepth),
            cell.Frame,
            cell.FrameRow,
            cell.Angle,
            cell.Scale,
            def.Texture};
  }

  void DrawStandard(const WindowSlot& slot) { sprites_.DrawSpriteRotated(StandardSprite(slot), slot.cell->Type); }

  // The cells and floors of the window row by row from the bottom, each row from the left, with the
  // world centre of each slot. A row within the grids is read as one run.
  template <typename Visit>
  void ForEachCell(Visit visit) const {
    const RenderState& render = game_.render;
    const LevelState& level = game_.level;
    for (int j = 0; j < ViewCellsY; ++j) {
      const int y = originY_ + j;
      const LevelCell* cells = level.Grid.Span(originX_, originX_ + ViewCellsX - 1, y);
      const FloorCell* floors = level.FloorGrid.Span(originX_, originX_ + ViewCellsX - 1, y);
      const float by = static_cast<float>(render.ViewMinY + j * CellSize);
      for (int i = 0; i < ViewCellsX; ++i) {
        const float bx = static_cast<float>(render.ViewMinX + i * CellSize);
        if (cells != nullptr && floors != nullptr) {
          visit(cells[i], floors[i], bx, by);
        } else {
          visit(level.Grid(originX_ + i, y), level.FloorGrid(originX_ + i, y), bx, by);
        }
      }
    }
  }

  Game& game_;
  SpriteDrawer sprites_;
  int originX_;
  int originY_;
  // Every slot of the window, and the places of those that each pass draws.
  std::array<WindowSlot, kWindowCells> slots_;
  PassSlots forceFloors_;
  PassSlots walls_;
  PassSlots objects_;
  PassSlots creaturesAndRocks_;
  PassSlots blastsAndGenerators_;
  // The passes of every object type, for this frame's object definitions; every type outside the
  // table has the passes of an unknown type.
  TypeTable<unsigned> passes_;
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
