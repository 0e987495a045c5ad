#include "game/presentation/level_drawing/level_rendering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/numeric.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/state/world_geometry.h"
#include "game/presentation/text/sheet_frames.h"
#include "support/drawing_game.h"
#include "support/recording_render_device.h"

namespace brolt {
namespace {

using testing::CellPoint;
using testing::CentreX;
using testing::CentreY;
using testing::DrawingGame;

// A drawn level quad: its texture and the cell whose slot it is centred on.
struct DrawnCell {
  int texture;
  CellPoint cell;
  bool operator==(const DrawnCell&) const = default;
};

std::ostream& operator<<(std::ostream& out, const DrawnCell& drawn) {
  return out << "texture " << drawn.texture << " at (" << drawn.cell.x << ", " << drawn.cell.y << ")";
}

class LevelRenderingTest : public ::testing::Test {
 protected:
  // An empty level with the Thresher at (x, y), his drawing offset set.
  void PlaceThresher(int x, int y, float offsetX = 0, float offsetY = 0) {
    t.LoadTiles({{x, y, ObjThresher}});
    SetOffset(offsetX, offsetY);
  }
  // Moves the Thresher to (x, y) in the level already loaded.
  void MoveThresher(int x, int y, float offsetX = 0) {
    LevelState& level = t.game.level;
    level.Grid.Set(RoundToInt16(level.PlayerX), RoundToInt16(level.PlayerY), LevelCell{});
    t.Put(x, y, ObjThresher);
    level.PlayerX = static_cast<float>(x);
    level.PlayerY = static_cast<float>(y);
    SetOffset(offsetX, 0);
  }
  void SetOffset(float offsetX, float offsetY) {
    LevelCell& cell = t.Cell(RoundToInt16(t.game.level.PlayerX), RoundToInt16(t.game.level.PlayerY));
    cell.OffsetX = offsetX;
    cell.OffsetY = offsetY;
  }
  void Render() {
    device.quads.clear();
    RenderLevel(t.game, device);
  }
  // The window's origin as the last frame drew it, from the Thresher's slot and the light centre.
  CellPoint Origin() const {
    const LevelState& level = t.game.level;
    const LevelCell& player = level.Grid(RoundToInt16(level.PlayerX), RoundToInt16(level.PlayerY));
    const RenderState& render = t.game.render;
    const double slotX = t.game.light.ViewOriginX - render.ViewShiftX - player.OffsetX - render.ViewMinX;
    const double slotY = t.game.light.ViewOriginY - render.ViewShiftY - player.OffsetY - render.ViewMinY;
    return {RoundToInt16(level.PlayerX - slotX / CellSize), RoundToInt16(level.PlayerY - slotY / CellSize)};
  }
  // Every quad but the backdrop's, with the cell it stands on.
  std::vector<DrawnCell> DrawnCells() const {
    const RenderState& render = t.game.render;
    const CellPoint origin = Origin();
    std::vector<DrawnCell> drawn;
    for (const RecordedQuad& quad : device.quads) {
      if (quad.texture == TexBackground) continue;
      const double i = (CentreX(quad.quad) - render.ViewShiftX - render.ViewMinX) / CellSize;
      const double j = (CentreY(quad.quad) - render.ViewShiftY - render.ViewMinY) / CellSize;
      drawn.push_back({quad.texture, {origin.x + RoundToInt16(i), origin.y + RoundToInt16(j)}});
    }
    return drawn;
  }
  std::vector<const RecordedQuad*> WithTexture(int texture) const {
    std::vector<const RecordedQuad*> found;
    for (const RecordedQuad& quad : device.quads)
      if (quad.texture == texture) found.push_back(&quad);
    return found;
  }

