// A crash while the editor writes a collection, at any step of the write, leaves the collection as it
// was or as it was meant to be, and nothing that either program would list as another collection.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/model/collection_records.h"
#include "editor/model/compile_collection.h"
#include "editor/model/level_files.h"
#include "editor/model/save_level.h"
#include "editor/support/collection_fixture.h"
#include "support/killed_writer.h"

namespace brolt::editor {
namespace {

enum class Writer { LevelSave, ManagementSave, Compile };

class InterruptedSaveTest : public testing::CollectionFixture,
                            public ::testing::WithParamInterface<std::tuple<Writer, ReplaceStep>> {
 protected:
  InterruptedSaveTest() {
    editor.DeveloperMode = true;  // lists compiled collections too, as the game does
    WriteLevels("a.lvl", {"One", "Two"});
    WriteCompiled("a.clvl", {"Old"});
    editor.prefs.LevelFile = "a.lvl";
    editor.level.LevelNumber = 2;
    editor.level.LevelTitle = "Two";
    PlacePlayable();
  }

  std::string Target() const { return std::get<0>(GetParam()) == Writer::Compile ? "a.clvl" : "a.lvl"; }

  void Write() {
    switch (std::get<0>(GetParam())) {
      case Writer::LevelSave:
        SaveLevel(editor, false);
        break;
      case Writer::ManagementSave:
        LoadCollectionRecords(editor, "a.lvl");
        editor.manage.ManageRecords[0] = LevelTitled("Renamed");
        SaveCollectionRecords(editor, "a.lvl");
        break;
      case Writer::Compile:
        CompileChosenCollection(editor, {{"a.lvl"}, "a.lvl", 1, "Hello", "Bye"});
        break;
    }
  }
};

TEST_P(InterruptedSaveTest, LeavesTheOldOrTheNewFileAndNoOtherCollection) {
  const ReplaceStep step = std::get<1>(GetParam());
  const std::string old = Bytes(Target());
  const std::vector<std::string> listed = CollectionFilesInFolder(editor);

  ASSERT_TRUE(testing::RunKilledAt(step, [this] { Write(); }));
  const std::string afterKill = Bytes(Target());
  EXPECT_EQ(CollectionFilesInFolder(editor), listed);

  Write();
  const std::string written = Bytes(Target());
  ASSERT_TRUE(written != old);
  // Compared whole, but not printed: a collection is thousands of characters.
  EXPECT_TRUE(afterKill == (step == ReplaceStep::Renamed ? written : old));
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Writer, ReplaceStep>>& info) {
  static const char* const writers[] = {"LevelSave", "ManagementSave", "Compile"};
  static const char* const steps[] = {"Created", "Written", "Flushed", "Renamed"};
  return std::string(writers[static_cast<int>(std::get<0>(info.param))]) + "_" +
         steps[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryWriterAndStep, InterruptedSaveTest,
                         ::testing::Combine(::testing::Values(Writer::LevelSave, Writer::ManagementSave,
                                                              Writer::Compile),
                                            ::testing::ValuesIn(testing::kEveryReplaceStep)),
                         CaseName);

}  // namespace
}  // namespace brolt::editor
