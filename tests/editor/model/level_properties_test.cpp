#include "editor/model/level_properties.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

using Colours = std::array<std::string, 4>;
const Colours kDefaultColours{"255,255,255", "200,200,200", "173,255,173", "181,207,231"};
const Colours kBlack{"0,0,0", "0,0,0", "0,0,0", "0,0,0"};

// A dialog that records what it was filled with and answers with the designer's edit, or Cancel.
class FakeLevelDialog : public LevelPropertiesView {
 public:
  std::optional<LevelPropertiesForm> shown;
  std::function<void(LevelPropertiesForm&)> edit;  // empty: Cancel

  void FillProperties(const LevelPropertiesForm& form) override { shown = form; }
  bool RunProperties() override {
    if (edit) edit(*shown);
    return static_cast<bool>(edit);
  }
  LevelPropertiesForm ReadProperties() const override { return *shown; }
};

class LevelPropertiesTest : public ::testing::Test {
 protected:
  LevelPropertiesTest() {
    editor_.ui.dialogs = &dialogs_;
    LevelState& level = editor_.level;
    level.LevelTitle = "Rock Garden";
    level.LevelColor = kDefaultColours;
    std::tie(level.LightRadius, level.TimeLimit, level.UnidAward, level.CannonRate) = std::tuple(7, 120, 5, 3);
    level.LevelSaved = true;
  }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  FakeLevelDialog dialog_;
};

TEST_F(LevelPropertiesTest, FillsTheDialogFromTheLevelAndCancelChangesNothing) {
  editor_.level.LevelColor[1] = " 20,005,9";
  const LevelState before = editor_.level;
  ShowLevelProperties(editor_, dialog_);
  ASSERT_TRUE(dialog_.shown);
  const LevelPropertiesForm& form = *dialog_.shown;
  EXPECT_EQ(form.Title, "Rock Garden");
  EXPECT_EQ((std::array{form.LightRadius, form.TimeLimit, form.UnidAward, form.CannonRate}), (std::array{7, 120, 5, 3}));
  EXPECT_EQ(form.Colors[1], "20,5,9");  // the plain form
  EXPECT_FALSE(form.RandomColors);
  EXPECT_EQ(std::tie(editor_.level.LevelTitle, editor_.level.LevelColor, editor_.level.TimeLimit),
            std::tie(before.LevelTitle, before.LevelColor, before.TimeLimit));
  EXPECT_TRUE(editor_.level.LevelSaved);
}

TEST_F(LevelPropertiesTest, OkTakesTheValuesAndMarksTheLevelUnsavedWithoutAnUndoStep) {
  const int newestBefore = editor_.undo.Newest;
  dialog_.edit = [](LevelPropertiesForm& form) {
    form.Title = "Waterfall";
    std::tie(form.TimeLimit, form.UnidAward, form.CannonRate, form.LightRadius) = std::tuple(999, 99, 0, 25);
    form.Colors[3] = "001,002,003";
  };
  ShowLevelProperties(editor_, dialog_);
  const LevelState& level = editor_.level;
  EXPECT_EQ(level.LevelTitle, "Waterfall");
  EXPECT_EQ((std::array<int, 4>{level.TimeLimit, level.UnidAward, level.CannonRate, level.LightRadius}),
            (std::array{999, 99, 0, 25}));
  EXPECT_EQ(level.LevelColor[3], "001,002,003");
  EXPECT_FALSE(level.LevelSaved);
  EXPECT_EQ(editor_.undo.Newest, newestBefore);
}

TEST_F(LevelPropertiesTest, OkWithoutAChangeStillMarksUnsavedAndWritesColoursPlainABlackFirstOneAsRandom) {
  const struct {
    std::string first;
    bool random;
    Colours after;
  } cases[] = {{"255, 255,255", false, kDefaultColours}, {"000,0,0", true, kBlack}};
  for (const auto& c : cases) {
    editor_.level.LevelColor[0] = c.first;
    editor_.level.LevelSaved = true;
    dialog_.edit = [](LevelPropertiesForm&) {};
    ShowLevelProperties(editor_, dialog_);
    EXPECT_EQ(dialog_.shown->RandomColors, c.random) << c.first;
    EXPECT_EQ(editor_.level.LevelColor, c.after) << c.first;
    EXPECT_FALSE(editor_.level.LevelSaved) << c.first;
  }
}

TEST_F(LevelPropertiesTest, DecliningToLeavePasteModeShowsNoDialog) {
  editor_.clipboard.PasteMode = true;
  dialogs_.buttonAnswers = {2};
  ShowLevelProperties(editor_, dialog_);
  EXPECT_FALSE(dialog_.shown);
  EXPECT_EQ(dialogs_.LastMessage(), "This action will exit paste mode.");
}

TEST(TimeLimitTextTest, SpellsMinutesAndSecondsOrNoLimit) {
  const std::pair<int, std::string> cases[] = {{0, "(Infinite)"}, {1, "(00:01)"}, {59, "(00:59)"},
                                               {60, "(01:00)"},     {61, "(01:01)"}, {999, "(16:39)"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(TimeLimitText(seconds), text) << seconds;
}

TEST(RandomColorsBoxTest, TickingBlackensAndClearingBringsBackTheDefaultsOnlyFromBlack) {
  const Colours chosen{"1,2,3", "4,5,6", "7,8,9", "10,11,12"};
  const std::tuple<Colours, bool, Colours> cases[] = {
      {chosen, true, kBlack}, {kBlack, false, kDefaultColours}, {chosen, false, chosen}};
  for (auto [colours, ticked, after] : cases) {
    ApplyRandomColorsBox(colours, ticked);
    EXPECT_EQ(colours, after) << ticked;
  }
}

}  // namespace
}  // namespace brolt::editor
