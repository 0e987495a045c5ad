#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/tools/content/content_files.h"

namespace brolt::content {
namespace {

// Every file below `left` has a byte-identical twin below `right`, and the other way round.
void ExpectSameFiles(const std::filesystem::path& left, const std::filesystem::path& right) {
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(left)) {
    if (!entry.is_regular_file()) continue;
    std::filesystem::path relative = std::filesystem::relative(entry.path(), left);
    std::string name = relative.string();
    if (name.rfind("brolt", 0) == 0) continue;  // the programs, built beside the content
    ++files;
    EXPECT_TRUE(testing::FileBytes(entry.path()) == testing::FileBytes(right / relative)) << name << " differs";
  }
  for (const auto& entry : std::filesystem::recursive_directory_iterator(right)) {
    if (!entry.is_regular_file()) continue;
    EXPECT_TRUE(std::filesystem::exists(left / std::filesystem::relative(entry.path(), right)))
        << entry.path() << " is new";
  }
  EXPECT_GT(files, 0u);
}

TEST(ContentGenerator, ASecondGenerationWritesTheSameBytes) {
  std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("brolt_content_again_" + std::to_string(::getpid()));
  std::filesystem::remove_all(scratch);
  // Qt keeps a runtime folder of its own, by default in the temporary folder; this one goes with the rest.
  const std::filesystem::path runtime = scratch / "runtime";
  std::filesystem::create_directories(runtime);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  std::string command = "XDG_RUNTIME_DIR=\"" + runtime.string() + "\" \"" + BROLT_TEST_CONTENT_GENERATOR +
                        "\" --data \"" + testing::ContentData().string() + "\" --dist \"" + (scratch / "dist").string() +
                        "\" --pack-staging \"" + (scratch / "pack").string() + "\" 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  ExpectSameFiles(testing::DistFolder(), scratch / "dist");
  ExpectSameFiles(testing::PackStaging(), scratch / "pack");
  std::filesystem::remove_all(scratch);
}

}  // namespace
}  // namespace brolt::content
