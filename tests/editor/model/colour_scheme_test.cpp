#include "editor/model/colour_scheme.h"

#include <gtest/gtest.h>

#include <array>

namespace brolt::editor {
namespace {

TEST(GetColorComponent, ReadsEachFieldByItsLeadingNumber) {
  struct Case {
    const char* text;
    std::optional<int> red, green, blue;
  };
  const Case cases[] = {
      {"255,0,128", 255, 0, 128},
      {"078, 9 ,007", 78, 9, 7},
      {"10,20", 10, std::nullopt, std::nullopt},
      {"no commas", std::nullopt, std::nullopt, std::nullopt},
      {"1,2,3,4", 1, 2, 3},
      {"x,,", 0, 0, 0},
      {"300,-5,99", 255, 0, 99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(GetColorComponent(c.text, true, false, false), c.red);
    EXPECT_EQ(GetColorComponent(c.text, false, true, false), c.green);
    EXPECT_EQ(GetColorComponent(c.text, false, false, true), c.blue);
    EXPECT_EQ(GetColorComponent(c.text, false, false, false), std::nullopt);
  }
}

std::array<int, 3> Components(const std::string& text) {
  return {*GetColorComponent(text, true, false, false), *GetColorComponent(text, false, true, false),
          *GetColorComponent(text, false, false, true)};
}

TEST(RandomBorderColor, EveryDrawFollowsTheSchemeRules) {
  Editor editor;
  editor.random.Seed(11);
  int lifted = 0;
  for (int draw = 0; draw < 2000; ++draw) {
    RandomBorderColor(editor);
    ASSERT_EQ(editor.prefs.BorderColor.size(), 11u) << editor.prefs.BorderColor;  // "rrr,ggg,bbb"
    const auto border = Components(editor.prefs.BorderColor);
    const auto light = Components(editor.prefs.GridLight);
    const auto dark = Components(editor.prefs.GridDark);
    for (int i = 0; i < 3; ++i) {
      EXPECT_GE(border[i], 55);
      EXPECT_LE(border[i], 255);
      EXPECT_EQ(light[i], std::max(0, border[i] - 75));
      EXPECT_EQ(dark[i], std::max(0, border[i] - 155));
    }
    if (border[0] == 255) EXPECT_GE(border[1], border[2] + 30) << editor.prefs.BorderColor;
    if (border[2] == 255) EXPECT_LE(border[0], 150) << editor.prefs.BorderColor;
    if (border[0] == 255 || border[1] == 255 || border[2] == 255) ++lifted;
  }
  EXPECT_GT(lifted, 1900);  // only ties for the strongest stay unlifted
}

}  // namespace
}  // namespace brolt::editor
