#include "editor/model/services/definitions_database.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "editor/model/services/tile_definitions.h"
#include "editor/support/definitions_fixture.h"

namespace brolt::editor {
namespace {

using testing::DefinitionsFixture;

class RecordingWindow : public WindowControls {
 public:
  std::vector<bool> developerItems;
  void ShowDeveloperItems(bool visible) override { developerItems.push_back(visible); }
};

// What a call throws as a DatabaseError, or "" when it throws none.
std::string DatabaseErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const DatabaseError& error) {
    return error.what();
  }
  return "";
}

// The right code under the right key turns developer mode on in editor_startup_test.cpp.
TEST(ReadDeveloperSwitch, OnlyTheExactKeyAndCodeDecideAndTheLastSuchRowStands) {
  using Rows = std::vector<std::pair<std::string, std::optional<std::string>>>;
  const std::pair<Rows, std::vector<bool>> cases[] = {  // the rows, and the developer items shown or hidden
      {{{"brenwick", "ZQ"}}, {false}},
      {{{"Brenwick", "zq"}}, {}},
      {{{"brenwick", std::nullopt}}, {false}},
      {{{"brenwick", "zq"}, {"gamespeed", "6"}, {"brenwick", "no"}}, {true, false}},
  };
  for (const auto& [rows, shown] : cases) {
    DefinitionsFixture fixture;
    fixture.AddRows("KARVEL", rows);
    RecordingWindow window;
    Editor& editor = fixture.Open();
    editor.ui.window = &window;
    ReadDeveloperSwitch(editor);
    EXPECT_FALSE(editor.DeveloperMode) << rows[0].first;
    EXPECT_EQ(window.developerItems, shown) << rows[0].first;
  }
}

// A missing file is named as the editor starts in startup_failure_test.cpp.
TEST(OpenDefinitionsDatabase, AFileThatIsNoDatabaseIsReportedByName) {
  testing::TempFolder folder;
  std::ofstream(folder / "Define.qdm") << "not a database, just some text that is long enough";
  Editor editor;
  editor.AppPath = folder.path();
  const std::string error = DatabaseErrorOf([&] { OpenDefinitionsDatabase(editor); });
  EXPECT_NE(error.find((folder / "Define.qdm").string()), std::string::npos) << error;
  EXPECT_FALSE(editor.DefineDb);
}

TEST(LoadDefinitions, ReadsPathsAndTilesBeforeTheTilesetPictureAndPreferencesAfterIt) {
  DefinitionsFixture fixture;
  fixture.AddSettings({{"levelspath", "/Mine/"}, {"levelname", "Cave"}});
  Editor& editor = fixture.Open();
  std::string seen;
  LoadDefinitions(editor, [&] { seen = editor.prefs.LevelsPath + " " + editor.tiles[0].Desc + " " + editor.level.LevelTitle; });
  EXPECT_EQ(seen, "/Mine/ Empty Untitled");
  EXPECT_EQ(editor.level.LevelTitle, "Cave");

  fixture.raw.Execute("DELETE FROM Tileset");
  EXPECT_EQ(DatabaseErrorOf([&] { LoadDefinitions(editor); }),
            "The Tileset table of '" + (fixture.folder / "Define.qdm").string() + "' holds no tiles");
}

// Fills Tileset with rows, each the SQL values of Type, Desc, Unique, Rotate, X, Y, Mini, Explosive,
// loads the catalogue and returns what the load wrote on standard error.
std::string LoadTiles(DefinitionsFixture& fixture, const std::vector<std::string>& rows) {
  fixture.raw.Execute("DELETE FROM Tileset");
  for (const std::string& row : rows) fixture.raw.Execute("INSERT INTO Tileset VALUES (" + row + ")");
  ::testing::internal::CaptureStderr();
  LoadTileDefinitions(fixture.Open());
  return ::testing::internal::GetCapturedStderr();
}

std::vector<int> PaletteCodes(const Editor& editor) {
  return {editor.tiles.PaletteOrder.begin(), editor.tiles.PaletteOrder.begin() + editor.tiles.PaletteCount};
}

TEST(LoadTileDefinitions, ReadsEveryFieldOfARowIntoItsCode) {
  DefinitionsFixture fixture;
  EXPECT_EQ(LoadTiles(fixture, {"45, 'Dirt', 0, 0, 3, 2, 6, 0", "'2 tank' , 'Tank', -1, -1, ' 4', '1.5', 12, -1",
                                "0, 'Empty', 0, 0, 1, 1, 0, NULL"}),
            "");
  const auto fields = [&](int code) {
    const TileDef& t = fixture.editor.tiles[code];
    return std::tuple(t.Desc, t.Unique, t.Rotate, int{t.X}, int{t.Y}, int{t.Mini}, t.Explosive);
  };
  // An empty Explosive is No, a Y of 1.5 goes to 2.
  EXPECT_EQ(fields(2), std::tuple("Tank", true, true, 4, 2, 12, true));
  EXPECT_EQ(fields(45), std::tuple("Dirt", false, false, 3, 2, 6, false));
  EXPECT_EQ(fields(0), std::tuple("Empty", false, false, 1, 1, 0, false));
  EXPECT_EQ(PaletteCodes(fixture.editor), (std::vector<int>{45, 2, 0}));
  EXPECT_EQ(fixture.editor.tiles[3].Desc, "");  // codes without a row stay empty
}

TEST(LoadTileDefinitions, LeavesOutRowsThatCannotDescribeATileSaysWhichAndStopsWhenNoneIsLeft) {
  const std::pair<std::string, std::string> cases[] = {  // the row, and words its warning must hold
      {"1000, 'Too far', 0, 0, 1, 1, 0, 0", "row 2 left out: its tile code 1000 is outside 0..999"},
      {"-1, 'Negative', 0, 0, 1, 1, 0, 0", "row 2 left out: its tile code -1 is outside 0..999"},
      {"5, 'Second five', -1, -1, 2, 2, 3, 0", "row 2 left out: its tile code 5 is already used"},
      {"6, NULL, 0, 0, 1, 1, 0, 0", "row 2 left out: its field Desc has no value"},
      {"NULL, 'No code', 0, 0, 1, 1, 0, 0", "its field Type has no value"},
      {"7, 'No place', 0, 0, NULL, 1, 0, 0", "its field X has no value"},
      {"8, 'No turn', 0, NULL, 1, 1, 0, 0", "its field Rotate has no value"},
  };
  for (const auto& [row, warning] : cases) {
    DefinitionsFixture fixture;
    const std::string warnings = LoadTiles(fixture, {"5, 'Five', 0, 0, 1, 1, 0, 0", row, "9, 'Nine', 0, 0, 2, 1, 0, 0"});
    EXPECT_NE(warnings.find(warning), std::string::npos) << row << "\n" << warnings;
    EXPECT_NE(warnings.find("Define.qdm"), std::string::npos) << warnings;
    EXPECT_EQ(PaletteCodes(fixture.editor), (std::vector<int>{5, 9})) << row;
    EXPECT_EQ(fixture.editor.tiles[5].Desc, "Five") << row;  // the first row with a code stays
  }
  DefinitionsFixture fixture;
  fixture.raw.Execute("UPDATE Tileset SET Type = 1200");
  const std::string error = DatabaseErrorOf([&] { LoadTileDefinitions(fixture.Open()); });
  EXPECT_NE(error.find("Tileset holds no tile"), std::string::npos) << error;
}

}  // namespace
}  // namespace brolt::editor
