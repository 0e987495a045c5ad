// The light round the Thresher as the main loop draws it: it opens out from a small circle as the
// level starts, stays open while the level is played, and closes on the level-complete screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/level_record.h"
#include "support/played_game.h"

namespace brolt {
namespace {

// How far from the light's centre the last frame lit anything, in world units: the farthest corner
// of the level drawn brighter than the faint flicker of the dark. 0 when nothing was lit.
double LitReach(const testing::PlayedGame& g) {
  const LightState& light = g.t.game.light;
  double reach = 0.0;
  for (const RecordedQuad& drawn : g.device.quads) {
    if (!drawn.world) continue;
    for (const QuadVertex& corner : drawn.quad) {
      const std::uint32_t c = corner.colour;
      if (std::max({(c >> 16) & 0xFFu, (c >> 8) & 0xFFu, c & 0xFFu}) <= 10) continue;
      const double x = corner.x - light.ViewOriginX;
      reach = std::max(reach, std::hypot(x, corner.y - light.ViewOriginY));
    }
  }
  return reach;
}

TEST(LevelLightTest, TheLightOpensOutFromItsStartCircleAndClosesAtTheExit) {
  // The Thresher walled in with an exit beside him, in a light of five cells.
  LevelRecord level = testing::PlainLevel();
  for (int y = 13; y <= 27; ++y)
    for (int x = 13; x <= 27; ++x) testing::PlaceTiles(level, {{x, y, ObjWallA}});
  testing::PlaceTiles(level, {{20, 20, ObjThresher}, {21, 20, ObjExitPortal}});
  testing::PlayedGame g;
  g.t.WriteCollection({EncodeLevelRecord(level)});
  g.StartAtOnce(1);

  // The radius starts at 10 world units and grows by 3 a frame up to the level's 45. A corner's
  // light is looked up at whole units, so it may reach a unit past the radius.
  std::vector<double> reach;
  for (int frame = 0; frame < 20; ++frame) {
    g.Frame();
    reach.push_back(LitReach(g));
  }
  for (std::size_t frame = 0; frame < 12; ++frame) EXPECT_LT(reach[frame], 11.0 + 3 * frame) << frame;
  EXPECT_GT(reach.back(), 36.0) << "open to about five cells";
  g.Frames(60);
  EXPECT_GT(LitReach(g), 36.0) << "still open";

  // Into the exit: the level-complete screen closes the light.
  g.Press(scan::Right);
  for (int frame = 0; frame < 200 && !g.t.game.flags.NameEntry; ++frame) g.Frame();
  ASSERT_TRUE(g.t.game.flags.NameEntry);
  g.Frames(20);
  EXPECT_LT(LitReach(g), 10.0);
}

}  // namespace
}  // namespace brolt
