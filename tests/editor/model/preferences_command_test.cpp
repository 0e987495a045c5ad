#include "editor/model/preferences_command.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "editor/model/definitions_editor.h"
#include "editor/model/key_filters.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

// Plays the dialog: it hands back the form it was filled with as `edit` changes it (no edit is Cancel). The main
// window's state is the real window's test.
class PreferencesCommandTest : public ::testing::Test, public PreferencesView {
 protected:
  PreferencesCommandTest() {
    editor_.ui.dialogs = &dialogs_;
    editor_.prefs.BorderColor = "90,120,200";
    editor_.prefs.GridLight = "15,45,125";
    editor_.prefs.GridDark = "0,0,35";
    editor_.prefs.CannonRateDefault = 4;
  }
  void FillPreferences(const PreferencesForm& form) override { shown_ = returned_ = form; }
  bool RunPreferences() override {
    if (edit_) edit_(returned_);
    return static_cast<bool>(edit_);
  }
  PreferencesForm ReadPreferences() const override { return returned_; }

  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  PreferencesForm shown_, returned_;
  std::function<void(PreferencesForm&)> edit_;
};

TEST_F(PreferencesCommandTest, ShowsThePreferencesAndOkAppliesEveryNumberThatConverts) {
  editor_.prefs.MuteMusic = true;
  edit_ = [](PreferencesForm& form) {
    form.BorderColor = "200,100,050";
    form.FadeInSpeed = "";
    form.LightRadiusDefault = "20";
    form.CannonRateDefault = "2.5";
    form.MuteMusic = false;
    form.CenterWindow = true;
    form.MaximizeEditor = false;
    form.RandomColors = true;
  };
  ShowPreferences(editor_, *this);
  const PreferencesForm& form = shown_;
  EXPECT_EQ((std::array{form.BorderColor, form.GridLight, form.GridDark, form.LightRadiusDefault, form.FadeInSpeed,
                        form.CannonRateDefault}),
            (std::array<std::string, 6>{"90,120,200", "15,45,125", "0,0,35", "5", "15", "4"}));
  EXPECT_EQ((std::array{form.MuteMusic, form.RandomColors}), (std::array{true, false}));

  const Preferences& prefs = editor_.prefs;
  EXPECT_EQ(prefs.BorderColor, "200,100,050");
  EXPECT_EQ((std::array<int, 3>{prefs.FadeInSpeed, prefs.LightRadiusDefault, prefs.CannonRateDefault}),
            (std::array{15, 20, 2}));
  EXPECT_EQ((std::array{prefs.MuteMusic, prefs.CenterWindow, prefs.RandomBorderColors}),
            (std::array{false, true, true}));
  EXPECT_EQ(prefs.Window.WindowState, 0);
}

TEST_F(PreferencesCommandTest, ABlackBorderOpensWithTheRandomBoxTickedAndOkTurnsRandomColoursOn) {
  editor_.prefs.BorderColor = "0,0,0";
  edit_ = [](PreferencesForm&) {};
  ShowPreferences(editor_, *this);
  EXPECT_TRUE(shown_.RandomColors);
  EXPECT_TRUE(editor_.prefs.RandomBorderColors);
}

TEST(PreferencesTexts, GridColoursFollowTheBorderDownToBlack) {
  for (const auto& [border, light, dark] :
       {std::array{"200,100,50", "125,25,0", "35,0,0"}, std::array{"0,0,0", "0,0,0", "0,0,0"},
        std::array{"255,255,255", "180,180,180", "90,90,90"}}) {
    EXPECT_EQ(GridColorsForBorder(border), (std::array<std::string, 2>{light, dark})) << border;
  }
}

TEST(PreferencesTexts, TheCannonRateKeepsItsLeadingNumberWithinZeroTo99) {
  for (const auto& [typed, kept] : {std::pair{"abc", "0"}, std::pair{"150", "99"}, std::pair{"-5", "0"},
                                    std::pair{"12abc", "12"}, std::pair{"2.5", "2.5"}, std::pair{"", "0"}}) {
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

TEST(KeyFilters, TitlesAndFileNamesCapitaliseTheFirstLetterOfEachWordOnly) {
  struct Case {
    std::string text;
    int selStart, selLength, typed, expected;
  };
  const Case cases[] = {
      {"", 0, 0, 'm', 'M'},           // empty title
      {"level", 0, 0, 'x', 'X'},      // caret at the start
      {"level", 0, 5, 'x', 'X'},      // whole title selected
      {"my level", 8, 0, 'x', 'x'},   // after a letter
      {"my level ", 9, 0, 'x', 'X'},  // after a space
      {"half-", 5, 0, 'w', 'W'},      // after a hyphen
      {"my level", 3, 2, 'x', 'x'},   // part of the text selected
      {"a ", 2, 0, 0xE9, 0xC9},       // Latin-1 small e acute
      {"a ", 2, 0, 0xF7, 0xF7},       // the division sign has no capital
      {"a ", 2, 0, '7', '7'},         // no key is refused
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilterTitleKey(c.typed, c.text, c.selStart, c.selLength), c.expected) << c.text << " " << c.selStart;
    EXPECT_EQ(FilterFileNameKey(c.typed, c.text, c.selStart, c.selLength), c.expected) << c.text << " " << c.selStart;
  }
}

TEST(KeyFilters, NumbersTakeDigitsAndBackspaceOnly) {
  for (int key = 0; key < 256; ++key) {
    const bool passes = key == kBackspaceKey || (key >= '0' && key <= '9');
    EXPECT_EQ(FilterNumericKey(key), passes ? key : 0) << key;
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
