#pragma once
// The last step of the generator: the pack file of the game's pictures and sound effects.
//
// The pack's format has its own writer (tools/pack); this file is the one place the generator
// hands the entries over. The same entries are staged as loose files for the tests to read.
#include <filesystem>
#include <vector>

#include "tools/content/sounds/sound_effects.h"

namespace brolt::content {

// Writes `packFile` holding `entries` (file names at the top of the pack, with their bytes), and
// stages the same entries as loose files in `stagingFolder` when it is not empty, for inspection.
// Returns whether the pack file was written.
bool WritePack(const std::filesystem::path& packFile, const std::vector<NamedFile>& entries,
               const std::filesystem::path& stagingFolder);

}  // namespace brolt::content
