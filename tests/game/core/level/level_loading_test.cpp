#include "game/core/level/level_loading.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "game/core/level/cell_construction.h"
#include "game/core/level/cell_type_map.h"
#include "game/core/level/level_colours.h"
#include "game/core/level/level_orientation.h"
#include "support/test_game.h"

namespace brolt {
namespace {

using testing::PlainLevel;
using testing::PlaceTiles;
using testing::TestGame;

// A plain record with the given text over the characters from `position` (1-based).
std::string RecordWith(int position, const std::string& text) {
  std::string record = EncodeLevelRecord(PlainLevel());
  record.replace(static_cast<std::size_t>(position - 1), text.size(), text);
  return record;
}

TEST(LoadLevelTest, TheRecordsFirstCellIsTheTopLeftAndItsLastTheBottomRight) {
  TestGame t;
  t.LoadRecord(RecordWith(100, "0010"));
  EXPECT_EQ(t.game.level.PlayerX, 0.0f);
  EXPECT_EQ(t.game.level.PlayerY, 49.0f);
  EXPECT_EQ(t.game.level.Grid(0, 49).Type, ObjThresher);
  EXPECT_FALSE(t.game.flags.Dead);

  t.LoadRecord(RecordWith(10096, "0010"));
  EXPECT_EQ(t.game.level.PlayerX, 49.0f);
  EXPECT_EQ(t.game.level.PlayerY, 0.0f);
  EXPECT_EQ(t.game.level.Grid(49, 0).Type, ObjThresher);
  EXPECT_EQ(t.game.level.Grid(0, 49).Type, ObjEmpty);
}

TEST(LoadLevelTest, WithSeveralThreshersTheLowestThenRightmostIsThePlayer) {
  TestGame t;
  t.LoadTiles({{3, 2, 1}, {5, 2, 1}, {9, 8, 1}});
  EXPECT_EQ(t.game.level.PlayerX, 5.0f);
  EXPECT_EQ(t.game.level.PlayerY, 2.0f);
}

TEST(LoadLevelTest, ExitsLoadClosedAndUnidsAreCounted) {
  TestGame t;
  t.LoadTiles({{1, 1, 1}, {2, 2, 9}, {3, 3, 21}, {4, 4, 22}, {5, 5, 8}, {6, 6, 21}, {7, 7, 20}, {8, 8, 29}});
  EXPECT_EQ(t.game.level.Grid(2, 2).Type, ObjClosedPortal);
  EXPECT_EQ(t.game.level.Grid(8, 8).Type, ObjClosedPortal);
  EXPECT_EQ(t.game.level.UnidsNeeded, 4);
}

TEST(LoadLevelTest, ForceFloorsLeaveTheObjectLayerEmpty) {
  TestGame t;
  t.LoadTiles({{1, 1, 1}, {10, 5, 30}, {11, 5, 31}, {12, 5, 32}, {13, 5, 33}, {14, 5, 30, 2}});
  struct Case {
    int x, dirX, dirY, angle;
  };
  for (const Case& c : {Case{10, 0, 1, 0}, Case{11, 1, 0, 90}, Case{12, 0, -1, 180}, Case{13, -1, 0, 270},
                        Case{14, 1, 0, 90}}) {
    const FloorCell& floor = t.game.level.FloorGrid(c.x, 5);
    EXPECT_EQ(floor.Kind, FloorForce) << c.x;
    EXPECT_EQ(floor.DirX, c.dirX) << c.x;
    EXPECT_EQ(floor.DirY, c.dirY) << c.x;
    EXPECT_EQ(floor.Angle, c.angle) << c.x;
    EXPECT_EQ(t.game.level.Grid(c.x, 5), MakeCell(t.game, 0)) << c.x;
  }
  EXPECT_EQ(t.game.level.FloorGrid(9, 5), FloorCell{});
}

TEST(LoadLevelTest, TimeLimitUnidAwardAndCannonRateStretchAtSlowSpeeds) {
  struct Case {
    int speed, time, award, cannon;
    int timeLeft, unidAward, cannonRate;
  };
  const Case cases[] = {
      {5, 60, 10, 5, 108, 18, 10},
      {9, 60, 10, 5, 60, 10, 6},
      {5, 0, 0, 0, -1, 0, 1},
      {9, 0, 0, 0, -1, 0, 1},
      {7, 25, 3, 99, 35, 4, 140},
  };
  for (const Case& c : cases) {
    TestGame t;
    t.game.settings.GameSpeed = c.speed;
    LevelRecord level = PlainLevel();
    level.timeLimit = c.time;
    level.unidAward = c.award;
    level.cannonRate = c.cannon;
    t.Load(level);
    EXPECT_EQ(t.game.timing.TimeLeft, c.timeLeft) << c.speed << " " << c.time;
    EXPECT_EQ(t.game.level.UnidAward, c.unidAward) << c.speed << " " << c.award;
    EXPECT_EQ(t.game.level.CannonRate, c.cannonRate) << c.speed << " " << c.cannon;
  }
}

TEST(LoadLevelTest, AnyGameSpeedLoadsWithoutOverflow) {
  for (int speed : {0, -2147483647 - 1, 2147483647}) {
    TestGame t;
    t.game.settings.GameSpeed = speed;
    BuildObjectDefs(t.game);
    LevelRecord level = PlainLevel();
    level.timeLimit = 999;
    level.cannonRate = 99;
    t.Load(level);
    EXPECT_NE(t.game.timing.TimeLeft, 0) << speed;
  }
}

TEST(LoadLevelTest, ABlackFirstColourGivesFourBrightRandomColours) {
  TestGame t;
  LevelRecord level = PlainLevel();
  level.colours[0] = {0, 0, 0};
  t.Load(level);
  const LevelState& state = t.game.level;
  const RgbColour colours[] = {state.LevelColor1, state.LevelColor2, state.LevelColor3, state.LevelColor4};
  for (std::size_t i = 0; i < 4; ++i) {
    const RgbColour& c = colours[i];
    EXPECT_TRUE(c.red == 255 || c.green == 255 || c.blue == 255) << i;
    for (int component : {c.red, c.green, c.blue}) {
      EXPECT_GE(component, 100);
      EXPECT_LE(component, 255);
    }
    EXPECT_EQ(state.ColourTable[3 + 3 * i], c.red);
    EXPECT_EQ(state.ColourTable[4 + 3 * i], c.green);
    EXPECT_EQ(state.ColourTable[5 + 3 * i], c.blue);
  }
  EXPECT_EQ(state.ColourTable[0], 255);
}

TEST(RandomBrightColourTest, KeepsItsToneWhicheverComponentLeads) {
  TestGame t;
  // Red leads (a tie goes to red); blue is drawn again until it lies 30 below green.
  t.random.Script({0.5, 0.5, 0.4, 0.9, 0.1});
  EXPECT_EQ(RandomBrightColour(t.game), (RgbColour{255, 240, 116}));
  // Green leads: lifted to 255, no redraw.
  t.random.Script({0.0, 0.5, 0.2});
  EXPECT_EQ(RandomBrightColour(t.game), (RgbColour{177, 255, 208}));
  // Blue leads; red is drawn again until it is below 151.
  t.random.Script({0.5, 0.0, 1.0 - 1e-9, 0.9, 0.2});
  EXPECT_EQ(RandomBrightColour(t.game), (RgbColour{131, 100, 255}));
}

TEST(LoadLevelTest, ColourComponentsAboveTheirChannelAreClamped) {
  TestGame t;
  t.LoadRecord(RecordWith(31, "999300128").replace(66, 9, "256000999"));
  EXPECT_EQ(t.game.level.LevelColor1, (RgbColour{255, 255, 128}));
  EXPECT_EQ(t.game.level.LevelColor2, (RgbColour{255, 0, 255}));
}

TEST(LoadLevelTest, AHolderRecordLoadsAsAnEmptyLevelWithTheCameraAtOneOne) {
  TestGame t;
  t.LoadRecord(std::string(kHolderRecord));
  const LevelState& level = t.game.level;
  EXPECT_EQ(level.LevelTitle, "[HOLDER]");
  EXPECT_FALSE(t.game.flags.Dead);
  EXPECT_EQ(level.PlayerX, 1.0f);
  EXPECT_EQ(level.PlayerY, 1.0f);
  EXPECT_EQ(level.Grid(1, 1), LevelCell{});
  EXPECT_EQ(level.Grid(0, 0), MakeCell(t.game, 0));
  EXPECT_EQ(level.UnidsNeeded, 0);
  EXPECT_EQ(t.game.timing.TimeLeft, -1);
  EXPECT_EQ(level.CannonRate, 1);
  // No light radius: 15 cells of white light.
  EXPECT_EQ(level.LightRadius, 10);
  EXPECT_EQ(level.LightRadiusTarget, 135);
  EXPECT_EQ(level.LevelColor1, (RgbColour{255, 255, 255}));
}

TEST(LoadLevelTest, ALevelPastTheEndOrWithoutCollectionLoadsEmpty) {
  TestGame t;
  t.WriteCollection({EncodeLevelRecord(PlainLevel())});
  LoadLevel(t.game, 7);
  EXPECT_EQ(t.game.level.PlayerX, 1.0f);
  EXPECT_EQ(t.game.level.LevelTitle, "");

  TestGame none;
  LoadLevel(none.game, 1);
  EXPECT_FALSE(none.game.flags.Dead);
  EXPECT_EQ(none.game.level.Grid(25, 25), MakeCell(none.game, 0));
}

TEST(LoadLevelTest, AShortRecordGivesEmptyCellsWhereItEnds) {
  TestGame t;
  LevelRecord level = PlainLevel();
  PlaceTiles(level, {{0, 49, 20}, {1, 49, 1}, {2, 49, 20}});
  t.LoadRecord(EncodeLevelRecord(level).substr(0, 107));
  EXPECT_EQ(t.game.level.Grid(0, 49).Type, ObjRock);
  EXPECT_EQ(t.game.level.Grid(1, 49).Type, ObjThresher);
  EXPECT_EQ(t.game.level.Grid(2, 49).Type, ObjEmpty);
}

TEST(LoadLevelTest, LightRadiusIsInCellsAndGrowsFromTen) {
  TestGame t;
  t.LoadTiles({{1, 1, 1}});
  EXPECT_EQ(t.game.level.LightRadiusTarget, 45);
  EXPECT_EQ(t.game.level.LightRadius, 10);
}

TEST(LoadLevelTest, ALoadStartsThePlayStateAfresh) {
  TestGame t;
  Game& g = t.game;
  g.player.Shots = 5;
  g.player.Bombs = 2;
  g.player.ShieldTime = 3;
  g.player.FreezeTime = 4;
  g.player.TimeBonusTimer = 6.0f;
  g.explosions.ShieldEnabled = false;
  g.flags.FailReason = 2;
  g.flags.NameEntry = true;
  g.timing.LevelMinutes = 3;
  g.timing.LevelSeconds = 4;
  g.timing.LevelMs = 500;
  g.timing.GetReadyCount = 1;
  g.timing.FpsSum = 900;
  g.timing.FpsFrames = 15;
  g.timing.FrameMs = 16.0;
  t.clock.Ticks = 4242;
  t.LoadTiles({{1, 1, 1}});
  EXPECT_EQ(g.player.Shots, 0);
  EXPECT_EQ(g.player.Bombs, 0);
  EXPECT_EQ(g.player.ShieldTime, 0);
  EXPECT_EQ(g.player.FreezeTime, 0);
  EXPECT_EQ(g.player.TimeBonusTimer, -1.0f);
  EXPECT_TRUE(g.explosions.ShieldEnabled);
  EXPECT_EQ(g.flags.FailReason, 0);
  EXPECT_FALSE(g.flags.NameEntry);
  EXPECT_EQ(g.timing.LevelMinutes, 0);
  EXPECT_EQ(g.timing.LevelSeconds, 0);
  EXPECT_EQ(g.timing.LevelMs, 0);
  EXPECT_EQ(g.timing.GetReadyCount, 0);
  EXPECT_EQ(g.timing.FpsSum, 0);
  EXPECT_EQ(g.timing.FpsFrames, 0);
  EXPECT_EQ(g.timing.FrameMs, 0.0);
  EXPECT_EQ(g.timing.SecondBase, 4242u);
  EXPECT_EQ(g.collection.CollectionFile, "test.lvl");
}

TEST(LoadLevelTest, TheGridsAreRecreatedWithTheirMargin) {
  TestGame t;
  t.LoadTiles({{1, 1, 1}, {2, 2, 30}});
  t.game.level.CheckpointGrid(3, 3).Type = ObjRock;
  EXPECT_EQ(t.game.level.Grid.Bounds(), (GridBounds{-10, 60, -8, 58}));
  t.LoadTiles({{1, 1, 1}});
  for (const GridBounds& bounds :
       {t.game.level.Grid.Bounds(), t.game.level.FloorGrid.Bounds(), t.game.level.CheckpointGrid.Bounds()})
    EXPECT_EQ(bounds, (GridBounds{-10, 60, -8, 58}));
  EXPECT_EQ(t.game.level.FloorGrid(2, 2), FloorCell{});
  EXPECT_EQ(t.game.level.CheckpointGrid(3, 3), LevelCell{});
}

// The copy is emptied however it was written, also when a load before found nothing to empty.
TEST(LoadLevelTest, ALoadEmptiesTheCheckpointCopyHoweverItWasWritten) {
  const std::vector<std::pair<std::string, std::function<void(Game&)>>> writers = {
      {"copied from the grid", [](Game& game) { game.level.CheckpointGrid = game.level.Grid; }},
      {"set", [](Game& game) { game.level.CheckpointGrid.Set(1, 1, MakeCell(game, ObjRock)); }},
      {"changed in place", [](Game& game) { game.level.CheckpointGrid(1, 1).Type = ObjRock; }},
  };
  for (const auto& [name, write] : writers) {
    SCOPED_TRACE(name);
    TestGame t;
    t.LoadTiles({{1, 1, 1}});
    t.LoadTiles({{1, 1, 1}});
    write(t.game);
    const LevelGrid& copy = t.game.level.CheckpointGrid;
    ASSERT_NE(copy(1, 1), LevelCell{});
    t.LoadTiles({{2, 2, 1}});
    EXPECT_EQ(copy(1, 1), LevelCell{});
  }
}

// A load that fails part way, here in the random look of a rock, must not leave the rows the level
// before it held and the new one had not yet reached: every grid is left empty.
TEST(LoadLevelTest, ALoadThatFailsPartWayLeavesEveryGridEmpty) {
  struct FailingRandom : Random {
    double Rnd() override { throw std::runtime_error("no numbers"); }
  } failing;
  TestGame t;
  t.LoadTiles({{1, 1, 1}, {10, 10, 10}, {20, 20, 30}, {40, 5, 10}});
  ASSERT_EQ(t.game.level.Grid(10, 10).Type, ObjWallA);
  t.game.services.random = &failing;
  EXPECT_THROW(t.LoadTiles({{1, 1, 1}, {5, 30, 20}}), std::runtime_error);
  const LevelState& level = t.game.level;
  for (int y = -2; y <= 51; ++y)
    for (int x = -2; x <= 51; ++x) {
      ASSERT_EQ(level.Grid(x, y), LevelCell{}) << x << "," << y;
      ASSERT_EQ(level.FloorGrid(x, y), FloorCell{}) << x << "," << y;
    }
}

TEST(LoadLevelTest, PreviewPlayReadsTheCommandLineCollectionAndItsMusicRecord) {
  TestGame t;
  LevelRecord level = PlainLevel();
  PlaceTiles(level, {{4, 4, 1}});
  const std::string preview = EncodePreviewRecord(level);
  t.WriteCollection({EncodeLevelRecord(PlainLevel())});  // the selected collection, not played
  t.game.flags.CommandLine = std::string(kPreviewFileName);

  brolt::WriteCollection(t.levels / kPreviewFileName, {preview, EncodePreviewMusicRecord(true)});
  LoadLevel(t.game, 1);
  EXPECT_EQ(t.game.level.PlayerX, 4.0f);
  EXPECT_FALSE(t.game.flags.PreviewMusic);
  EXPECT_EQ(t.game.collection.CollectionFile, std::string(kPreviewFileName));

  brolt::WriteCollection(t.levels / kPreviewFileName, {preview});
  LoadLevel(t.game, 1);
  EXPECT_TRUE(t.game.flags.PreviewMusic);
}

TEST(LoadLevelTest, OnlyTheCellsThemselvesDrawRandomNumbers) {
  TestGame t;
  // A rock (3 draws), a bomb (1) and an inner wall (1); a white first colour draws no colours.
  t.LoadPicture({"...###", "..T###", "rb.###"});
  EXPECT_EQ(t.random.Draws, 5);
}

TEST(ApplyCellDirectionTest, DigitsSetTheAngleAndTurnTheDirectionClockwise) {
  TestGame t;
  // A cannon placed facing up and turned right matches one placed facing right.
  t.LoadTiles({{1, 1, 1}, {5, 5, 34, 2}, {6, 5, 35, 0}, {7, 5, 35, 1}, {20, 20, 2, 3}, {22, 20, 5, 4}});
  const LevelState& level = t.game.level;
  for (int x : {5, 6}) {
    EXPECT_EQ(level.Grid(x, 5).Angle, 90) << x;
    EXPECT_EQ(level.Grid(x, 5).DirX, 1) << x;
    EXPECT_EQ(level.Grid(x, 5).DirY, 0) << x;
  }
  // The angle is set, not added, while the direction keeps its own.
  EXPECT_EQ(level.Grid(7, 5).Angle, 0);
  EXPECT_EQ(level.Grid(7, 5).DirX, 1);
  // A creature built facing right, turned twice.
  EXPECT_EQ(level.Grid(20, 20).Angle, 180);
  EXPECT_EQ(level.Grid(20, 20).DirX, -1);
  EXPECT_EQ(level.Grid(20, 20).DirY, 0);
  // A gnat built facing up, turned three times.
  EXPECT_EQ(level.Grid(22, 20).Angle, 270);
  EXPECT_EQ(level.Grid(22, 20).DirX, -1);
  EXPECT_EQ(level.Grid(22, 20).DirY, 0);

  LevelCell& cell = t.game.level.Grid(30, 30);
  cell.DirX = 0;
  cell.DirY = 0;
  cell.Angle = 45;
  ApplyCellDirection(t.game, 30, 30, 5, LayerObject);
  EXPECT_EQ(t.game.level.Grid(30, 30).Angle, 45);
  ApplyCellDirection(t.game, 30, 30, 4, LayerObject);
  EXPECT_EQ(t.game.level.Grid(30, 30).Angle, 270);
  EXPECT_EQ(t.game.level.Grid(30, 30).DirX, 0);
  EXPECT_EQ(t.game.level.Grid(30, 30).DirY, 0);
}

TEST(OrientCreaturesTest, CreaturesClingToWhatStandsBesideOrAboveThem) {
  TestGame t;
  t.LoadPicture({
      ".......................",
      ".#A...#.#.B#......#....",
      ".........#...#C#..g....",
      "..........A........#..#",
      "..........#.......A#.G.",
      "T......................",
  });
  const LevelState& level = t.game.level;
  auto check = [&](int x, int y, int angle, int dirX, int dirY) {
    const LevelCell& cell = level.Grid(x, y);
    EXPECT_EQ(cell.Angle, angle) << x << "," << y;
    EXPECT_EQ(cell.DirX, dirX) << x << "," << y;
    EXPECT_EQ(cell.DirY, dirY) << x << "," << y;
    EXPECT_GE(cell.Frame, 1);
    EXPECT_LE(cell.Frame, 9);
  };
  check(2, 4, 90, 0, -1);   // A with a wall on its left
  check(10, 4, 270, 0, -1); // B with a wall on its right
  check(14, 3, 270, 0, 1);  // C with walls on both sides: the right one wins
  check(10, 2, 0, 1, 0);    // A standing on a wall keeps its own direction
  check(18, 1, 270, 0, 1);  // A with a wall on its right
  check(18, 3, 180, 0, 1);  // a gnat under a wall only turns
  check(21, 1, 0, 0, 1);    // a gold gnat with nothing around
}

TEST(OrientCreaturesTest, TheFrameIsRoundedHalfToEven) {
  TestGame t;
  t.LoadTiles({{1, 1, 1}});
  t.game.level.Grid(5, 5) = MakeCell(t.game, ObjGnatA);
  t.game.level.Grid(7, 5) = MakeCell(t.game, ObjGnatA);
  t.game.level.Grid(9, 5) = MakeCell(t.game, ObjGnatA);
  t.game.level.Grid(11, 5) = MakeCell(t.game, ObjGnatA);
  t.random.Script({0.0625, 0.1875, 0.0, 0.999});
  OrientCreatures(t.game, CellTypeMap(t.game.level.Grid));
  EXPECT_EQ(t.game.level.Grid(5, 5).Frame, 2);
  EXPECT_EQ(t.game.level.Grid(7, 5).Frame, 2);
  EXPECT_EQ(t.game.level.Grid(9, 5).Frame, 1);
  EXPECT_EQ(t.game.level.Grid(11, 5).Frame, 9);
}

}  // namespace
}  // namespace brolt
