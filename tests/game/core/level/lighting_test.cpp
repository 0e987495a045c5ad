#include "game/core/level/lighting.h"

#include <gtest/gtest.h>

#include "game/core/level/level_colours.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

std::uint32_t Rgb(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
}

class LightingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildLightTable(t.game);
    t.game.level.LightRadius = 90;
    t.game.light.ViewOriginX = 20;
    t.game.light.ViewOriginY = -10;
  }
  // A point at distance d to the right of the light centre.
  int AtDistance(int d) const { return t.game.light.ViewOriginX + d; }
  int CentreY() const { return t.game.light.ViewOriginY; }
  void SetLevelColours(RgbColour first, RgbColour fourth) {
    t.game.level.LevelColor1 = first;
    t.game.level.LevelColor4 = fourth;
    ApplyLevelColours(t.game);
  }
  TestGame t;
};

TEST_F(LightingTest, TheTablesHoldRoundedDistancesAndClampAtTheirEdge) {
  for (const RadialTable* table : {&t.game.light.DistanceTable, &t.game.light.LightMap}) {
    EXPECT_EQ(table->Reach, 180);
    EXPECT_EQ(table->At(0, 0), 0);
    EXPECT_EQ(table->At(3, 4), 5);
    EXPECT_EQ(table->At(-4, 3), 5);
    EXPECT_EQ(table->At(1, 1), 1);
    EXPECT_EQ(table->At(180, 180), 255);
    EXPECT_EQ(table->At(1000, 0), 180);
    EXPECT_EQ(table->At(-1000, -1000), 255);
  }
}

TEST_F(LightingTest, ColourFallsOffLinearlyAndFlickersWhereItIsDark) {
  // The rock takes the fourth level colour.
  SetLevelColours({255, 255, 255}, {200, 100, 10});
  EXPECT_EQ(GetCellColour(t.game, AtDistance(0), CentreY(), ObjThresher), Rgb(255, 255, 255));
  t.random.Script({0.5});
  EXPECT_EQ(GetCellColour(t.game, AtDistance(45), CentreY(), ObjRock), Rgb(100, 50, 10));
  EXPECT_EQ(t.random.Draws, 1);
  // At the radius every component flickers at 9 or 10, drawing red, green, blue in turn.
  t.random.Script({0.4, 0.6, 0.49});
  EXPECT_EQ(GetCellColour(t.game, AtDistance(90), CentreY(), ObjThresher), Rgb(9, 10, 9));
  // A tiny light far away drives the components far below 0: they flicker too.
  t.game.level.LightRadius = 1;
  t.random.Script({0.9, 0.9, 0.9});
  EXPECT_EQ(GetCellColour(t.game, AtDistance(500), CentreY() - 500, ObjThresher), Rgb(10, 10, 10));
}

TEST_F(LightingTest, ScaledColourIsBrighterAndNeverBelowOneHundred) {
  SetLevelColours({255, 200, 30}, {255, 255, 255});
  // White-lit types: twice the grey light, saturating, and 100 far outside the light.
  EXPECT_EQ(GetCellColourScaled(t.game, AtDistance(0), CentreY(), ObjThresher), Rgb(255, 255, 255));
  EXPECT_EQ(GetCellColourScaled(t.game, AtDistance(170), CentreY(), ObjThresher), Rgb(100, 100, 100));
  // The unid's colour class is 3: the first level colour divided by 3, then doubled.
  EXPECT_EQ(GetCellColourScaled(t.game, AtDistance(0), CentreY(), ObjUnid), Rgb(170, 132, 100));
  SetLevelColours({200, 200, 200}, {255, 255, 255});
  // 200 - 100 = 100, divided by 3 is 33, doubled 66, raised to 100.
  EXPECT_EQ(GetCellColourScaled(t.game, AtDistance(90), CentreY(), ObjUnid), Rgb(100, 100, 100));
}

TEST_F(LightingTest, NoLightIsBlack) {
  SetLevelColours({255, 255, 255}, {255, 255, 255});
  t.game.level.LightRadius = 0;
  EXPECT_EQ(GetCellColour(t.game, AtDistance(0), CentreY(), ObjThresher), 0u);
  EXPECT_EQ(GetCellColourScaled(t.game, AtDistance(0), CentreY(), ObjUnid), 0u);
  EXPECT_EQ(t.random.Draws, 0);
}

// The colours kept by colour class and distance must be the colours GetCellColour and
// GetCellColourScaled work out, with the same random draws, however the radius and the level's
// colours change between frames.
TEST_F(LightingTest, CornerLightGivesTheColoursOfTheLightAsTheLightChanges) {
  struct Change {
    const char* what;
    void (*apply)(Game&);
  };
  const Change changes[] = {
      {"first frame", [](Game&) {}},
      {"smaller radius", [](Game& game) { game.level.LightRadius = 40; }},
      {"fourth colour", [](Game& game) {
         game.level.LevelColor4 = {30, 250, 90};
         ApplyLevelColours(game);
       }},
      {"first colour alone", [](Game& game) { game.level.LevelColor1 = {90, 10, 250}; }},
      {"no light", [](Game& game) { game.level.LightRadius = 0; }},
      {"light again", [](Game& game) { game.level.LightRadius = 75; }},
  };
  SetLevelColours({255, 200, 30}, {200, 100, 10});
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    change.apply(t.game);
    for (const int type : {ObjThresher, ObjRock, ObjUnid}) {
      const int colourClass = LightColourClass(t.game, type);
      for (const int distance : {0, 30, 60, 89, 120, 400}) {
        const int x = AtDistance(distance);
        const int y = CentreY() - distance / 3;
        t.random.Script({0.3, 0.7, 0.5});
        const int before = t.random.Draws;
        CornerLight light(t.game);
        const std::uint32_t kept = light.Colour(light.Index(x, y, colourClass));
        const std::uint32_t scaled = light.ScaledColour(light.Index(x, y, colourClass));
        const int drawn = t.random.Draws - before;
        t.random.Script({0.3, 0.7, 0.5});
        EXPECT_EQ(kept, GetCellColour(t.game, x, y, type)) << type << " at " << distance;
        EXPECT_EQ(drawn, t.random.Draws - before - drawn) << type << " at " << distance;
        EXPECT_EQ(scaled, GetCellColourScaled(t.game, x, y, type)) << type << " at " << distance;
      }
    }
  }
}

}  // namespace
}  // namespace brolt
