#include "editor/model/definitions_database.h"

#include <gtest/gtest.h>

#include <fstream>

#include "editor/support/definitions_fixture.h"

namespace brolt::editor {
namespace {

using testing::DefinitionsFixture;

class RecordingWindow : public WindowControls {
 public:
  std::vector<bool> developerItems;
  void ShowDeveloperItems(bool visible) override { developerItems.push_back(visible); }
};

TEST(ReadDeveloperSwitch, OnlyTheExactKeyAndCodeDecideAndTheLastSuchRowStands) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::optional<std::string>>> rows;
    bool developerMode;
    std::vector<bool> shown;
  };
  const Case cases[] = {
      {"no switch row", {{"gamespeed", "6"}}, false, {}},
      {"the code", {{"brenwick", "zq"}}, true, {true}},
      {"the code in capitals", {{"brenwick", "ZQ"}}, false, {false}},
      {"the key with a capital", {{"Brenwick", "zq"}}, false, {}},
      {"a Null value", {{"brenwick", std::nullopt}}, false, {false}},
      {"on, then off", {{"brenwick", "zq"}, {"brenwick", "no"}}, false, {true, false}},
      {"off, then on", {{"brenwick", "x"}, {"gamespeed", "6"}, {"brenwick", "zq"}}, true, {false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DefinitionsFixture fixture;
    fixture.AddRows("KARVEL", c.rows);
    RecordingWindow window;
    Editor& editor = fixture.Open();
    editor.ui.window = &window;
    ReadDeveloperSwitch(editor);
    EXPECT_EQ(editor.DeveloperMode, c.developerMode);
    EXPECT_EQ(window.developerItems, c.shown);
  }
}

TEST(OpenDefinitionsDatabase, AMissingOrUnreadableFileIsReportedByName) {
  for (bool present : {false, true}) {
    testing::TempFolder folder;
    if (present) std::ofstream(folder / "Define.qdm") << "not a database, just some text that is long enough";
    Editor editor;
    editor.AppPath = folder.path();
    try {
      OpenDefinitionsDatabase(editor);
      ADD_FAILURE() << "opened";
    } catch (const DatabaseError& error) {
      EXPECT_NE(std::string(error.what()).find((folder / "Define.qdm").string()), std::string::npos) << error.what();
    }
    EXPECT_FALSE(editor.DefineDb);
  }
}

TEST(LoadDefinitions, AnEmptyTilesetStopsTheStartUpAndEmptySettingsGiveTheDefaults) {
  DefinitionsFixture fixture;
  fixture.raw.Execute("DELETE FROM Tileset");
  Editor& editor = fixture.Open();
  EXPECT_THROW(LoadDefinitions(editor), DatabaseError);

  fixture.raw.Execute("INSERT INTO Tileset VALUES (1, 'Thresher', -1, 0, 2, 1, 14, 0)");
  LoadDefinitions(editor);
  EXPECT_EQ(editor.prefs.UndoMax, Preferences{}.UndoMax);
  EXPECT_EQ(editor.prefs.LevelsPath, "/Levels/");
  EXPECT_EQ(editor.level.LevelTitle, "Untitled");
}

}  // namespace
}  // namespace brolt::editor
