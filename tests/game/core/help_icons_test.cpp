#include "game/core/help_icons.h"

#include <gtest/gtest.h>

#include <set>

#include "game/core/game.h"
#include "support/fixed_random.h"
#include "support/recording_drawing.h"

namespace brolt {
namespace {

// A stand-in for the object definitions: every type starts at column 2, row 3, on a sheet of its own.
HelpIconPicture Describe(std::int16_t type) {
  HelpIconPicture picture;
  picture.Frame = 2;
  picture.FrameRow = 3;
  picture.Texture = static_cast<std::int16_t>(type + 100);
  picture.IsCreature = type >= 2 && type <= 8;
  picture.IdleSpin = type == 30 || (type >= 70 && type <= 74);
  picture.ShapedWall = type == 40 || type == 44;
  return picture;
}

class HelpIconsTest : public ::testing::Test {
 protected:
  HelpIconsTest() {
    game.services.drawing = &drawing;
    game.services.random = &random;
    game.timing.Tick30 = 1;
  }

  void Draw(std::string_view icons) { DrawHelpIcons(game, icons, 110, Describe); }

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
  EXPECT_EQ(drawing.quads[1].texture, 103);

  drawing.Clear();
  Draw("");
  EXPECT_TRUE(drawing.quads.empty());
}

TEST_F(HelpIconsTest, NumbersOutsideTheTypesLeaveTheirPlaceEmpty) {
  Draw("150,-3,7");
  ASSERT_EQ(drawing.quads.size(), 1u);
  EXPECT_EQ(drawing.quads[0].x, 368);
  EXPECT_EQ(drawing.quads[0].texture, 107);
}

TEST_F(HelpIconsTest, EachKindOfTypeShowsItsOwnPicture) {
  auto& help = game.definitions;
  help.HelpIconFrame = 5;
  help.HelpRollFrame = 6;
  help.HelpRollRow = 7;
  help.HelpIconAngle = 90;
  Draw("1,2,24,34,20,45,39,96,53,70,40,10");
  struct Expected {
    int frame, row, angle;
  };
  std::vector<Expected> expected = {{5, 3, 0}, {5, 3, 0}, {5, 3, 0}, {5, 3, 0}, {6, 7, 0},  {2, 5, 0},
                                    {6, 3, 0}, {1, 3, 0}, {2, 3, 90}, {5, 3, 0}, {5, 3, 0}, {2, 3, 0}};
  ASSERT_EQ(drawing.quads.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(drawing.quads[i].frame, expected[i].frame) << i;
    EXPECT_EQ(drawing.quads[i].row, expected[i].row) << i;
    EXPECT_EQ(drawing.quads[i].angle, expected[i].angle) << i;
  }
}

TEST_F(HelpIconsTest, AnimatesOnlyOnTheThirtiethTick) {
  Draw("1");
  EXPECT_EQ(drawing.quads.back().frame, 1);
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
