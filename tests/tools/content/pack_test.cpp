#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/temporary_folder.h"
#include "game/core/drawing/textures.h"
#include "game/core/files/pack_file.h"
#include "game/core/state/sound_queue.h"
#include "tests/tools/content/content_files.h"

namespace brolt::content {
namespace {

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) names.insert(std::filesystem::relative(entry.path(), folder).string());
  return names;
}

TEST(GeneratedPack, UnpacksWithTheGamesReaderToEveryPictureAndEffect) {
  TemporaryFolder unpacked;
  UnpackPackFile(testing::DistFolder() / "Brolt.pak", unpacked.Path());
  const std::set<std::string> names = FilesIn(unpacked.Path());
  EXPECT_EQ(names, FilesIn(testing::PackStaging()));
  for (int id = 1; id <= 17; ++id) EXPECT_TRUE(names.contains(TextureFileName(id))) << TextureFileName(id);
  EXPECT_EQ(names.size(), 17u + kSoundCount);
  for (const std::string& name : names)
    EXPECT_EQ(testing::FileBytes(unpacked.Path() / name), testing::FileBytes(testing::PackStaging() / name)) << name;
}

}  // namespace
}  // namespace brolt::content
