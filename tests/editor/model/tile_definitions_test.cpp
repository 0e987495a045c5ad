#include "editor/model/tile_definitions.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/test_database.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

// An editor whose definitions database holds a Tileset table with the given rows, each row the
// SQL values of Type, Desc, Unique, Rotate, X, Y, Mini, Explosive.
class TileDefinitionsTest : public ::testing::Test {
 protected:
  void OpenWithRows(const std::vector<std::string>& rows) {
    const std::filesystem::path file = folder_ / std::to_string(++opened_) / "Define.qdm";
    std::filesystem::create_directory(file.parent_path());
    {
      testing::RawDatabase raw(file);
      raw.Execute("CREATE TABLE Tileset (Type, \"Desc\", \"Unique\", Rotate, X, Y, Mini, Explosive)");
      for (const std::string& row : rows) raw.Execute("INSERT INTO Tileset VALUES (" + row + ")");
    }
    editor_->DefineDb = std::make_unique<Database>(file);
  }

  // Loads the catalogue and returns what it wrote on standard error.
  std::string Load() {
    ::testing::internal::CaptureStderr();
    LoadTileDefinitions(*editor_);
    return ::testing::internal::GetCapturedStderr();
  }

  std::vector<int> PaletteCodes() const {
    return {editor_->tiles.PaletteOrder.begin(), editor_->tiles.PaletteOrder.begin() + editor_->tiles.PaletteCount};
  }

  static auto Fields(const TileDef& t) {
    return std::tuple(t.Desc, t.Unique, t.Rotate, int{t.X}, int{t.Y}, int{t.Mini}, t.Explosive);
  }

  testing::TempFolder folder_;
  int opened_ = 0;
  std::unique_ptr<Editor> editor_ = std::make_unique<Editor>();
};

TEST_F(TileDefinitionsTest, ReadsEveryFieldOfARowIntoItsCode) {
  OpenWithRows({"45, 'Dirt', 0, 0, 3, 2, 6, 0", "'2 tank' , 'Tank', -1, -1, ' 4', '1.5', 12, -1", "0, 'Empty', 0, 0, 1, 1, 0, NULL"});
  EXPECT_EQ(Load(), "");

  // Desc, Unique, Rotate, X, Y, Mini, Explosive; an empty Explosive is No, a Y of 1.5 goes to 2.
  EXPECT_EQ(Fields(editor_->tiles[2]), std::tuple("Tank", true, true, 4, 2, 12, true));
  EXPECT_EQ(Fields(editor_->tiles[45]), std::tuple("Dirt", false, false, 3, 2, 6, false));
  EXPECT_EQ(Fields(editor_->tiles[0]), std::tuple("Empty", false, false, 1, 1, 0, false));
  EXPECT_EQ(PaletteCodes(), (std::vector<int>{45, 2, 0}));
  EXPECT_EQ(editor_->tiles[3].Desc, "");  // codes without a row stay empty
}

struct BadRowCase {
  std::string row;
  std::string warning;  // a piece of the warning on standard error
};

TEST_F(TileDefinitionsTest, LeavesOutRowsThatCannotDescribeATileAndSaysWhich) {
  const std::vector<BadRowCase> cases = {
      {"1000, 'Too far', 0, 0, 1, 1, 0, 0", "row 2 left out: its tile code 1000 is outside 0..999"},
      {"-1, 'Negative', 0, 0, 1, 1, 0, 0", "row 2 left out: its tile code -1 is outside 0..999"},
      {"5, 'Second five', -1, -1, 2, 2, 3, 0", "row 2 left out: its tile code 5 is already used"},
      {"6, NULL, 0, 0, 1, 1, 0, 0", "row 2 left out: its field Desc has no value"},
      {"NULL, 'No code', 0, 0, 1, 1, 0, 0", "its field Type has no value"},
      {"7, 'No place', 0, 0, NULL, 1, 0, 0", "its field X has no value"},
      {"8, 'No turn', 0, NULL, 1, 1, 0, 0", "its field Rotate has no value"},
  };
  for (const BadRowCase& c : cases) {
    editor_ = std::make_unique<Editor>();
    OpenWithRows({"5, 'Five', 0, 0, 1, 1, 0, 0", c.row, "9, 'Nine', 0, 0, 2, 1, 0, 0"});
    const std::string warnings = Load();
    EXPECT_NE(warnings.find(c.warning), std::string::npos) << c.row << "\n" << warnings;
    EXPECT_NE(warnings.find("Define.qdm"), std::string::npos) << warnings;
    EXPECT_EQ(PaletteCodes(), (std::vector<int>{5, 9})) << c.row;
    EXPECT_EQ(editor_->tiles[5].Desc, "Five") << c.row;  // the first row with a code stays
    EXPECT_FALSE(editor_->tiles[5].Rotate) << c.row;
  }
}

TEST_F(TileDefinitionsTest, ATableWithoutAUsableTileStopsTheStartUp) {
  for (const std::vector<std::string>& rows : {std::vector<std::string>{}, {"1200, 'Out', 0, 0, 1, 1, 0, 0"}}) {
    editor_ = std::make_unique<Editor>();
    OpenWithRows(rows);
    ::testing::internal::CaptureStderr();
    try {
      LoadTileDefinitions(*editor_);
      ADD_FAILURE() << "no error for " << rows.size() << " rows";
    } catch (const DatabaseError& error) {
      EXPECT_NE(std::string(error.what()).find("Tileset holds no tile"), std::string::npos) << error.what();
    }
    ::testing::internal::GetCapturedStderr();
  }
}

}  // namespace
}  // namespace brolt::editor
