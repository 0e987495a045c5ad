#include "editor/model/tile_count_command.h"

#include <gtest/gtest.h>

#include "common/test_database.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

// The main window's counter and the tile count dialog at once: what each was last shown.
class RecordingCounter : public WindowControls, public TileCountView {
 public:
  int tile = -1, count = -1;
  TileCountSummary shown;
  bool usePrimary = false;
  void ShowTileCounter(int shownTile, int shownCount) override { std::tie(tile, count) = std::pair(shownTile, shownCount); }
  void RunTileCount(const TileCountSummary& summary, bool usePrimaryForCounter) override {
    std::tie(shown, usePrimary) = std::pair(summary, usePrimaryForCounter);
  }
};

class TileCountTest : public ::testing::Test {
 protected:
  TileCountTest() {
    editor_.ui.window = &counter_;
    editor_.ui.dialogs = &dialogs_;
    database_.Execute("CREATE TABLE Tileset (Type, \"Desc\")");
    database_.Execute(
        "INSERT INTO Tileset VALUES (45, 'Dirt'), (21, 'Unid'), (22, 'Armoured unid'), (8, 'Gold unid gnat'), "
        "(25, 'Bomb'), (23, 'Explosive'), (150, 'Far tile')");
    editor_.DefineDb = std::make_unique<Database>(folder_ / "Define.qdm");
  }

  // Fills cells in reading order, each run a tile code and its number of cells.
  void Place(std::initializer_list<std::pair<int, int>> runs) {
    for (const auto& [code, cells] : runs)
      for (int i = 0; i < cells; ++i, ++placed_)
        editor_.level.Cell(placed_ % kLevelSize, placed_ / kLevelSize).TileCode = static_cast<std::int16_t>(code);
  }

  testing::TempFolder folder_;
  testing::RawDatabase database_{folder_ / "Define.qdm"};
  RecordingCounter counter_;
  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  int placed_ = 0;
};

TEST_F(TileCountTest, ListsEveryRowWithItsCountTheUnidTotalAndTheBombAsExplosiveOrSaysWhyNot) {
  Place({{21, 3}, {22, 2}, {8, 1}, {150, 4}, {45, 2}});
  const TileCountSummary summary = CountTileTypes(editor_);
  std::vector<std::string> texts;
  for (const TileCountLine& line : summary.Lines) texts.push_back(line.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Dirt........................2", "Unid........................6",
                                             "Armoured unid...............2", "Gold unid gnat..............1",
                                             "Explosive...................0", "Explosive...................0",
                                             "Far tile....................4"}));
  EXPECT_EQ(summary.Lines[4].TileCode, 25);

  database_.Execute("DELETE FROM Tileset");
  EXPECT_TRUE(CountTileTypes(editor_).Lines.empty());
  EXPECT_EQ(CountTileTypes(editor_).Selected, -1);

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
    EXPECT_EQ(editor_.tools.CounterTile, c.counted) << c.counterTile;
    EXPECT_EQ(counter_.tile, c.counted) << c.counterTile;
  }
}

TEST_F(TileCountTest, ChoosingALineMovesTheCounterAndTheBoxSavesItsSettingOrSaysWhyNot) {
  Place({{45, 5}});
  ChooseCountedTile(editor_, 45);
  EXPECT_EQ(std::pair(counter_.tile, counter_.count), std::pair(45, 5));

  SetUsePrimaryForCounter(editor_, true);  // no Settings table yet: still takes effect
  EXPECT_TRUE(editor_.prefs.UsePrimaryForCounter);
  EXPECT_TRUE(dialogs_.LastMessage().starts_with("ERROR:  ")) << dialogs_.LastMessage();
  EXPECT_TRUE(dialogs_.LastMessage().ends_with(". The preferences were not saved.")) << dialogs_.LastMessage();

  database_.Execute("CREATE TABLE Settings (Variable, Value); INSERT INTO Settings VALUES ('useprimaryfortilecounter', -1)");
  SetUsePrimaryForCounter(editor_, true);
  EXPECT_EQ(database_.Column("SELECT Value FROM Settings").at(0), "0");
  ShowTileCount(editor_, counter_);
  EXPECT_TRUE(counter_.usePrimary);
}

TEST(TileCountLineTextTest, PadsNamesWithDotsSoThatCountsStartAtColumn29) {
  const std::string n27(27, 'n'), n28(28, 'n'), n30(30, 'n');
  const std::tuple<std::string, int, std::string> cases[] = {
      {"Rock", 12, "Rock........................12"}, {n27, 3, n27 + ".3"}, {n28, 3, n28 + "3"}, {n30, 0, n30 + "0"}};
  for (const auto& [name, count, text] : cases) EXPECT_EQ(TileCountLineText(name, count), text) << name;
}

}  // namespace
}  // namespace brolt::editor
