#include "editor/model/color_picker_geometry.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

constexpr int kWidth = 128;
constexpr int kHeight = 127;

TEST(ColorPickerGeometryTest, TrianglePicksStayOnTheTriangle) {
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
    EXPECT_EQ(SnapToColorTriangle(c.x, c.y, kWidth, kHeight), c.snapped) << c.x << "," << c.y;
  }
}

TEST(ColorPickerGeometryTest, BarPicksStayInsideTheirBars) {
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
}

TEST(ColorPickerGeometryTest, SaturationFallsFromTheTopOfTheBar) {
  struct Case {
    double y;
    int level;
  };
  for (const Case& c : {Case{0, 255}, Case{39 * kInitialSaturationHeight, 191}, Case{1, 248}, Case{38, 7},
                        Case{39, 0}}) {
    EXPECT_EQ(SaturationAtHeight(c.y, 39), c.level) << c.y;
  }
}

}  // namespace
}  // namespace brolt::editor
