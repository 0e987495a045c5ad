#include "editor/model/preferences_command.h"

#include <gtest/gtest.h>

#include <optional>

#include "editor/model/definitions_editor.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

// Answers OK with the numbers typed as below. What the dialog shows and how OK reaches the main
// window is checked on the real dialog in preferences_window_test.cpp.
class TypingDialog : public PreferencesView {
 public:
  PreferencesForm shown;
  void FillPreferences(const PreferencesForm& form) override { shown = form; }
  bool RunPreferences() override { return true; }
  PreferencesForm ReadPreferences() const override {
    PreferencesForm form = shown;
    std::tie(form.FadeInSpeed, form.LightRadiusDefault, form.CannonRateDefault) = std::tuple("", "20", "2.5");
    return form;
  }
};

TEST(ShowPreferences, ABlackBorderOpensAsRandomColoursAndOkKeepsTheNumbersThatDoNotConvert) {
  testing::ScriptedDialogs dialogs;
  Editor editor;
  editor.ui.dialogs = &dialogs;
  editor.prefs.BorderColor = "0,0,0";  // how older versions stored random colours
  editor.prefs.FadeInSpeed = 7;
  TypingDialog dialog;
  ShowPreferences(editor, dialog);
  EXPECT_TRUE(dialog.shown.RandomColors);
  EXPECT_TRUE(editor.prefs.RandomBorderColors);
  const Preferences& prefs = editor.prefs;
  EXPECT_EQ((std::array<int, 3>{prefs.FadeInSpeed, prefs.LightRadiusDefault, prefs.CannonRateDefault}),
            (std::array{7, 20, 2}));
}

TEST(PreferencesTexts, GridColoursFollowTheBorderDownToBlack) {
  for (const auto& [border, light, dark] :
       {std::array{"200,100,50", "125,25,0", "35,0,0"}, std::array{"0,0,0", "0,0,0", "0,0,0"},
        std::array{"255,255,255", "180,180,180", "90,90,90"}}) {
    EXPECT_EQ(GridColorsForBorder(border), (std::array<std::string, 2>{light, dark})) << border;
  }
}

// Letters and the upper limit are checked as typed into the dialog in preferences_window_test.cpp.
TEST(PreferencesTexts, TheCannonRateKeepsItsLeadingNumberWithinZeroTo99) {
  for (const auto& [typed, kept] : {std::pair{"12abc", "12"}, std::pair{"2.5", "2.5"}, std::pair{"-5", "0"}}) {
    EXPECT_EQ(ClampCannonRateText(typed), kept) << typed;
  }
}

TEST(PreferencesTexts, NumbersAreWholeTextsRoundingHalvesToEven) {
  using Case = std::pair<const char*, std::optional<std::int16_t>>;
  for (const auto& [text, value] : {Case{"2.5", 2}, Case{"3.5", 4}, Case{" 7 ", 7}, Case{"", std::nullopt},
                                    Case{"abc", std::nullopt}, Case{"12abc", std::nullopt},
                                    Case{"40000", std::nullopt}}) {
    EXPECT_EQ(TextToInteger(text), value) << text;
  }
}

TEST(EditDefinitions, StartsTabwrightOnTheOpenDatabaseAndReportsAFailedStart) {
  testing::LevelsFolderEditor t;
  EditDefinitions(t.editor);
  ASSERT_EQ(t.launcher.starts.size(), 1U);
  EXPECT_EQ(t.launcher.starts[0].program, "tabwright");  // found on the PATH
  EXPECT_EQ(t.launcher.starts[0].arguments, std::vector<std::string>{(t.folder.path() / "Define.qdm").string()});

  WriteCollection(t.folder.path() / "tabwright", {"x"});
  t.launcher.failure = "No such program";
  EditDefinitions(t.editor);
  EXPECT_EQ(t.launcher.starts[1].program, t.folder.path() / "tabwright");
  EXPECT_EQ(t.dialogs.LastMessage(), "ERROR:  No such program. Cannot start the definitions editor tabwright.");
}

}  // namespace
}  // namespace brolt::editor
