#include "editor/model/preferences_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/support/definitions_fixture.h"

namespace brolt::editor {
namespace {

using testing::DefinitionsFixture;
using Rows = std::vector<std::pair<std::string, std::optional<std::string>>>;

struct LoadCase {
  const char* name;
  Rows rows;
  std::function<void(const Editor&)> check;
};

void RunLoadCases(const std::vector<LoadCase>& cases) {
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    DefinitionsFixture fixture;
    fixture.AddSettings(c.rows);
    Editor& editor = fixture.Open();
    LoadPaths(editor);
    LoadPreferences(editor);
    c.check(editor);
  }
}

TEST(LoadPreferences, KeysMatchInAnyCaseAndTheLaterRowWins) {
  RunLoadCases({
      {"capitals",
       {{"WindowX", "40"}, {"SHOWGRID", "-1"}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.Window.Left, 40);
         EXPECT_FALSE(e.prefs.ShowGrid);
       }},
      {"two overwrite rows",
       {{"overwritetiles", "0"}, {"overwritetiles", "-1"}},
       [](const Editor& e) {
         EXPECT_FALSE(e.prefs.OverwriteTiles);
         EXPECT_FALSE(e.tools.Overwrite);
       }},
      {"the later title",
       {{"default levelname", "Cave"}, {"levelname", "Mine"}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.DefaultLevelTitle, "Cave");
         EXPECT_EQ(e.level.LevelTitle, "Mine");
       }},
      {"a colour after the random scheme",
       {{"rndbordercolor", "0"}, {"bordercolor", "1,2,3"}},
       [](const Editor& e) {
         EXPECT_TRUE(e.prefs.RandomBorderColors);
         EXPECT_EQ(e.prefs.BorderColor, "1,2,3");
         EXPECT_NE(e.prefs.GridLight, "0,0,0");
       }},
      {"tile width with letters",
       {{"tilewidth", "15px"}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.ZoomPreference, 15);
         EXPECT_EQ(e.view.TileSize, 15.0f);
       }},
      {"paths",
       {{"LevelsPath", "/Mine/"}, {"graphicspath", "/Pictures/"}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.LevelsPath, "/Mine/");
         EXPECT_EQ(e.prefs.GraphicsPath, "/Pictures/");
       }},
      {"undo states",
       {{"undomax", "3"}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.UndoMax, 3);
         EXPECT_EQ(e.undo.UndoMax, 3);
         EXPECT_EQ(e.undo.UndoBuffer.size(), 4u);
       }},
      {"the level's defaults",
       {{"lightraddef", "9"}, {"cannonrate", "12"}},
       [](const Editor& e) {
         EXPECT_EQ(e.level.LightRadius, 9);
         EXPECT_EQ(e.level.CannonRate, 12);
       }},
  });
}

