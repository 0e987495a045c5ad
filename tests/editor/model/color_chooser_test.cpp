#include "editor/model/color_chooser.h"

#include <gtest/gtest.h>

namespace brolt::editor {
namespace {

// A picker whose designer accepts or cancels without touching the bars.
class FakePicker : public ColorPicker {
 public:
  explicit FakePicker(bool accept) : accept_(accept) {}
  void SetBars(int red, int green, int blue) override { bars_ = {red, green, blue}; }
  bool RunPicker() override { return accept_; }
  std::array<int, 3> Bars() const override { return bars_; }

 private:
  bool accept_;
  std::array<int, 3> bars_{-1, -1, -1};
};

TEST(ChooseColorTest, ReturnsTheBarsWithThreeDigitsEachOrNothingOnCancel) {
  struct Case {
    const char* colour;
    bool accept;
    const char* chosen;
  };
  for (const Case& c : {Case{"255,0,10", true, "255,000,010"}, Case{"255,0,10", false, ""},
                        Case{"0,128,255", true, "000,128,255"}, Case{" 7, 08 ,9", true, "007,008,009"},
                        Case{"255,000,010", true, "255,000,010"}}) {
    FakePicker picker(c.accept);
    EXPECT_EQ(ChooseColor(picker, c.colour), c.chosen) << c.colour;
  }
}

TEST(ChooseColorTest, PresetsTheBarsWithTheColourPassedIn) {
  FakePicker picker(false);
  ChooseColor(picker, "12,034,200");
  EXPECT_EQ(picker.Bars(), (std::array<int, 3>{12, 34, 200}));
}

}  // namespace
}  // namespace brolt::editor
