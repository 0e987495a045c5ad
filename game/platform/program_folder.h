#pragma once
// The folder that holds the game's executable, and with it the database, Levels and Music.
#include <filesystem>

namespace brolt {

std::filesystem::path ProgramFolder();

}  // namespace brolt
