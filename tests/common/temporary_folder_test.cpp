#include "common/temporary_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

namespace brolt {
namespace {

TEST(TemporaryFolderTest, IsFreshPrivateAndRemovedWithItsContents) {
  std::filesystem::path kept;
  {
    TemporaryFolder first;
    TemporaryFolder second;
    kept = first.Path();
    EXPECT_NE(first.Path(), second.Path());
    ASSERT_TRUE(std::filesystem::is_directory(kept));
    EXPECT_TRUE(std::filesystem::is_empty(kept));
    struct stat info {};
    ASSERT_EQ(::stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    std::filesystem::create_directory(kept / "sub");
    std::ofstream(kept / "sub" / "file.bmp") << "data";
  }
  EXPECT_FALSE(std::filesystem::exists(kept));
}

}  // namespace
}  // namespace brolt
