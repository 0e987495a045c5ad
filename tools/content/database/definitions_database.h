#pragma once
// Define.qdm as shipped, made with SQLite from data/define.sql and the tile catalogue.
#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/database/tile_catalogue.h"
#include "tools/content/help/editor_help.h"

namespace brolt::content {

// Lines a help page body may take below its header, and the congratulations text on its screen.
constexpr int kHelpBodyLines = 15;
constexpr int kCongratsLines = 16;

// Creates the database at `file` afresh (replacing one that is there): runs `script`, adds one
// Tileset row per tile and one visible EditorHelp row per help topic, and checks that every help page and the congratulations text can be drawn
// and fit their screens. Throws std::runtime_error naming what failed; then `file` is untouched.
void WriteDefinitionsDatabase(const std::filesystem::path& file, const std::string& script,
                              const std::vector<TileRow>& tiles, const std::vector<HelpTopic>& help);

}  // namespace brolt::content
