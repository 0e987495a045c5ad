#include "editor/model/preferences_command.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

class FakePreferencesDialog : public PreferencesView {
 public:
  std::optional<PreferencesForm> shown;
  std::function<void(PreferencesForm&)> edit;  // empty: Cancel

  void FillPreferences(const PreferencesForm& form) override { shown = form; }
  bool RunPreferences() override {
    if (edit) edit(*shown);
    return static_cast<bool>(edit);
  }
  PreferencesForm ReadPreferences() const override { return *shown; }
};

class FakeMainWindow : public WindowControls {
 public:
  int state = 0;
  int MainWindowState() const override { return state; }
  void SetMainWindowState(int newState) override { state = newState; }
};

class PreferencesCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ui.dialogs = &dialogs_;
    editor_.ui.window = &window_;
    Preferences& prefs = editor_.prefs;
    prefs.BorderColor = "90,120,200";
    prefs.GridLight = "15,45,125";
    prefs.GridDark = "0,0,35";
    prefs.FadeInSpeed = 15;
    prefs.LightRadiusDefault = 5;
    prefs.CannonRateDefault = 4;
  }

  testing::ScriptedDialogs dialogs_;
  FakeMainWindow window_;
  Editor editor_;
  FakePreferencesDialog dialog_;
};

TEST_F(PreferencesCommandTest, FillsTheDialogFromThePreferencesAndTheMainWindow) {
  window_.state = 2;
  editor_.prefs.MuteMusic = true;
  ShowPreferences(editor_, dialog_);
  const PreferencesForm& form = *dialog_.shown;
  EXPECT_EQ((std::array{form.BorderColor, form.GridLight, form.GridDark}),
            (std::array<std::string, 3>{"90,120,200", "15,45,125", "0,0,35"}));
  EXPECT_EQ((std::array{form.LightRadiusDefault, form.FadeInSpeed, form.CannonRateDefault}),
            (std::array<std::string, 3>{"5", "15", "4"}));
  EXPECT_TRUE(form.MaximizeEditor);
  EXPECT_TRUE(form.MuteMusic);
  EXPECT_FALSE(form.RandomColors);
}

TEST_F(PreferencesCommandTest, OkAppliesEveryValueAtOnce) {
  dialog_.edit = [](PreferencesForm& form) {
    form.BorderColor = "200,100,050";
    form.FadeInSpeed = "50";
    form.LightRadiusDefault = "20";
    form.CannonRateDefault = "2.5";
    form.MuteMusic = true;
    form.CenterWindow = true;
    form.MaximizeEditor = true;
    form.RandomColors = true;
  };
  ShowPreferences(editor_, dialog_);
  const Preferences& prefs = editor_.prefs;
  EXPECT_EQ(prefs.BorderColor, "200,100,050");
  EXPECT_EQ((std::array<int, 3>{prefs.FadeInSpeed, prefs.LightRadiusDefault, prefs.CannonRateDefault}),
            (std::array{50, 20, 2}));
  EXPECT_TRUE(prefs.MuteMusic && prefs.CenterWindow && prefs.RandomBorderColors);
  EXPECT_EQ(window_.state, 2);
  EXPECT_EQ(prefs.Window.WindowState, 2);
}

TEST_F(PreferencesCommandTest, ATextThatIsNotANumberKeepsThePreference) {
  dialog_.edit = [](PreferencesForm& form) {
    form.FadeInSpeed = "";
    form.CannonRateDefault = "fast";
  };
  ShowPreferences(editor_, dialog_);
  EXPECT_EQ(editor_.prefs.FadeInSpeed, 15);
  EXPECT_EQ(editor_.prefs.CannonRateDefault, 4);
}

TEST_F(PreferencesCommandTest, CancelAfterRandomColoursChangesNothing) {
  dialog_.edit = nullptr;
  const Preferences before = editor_.prefs;
  // The designer ticks the box while the dialog is open: the buttons show new colours...
  const std::array<std::string, 3> drawn = DrawRandomSchemeColors(editor_);
  EXPECT_NE(drawn[0], before.BorderColor);
  ShowPreferences(editor_, dialog_);
  // ... and Cancel leaves the preferences as they were.
  EXPECT_EQ(editor_.prefs.BorderColor, before.BorderColor);
  EXPECT_EQ(editor_.prefs.GridLight, before.GridLight);
  EXPECT_EQ(editor_.prefs.GridDark, before.GridDark);
  EXPECT_FALSE(editor_.prefs.RandomBorderColors);
}

TEST_F(PreferencesCommandTest, ABlackBorderOpensWithTheRandomBoxTicked) {
  editor_.prefs.BorderColor = "0,0,0";
  dialog_.edit = [](PreferencesForm&) {};
  ShowPreferences(editor_, dialog_);
  EXPECT_TRUE(dialog_.shown->RandomColors);
  EXPECT_TRUE(editor_.prefs.RandomBorderColors);
}

TEST(GridColorsForBorderTest, FollowTheBorderColourDownToBlack) {
  struct Case {
    const char* border;
    const char* light;
    const char* dark;
  };
  for (const Case& c : {Case{"200,100,50", "125,25,0", "35,0,0"}, Case{"0,0,0", "0,0,0", "0,0,0"},
                        Case{"255,255,255", "180,180,180", "90,90,90"}}) {
    EXPECT_EQ(GridColorsForBorder(c.border), (std::array<std::string, 2>{c.light, c.dark})) << c.border;
  }
}

TEST(CannonRateTextTest, KeepsTheLeadingNumberWithinZeroTo99) {
  struct Case {
    const char* typed;
    const char* kept;
  };
  for (const Case& c : {Case{"abc", "0"}, Case{"150", "99"}, Case{"-5", "0"}, Case{"12abc", "12"}, Case{"2.5", "2.5"},
                        Case{"60", "60"}, Case{"", "0"}}) {
    EXPECT_EQ(ClampCannonRateText(c.typed), c.kept) << c.typed;
  }
}

TEST(TextToIntegerTest, ConvertsWholeNumbersRoundingHalvesToEven) {
  struct Case {
    const char* text;
    std::optional<std::int16_t> value;
  };
  for (const Case& c : {Case{"2.5", 2}, Case{"3.5", 4}, Case{" 7 ", 7}, Case{"", std::nullopt},
                        Case{"abc", std::nullopt}, Case{"12abc", std::nullopt}, Case{"40000", std::nullopt}}) {
    EXPECT_EQ(TextToInteger(c.text), c.value) << c.text;
  }
}

}  // namespace
}  // namespace brolt::editor
