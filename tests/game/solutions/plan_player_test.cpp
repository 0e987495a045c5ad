// Playing plans on the shipped levels: what the recorder reports, and that the keys it keeps play
// the same game again.
#include "game/solutions/recorder/plan_player.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "common/file_io.h"
#include "game/solutions/recorder/shipped_levels.h"

namespace brolt::solutions {
namespace {

class PlanPlayerTest : public ::testing::Test {
 protected:
  Outcome Play(int level, const std::string& plan) {
    session = std::make_unique<testing::LevelSession>(levels.path(), "Tutorial.clvl", level);
    view = std::make_unique<LevelView>(session->game, *ReadWholeFile(BROLT_CONTENT_LEGEND));
    PlanPlayer player(*session, *view, report, true);
    return player.Play(ParsePlan(plan));
  }

  GridPoint Thresher(const Game& game) const {
    return {static_cast<int>(game.level.PlayerX), static_cast<int>(game.level.PlayerY)};
  }

  ShippedLevelsCopy levels{BROLT_TEST_DIST_DIR};
  std::unique_ptr<testing::LevelSession> session;
  std::unique_ptr<LevelView> view;
  std::ostringstream report;
};

TEST_F(PlanPlayerTest, AWalkEndsWithHimAtRestTheCellsOnAndItsKeysPlayTheSameGame) {
  // First Steps: he starts at (23, 24); a unid lies on the pillar at (24, 27).
  EXPECT_EQ(Play(1, "U3 R1"), Outcome::Playing);
  const Game& game = session->game;
  EXPECT_EQ(Thresher(game), (GridPoint{24, 27}));
  EXPECT_EQ(game.level.Grid(24, 27).AnimTime, 0.0f);
  EXPECT_EQ(game.level.UnidsNeeded, 5);
  EXPECT_NE(report.str().find("  27 #...*.......P.......*...#"), std::string::npos) << report.str();

  testing::LevelSession replay(levels.path(), "Tutorial.clvl", 1, session->Keys());
  while (replay.Frames() < session->Frames()) replay.PlayFrame();
  EXPECT_EQ(Thresher(replay.game), (GridPoint{24, 27}));
  EXPECT_EQ(replay.game.level.UnidsNeeded, 5);
}

TEST_F(PlanPlayerTest, AWalkIntoAWallIsStuckAndTheRestOfThePlanIsLeft) {
  EXPECT_EQ(Play(1, "U5 R1"), Outcome::Stuck);
  EXPECT_EQ(Thresher(session->game), (GridPoint{23, 28}));
  EXPECT_NE(report.str().find("walked 4 of 5 cells"), std::string::npos) << report.str();
  EXPECT_NE(report.str().find("1 moves of the plan left unplayed"), std::string::npos);
}

TEST_F(PlanPlayerTest, SteppingDownFromUnderARockEndsInHisDeath) {
  // Step Aside: the rock at (16, 25) follows him down.
  EXPECT_EQ(Play(3, "D2 R3 D1 wait60"), Outcome::Died);
  EXPECT_TRUE(session->game.flags.Dead);
  EXPECT_NE(report.str().find("he DIED"), std::string::npos);
}

TEST_F(PlanPlayerTest, AnActionHoldsItsKeysForOneFrame) {
  // Bombs Away: the bomb from the pillar dropped beside the vault.
  EXPECT_EQ(Play(9, "D2 R4 R4 D2 bomb:R"), Outcome::Playing);
  EXPECT_EQ(session->game.level.Grid(22, 23).Type, ObjBomb);
  EXPECT_EQ(session->game.player.Bombs, 0);
  std::vector<ScriptedKey> shift;
  for (const ScriptedKey& key : session->Keys())
    if (key.key == "Left Shift") shift.push_back(key);
  ASSERT_EQ(shift.size(), 2u);
  EXPECT_TRUE(shift[0].down);
  EXPECT_EQ(shift[1].frame, shift[0].frame + 1);
}

TEST_F(PlanPlayerTest, AnActionThatDoesNothingIsNoted) {
  EXPECT_EQ(Play(1, "fire:R bomb:L"), Outcome::Playing);
  EXPECT_NE(report.str().find("[no shot left]"), std::string::npos);
  EXPECT_NE(report.str().find("[no bomb was dropped]"), std::string::npos);
}

}  // namespace
}  // namespace brolt::solutions
