#include "editor/model/services/colour_scheme.h"

#include <gtest/gtest.h>

#include <array>

#include "editor/model/commands/color_chooser.h"
#include "editor/model/dialogs/color_picker_geometry.h"
#include "editor/model/services/color_routines.h"

namespace brolt::editor {
namespace {

using Rgb = std::array<std::optional<int>, 3>;

Rgb Components(const std::string& text) {
  return {GetColorComponent(text, true, false, false), GetColorComponent(text, false, true, false),
          GetColorComponent(text, false, false, true)};
}

TEST(GetColorComponent, ReadsEachFieldByItsLeadingNumber) {
  const std::pair<const char*, Rgb> cases[] = {
      {"255,0,128", {255, 0, 128}}, {"078, 9 ,007", {78, 9, 7}}, {"10,20", {10, std::nullopt, std::nullopt}},
      {"1,2,3,4", {1, 2, 3}},       {"x,,", {0, 0, 0}},          {"no commas", {}},
      {"300,-5,99", {255, 0, 99}}};
  for (const auto& [text, rgb] : cases) {
    EXPECT_EQ(Components(text), rgb) << text;
    EXPECT_EQ(GetColorComponent(text, false, false, false), std::nullopt) << text;  // no field asked for
  }
}

TEST(RandomBorderColor, EveryDrawFollowsTheSchemeRules) {
  Editor editor;
  editor.random.Seed(11);
  int lifted = 0;
  for (int draw = 0; draw < 2000; ++draw) {
    RandomBorderColor(editor);
    const std::string& text = editor.prefs.BorderColor;
    ASSERT_EQ(text.size(), 11u) << text;  // "rrr,ggg,bbb"
    const Rgb border = Components(text), light = Components(editor.prefs.GridLight);
    const Rgb dark = Components(editor.prefs.GridDark);
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(*border[i] >= 55 && *border[i] <= 255) << text;
      EXPECT_EQ(light[i], std::max(0, *border[i] - 75)) << text;
      EXPECT_EQ(dark[i], std::max(0, *border[i] - 155)) << text;
    }
    EXPECT_FALSE(border[0] == 255 && *border[1] < *border[2] + 30) << text;
    EXPECT_FALSE(border[2] == 255 && *border[0] > 150) << text;
    lifted += border[0] == 255 || border[1] == 255 || border[2] == 255;
  }
  EXPECT_GT(lifted, 1900);  // only ties for the strongest stay unlifted
}

// Clicks on and beside the triangle and the bars are checked to land on their pixels in
// color_picker_window_test.cpp; these are the picks a drag past the pictures makes, and the ends.
TEST(ColorPickerGeometry, PicksStayOnTheTriangleAndInsideTheBarsAndOnlyTheShaderJumpsToItsEnd) {
  EXPECT_EQ(SnapToColorTriangle(0, 0, 128, 127), (PickPoint{64, 2}));  // the corner acts as (2, 2): the apex's row
  EXPECT_EQ(SnapToColorTriangle(64, 2, 128, 127), (PickPoint{64, 2}));  // inside stays
  EXPECT_EQ(SnapToColorTriangle(500, 500, 128, 127), (PickPoint{126, 126}));  // its last row's right end
  EXPECT_EQ(SnapToColorTriangle(64.4, 60.6, 128, 127), (PickPoint{64, 61}));  // the pointer is rounded to a pixel
  for (const auto& [x, y, shader, saturation] : {
           std::tuple{0, 0, PickPoint{1, 1}, PickPoint{1, 1}},
           std::tuple{12, 36, PickPoint{12, 36}, PickPoint{12, 36}},
           std::tuple{13, 37, PickPoint{14, 38}, PickPoint{13, 37}},  // three before the edge: the shader's last pixel
           std::tuple{40, 90, PickPoint{14, 38}, PickPoint{13, 38}},
       }) {
    EXPECT_EQ(ClampShaderPick(x, y, 15, 39), shader) << x << "," << y;
    EXPECT_EQ(ClampSaturationPick(x, y, 14, 39), saturation) << x << "," << y;
  }
  for (const auto& [y, level] : {std::pair{0.0, 255}, std::pair{39 / 4.0, 191}, std::pair{1.0, 248},
                                 std::pair{38.0, 7}, std::pair{39.0, 0}}) {
    EXPECT_EQ(SaturationAtHeight(y, 39), level) << y;
  }
}

// A designer who accepts or cancels the picker without touching the bars. OK and Cancel on the real
// picker are checked in color_picker_window_test.cpp.
class FakePicker : public ColorPicker {
 public:
  explicit FakePicker(bool accept = true) : accept_(accept) {}
  void SetBars(int red, int green, int blue) override { bars_ = {red, green, blue}; }
  bool RunPicker() override { return accept_; }
  std::array<int, 3> Bars() const override { return bars_; }

 private:
  bool accept_;
  std::array<int, 3> bars_{-1, -1, -1};
};

TEST(ChooseColor, PresetsTheBarsWithTheColourPassedInAndGivesThemBackWithThreeDigitsEach) {
  struct Case {
    const char* colour;
    bool accept;
    const char* chosen;
  };
  for (const Case& c : {Case{" 7, 08 ,9", true, "007,008,009"}, Case{"255,0,10", true, "255,000,010"},
                        Case{"255,0,10", false, ""}, Case{"0,128,255", true, "000,128,255"},
                        Case{"255,000,010", true, "255,000,010"}}) {
    FakePicker picker(c.accept);
    EXPECT_EQ(ChooseColor(picker, c.colour), c.chosen) << c.colour;
  }
  FakePicker cancelled(false);
  ChooseColor(cancelled, "12,034,200");
  EXPECT_EQ(cancelled.Bars(), (std::array<int, 3>{12, 34, 200}));
}

// The 16-bit channels the picker's gradients are drawn with are also checked by their pixels in
// color_picker_window_test.cpp, but a channel one off at the sign bit shows in no pixel.
TEST(ColorRoutines, ColoursAreWrittenFromTheLowByteUpAndSixteenBitsReadAsASignedNumber) {
  const std::pair<std::int32_t, const char*> colours[] = {
      {0, "0,0,0"},
      {0x0180FF, "255,128,1"},
      {0xFFFFFF, "255,255,255"},
      {0x123456, "86,52,18"},
      {static_cast<std::int32_t>(0xFF0000FF), "255,0,0"},  // the high byte is no colour
  };
  for (const auto& [colour, text] : colours) EXPECT_EQ(ColorToRGBString(colour), text) << colour;
  const std::pair<std::int32_t, std::int16_t> shorts[] = {
      {0, 0}, {32767, 32767}, {32768, -32768}, {65280, -256}, {65535, -1}};
  for (const auto& [value, expected] : shorts) EXPECT_EQ(UShortToInteger(value), expected) << value;
  const std::pair<std::uint8_t, std::int16_t> channels[] = {{0, 0}, {1, 256}, {127, 32512}, {128, -32768}, {255, -256}};
  for (const auto& [channel, expected] : channels) EXPECT_EQ(ByteToVertexColor(channel), expected) << int{channel};
}

}  // namespace
}  // namespace brolt::editor
