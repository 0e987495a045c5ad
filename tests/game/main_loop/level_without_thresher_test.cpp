// A level without a Thresher can be neither won nor lost. Escape leaves it as it leaves a lost one:
// for the menu, or in preview play out of the game. Played through the main loop and the keyboard.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "common/level_record.h"
#include "game/core/drawing/texture_id.h"
#include "support/played_game.h"

namespace brolt {
namespace {

// Walls round an exit, and a Thresher at (10, 10) when asked for.
LevelRecord HandMadeLevel(bool thresher) {
  LevelRecord level = testing::PlainLevel();
  testing::PlaceTiles(level, {{12, 10, ObjExitPortal}});
  for (int x = 9; x <= 15; ++x) testing::PlaceTiles(level, {{x, 9, ObjWallA}});
  if (thresher) testing::PlaceTiles(level, {{10, 10, ObjThresher}});
  return level;
}

struct Case {
  const char* name;
  std::string record;
  bool thresher;
};

std::vector<Case> Cases() {
  return {
      {"an emptied level space", std::string(kHolderRecord), false},
      {"an empty record", "", false},
      // The record ends within the rows above the Thresher's.
      {"a record cut off before its Thresher", EncodeLevelRecord(HandMadeLevel(true)).substr(0, 2000), false},
      {"a level made by hand without one", EncodeLevelRecord(HandMadeLevel(false)), false},
      {"a level with its Thresher", EncodeLevelRecord(HandMadeLevel(true)), true},
  };
}

TEST(LevelWithoutThresherTest, EscapeTakesThePlayerBackToTheMenu) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    testing::PlayedGame g;
    // The level under test follows a level that can be played, as in a collection.
    g.t.WriteCollection({EncodeLevelRecord(HandMadeLevel(true)), c.record});
    g.StartAtOnce(2);
    g.Frames(3);
    g.Tap(scan::Escape);
    g.Frame();
    EXPECT_EQ(g.t.game.flags.InMenu, !c.thresher);
    EXPECT_EQ(g.Shows("play"), !c.thresher) << "the main menu";
    // The living Thresher blows himself up; without him nothing explodes.
    EXPECT_EQ(g.t.explosions.empty(), !c.thresher);
    EXPECT_TRUE(g.running);
  }
}

TEST(LevelWithoutThresherTest, EscapeEndsAPreview) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    testing::PlayedGame g;
    g.StartPreview({c.record, EncodePreviewMusicRecord(true)});
    g.Frames(3);
    g.Tap(scan::Escape);
    EXPECT_EQ(g.running, c.thresher);
    EXPECT_EQ(g.t.explosions.empty(), !c.thresher);
  }
}

// Nobody stands at the position the load gives a Thresher the level lacks: the arrows change nothing
// there, its cell keeps what the load left in it, and nothing is drawn where he would stand.
TEST(LevelWithoutThresherTest, NoThresherIsRunOrDrawnAtHisPosition) {
  testing::PlayedGame g;
  g.t.WriteCollection({EncodeLevelRecord(HandMadeLevel(false))});
  g.StartAtOnce(1);
  const LevelCell& cell = g.t.game.level.Grid(1, 1);
  const LevelCell loaded = cell;
  g.Press(scan::Right);
  g.Frames(300);
  EXPECT_EQ(std::tie(cell.Type, cell.Frame, cell.FrameRow, cell.FacingLeft),
            std::tie(loaded.Type, loaded.Frame, loaded.FrameRow, loaded.FacingLeft));
  const LightState& light = g.t.game.light;
  for (const RecordedQuad& quad : g.device.quads) {
    const bool atHisPlace = std::abs(testing::CentreX(quad.quad) - light.ViewOriginX) < 1 &&
                            std::abs(testing::CentreY(quad.quad) - light.ViewOriginY) < 1;
    EXPECT_FALSE(quad.world && quad.texture != TexBackground && atHisPlace) << quad.texture;
  }
}

}  // namespace
}  // namespace brolt
