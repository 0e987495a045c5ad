#include "editor/model/preferences_store.h"

#include <gtest/gtest.h>

#include <sstream>

#include "editor/support/definitions_fixture.h"

namespace brolt::editor {
namespace {

using testing::DefinitionsFixture;
using Rows = std::vector<std::pair<std::string, std::optional<std::string>>>;
using Values = std::vector<std::optional<std::string>>;

// Every value a Settings row can reach, as ";Field=value;" entries a case can look for.
std::string Loaded(const Editor& e) {
  const Preferences& p = e.prefs;
  std::ostringstream out;
  out << ";Left=" << p.Window.Left << ";Width=" << p.Window.Width << ";Height=" << p.Window.Height
      << ";WindowState=" << p.Window.WindowState << ";ShowGrid=" << p.ShowGrid << ";OverwriteTiles=" << p.OverwriteTiles
      << ";tools.Overwrite=" << e.tools.Overwrite << ";DefaultLevelTitle=" << p.DefaultLevelTitle
      << ";level.LevelTitle=" << e.level.LevelTitle << ";FormCaption=" << p.FormCaption
      << ";RandomBorderColors=" << p.RandomBorderColors << ";BorderColor=" << p.BorderColor
      << ";GridLight=" << p.GridLight << ";ZoomPreference=" << p.ZoomPreference << ";TileSize=" << p.TileSize
      << ";view.TileSize=" << e.view.TileSize << ";LevelsPath=" << p.LevelsPath << ";GraphicsPath=" << p.GraphicsPath
      << ";LevelFile=" << p.LevelFile << ";UndoMax=" << p.UndoMax << ";undo.UndoMax=" << e.undo.UndoMax
      << ";undo slots=" << e.undo.UndoBuffer.size() << ";level.LightRadius=" << e.level.LightRadius
      << ";level.CannonRate=" << e.level.CannonRate << ";LightRadiusDefault=" << p.LightRadiusDefault
      << ";CannonRateDefault=" << p.CannonRateDefault << ";FadeInSpeed=" << p.FadeInSpeed
      << ";MiniWidth=" << p.MiniWidth << ";CurrentTool=" << p.CurrentTool << ";RecordLength=" << p.RecordLength << ";";
  return out.str();
}

struct LoadCase {
  const char* name;
  Rows rows;
  std::vector<std::string> expected;  // "Field=value", or "!Field=value" for a value the field must not hold
};

void RunLoadCases(const std::vector<LoadCase>& cases) {
  for (const LoadCase& c : cases) {
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

TEST(LoadPreferences, KeysMatchInAnyCaseAndTheLaterRowWins) {
  RunLoadCases({
      {"capitals", {{"WindowX", "40"}, {"SHOWGRID", "-1"}, {"LevelsPath", "/Mine/"}, {"GraphicsPath", "/Pictures/"}},
       {"Left=40", "ShowGrid=0", "LevelsPath=/Mine/", "GraphicsPath=/Pictures/"}},
      {"two overwrite rows", {{"overwritetiles", "0"}, {"overwritetiles", "-1"}},
       {"OverwriteTiles=0", "tools.Overwrite=0"}},
      {"the later title", {{"default levelname", "Cave"}, {"levelname", "Mine"}},
       {"DefaultLevelTitle=Cave", "level.LevelTitle=Mine"}},
      {"a colour after the random scheme", {{"rndbordercolor", "0"}, {"bordercolor", "1,2,3"}},
       {"RandomBorderColors=1", "BorderColor=1,2,3", "!GridLight=0,0,0"}},
      {"tile width with letters", {{"tilewidth", "15px"}}, {"ZoomPreference=15", "view.TileSize=15"}},
      {"undo states", {{"undomax", "3"}}, {"UndoMax=3", "undo.UndoMax=3", "undo slots=4"}},
      {"the level's defaults", {{"lightraddef", "9"}, {"cannonrate", "12"}},
       {"level.LightRadius=9", "level.CannonRate=12"}},
  });
}

TEST(LoadPreferences, ValuesThatCannotWorkFallBackToWorkingDefaults) {
  RunLoadCases({
      {"no rows", {}, {"TileSize=20", "undo.UndoMax=20", "level.LevelTitle=Untitled"}},
      {"Null values", {{"tilewidth", std::nullopt}, {"levelfile", std::nullopt}, {"showgrid", std::nullopt}},
       {"ZoomPreference=20", "LevelFile=", "ShowGrid=1"}},
      {"tile width out of range", {{"tilewidth", "0"}, {"tilewidth", "101"}}, {"TileSize=20"}},
      {"undo below one", {{"undomax", "0"}}, {"UndoMax=1", "undo.UndoMax=1"}},
      {"undo not a number", {{"undomax", "many"}}, {"undo.UndoMax=20"}},
      {"fade-in speed", {{"fadeinspeed", "0"}}, {"FadeInSpeed=1"}},
      {"fade-in speed not a number", {{"fadeinspeed", "fast"}}, {"FadeInSpeed=15"}},
      {"minimap width", {{"miniwidth", "-4"}}, {"MiniWidth=150"}},
      {"empty paths", {{"levelspath", ""}, {"graphicspath", " "}}, {"LevelsPath=/Levels/", "GraphicsPath=/Graphics/"}},
      {"window size", {{"windoww", "0"}, {"windowh", "wide"}, {"windowstate", "7"}},
       {"Width=632", "Height=532", "WindowState=0"}},
      {"light radius outside 3..25", {{"lightraddef", "2"}, {"lightraddef", "26"}}, {"LightRadiusDefault=5"}},
      {"cannon rate above 99", {{"cannonrate", "250"}}, {"CannonRateDefault=99"}},
      {"cannon rate below 0", {{"cannonrate", "-3"}}, {"CannonRateDefault=0"}},
      {"empty titles and caption", {{"levelname", ""}, {"default levelname", "  "}, {"formcaption", ""}},
       {"level.LevelTitle=Untitled", "DefaultLevelTitle=Untitled", "FormCaption=Brolt Editor"}},
      {"the first tool", {{"tool", "0"}}, {"CurrentTool=0"}},
      {"a tool outside 0..6 is the brush", {{"tool", "5"}, {"tool", "9"}}, {"CurrentTool=1"}},
      {"a switch that is a word", {{"showgrid", "True"}}, {"ShowGrid=1"}},
      {"any slot length", {{"len", "5000"}}, {"RecordLength=10101"}},
  });
}

TEST(SavePreferences, WritesOnlyExactKeysAndSwitchesReadBackUnchanged) {
  DefinitionsFixture fixture;
  fixture.AddSettings({{"showgrid", "-1"}, {"mutemusic", "0"}, {"centerwindow", "-1"}, {"overwritetiles", "0"},
                       {"rndbordercolor", "-1"}, {"useprimaryfortilecounter", "0"}, {"WindowX", "40"},
                       {"lightdef", "x"}, {"formcaption", "Mine"}, {"tilewidth", "25"}});
  Editor& editor = fixture.Open();
  LoadPreferences(editor);
  editor.prefs.ShowGrid = !editor.prefs.ShowGrid;
  editor.prefs.MuteMusic = !editor.prefs.MuteMusic;
  editor.prefs.Window.Left = 99;
  SavePreferences(editor);
  EXPECT_EQ(fixture.SettingValues(), (Values{"0", "-1", "-1", "0", "-1", "0", "40", "", "Mine", "25"}));

  Editor reread;
  reread.AppPath = fixture.folder.path();
  OpenDefinitionsDatabase(reread);
  LoadPreferences(reread);
  const Preferences& p = reread.prefs;
  EXPECT_EQ((std::array{p.ShowGrid, p.MuteMusic, p.CenterWindow, p.OverwriteTiles, p.RandomBorderColors,
                        p.UsePrimaryForCounter}),
            (std::array{true, false, false, true, false, true}));
}

TEST(SavePreferences, ThePlacementIsKeptWhileTheWindowIsMaximised) {
  for (const auto& [state, expected] :
       {std::pair{0, Values{"1", "2", "800", "700", "0"}}, std::pair{2, Values{"10", "20", "700", "600", "2"}}}) {
    DefinitionsFixture fixture;
    fixture.AddSettings(
        {{"windowx", "10"}, {"windowy", "20"}, {"windoww", "700"}, {"windowh", "600"}, {"windowstate", "0"}});
    Editor& editor = fixture.Open();
    LoadPreferences(editor);
    editor.prefs.Window = {1, 2, 800, 700, state};
    SavePreferences(editor);
    EXPECT_EQ(fixture.SettingValues(), expected) << state;
  }
}

}  // namespace
}  // namespace brolt::editor
