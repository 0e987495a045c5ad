#pragma once
// Unpacking the graphics pack into a folder, from which the textures and sounds are then loaded.
#include <filesystem>
#include <stdexcept>
#include <string>

namespace brolt {

// The pack can't be used: missing, unreadable, empty, cut short, corrupt or naming a path outside the
// folder. The message is the one the start-up shows before the game ends; the pack file itself is
// left as it was.
class PackFileError : public std::runtime_error {
 public:
  explicit PackFileError(const std::filesystem::path& packPath);
};

// Writes every file stored in the pack into destFolder (normally a fresh TemporaryFolder), creating
// the subfolders the stored paths name; a later entry with the same path replaces an earlier one.
// The whole pack is checked before anything is written. Throws PackFileError for an unusable pack and
// FileError when a file can't be written.
void UnpackPackFile(const std::filesystem::path& packPath, const std::filesystem::path& destFolder);

struct Game;

// Unpacks the pack `packFile` of the program folder into `destFolder` and only then makes it the
// game's pack setting, so that a pack that fails never becomes the default. Throws as UnpackPackFile.
void UnpackGamePack(Game& game, const std::string& packFile, const std::filesystem::path& destFolder);

}  // namespace brolt
