#include "editor/model/commands/tile_count_command.h"

#include <gtest/gtest.h>

#include "common/test_database.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

// The main window's counter and the tile count dialog at once: what each was last shown. Clicking a
// line and ticking the box are checked on the real dialog in tile_counter_window_test.cpp.
class RecordingCounter : public WindowControls, public TileCountView {
 public:
  int tile = -1;
  TileCountSummary shown;
  bool usePrimary = false;
  void ShowTileCounter(int shownTile, int) override { tile = shownTile; }
  void RunTileCount(const TileCountSummary& summary, bool usePrimaryForCounter) override {
    std::tie(shown, usePrimary) = std::pair(summary, usePrimaryForCounter);
  }
};

class TileCountTest : public ::testing::Test {
 protected:
  TileCountTest() {
    editor_.ui.window = &counter_;
    editor_.ui.dialogs = &dialogs_;
    database_.Execute(
        "CREATE TABLE Tileset (Type, \"Desc\"); INSERT INTO Tileset VALUES (45, 'Dirt'), (21, 'Unid'), "
        "(22, 'Armoured unid'), (8, 'Gold unid gnat'), (25, 'Bomb'), (23, 'Explosive'), (150, 'Far tile')");
    editor_.DefineDb = std::make_unique<Database>(folder_ / "Define.qdm");
  }

  testing::TempFolder folder_;
  testing::RawDatabase database_{folder_ / "Define.qdm"};
  RecordingCounter counter_;
  testing::ScriptedDialogs dialogs_;
  Editor editor_;
};

TEST_F(TileCountTest, ListsEveryRowWithItsCountTheUnidTotalAndTheBombAsExplosiveOrSaysWhyNot) {
  int cell = 0;  // runs of cells in reading order
  for (const auto& [code, cells] : {std::pair{21, 3}, {22, 2}, {8, 1}, {150, 4}, {45, 2}})
    for (int i = 0; i < cells; ++i, ++cell) editor_.level.Cell(cell % kLevelSize, cell / kLevelSize).TileCode = code;
  const TileCountSummary summary = CountTileTypes(editor_);
  std::vector<std::string> texts;
  for (const TileCountLine& line : summary.Lines) texts.push_back(line.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Dirt........................2", "Unid........................6",
                                             "Armoured unid...............2", "Gold unid gnat..............1",
                                             "Explosive...................0", "Explosive...................0",
                                             "Far tile....................4"}));
  EXPECT_EQ(summary.Lines[4].TileCode, 25);

  database_.Execute("DELETE FROM Tileset");
  EXPECT_EQ(CountTileTypes(editor_).Selected, -1) << "no line to select";

  database_.Execute("DROP TABLE Tileset");
  ShowTileCount(editor_, counter_);
  EXPECT_EQ(dialogs_.messages.size(), 1U);
  EXPECT_TRUE(dialogs_.LastMessage().ends_with(". The tiles were not counted.")) << dialogs_.LastMessage();
  EXPECT_TRUE(counter_.shown.Lines.empty()) << "no dialog over a failed count";
}

TEST_F(TileCountTest, SelectsTheCountedTilesLineOrElseTheFirstAndCountsIt) {
  struct Case {
    int counterTile, selected, counted;
  };
  for (const Case& c : {Case{22, 2, 22}, Case{150, 6, 150}, Case{77, 0, 45}}) {
    editor_.tools.CounterTile = static_cast<std::int16_t>(c.counterTile);
    ShowTileCount(editor_, counter_);
    EXPECT_EQ(counter_.shown.Selected, c.selected) << c.counterTile;
    EXPECT_EQ(counter_.tile, c.counted) << c.counterTile;
  }
}

TEST_F(TileCountTest, TheUsePrimaryBoxTakesEffectEvenWhenItCannotBeSavedAndTheDialogOpensWithIt) {
  SetUsePrimaryForCounter(editor_, true);  // no Settings table yet
  EXPECT_TRUE(editor_.prefs.UsePrimaryForCounter);
  EXPECT_TRUE(dialogs_.LastMessage().ends_with(". The preferences were not saved.")) << dialogs_.LastMessage();

  database_.Execute("CREATE TABLE Settings (Variable, Value); INSERT INTO Settings VALUES ('useprimaryfortilecounter', -1)");
  SetUsePrimaryForCounter(editor_, true);
  EXPECT_EQ(database_.Column("SELECT Value FROM Settings").at(0), "0");
  ShowTileCount(editor_, counter_);
  EXPECT_TRUE(counter_.usePrimary);
}

TEST(TileCountLineTextTest, PadsNamesWithDotsSoThatCountsStartAtColumn29) {
  const std::string n27(27, 'n'), n28(28, 'n'), n30(30, 'n');
  EXPECT_EQ(TileCountLineText(n27, 3), n27 + ".3");
  EXPECT_EQ(TileCountLineText(n28, 12), n28 + "12");
  EXPECT_EQ(TileCountLineText(n30, 0), n30 + "0");  // a longer name is kept whole, the count after it
}

}  // namespace
}  // namespace brolt::editor
