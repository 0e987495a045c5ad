// Every shipped level is played to its exit from its recorded key script, through the game's own
// frame, keyboard poll and rules: proof that each level can be finished, and a guard on the rules.
#include <gtest/gtest.h>

#include "common/file_io.h"
#include "game/solutions/recorder/shipped_levels.h"
#include "support/level_replay.h"

namespace brolt {
namespace {

const std::filesystem::path kSolutions = BROLT_TEST_SOLUTIONS_DIR;

std::filesystem::path SolutionFile(const std::string& collection, int level) {
  return solutions::SolutionFile(kSolutions, collection, level);
}

class SolutionsTest : public ::testing::TestWithParam<std::string> {
 protected:
  solutions::ShippedLevelsCopy levels{BROLT_TEST_DIST_DIR};
};

TEST_P(SolutionsTest, EveryLevelIsFinishedByItsRecordedKeys) {
  const std::string collection = GetParam();
  Game game;
  game.paths.LevelsPath = levels.path();
  game.LevelList.Open(levels.path(), {".lvl", ".clvl"});
  ASSERT_TRUE(game.LevelList.Select(collection));
  const int count = CountCollectionLevels(game, "");
  ASSERT_GT(count, 0);
  for (int level = 1; level <= count; ++level) {
    SCOPED_TRACE(collection + " level " + std::to_string(level) + " \"" + ReadLevelName(game, level) + "\"");
    const auto script = ReadWholeFile(SolutionFile(collection, level));
    ASSERT_TRUE(script) << "no recorded solution at " << SolutionFile(collection, level);
    const testing::ReplayResult result = testing::ReplayLevel(levels.path(), collection, level, ParseKeyScript(*script));
    EXPECT_TRUE(result.completed) << "after " << result.frames << " frames, dead=" << result.dead;
  }
}

INSTANTIATE_TEST_SUITE_P(ShippedCollections, SolutionsTest, ::testing::Values("Tutorial.clvl", "Sandbox.lvl"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });

}  // namespace
}  // namespace brolt
