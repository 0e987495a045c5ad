#include "editor/model/colour_scheme.h"

#include <gtest/gtest.h>

#include <array>

#include "editor/model/color_picker_geometry.h"

namespace brolt::editor {
namespace {

TEST(GetColorComponent, ReadsEachFieldByItsLeadingNumber) {
  struct Case {
    const char* text;
    std::optional<int> red, green, blue;
  };
  const Case cases[] = {
      {"255,0,128", 255, 0, 128}, {"078, 9 ,007", 78, 9, 7},  {"10,20", 10, std::nullopt, std::nullopt},
      {"1,2,3,4", 1, 2, 3},       {"x,,", 0, 0, 0},           {"no commas", std::nullopt, std::nullopt, std::nullopt},
      {"300,-5,99", 255, 0, 99},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetColorComponent(c.text, true, false, false), c.red) << c.text;
    EXPECT_EQ(GetColorComponent(c.text, false, true, false), c.green) << c.text;
    EXPECT_EQ(GetColorComponent(c.text, false, false, true), c.blue) << c.text;
    EXPECT_EQ(GetColorComponent(c.text, false, false, false), std::nullopt) << c.text;
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
    if (border[0] == 255) {
      EXPECT_GE(border[1], border[2] + 30) << editor.prefs.BorderColor;
    }
    if (border[2] == 255) {
      EXPECT_LE(border[0], 150) << editor.prefs.BorderColor;
    }
    if (border[0] == 255 || border[1] == 255 || border[2] == 255) ++lifted;
  }
  EXPECT_GT(lifted, 1900);  // only ties for the strongest stay unlifted
}

TEST(ColorPickerGeometry, TrianglePicksStayOnTheTriangle) {
  struct Case {
    double x, y;
    PickPoint snapped;
  };
  for (const Case& c : {
           Case{0, 0, {64, 2}},         // the corner acts as (2, 2), then snaps onto the apex's row
           Case{64, 2, {64, 2}},        // inside stays
           Case{0, 100, {15, 100}},     // black area left of the left edge: onto the left edge
           Case{127, 100, {113, 100}},  // right of the right edge: onto the right edge
           Case{500, 500, {126, 126}},  // beyond the picture: its last row's right end
           Case{64.4, 60.6, {64, 61}},  // the pointer is rounded to a pixel
       }) {
    EXPECT_EQ(SnapToColorTriangle(c.x, c.y, 128, 127), c.snapped) << c.x << "," << c.y;
  }
}

TEST(ColorPickerGeometry, BarPicksStayInsideTheirBarsAndSaturationFallsFromTheTop) {
  struct Case {
    int x, y;
    PickPoint shader, saturation;
  };
  for (const Case& c : {
           Case{0, 0, {1, 1}, {1, 1}},
           Case{7, 20, {7, 20}, {7, 20}},
           Case{12, 36, {12, 36}, {12, 36}},
           Case{13, 37, {14, 38}, {13, 37}},  // the shader jumps to its last pixel three before the edge
           Case{40, 90, {14, 38}, {13, 38}},
       }) {
    EXPECT_EQ(ClampShaderPick(c.x, c.y, 15, 39), c.shader) << c.x << "," << c.y;
    EXPECT_EQ(ClampSaturationPick(c.x, c.y, 14, 39), c.saturation) << c.x << "," << c.y;
  }
  for (const auto& [y, level] : {std::pair{0.0, 255}, std::pair{39 / 4.0, 191},
                                 std::pair{1.0, 248}, std::pair{38.0, 7}, std::pair{39.0, 0}}) {
    EXPECT_EQ(SaturationAtHeight(y, 39), level) << y;
  }
}

}  // namespace
}  // namespace brolt::editor
