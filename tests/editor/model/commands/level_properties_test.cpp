#include "editor/model/commands/level_properties.h"

#include <gtest/gtest.h>

#include <optional>

#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

using Colours = std::array<std::string, 4>;
const Colours kDefaultColours{"255,255,255", "200,200,200", "173,255,173", "181,207,231"};
const Colours kBlack{"0,0,0", "0,0,0", "0,0,0", "0,0,0"};
using Numbers = std::array<int, 4>;  // time limit, unid award, cannon rate, light radius

// Records what it was filled with and answers OK with these numbers, or Cancel. A typed title, a
// refused one and the random box are checked on the real dialog in level_properties_window_test.cpp.
class FakeLevelDialog : public LevelPropertiesView {
 public:
  std::optional<LevelPropertiesForm> shown;
  bool ok = true;
  void FillProperties(const LevelPropertiesForm& form) override { shown = form; }
  bool RunProperties() override { return ok; }
  LevelPropertiesForm ReadProperties() const override {
    LevelPropertiesForm form = *shown;
    std::tie(form.TimeLimit, form.UnidAward, form.CannonRate, form.LightRadius) = std::tuple(999, 99, 0, 25);
    return form;
  }
};

TEST(ShowLevelProperties, ShowsColoursPlainABlackFirstOneAsRandomAndOkMarksTheLevelUnsavedWithoutAnUndoStep) {
  const Colours kept{" 20,005,9", "200,200,200", "173,255,173", "181,207,231"};
  const struct {
    std::string first, shown;  // shown "": no dialog
    bool pasteMode, ok, random;
    Colours after;
  } cases[] = {{"255, 255,255", "255,255,255", false, true, false, kDefaultColours},
               {"000,0,0", "0,0,0", false, true, true, kBlack},
               {" 20,005,9", "20,5,9", false, false, false, kept},
               {" 20,005,9", "", true, true, false, kept}};  // the designer stays in paste mode
  for (const auto& c : cases) {
    testing::ScriptedDialogs dialogs;
    dialogs.buttonAnswers = {2};
    Editor editor;
    editor.ui.dialogs = &dialogs;
    editor.clipboard.PasteMode = c.pasteMode;
    LevelState& level = editor.level;
    level.LevelTitle = "Rock Garden";
    level.LevelColor = kDefaultColours;
    level.LevelColor[0] = c.first;
    std::tie(level.TimeLimit, level.UnidAward, level.CannonRate, level.LightRadius) = std::tuple(120, 5, 3, 7);
    level.LevelSaved = true;
    const int newestBefore = editor.undo.Newest;
    FakeLevelDialog dialog;
    dialog.ok = c.ok;
    ShowLevelProperties(editor, dialog);
    EXPECT_EQ(std::pair(dialog.shown ? dialog.shown->Colors[0] : "", dialog.shown && dialog.shown->RandomColors),
              std::pair(c.shown, c.random)) << c.first;
    if (dialog.shown) {  // the dialog shows the level's own values
      const LevelPropertiesForm& form = *dialog.shown;
      EXPECT_EQ(form.Title, "Rock Garden");
      EXPECT_EQ((Numbers{form.TimeLimit, form.UnidAward, form.CannonRate, form.LightRadius}), (Numbers{120, 5, 3, 7}));
    }
    const bool taken = c.ok && !c.pasteMode;
    EXPECT_EQ(level.LevelColor, c.after) << c.first;
    EXPECT_EQ((Numbers{level.TimeLimit, level.UnidAward, level.CannonRate, level.LightRadius}),
              (taken ? Numbers{999, 99, 0, 25} : Numbers{120, 5, 3, 7})) << c.first;
    EXPECT_EQ(level.LevelSaved, !taken) << c.first;
    EXPECT_EQ(editor.undo.Newest, newestBefore) << c.first;
  }
}

TEST(TimeLimitTextTest, SpellsMinutesAndSecondsOrNoLimit) {
  const std::pair<int, std::string> cases[] = {{0, "(Infinite)"}, {59, "(00:59)"}, {61, "(01:01)"}, {999, "(16:39)"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(TimeLimitText(seconds), text) << seconds;
}

// The box on the real dialog is checked in level_properties_window_test.cpp; these are the colours
// themselves, the defaults among them.
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
