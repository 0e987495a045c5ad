#include "editor/model/tile_count_command.h"

#include <gtest/gtest.h>

#include "common/test_database.h"
#include "editor/support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

class RecordingCounter : public WindowControls {
 public:
  int tile = -1;
  int count = -1;
  void ShowTileCounter(int shownTile, int shownCount) override {
    tile = shownTile;
    count = shownCount;
  }
};

class RecordingDialog : public TileCountView {
 public:
  TileCountSummary shown;
  bool usePrimary = false;
  int runs = 0;
  void RunTileCount(const TileCountSummary& summary, bool usePrimaryForCounter) override {
    shown = summary;
    usePrimary = usePrimaryForCounter;
    ++runs;
  }
};

class TileCountTest : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.ui.window = &counter_;
    editor_.ui.dialogs = &dialogs_;
    const std::filesystem::path file = folder_ / "Define.qdm";
    {
      testing::RawDatabase raw(file);
      raw.Execute("CREATE TABLE Tileset (Type, \"Desc\")");
      raw.Execute(
          "INSERT INTO Tileset VALUES (45, 'Dirt'), (21, 'Unid'), (22, 'Armoured unid'), (8, 'Gold unid gnat'), "
          "(25, 'Bomb'), (23, 'Explosive'), (150, 'Far tile')");
    }
    editor_.DefineDb = std::make_unique<Database>(file);
  }

  void Place(int code, int cells) {
    for (int i = 0; i < cells; ++i, ++placed_)
      editor_.level.Cell(placed_ % kLevelSize, placed_ / kLevelSize).TileCode = static_cast<std::int16_t>(code);
  }

  std::vector<std::string> Texts(const TileCountSummary& summary) const {
    std::vector<std::string> texts;
    for (const TileCountLine& line : summary.Lines) texts.push_back(line.Text);
    return texts;
  }

  testing::TempFolder folder_;
  RecordingCounter counter_;
  testing::ScriptedDialogs dialogs_;
  Editor editor_;
  RecordingDialog dialog_;
  int placed_ = 0;
};

TEST_F(TileCountTest, ListsEveryRowWithItsCountAndTheUnidTotal) {
  Place(21, 3);
  Place(22, 2);
  Place(8, 1);
  Place(150, 4);
  Place(45, 2);
  ShowTileCount(editor_, dialog_);
  EXPECT_EQ(dialog_.runs, 1);
  EXPECT_EQ(Texts(dialog_.shown), (std::vector<std::string>{
                                      "Dirt........................2",
                                      "Unid........................6",
                                      "Armoured unid...............2",
                                      "Gold unid gnat..............1",
                                      "Explosive...................0",
                                      "Explosive...................0",
                                      "Far tile....................4",
                                  }));
  EXPECT_EQ(dialog_.shown.Lines[4].TileCode, 25);
}

TEST_F(TileCountTest, SelectsTheCountedTilesLineOrElseTheFirstAndCountsIt) {
  struct Case {
    int counterTile;
    int selected;
    int counted;
  };
  for (const Case& c : {Case{22, 2, 22}, Case{150, 6, 150}, Case{77, 0, 45}}) {
    editor_.tools.CounterTile = static_cast<std::int16_t>(c.counterTile);
    ShowTileCount(editor_, dialog_);
    EXPECT_EQ(dialog_.shown.Selected, c.selected) << c.counterTile;
    EXPECT_EQ(editor_.tools.CounterTile, c.counted) << c.counterTile;
    EXPECT_EQ(counter_.tile, c.counted) << c.counterTile;
  }
}

TEST_F(TileCountTest, ChoosingALineMovesTheCounterAndTheBoxSavesItsSetting) {
  Place(45, 5);
  ChooseCountedTile(editor_, 45);
  EXPECT_EQ(counter_.tile, 45);
  EXPECT_EQ(counter_.count, 5);
  testing::RawDatabase(editor_.DefineDb->File())
      .Execute("CREATE TABLE Settings (Variable, Value); INSERT INTO Settings VALUES ('useprimaryfortilecounter', -1)");
  SetUsePrimaryForCounter(editor_, true);
  EXPECT_TRUE(editor_.prefs.UsePrimaryForCounter);
  EXPECT_EQ(testing::RawDatabase(editor_.DefineDb->File()).Column("SELECT Value FROM Settings").at(0), "0");
  ShowTileCount(editor_, dialog_);
  EXPECT_TRUE(dialog_.usePrimary);
}

TEST_F(TileCountTest, ASettingThatCannotBeSavedIsReportedAndStillTakesEffect) {
  SetUsePrimaryForCounter(editor_, true);  // this database has no Settings table
  EXPECT_TRUE(editor_.prefs.UsePrimaryForCounter);
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text.rfind("ERROR:  ", 0), 0u);
}

TEST_F(TileCountTest, AnEmptyTableListsNothing) {
  testing::RawDatabase(editor_.DefineDb->File()).Execute("DELETE FROM Tileset");
  editor_.DefineDb = std::make_unique<Database>(editor_.DefineDb->File());
  const TileCountSummary summary = CountTileTypes(editor_);
  EXPECT_TRUE(summary.Lines.empty());
  EXPECT_EQ(summary.Selected, -1);
}

TEST(TileCountLineTextTest, PadsNamesWithDotsSoThatCountsStartAtColumn29) {
  struct Case {
    std::string name;
    int count;
    std::string text;
  };
  for (const Case& c : {Case{"Rock", 12, "Rock........................12"},
                        Case{std::string(27, 'n'), 3, std::string(27, 'n') + ".3"},
                        Case{std::string(28, 'n'), 3, std::string(28, 'n') + "3"},
                        Case{std::string(30, 'n'), 0, std::string(30, 'n') + "0"}}) {
    EXPECT_EQ(TileCountLineText(c.name, c.count), c.text) << c.name;
  }
}

}  // namespace
}  // namespace brolt::editor
