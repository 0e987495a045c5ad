#include "tools/pack/pack_writer.h"

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "common/temporary_folder.h"
#include "game/core/files/pack_file.h"

namespace brolt {
namespace {

TEST(PackWriterTest, WhatItWritesTheGameUnpacks) {
  TemporaryFolder program, unpacked;
  std::filesystem::path pack = program.Path() / "Brolt.pak";
  std::string picture(3000, '\0');
  for (std::size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<char>(i * 7);
  WritePackFile(pack, {MakePackEntry("Tileset.BMP", picture), MakePackEntry("Sounds/boom.wav", "RIFF"),
                       MakePackEntry("empty.bmp", "")});

  // Folders are stored with the pack's own separator.
  std::string bytes = ReadWholeFile(pack).value();
  EXPECT_NE(bytes.find("Sounds\\boom.wav"), std::string::npos);

  UnpackPackFile(pack, unpacked.Path());
  EXPECT_EQ(ReadWholeFile(unpacked.Path() / "Tileset.BMP"), picture);
  EXPECT_EQ(ReadWholeFile(unpacked.Path() / "Sounds" / "boom.wav"), "RIFF");
  EXPECT_EQ(ReadWholeFile(unpacked.Path() / "empty.bmp"), "");
}

TEST(PackWriterTest, RefusesPathsTheGameWouldRefuse) {
  EXPECT_THROW(MakePackEntry("../outside.bmp", "x"), PackFormatError);
  EXPECT_THROW(MakePackEntry("/abs.bmp", "x"), PackFormatError);
  EXPECT_THROW(MakePackEntry("", "x"), PackFormatError);
}

}  // namespace
}  // namespace brolt
