// Reading the plans that solutions are recorded from.
#include "game/solutions/recorder/plan.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace brolt::solutions {
namespace {

TEST(PlanTest, ReadsEveryKindOfMove) {
  const std::vector<Move> plan = ParsePlan("R3 u2 L wait30 settle\nfire:R bomb:L grab:U tap:D hold:R40 until:g@24,26");
  ASSERT_EQ(plan.size(), 11u);
  EXPECT_EQ(plan[0].kind, Move::Kind::Walk);
  EXPECT_EQ(plan[0].arrow.dx, 1);
  EXPECT_EQ(plan[0].count, 3);
  EXPECT_EQ(plan[1].arrow.dy, 1);
  EXPECT_STREQ(plan[1].arrow.key, "Up");
  EXPECT_EQ(plan[2].count, 1) << "a walk without a number goes one cell";
  EXPECT_EQ(plan[3].kind, Move::Kind::Wait);
  EXPECT_EQ(plan[3].count, 30);
  EXPECT_EQ(plan[4].kind, Move::Kind::Settle);
  EXPECT_EQ(plan[5].kind, Move::Kind::Fire);
  EXPECT_EQ(plan[6].kind, Move::Kind::Bomb);
  EXPECT_EQ(plan[6].arrow.dx, -1);
  EXPECT_EQ(plan[7].kind, Move::Kind::Grab);
  EXPECT_EQ(plan[8].kind, Move::Kind::Tap);
  EXPECT_EQ(plan[8].arrow.dy, -1);
  EXPECT_EQ(plan[9].kind, Move::Kind::Hold);
  EXPECT_EQ(plan[9].count, 40);
  EXPECT_EQ(plan[10].kind, Move::Kind::Until);
  EXPECT_EQ(plan[10].shows, 'g');
  EXPECT_EQ(plan[10].cell, (GridPoint{24, 26}));
  EXPECT_EQ(plan[10].text, "until:g@24,26");
}

TEST(PlanTest, CommentsRunToTheEndOfTheirLine) {
  const std::vector<Move> plan = ParsePlan("R3 ; the first unid, then R9\n; a line of its own\nD2");
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_EQ(plan[1].text, "D2");
}

TEST(PlanTest, RefusesAMoveItCannotReadAndNamesIt) {
  for (const char* word : {"R0", "X3", "R3x", "wait", "wait0", "fire:", "fire:Q", "bomb:R2", "hold:R", "until:g@24",
                           "until:g24,26", "R99999"}) {
    try {
      ParsePlan(std::string("R1 ") + word);
      ADD_FAILURE() << word << " was read";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(word), std::string::npos) << error.what();
    }
  }
}

TEST(PlanTest, AKeyScriptKeepsItsPlanInTheHeader) {
  const std::string script =
      "# Tutorial.clvl level 3\n"
      "# plan: D2 R3   ; dig down\r\n"
      "12 down Down\n"
      "# plan: R1\n"
      "# planned: not a plan line\n";
  EXPECT_EQ(PlanFromKeyScript(script), " D2 R3   ; dig down\n R1\n");
  EXPECT_EQ(PlanFromKeyScript("12 down Down\n"), "");
}

}  // namespace
}  // namespace brolt::solutions