  DrawingGame t;
  RecordingRenderDevice device;
};

TEST_F(LevelRenderingTest, SevenPassesDrawTheirCellsRowByRowFromTheBottomLeft) {
  t.LoadPicture({".#......",   //
                 ">.T#uArR"},  // force floor, Thresher, wall, unid, creature, rock, rock generator
                18, 20);
  t.Put(26, 20, ObjRockC);
  t.Put(20, 22, ObjBlast).Carried = ObjRockB;
  t.Put(21, 22, ObjCannonShot);
  t.Put(22, 22, ObjInertTile);
  Render();

  const auto isBackdrop = [](const RecordedQuad& q) { return q.texture == TexBackground; };
  const auto firstLevelQuad = std::find_if_not(device.quads.begin(), device.quads.end(), isBackdrop);
  EXPECT_TRUE(std::none_of(firstLevelQuad, device.quads.end(), isBackdrop))
      << "the backdrop is drawn first, and only first";
  const std::vector<DrawnCell> expected = {
      {TexPortals, {18, 20}},                                                  // force floors
      {TexPlayer, {20, 20}},                                                   // the Thresher
      {TexTileset, {21, 20}},  {TexMisc, {25, 20}},    {TexTileset, {19, 21}},  // walls
      {TexGems, {22, 20}},     {TexRocks, {26, 20}},                            // objects; no inert tile
      {TexSpider, {23, 20}},   {TexRocks, {24, 20}},   {TexRocks, {26, 20}},    // creatures and rocks
      {TexMisc, {25, 20}},     {TexExplogeon2, {20, 22}}, {TexExplogeon, {21, 22}},  // generator, blasts
  };
  EXPECT_EQ(DrawnCells(), expected);
  for (const RecordedQuad& quad : device.quads) {
    const bool blast = quad.texture == TexExplogeon || quad.texture == TexExplogeon2;
    EXPECT_EQ(quad.blend, blast ? BlendMode::Exclusion : BlendMode::Alpha) << quad.texture;
  }
  // Creatures shine in their own dim light, never darker than 100 per component.
  const RecordedQuad* creature = WithTexture(TexSpider).at(0);
  for (const QuadVertex& corner : creature->quad) EXPECT_GE(corner.colour & 0xFF, 100u);
}

TEST_F(LevelRenderingTest, TheWindowStopsOneCellBeyondTheLevelAndTheViewScrollsOnlyInside) {
  struct Case {
    int x, y;
    CellPoint origin;
    bool scrollsX, scrollsY;
  };
  const Case cases[] = {
      {0, 0, {-1, -1}, false, false},  {20, 20, {11, 13}, true, true},  {49, 49, {32, 36}, false, false},
      {40, 7, {31, 0}, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "Thresher at " << c.x << ", " << c.y);
    PlaceThresher(c.x, c.y);
    for (int y = -1; y <= 50; ++y)
      for (int x = -1; x <= 50; ++x)
        if (x != c.x || y != c.y) t.Put(x, y, ObjWallA);
    Render();
    EXPECT_EQ(Origin(), c.origin);
    EXPECT_EQ(t.game.render.ScrollsX, c.scrollsX);
    EXPECT_EQ(t.game.render.ScrollsY, c.scrollsY);
    const std::vector<DrawnCell> drawn = DrawnCells();
    ASSERT_EQ(drawn.size(), 19u * 15u);
    std::size_t i = 1;  // the Thresher comes first
    for (int y = c.origin.y; y < c.origin.y + 15; ++y)
      for (int x = c.origin.x; x < c.origin.x + 19; ++x)
        if (x != c.x || y != c.y) {
          EXPECT_EQ(drawn[i++].cell, (CellPoint{x, y}));
        }
  }
}

TEST_F(LevelRenderingTest, AwayFromTheEdgeTheLevelSlidesUnderAThresherHeldInTheMiddle) {
  PlaceThresher(20, 20, 4.5f, -2.0f);
  t.Put(25, 20, ObjWallA);
  Render();
  EXPECT_FLOAT_EQ(t.game.render.ViewShiftX, -4.5f);
  EXPECT_FLOAT_EQ(t.game.render.ViewShiftY, 2.0f);
  EXPECT_EQ(t.game.light.ViewOriginX, 0);
  EXPECT_EQ(t.game.light.ViewOriginY, 0);
  EXPECT_NEAR(CentreX(WithTexture(TexPlayer).at(0)->quad), 0, 1e-4);
  EXPECT_NEAR(CentreX(WithTexture(TexTileset).at(0)->quad), -81 + 14 * 9 - 4.5, 1e-4);
  EXPECT_NEAR(CentreY(WithTexture(TexTileset).at(0)->quad), -63 + 7 * 9 + 2, 1e-4);
}

TEST_F(LevelRenderingTest, AtTheEdgeTheLevelStandsStillAndTheThresherMoves) {
  PlaceThresher(0, 20, 4.5f);
  t.Put(5, 20, ObjWallA);
  t.game.motion.PlayerStepX = 1.5f;
  Render();
  EXPECT_EQ(t.game.render.ViewShiftX, 0);
  EXPECT_EQ(t.game.motion.PlayerStepX, 0) << "the backdrop must not scroll either";
  EXPECT_EQ(t.game.render.BackdropX, 0);
  EXPECT_EQ(t.game.light.ViewOriginX, -68);  // -81 + 9 + 4.5 = -67.5, rounded to even
  EXPECT_NEAR(CentreX(WithTexture(TexPlayer).at(0)->quad), -68, 1e-4);
  EXPECT_NEAR(CentreX(WithTexture(TexTileset).at(0)->quad), -81 + 6 * 9, 1e-4);
}

TEST_F(LevelRenderingTest, AnOriginLandingOnTheEndOfItsRangeUnclampedKeepsTheLastAnswer) {
  PlaceThresher(20, 20);
  Render();
  MoveThresher(8, 20);  // origin -1 without clamping
  Render();
  EXPECT_TRUE(t.game.render.ScrollsX);
  MoveThresher(0, 20);  // clamped: the view stops
  Render();
  MoveThresher(8, 20);
  Render();
  EXPECT_FALSE(t.game.render.ScrollsX);
  EXPECT_EQ(Origin().x, -1);
}

TEST_F(LevelRenderingTest, TheBackdropScrollsAgainstTheThresherWithinOneTile) {
  PlaceThresher(20, 20);
  Render();
  // Tiles of 27 units centred from -81 to 81 across and -63 to 72 up: 7 x 6.
  EXPECT_EQ(WithTexture(TexBackground).size(), 42u);
  t.game.motion.PlayerStepX = 2;
  t.game.motion.PlayerStepY = -1;
  Render();
  EXPECT_EQ(t.game.render.BackdropX, -2);
  EXPECT_EQ(t.game.render.BackdropY, 1);
  t.game.render.BackdropX = -26;
  Render();
  EXPECT_EQ(t.game.render.BackdropX, -1);  // -28 wraps by a tile
  t.game.render.BackdropY = 26;
  Render();
  EXPECT_EQ(t.game.render.BackdropY, 0);  // 27 wraps

  // A tile centred exactly half a tile beyond the outer column's centre is left out.
  t.game.motion.PlayerStepX = 0;
  t.game.motion.PlayerStepY = 0;
  t.game.render.BackdropX = 13.5f;
  Render();
  const auto tiles = WithTexture(TexBackground);
  EXPECT_EQ(tiles.size(), 36u);
  for (const RecordedQuad* tile : tiles) {
    EXPECT_GT(CentreX(tile->quad), -94.5f);
    EXPECT_LT(CentreX(tile->quad), 94.5f);
  }
}

TEST_F(LevelRenderingTest, AShieldedThresherIsDrawnFromTheRowThreeBelowAndFacingLeftMirrored) {
  PlaceThresher(20, 20);
  LevelCell& thresher = t.Cell(20, 20);
  thresher.Frame = 2;
  thresher.FrameRow = 1;
  t.game.player.ShieldTime = 1;
  Render();
  const Quad& shielded = WithTexture(TexPlayer).at(0)->quad;
  const FrameRect row4 = SheetFrame(8, 8, 2, 4);
  EXPECT_FLOAT_EQ(shielded[1].v, row4.top);
  EXPECT_FLOAT_EQ(shielded[1].u, row4.left);

  t.game.player.ShieldTime = 0;
  thresher.FacingLeft = 1;
  Render();
  const Quad& facingLeft = WithTexture(TexPlayer).at(0)->quad;
  const FrameRect row1 = SheetFrame(8, 8, 2, 1);
  EXPECT_FLOAT_EQ(facingLeft[1].v, row1.top);
  EXPECT_FLOAT_EQ(facingLeft[1].u, row1.right);
}

TEST_F(LevelRenderingTest, NoThresherIsDrawnWhileDeadAndTheViewNoLongerFollowsHisOffset) {
  PlaceThresher(20, 20, 3);
  Render();
  EXPECT_FLOAT_EQ(t.game.render.ViewShiftX, -3);
  t.game.flags.Dead = true;
  SetOffset(-5, 0);
  Render();
  EXPECT_TRUE(WithTexture(TexPlayer).empty());
  EXPECT_FLOAT_EQ(t.game.render.ViewShiftX, -3);
}

TEST_F(LevelRenderingTest, FullDepthAtTheLevelsCornersDrawsEveryQuad) {
  t.game.render.LightFactor = 1.0f;
  for (const CellPoint corner : {CellPoint{0, 0}, CellPoint{49, 49}, CellPoint{0, 49}, CellPoint{49, 0}}) {
    SCOPED_TRACE(::testing::Message() << corner.x << ", " << corner.y);
    // Moving out of the corner cell, so the backdrop's far corners lie beyond the light table.
    PlaceThresher(corner.x, corner.y, corner.x == 0 ? -8.0f : 8.0f, corner.y == 0 ? -8.0f : 8.0f);
    t.game.level.LightRadius = 45;
    t.game.render.BackdropX = corner.x == 0 ? 13 : -13;
    Render();
    EXPECT_EQ(WithTexture(TexPlayer).size(), 1u);
    EXPECT_GE(WithTexture(TexBackground).size(), 36u);
    int lowest = 0;
    for (const RecordedQuad& quad : device.quads) {
      for (const QuadVertex& vertex : quad.quad) {
        ASSERT_TRUE(std::isfinite(vertex.x) && std::isfinite(vertex.y) && std::isfinite(vertex.z));
        lowest = std::min(lowest, static_cast<int>(vertex.z));
      }
    }
    // A backdrop corner (depth 10) far out on the window's diagonal sinks by about its distance.
    EXPECT_LT(lowest, 10 - 120);
  }
}

}  // namespace
}  // namespace brolt
