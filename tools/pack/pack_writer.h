#pragma once
// Writes graphics packs in the layout the game unpacks (common/pack_format.h).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/pack_format.h"

namespace brolt {

// An entry for the file stored at `storedPath` (relative, folders separated by "/" or "\"), kept as
// one path part with "\" between folders as packs store it. Throws PackFormatError for a path the
// game would refuse.
PackEntry MakePackEntry(std::string_view storedPath, std::string data);

// Writes the pack file, replacing any file at `pack` only once the whole pack is written.
// Throws PackFormatError for an entry the layout can't hold and FileError when the write fails.
void WritePackFile(const std::filesystem::path& pack, const std::vector<PackEntry>& entries);

}  // namespace brolt
