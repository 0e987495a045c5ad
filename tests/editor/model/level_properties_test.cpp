#include "editor/model/level_properties.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

// A dialog that records what it was filled with and answers with the designer's edit, or Cancel.
class FakeLevelDialog : public LevelPropertiesView {
 public:
  std::optional<LevelPropertiesForm> shown;
  std::function<void(LevelPropertiesForm&)> edit;  // empty: Cancel
  int runs = 0;

  void FillProperties(const LevelPropertiesForm& form) override { shown = form; }
  bool RunProperties() override {
    ++runs;
    if (edit) edit(*shown);
    return static_cast<bool>(edit);
  }
  LevelPropertiesForm ReadProperties() const override { return *shown; }
};

class LevelPropertiesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ui.dialogs = &dialogs_;
    LevelState& level = editor_.level;
    level.LevelTitle = "Rock Garden";
    level.LevelColor = {"255,255,255", "200,200,200", "173,255,173", "181,207,231"};
    level.LightRadius = 7;
    level.TimeLimit = 120;
    level.UnidAward = 5;
    level.CannonRate = 3;
    level.LevelSaved = true;
  }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  FakeLevelDialog dialog_;
};

TEST_F(LevelPropertiesTest, FillsTheDialogFromTheLevel) {
  editor_.level.LevelColor[1] = " 20,005,9";
  ShowLevelProperties(editor_, dialog_);
  ASSERT_TRUE(dialog_.shown);
  const LevelPropertiesForm& form = *dialog_.shown;
  EXPECT_EQ(form.Title, "Rock Garden");
  EXPECT_EQ((std::array{form.LightRadius, form.TimeLimit, form.UnidAward, form.CannonRate}),
            (std::array{7, 120, 5, 3}));
  EXPECT_EQ(form.Colors[1], "20,5,9");  // the plain form
  EXPECT_FALSE(form.RandomColors);
}

TEST_F(LevelPropertiesTest, CancelChangesNothing) {
  const LevelState before = editor_.level;
  ShowLevelProperties(editor_, dialog_);
  EXPECT_EQ(dialog_.runs, 1);
  EXPECT_EQ(editor_.level.LevelTitle, before.LevelTitle);
  EXPECT_EQ(editor_.level.LevelColor, before.LevelColor);
  EXPECT_EQ(editor_.level.TimeLimit, before.TimeLimit);
  EXPECT_TRUE(editor_.level.LevelSaved);
}

TEST_F(LevelPropertiesTest, OkTakesTheValuesAndMarksTheLevelUnsavedWithoutAnUndoStep) {
  const int newestBefore = editor_.undo.Newest;
  dialog_.edit = [](LevelPropertiesForm& form) {
    form.Title = "Waterfall";
    form.TimeLimit = 999;
    form.UnidAward = 99;
    form.CannonRate = 0;
    form.LightRadius = 25;
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

TEST_F(LevelPropertiesTest, OkWithoutAChangeStillMarksTheLevelUnsavedAndWritesColoursPlain) {
  editor_.level.LevelColor[0] = "255, 255,255";
  dialog_.edit = [](LevelPropertiesForm&) {};
  ShowLevelProperties(editor_, dialog_);
  EXPECT_FALSE(editor_.level.LevelSaved);
  EXPECT_EQ(editor_.level.LevelColor[0], "255,255,255");
}

TEST_F(LevelPropertiesTest, ABlackFirstColourOpensWithRandomColours) {
  editor_.level.LevelColor[0] = "000,0,0";
  dialog_.edit = [](LevelPropertiesForm&) {};
  ShowLevelProperties(editor_, dialog_);
  EXPECT_TRUE(dialog_.shown->RandomColors);
  EXPECT_EQ(editor_.level.LevelColor, (std::array<std::string, 4>{"0,0,0", "0,0,0", "0,0,0", "0,0,0"}));
}

TEST_F(LevelPropertiesTest, DecliningToLeavePasteModeShowsNoDialog) {
  editor_.clipboard.PasteMode = true;
  dialogs_.buttonAnswers = {2};
  ShowLevelProperties(editor_, dialog_);
  EXPECT_EQ(dialog_.runs, 0);
  EXPECT_EQ(dialogs_.LastMessage(), "This action will exit paste mode.");
}

TEST(TimeLimitTextTest, SpellsMinutesAndSecondsOrNoLimit) {
  struct Case {
    int seconds;
    const char* text;
  };
  for (const Case& c : {Case{0, "(Infinite)"}, Case{1, "(00:01)"}, Case{59, "(00:59)"}, Case{60, "(01:00)"},
                        Case{61, "(01:01)"}, Case{999, "(16:39)"}}) {
    EXPECT_EQ(TimeLimitText(c.seconds), c.text) << c.seconds;
  }
}

TEST(RandomColorsBoxTest, TickingBlackensAndClearingBringsBackTheDefaultsOnlyFromBlack) {
  using Colours = std::array<std::string, 4>;
  const Colours chosen{"1,2,3", "4,5,6", "7,8,9", "10,11,12"};
  const Colours black{"0,0,0", "0,0,0", "0,0,0", "0,0,0"};
  const Colours defaults{"255,255,255", "200,200,200", "173,255,173", "181,207,231"};
  struct Case {
    Colours before;
    bool ticked;
    Colours after;
  };
  for (const Case& c : {Case{chosen, true, black}, Case{black, false, defaults}, Case{chosen, false, chosen}}) {
    Colours colours = c.before;
    ApplyRandomColorsBox(colours, c.ticked);
    EXPECT_EQ(colours, c.after);
  }
}

}  // namespace
}  // namespace brolt::editor
