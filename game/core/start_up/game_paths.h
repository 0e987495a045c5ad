#pragma once
// The folders of the program folder that the game reads from.
#include <filesystem>

namespace brolt {

struct GamePaths {
  std::filesystem::path ProgramFolder;
  // Where the pack is unpacked during start-up; TexturePath and SoundPath name the same folder.
  std::filesystem::path TexturePath;
  std::filesystem::path SoundPath;
  std::filesystem::path LevelsPath;
  std::filesystem::path MusicPath;
};

}  // namespace brolt
