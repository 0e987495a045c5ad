#include "editor/model/services/preferences_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <tuple>

#include "editor/model/commands/preferences_command.h"
#include "editor/model/services/definitions_editor.h"
#include "editor/support/definitions_fixture.h"
#include "editor/support/levels_folder_editor.h"
#include "editor/support/scripted_dialogs.h"

namespace brolt::editor {
namespace {

using testing::DefinitionsFixture;
using Values = std::vector<std::optional<std::string>>;

// Every value the cases look at, as ";Field=value;" entries.
std::string Loaded(const Editor& e) {
  const Preferences& p = e.prefs;
  std::ostringstream out;
  out << ";Left=" << p.Window.Left << ";Width=" << p.Window.Width << ";Height=" << p.Window.Height
      << ";WindowState=" << p.Window.WindowState << ";ShowGrid=" << p.ShowGrid << ";OverwriteTiles=" << p.OverwriteTiles
      << ";tools.Overwrite=" << e.tools.Overwrite << ";DefaultLevelTitle=" << p.DefaultLevelTitle
      << ";level.LevelTitle=" << e.level.LevelTitle << ";FormCaption=" << p.FormCaption
      << ";RandomBorderColors=" << p.RandomBorderColors << ";BorderColor=" << p.BorderColor
      << ";GridLight=" << p.GridLight << ";ZoomPreference=" << p.ZoomPreference << ";view.TileSize=" << e.view.TileSize
      << ";LevelsPath=" << p.LevelsPath << ";GraphicsPath=" << p.GraphicsPath << ";UndoMax=" << p.UndoMax
      << ";undo slots=" << e.undo.UndoBuffer.size() << ";level.LightRadius=" << e.level.LightRadius
      << ";level.CannonRate=" << e.level.CannonRate << ";CurrentTool=" << p.CurrentTool
      << ";RecordLength=" << p.RecordLength << ";undo.UndoMax=" << e.undo.UndoMax << ";FadeInSpeed=" << p.FadeInSpeed
      << ";MiniWidth=" << p.MiniWidth << ";LightRadiusDefault=" << p.LightRadiusDefault
      << ";CannonRateDefault=" << p.CannonRateDefault << ";";
  return out.str();
}

TEST(LoadPreferences, KeysMatchInAnyCaseTheLaterRowWinsAndValuesThatCannotWorkAreLeftOut) {
  const struct {
    const char* name;
    std::vector<std::pair<std::string, std::optional<std::string>>> rows;
    std::vector<std::string> expected;  // "Field=value", or "!Field=value" for a value the field must not hold
  } cases[] = {
      {"capitals", {{"WindowX", "40"}, {"SHOWGRID", "-1"}, {"LevelsPath", "/Mine/"}, {"GraphicsPath", "/Pictures/"}},
       {"Left=40", "ShowGrid=0", "LevelsPath=/Mine/", "GraphicsPath=/Pictures/"}},
      {"no rows", {}, {"view.TileSize=20", "UndoMax=20", "undo.UndoMax=20", "level.LevelTitle=Untitled"}},
      {"a word or Null decides no switch", {{"showgrid", "-1"}, {"showgrid", "True"}, {"showgrid", std::nullopt}},
       {"ShowGrid=0"}},
      {"two overwrite rows", {{"overwritetiles", "0"}, {"overwritetiles", "-1"}},
       {"OverwriteTiles=0", "tools.Overwrite=0"}},
      {"the later title", {{"default levelname", "Cave"}, {"levelname", "Mine"}},
       {"DefaultLevelTitle=Cave", "level.LevelTitle=Mine"}},
      {"a colour after the random scheme", {{"rndbordercolor", "0"}, {"bordercolor", "1,2,3"}},
       {"RandomBorderColors=1", "BorderColor=1,2,3", "!GridLight=0,0,0"}},
      {"tile width with letters, then out of range", {{"tilewidth", "15px"}, {"tilewidth", "0"}, {"tilewidth", "101"}},
       {"ZoomPreference=15", "view.TileSize=15"}},
      {"undo states", {{"undomax", "3"}}, {"UndoMax=3", "undo.UndoMax=3", "undo slots=4"}},
      {"undo below one, then no number", {{"undomax", "0"}, {"undomax", "many"}}, {"UndoMax=1", "undo slots=2"}},
      {"the level's defaults, any slot length", {{"lightraddef", "9"}, {"cannonrate", "250"}, {"len", "5000"}},
       {"level.LightRadius=9", "level.CannonRate=99", "RecordLength=10101"}},
      {"empty texts", {{"levelspath", ""}, {"graphicspath", " "}, {"levelname", ""}, {"default levelname", "  "},
                       {"formcaption", ""}},
       {"LevelsPath=/Levels/", "GraphicsPath=/Graphics/", "level.LevelTitle=Untitled", "DefaultLevelTitle=Untitled",
        "FormCaption=Brolt Editor"}},
      {"window size", {{"windoww", "0"}, {"windowh", "wide"}, {"windowstate", "7"}},
       {"Width=632", "Height=532", "WindowState=0"}},
      {"a tool outside 0..6 is the brush", {{"tool", "5"}, {"tool", "9"}}, {"CurrentTool=1"}},
      {"the first tool", {{"tool", "0"}}, {"CurrentTool=0"}},
      {"fade-in speed below one", {{"fadeinspeed", "0"}}, {"FadeInSpeed=1"}},
      {"fade-in speed not a number", {{"fadeinspeed", "fast"}}, {"FadeInSpeed=15"}},
      {"minimap width below one", {{"miniwidth", "-4"}}, {"MiniWidth=150"}},
      {"light radius outside 3..25", {{"lightraddef", "2"}, {"lightraddef", "26"}},
       {"LightRadiusDefault=5", "level.LightRadius=5"}},
      {"the least light radius", {{"lightraddef", "3"}}, {"LightRadiusDefault=3"}},
      {"the greatest light radius", {{"lightraddef", "25"}}, {"LightRadiusDefault=25"}},
      {"cannon rate below 0", {{"cannonrate", "-3"}}, {"CannonRateDefault=0", "level.CannonRate=0"}},
  };
  for (const auto& c : cases) {
    DefinitionsFixture fixture;
    fixture.AddSettings(c.rows);
    Editor& editor = fixture.Open();
    LoadPaths(editor);
    LoadPreferences(editor);
    const std::string loaded = Loaded(editor);
    for (const std::string& field : c.expected) {
      const bool held = !field.starts_with('!');
      EXPECT_EQ(loaded.find(';' + field.substr(held ? 0 : 1) + ';') != std::string::npos, held)
          << c.name << ": " << field << " in " << loaded;
    }
  }
}

// The normal placement of a maximised window is kept for when it is restored; keys are written only
// as spelt, and the inverted switches read back as they were.
TEST(SavePreferences, WritesOnlyExactKeysKeepsAMaximisedWindowsPlacementAndSwitchesReadBackUnchanged) {
  DefinitionsFixture fixture;
  fixture.AddSettings({{"showgrid", "-1"}, {"mutemusic", "0"}, {"centerwindow", "-1"}, {"overwritetiles", "0"},
                       {"rndbordercolor", "-1"}, {"useprimaryfortilecounter", "0"}, {"Tilewidth", "40"},
                       {"lightdef", "x"}, {"formcaption", "Mine"}, {"windowx", "10"}, {"windowstate", "0"}});
  Editor& editor = fixture.Open();
  LoadPreferences(editor);
  editor.prefs.ShowGrid = !editor.prefs.ShowGrid;
  editor.prefs.MuteMusic = !editor.prefs.MuteMusic;
  editor.prefs.ZoomPreference = 30;
  editor.prefs.Window = {1, 2, 800, 700, 2};
  SavePreferences(editor);
  EXPECT_EQ(fixture.SettingValues(), (Values{"0", "-1", "-1", "0", "-1", "0", "40", "", "Mine", "10", "2"}));
  editor.prefs.Window = {1, 2, 800, 700, 0};  // a normal window's placement is written
  SavePreferences(editor);
  EXPECT_EQ(fixture.SettingValues(), (Values{"0", "-1", "-1", "0", "-1", "0", "40", "", "Mine", "1", "0"}));

  Editor reread;
  reread.AppPath = fixture.folder.path();
  OpenDefinitionsDatabase(reread);
  LoadPreferences(reread);
  const Preferences& p = reread.prefs;
  EXPECT_EQ((std::array{p.ShowGrid, p.MuteMusic, p.CenterWindow, p.OverwriteTiles, p.RandomBorderColors,
                        p.UsePrimaryForCounter}),
            (std::array{true, false, false, true, false, true}));
}

// Answers OK with the numbers typed as below and whatever else a case changes. How the real dialog
// shows the form and how OK reaches the main window is checked in preferences_window_test.cpp.
class TypingDialog : public PreferencesView {
 public:
  PreferencesForm shown;
  void FillPreferences(const PreferencesForm& form) override { shown = form; }
  bool RunPreferences() override { return true; }
  PreferencesForm ReadPreferences() const override {
    PreferencesForm form = shown;
    std::tie(form.FadeInSpeed, form.LightRadiusDefault, form.CannonRateDefault) = std::tuple("", "20", "2.5");
    if (alsoChange) alsoChange(form);
    return form;
  }
  std::function<void(PreferencesForm&)> alsoChange;  // what else the designer changes before OK
};

struct ShowPreferencesTest : ::testing::Test {
  ShowPreferencesTest() { editor.ui.dialogs = &dialogs; }
  testing::ScriptedDialogs dialogs;
  Editor editor;
  Preferences& prefs = editor.prefs;
  TypingDialog dialog;
};

TEST_F(ShowPreferencesTest, ABlackBorderOpensAsRandomColoursAndOkKeepsTheColoursShownAndTheNumbersThatDoNotConvert) {
  std::tie(prefs.BorderColor, prefs.GridLight, prefs.GridDark) = std::tuple("0,0,0", "15,45,125", "0,0,35");
  prefs.FadeInSpeed = 7;
  ShowPreferences(editor, dialog);
  EXPECT_TRUE(dialog.shown.RandomColors);  // how older versions stored random colours
  EXPECT_TRUE(prefs.RandomBorderColors);
  EXPECT_EQ((std::array{prefs.BorderColor, prefs.GridLight, prefs.GridDark}),
            (std::array<std::string, 3>{"0,0,0", "15,45,125", "0,0,35"}));
  EXPECT_EQ((std::array<int, 3>{prefs.FadeInSpeed, prefs.LightRadiusDefault, prefs.CannonRateDefault}),
            (std::array{7, 20, 2}));
}

TEST_F(ShowPreferencesTest, ShowsEveryPreferenceAndOkTakesEverySwitchAColourAndTheWindowsState) {
  std::tie(prefs.BorderColor, prefs.GridLight, prefs.GridDark) = std::tuple("90,120,200", "15,45,125", "0,0,35");
  std::tie(prefs.LightRadiusDefault, prefs.FadeInSpeed, prefs.CannonRateDefault) = std::tuple(9, 15, 4);
  std::tie(prefs.MuteMusic, prefs.CenterWindow) = std::pair(true, true);
  dialog.alsoChange = [](PreferencesForm& form) {
    form.BorderColor = "200,100,050";
    std::tie(form.MuteMusic, form.CenterWindow, form.MaximizeEditor, form.RandomColors) =
        std::tuple(false, false, true, true);
  };
  ShowPreferences(editor, dialog);
  const PreferencesForm& form = dialog.shown;
  EXPECT_EQ((std::array{form.LightRadiusDefault, form.FadeInSpeed, form.CannonRateDefault}),
            (std::array<std::string, 3>{"9", "15", "4"}));
  EXPECT_EQ((std::array{form.MuteMusic, form.CenterWindow, form.MaximizeEditor, form.RandomColors}),
            (std::array{true, true, false, false}));

  EXPECT_EQ(prefs.BorderColor, "200,100,050");
  EXPECT_EQ((std::array{prefs.MuteMusic, prefs.CenterWindow, prefs.RandomBorderColors}),
            (std::array{false, false, true}));
  EXPECT_EQ(prefs.Window.WindowState, 2);  // maximised
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