TEST(LoadPreferences, ValuesThatCannotWorkFallBackToWorkingDefaults) {
  const Preferences defaults;
  RunLoadCases({
      {"no rows",
       {},
       [&](const Editor& e) {
         EXPECT_EQ(e.prefs.TileSize, 20.0f);
         EXPECT_EQ(e.prefs.UndoMax, 20);
         EXPECT_EQ(e.undo.UndoMax, 20);
         EXPECT_EQ(e.prefs.FormCaption, "Brolt Editor");
         EXPECT_EQ(e.level.LevelTitle, "Untitled");
         EXPECT_EQ(e.prefs.Window.Width, 632);
         EXPECT_EQ(e.prefs.Window.Height, 532);
       }},
      {"Null values",
       {{"tilewidth", std::nullopt}, {"levelfile", std::nullopt}, {"showgrid", std::nullopt}},
       [&](const Editor& e) {
         EXPECT_EQ(e.prefs.ZoomPreference, 20);
         EXPECT_EQ(e.prefs.LevelFile, "");
         EXPECT_EQ(e.prefs.ShowGrid, defaults.ShowGrid);
       }},
      {"tile width out of range",
       {{"tilewidth", "0"}, {"tilewidth", "101"}},
       [](const Editor& e) { EXPECT_EQ(e.prefs.TileSize, 20.0f); }},
      {"undo below one",
       {{"undomax", "0"}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.UndoMax, 1);
         EXPECT_EQ(e.undo.UndoMax, 1);
       }},
      {"undo not a number", {{"undomax", "many"}}, [](const Editor& e) { EXPECT_EQ(e.undo.UndoMax, 20); }},
      {"fade-in speed", {{"fadeinspeed", "0"}}, [](const Editor& e) { EXPECT_EQ(e.prefs.FadeInSpeed, 1); }},
      {"fade-in speed not a number",
       {{"fadeinspeed", "fast"}},
       [](const Editor& e) { EXPECT_EQ(e.prefs.FadeInSpeed, 15); }},
      {"minimap width", {{"miniwidth", "-4"}}, [](const Editor& e) { EXPECT_EQ(e.prefs.MiniWidth, 150); }},
      {"empty paths",
       {{"levelspath", ""}, {"graphicspath", " "}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.LevelsPath, "/Levels/");
         EXPECT_EQ(e.prefs.GraphicsPath, "/Graphics/");
       }},
      {"window size",
       {{"windoww", "0"}, {"windowh", "wide"}, {"windowstate", "7"}},
       [](const Editor& e) {
         EXPECT_EQ(e.prefs.Window.Width, 632);
         EXPECT_EQ(e.prefs.Window.Height, 532);
         EXPECT_EQ(e.prefs.Window.WindowState, 0);
       }},
      {"light radius outside 3..25",
       {{"lightraddef", "2"}, {"lightraddef", "26"}},
       [](const Editor& e) { EXPECT_EQ(e.prefs.LightRadiusDefault, 5); }},
      {"cannon rate above 99",
       {{"cannonrate", "250"}},
       [](const Editor& e) { EXPECT_EQ(e.prefs.CannonRateDefault, 99); }},
      {"cannon rate below 0", {{"cannonrate", "-3"}}, [](const Editor& e) { EXPECT_EQ(e.prefs.CannonRateDefault, 0); }},
      {"empty titles and caption",
       {{"levelname", ""}, {"default levelname", "  "}, {"formcaption", ""}},
       [](const Editor& e) {
         EXPECT_EQ(e.level.LevelTitle, "Untitled");
         EXPECT_EQ(e.prefs.DefaultLevelTitle, "Untitled");
         EXPECT_EQ(e.prefs.FormCaption, "Brolt Editor");
       }},
      {"tool outside 0..6", {{"tool", "9"}}, [](const Editor& e) { EXPECT_EQ(e.prefs.CurrentTool, 1); }},
      {"a tool", {{"tool", "5"}}, [](const Editor& e) { EXPECT_EQ(e.prefs.CurrentTool, 5); }},
      {"a switch that is a word",
       {{"showgrid", "True"}},
       [&](const Editor& e) { EXPECT_EQ(e.prefs.ShowGrid, defaults.ShowGrid); }},
      {"any slot length", {{"len", "5000"}}, [](const Editor& e) { EXPECT_EQ(e.prefs.RecordLength, 10101); }},
  });
}

TEST(SavePreferences, WritesOnlyExactKeysAndSwitchesReadBackUnchanged) {
  DefinitionsFixture fixture;
  fixture.AddSettings({{"showgrid", "-1"},
                       {"mutemusic", "0"},
                       {"centerwindow", "-1"},
                       {"overwritetiles", "0"},
                       {"rndbordercolor", "-1"},
                       {"useprimaryfortilecounter", "0"},
                       {"WindowX", "40"},
                       {"lightdef", "x"},
                       {"formcaption", "Mine"},
                       {"tilewidth", "25"}});
  Editor& editor = fixture.Open();
  LoadPreferences(editor);
  editor.prefs.ShowGrid = !editor.prefs.ShowGrid;
  editor.prefs.MuteMusic = !editor.prefs.MuteMusic;
  editor.prefs.Window.Left = 99;
  SavePreferences(editor);
  const std::vector<std::optional<std::string>> expected = {"0", "-1", "-1", "0", "-1", "0", "40", "", "Mine", "25"};
  EXPECT_EQ(fixture.SettingValues(), expected);

  Editor reread;
  reread.AppPath = fixture.folder.path();
  OpenDefinitionsDatabase(reread);
  LoadPreferences(reread);
  EXPECT_TRUE(reread.prefs.ShowGrid);
  EXPECT_FALSE(reread.prefs.MuteMusic);
  EXPECT_FALSE(reread.prefs.CenterWindow);
  EXPECT_TRUE(reread.prefs.OverwriteTiles);
  EXPECT_FALSE(reread.prefs.RandomBorderColors);
  EXPECT_TRUE(reread.prefs.UsePrimaryForCounter);
}

TEST(SavePreferences, ThePlacementIsKeptWhileTheWindowIsMaximised) {
  for (int state : {0, 2}) {
    SCOPED_TRACE(state);
    DefinitionsFixture fixture;
    fixture.AddSettings(
        {{"windowx", "10"}, {"windowy", "20"}, {"windoww", "700"}, {"windowh", "600"}, {"windowstate", "0"}});
    Editor& editor = fixture.Open();
    LoadPreferences(editor);
    editor.prefs.Window = {1, 2, 800, 700, state};
    SavePreferences(editor);
    const std::vector<std::optional<std::string>> expected =
        state == 0 ? std::vector<std::optional<std::string>>{"1", "2", "800", "700", "0"}
                   : std::vector<std::optional<std::string>>{"10", "20", "700", "600", "2"};
    EXPECT_EQ(fixture.SettingValues(), expected);
  }
}

}  // namespace
}  // namespace brolt::editor
