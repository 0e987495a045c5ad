#include "game/core/files/file_list.h"

#include <fstream>
#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace brolt {
namespace {

TEST(FileList, ListsMatchingFilesSortedWithoutRegardToCase) {
  testing::TempFolder folder;
  for (const char* name : {"beta.lvl", "Alpha.clvl", "gamma.LVL", "notes.txt", "delta.clvl"})
    std::ofstream(folder / name) << "x";
  std::filesystem::create_directory(folder / "sub.lvl");
  FileList list;
  list.Open(folder.path(), {".lvl", ".clvl"});
  EXPECT_EQ(list.Names, (std::vector<std::string>{"Alpha.clvl", "beta.lvl", "delta.clvl", "gamma.LVL"}));
  EXPECT_EQ(list.SelectedName(), "Alpha.clvl");
  EXPECT_TRUE(list.Select("DELTA.CLVL"));
  EXPECT_EQ(list.SelectedName(), "delta.clvl");
  EXPECT_FALSE(list.Select("missing.lvl"));
  EXPECT_EQ(list.SelectedName(), "delta.clvl");
  std::filesystem::remove(folder / "delta.clvl");
  list.Refresh();
  EXPECT_EQ(list.SelectedName(), "");
}

TEST(FileList, AMissingFolderGivesAnEmptyList) {
  FileList list;
  list.Open("/nonexistent/brolt", {});
  EXPECT_TRUE(list.Names.empty());
  EXPECT_EQ(list.SelectedName(), "");
}

}  // namespace
}  // namespace brolt
