#include "game/core/drawing/help_icons.h"

#include <gtest/gtest.h>

#include <set>

#include "game/core/level/cell_construction.h"
#include "game/core/level/object_defs.h"
#include "game/core/state/game.h"
#include "support/fixed_random.h"
#include "support/recording_drawing.h"

namespace brolt {
namespace {

class HelpIconsTest : public ::testing::Test {
 protected:
  HelpIconsTest() {
    game.services.drawing = &drawing;
    game.services.random = &random;
    game.timing.Tick30 = 1;
    BuildObjectDefs(game);
  }

  void Draw(std::string_view icons) { DrawHelpIcons(game, icons, 110); }
  LevelCell Fresh(int type) { return MakeCell(game, type); }

  Game game;
  testing::RecordingDrawing drawing;
  testing::FixedRandom random{0.5};
};

TEST_F(HelpIconsTest, CentresTheRowFortyEightApart) {
  Draw("2,3,4");
  ASSERT_EQ(drawing.quads.size(), 3u);
  EXPECT_EQ(drawing.quads[0].x, 272);
  EXPECT_EQ(drawing.quads[1].x, 320);
  EXPECT_EQ(drawing.quads[2].x, 368);
  for (const auto& quad : drawing.quads) {
    EXPECT_EQ(quad.y, 110);
    EXPECT_EQ(quad.framesPerSide, 8.0f);
    EXPECT_EQ(quad.colour, 0xFFFFFFu);
  }
  EXPECT_EQ(drawing.quads[0].size, 38);
  EXPECT_EQ(drawing.quads[2].size, 49);
  EXPECT_EQ(drawing.quads[1].texture, game.ObjectDefs[3].Texture);

  drawing.Clear();
  Draw("");
  EXPECT_TRUE(drawing.quads.empty());
}

TEST_F(HelpIconsTest, NumbersOutsideTheTypesLeaveTheirPlaceEmpty) {
  Draw("150,-3,7");
  ASSERT_EQ(drawing.quads.size(), 1u);
  EXPECT_EQ(drawing.quads[0].x, 368);
  EXPECT_EQ(drawing.quads[0].texture, game.ObjectDefs[7].Texture);
}

TEST_F(HelpIconsTest, EachKindOfTypeShowsItsOwnPicture) {
  auto& help = game.definitions;
  help.HelpIconFrame = 5;
  help.HelpRollFrame = 6;
  help.HelpRollRow = 7;
  help.HelpIconAngle = 90;
  const std::vector<int> types = {1, 2, 24, 34, 20, 45, 39, 96, 53, 70, 40, 10};
  struct Expected {
    int frame, row, angle;
  };
  std::vector<Expected> expected;
  for (int type : types) {
    const LevelCell cell = Fresh(type);
    expected.push_back({cell.Frame, cell.FrameRow, 0});
  }
  for (int i : {0, 1, 2, 3, 9}) expected[static_cast<std::size_t>(i)].frame = 5;  // animated in place
  expected[4] = {6, 7, 0};                                                       // the rolling rock
  expected[5].row = 5;                                                           // grass
  expected[6].frame = 6;                                                         // rock generator
  expected[7].frame = 1;                                                         // push block
  expected[8].angle = 90;                                                        // key block
  expected[10].frame += 3;                                                       // shaped wall
  std::string list;
  for (int type : types) list += (list.empty() ? "" : ",") + std::to_string(type);
  Draw(list);
  ASSERT_EQ(drawing.quads.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(drawing.quads[i].frame, expected[i].frame) << types[i];
    EXPECT_EQ(drawing.quads[i].row, expected[i].row) << types[i];
    EXPECT_EQ(drawing.quads[i].angle, expected[i].angle) << types[i];
    EXPECT_EQ(drawing.quads[i].texture, game.ObjectDefs[types[i]].Texture) << types[i];
  }
}

TEST_F(HelpIconsTest, AnimatesOnlyOnTheThirtiethTick) {
  Draw("1");
  EXPECT_EQ(drawing.quads.back().frame, game.definitions.HelpIconFrame);
  game.definitions.HelpIconFrame = 1;
  game.timing.Tick30 = 0;
  std::vector<int> frames;
  for (int i = 0; i < 9; ++i) {
    Draw("1");
    frames.push_back(drawing.quads.back().frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 1, 2}));
}

TEST_F(HelpIconsTest, RollingUnidShowsAllSixtyFourPicturesInTurn) {
  game.timing.Tick30 = 0;
  std::set<std::pair<int, int>> seen;
  for (int i = 0; i < 64; ++i) {
    Draw("21");
    seen.insert({drawing.quads.back().frame, drawing.quads.back().row});
  }
  EXPECT_EQ(seen.size(), 64u);
  // The 65th step starts the sheet again.
  Draw("21");
  EXPECT_EQ(drawing.quads.back().frame, drawing.quads.front().frame);
  EXPECT_EQ(drawing.quads.back().row, drawing.quads.front().row);
}

TEST_F(HelpIconsTest, KeyBlocksTurnByARandomStep) {
  game.timing.Tick30 = 0;
  std::vector<int> angles;
  for (int i = 0; i < 3; ++i) {
    Draw("54");
    angles.push_back(drawing.quads.back().angle);
  }
  // 0.5 x 50 + 120 = 145 a step, wrapping past 360.
  EXPECT_EQ(angles, (std::vector<int>{145, 290, 75}));
}

}  // namespace
}  // namespace brolt
