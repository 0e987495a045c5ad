#pragma once
// The game's persistent settings: loaded from the definitions database at start-up, saved at quit.
#include <cstdint>
#include <string>

namespace brolt {

// The graphics pack the game ships with: the pack used while no setting names another.
inline constexpr const char* kDefaultPackFile = "Brolt.pak";

struct GameSettings {
  // Cells per second of the object speeds; kept within 5..9.
  std::int32_t GameSpeed = 5;
  // Option levels 0..100 in steps of 5.
  std::int16_t MusicVolume = 0;
  std::int16_t SoundVolume = 0;
  // File name of the graphics pack in the program folder.
  std::string PackFile = kDefaultPackFile;
  bool ShowBG = false;
  bool DeveloperMode = false;
};

}  // namespace brolt
