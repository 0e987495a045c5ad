#include "game/core/files/pack_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/file_io.h"
#include "common/pack_format.h"
#include "common/temporary_folder.h"

namespace brolt {
namespace {

class PackFileTest : public ::testing::Test {
 protected:
  void WritePack(const std::string& bytes) { std::ofstream(pack, std::ios::binary) << bytes; }
  std::string Read(const std::filesystem::path& path) { return ReadWholeFile(path).value_or("<missing>"); }

  // Unpacking must refuse the pack with the start-up's words, keep the pack as it was and write
  // nothing.
  void ExpectRefused() {
    std::optional<std::string> before = ReadWholeFile(pack);
    try {
      UnpackPackFile(pack, out.Path());
      FAIL() << "the pack was accepted";
    } catch (const PackFileError& error) {
      EXPECT_EQ(std::string(error.what()), "Can't find '" + pack.string() + "', use another pack file");
    }
    EXPECT_EQ(ReadWholeFile(pack), before);
    EXPECT_TRUE(std::filesystem::is_empty(out.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(program.Path() / "above"));
  }

  void SetUp() override { std::filesystem::create_directory(program.Path() / "above"); }

  TemporaryFolder program;
  TemporaryFolder out;
  std::filesystem::path pack = program.Path() / "Brolt.pak";
};

TEST_F(PackFileTest, WritesEveryEntryIntoTheFolder) {
  WritePack(EncodePack({{{"Tileset.BMP"}, "0123456789"},
                        {{"Sounds\\", "boom.wav"}, "wave"},
                        {{"a", "b", "c"}, ""},
                        {{"Tileset.BMP"}, "later"}}));
  UnpackPackFile(pack, out.Path());
  // The later entry with the same path wins.
  EXPECT_EQ(Read(out.Path() / "Tileset.BMP"), "later");
  EXPECT_EQ(Read(out.Path() / "Sounds" / "boom.wav"), "wave");
  EXPECT_EQ(Read(out.Path() / "abc"), "");
}

TEST_F(PackFileTest, ReplacesALongerFileWhole) {
  std::ofstream(out.Path() / "Misc.BMP") << "a much longer stale file";
  WritePack(EncodePack({{{"Misc.BMP"}, "new"}}));
  UnpackPackFile(pack, out.Path());
  EXPECT_EQ(Read(out.Path() / "Misc.BMP"), "new");
}

TEST_F(PackFileTest, MissingPackIsReportedAndNotCreated) {
  ExpectRefused();
  EXPECT_FALSE(std::filesystem::exists(pack));
}

TEST_F(PackFileTest, EmptyPackIsReportedAndKept) {
  WritePack(EncodePack({}));
  ExpectRefused();
}

TEST_F(PackFileTest, BrokenPacksAreReportedAndKept) {
  std::string good = EncodePack({{{"a.bmp"}, "1234"}, {{"b.bmp"}, "5678"}});
  WritePack(good.substr(0, good.size() - 1));
  ExpectRefused();
  WritePack(std::string("\xFF\xFF\xFF\xFF", 4));
  ExpectRefused();
  std::string oversized = EncodePack({{{"a.bmp"}, "1234"}});
  oversized[oversized.size() - 8] = '\x40';
  WritePack(oversized);
  ExpectRefused();
  // The first entry is fine; the second one would climb out of the folder.
  WritePack(EncodePack({{{"a.bmp"}, "1234"}, {{"..\\above\\", "x.bmp"}, "evil"}}));
  ExpectRefused();
}

TEST_F(PackFileTest, FolderInPlaceOfThePackIsReported) {
  std::filesystem::create_directory(pack);
  EXPECT_THROW(UnpackPackFile(pack, out.Path()), PackFileError);
  EXPECT_TRUE(std::filesystem::is_directory(pack));
}

}  // namespace
}  // namespace brolt
