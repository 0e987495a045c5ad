#include "editor/model/services/tile_definitions.h"

#include <array>
#include <iostream>
#include <optional>
#include <string>

#include "common/database.h"
#include "common/numeric.h"

namespace brolt::editor {
namespace {

// The fields a catalogue row must fill, in the order they are stored. Explosive is read apart: only
// the tile count summary uses it, so an empty one means No.
constexpr std::array<const char*, 7> kRequiredFields{"Type", "Desc", "Unique", "Rotate", "X", "Y", "Mini"};

// Yes/No columns hold -1 for Yes and 0 for No; any other number but 0, and the words, count too.
bool ReadYesNo(const std::string& text) {
  const std::string word = ToLowerAscii(TrimSpaces(text));
  return word == "true" || word == "yes" || LeadingValue(word) != 0.0;
}

void WarnSkippedRow(const Database& database, int position, const std::string& reason) {
  std::cerr << database.File().string() << ": table Tileset, row " << position + 1 << " left out: " << reason
            << '\n';
}

// The reason the current row can't be taken, or nothing when it can.
std::optional<std::string> RowFault(const RowSet& rows, const std::array<bool, kTileCodes>& taken) {
  for (const char* field : kRequiredFields) {
    if (!rows.Field(field)) return std::string("its field ") + field + " has no value";
  }
  const std::int32_t code = LeadingNumber(*rows.Field("Type"));
  if (code < 0 || code >= kTileCodes) return "its tile code " + std::to_string(code) + " is outside 0..999";
  if (taken[static_cast<std::size_t>(code)])
    return "its tile code " + std::to_string(code) + " is already used by an earlier row";
  return std::nullopt;
}

}  // namespace

void LoadTileDefinitions(Editor& editor) {
  Database& database = *editor.DefineDb;
  TileCatalogue& catalogue = editor.tiles;
  catalogue = TileCatalogue{};
  std::array<bool, kTileCodes> taken{};

  RowSet rows(database, "Tileset");
  for (int position = 0; position < rows.Count(); ++position) {
    rows.SetPosition(position);
    if (const std::optional<std::string> fault = RowFault(rows, taken)) {
      WarnSkippedRow(database, position, *fault);
      continue;
    }
    const std::int32_t code = LeadingNumber(*rows.Field("Type"));
    TileDef& tile = catalogue.TileDefs[static_cast<std::size_t>(code)];
    tile.Desc = *rows.Field("Desc");
    tile.Unique = ReadYesNo(*rows.Field("Unique"));
    tile.Rotate = ReadYesNo(*rows.Field("Rotate"));
    tile.X = RoundToInt16(LeadingValue(*rows.Field("X")));
    tile.Y = RoundToInt16(LeadingValue(*rows.Field("Y")));
    tile.Mini = RoundToInt16(LeadingValue(*rows.Field("Mini")));
    tile.Explosive = ReadYesNo(rows.Field("Explosive").value_or("0"));
    taken[static_cast<std::size_t>(code)] = true;
    catalogue.PaletteOrder[static_cast<std::size_t>(catalogue.PaletteCount++)] = static_cast<std::int16_t>(code);
  }
  if (catalogue.PaletteCount == 0)
    throw DatabaseError(database.File().string() + ": table Tileset holds no tile, so there is nothing to paint");
}

}  // namespace brolt::editor
