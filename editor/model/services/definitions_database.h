#pragma once
// The definitions database Define.qdm as the editor uses it: opened once for the whole run, every
// table read and rewritten by a scan of all its rows in the table's own order, so that of two rows
// with the same key the later one wins. Failures throw DatabaseError naming the file.
#include <functional>
#include <string_view>

#include "common/database.h"
#include "editor/model/editor.h"

namespace brolt::editor {

// The developer access code of the game's "brenwick" settings row.
inline constexpr std::string_view kDeveloperSwitchKey = "brenwick";
inline constexpr std::string_view kDeveloperAccessCode = "zq";

// Opens Define.qdm in the program folder into DefineDb. Throws DatabaseError, naming the file, when
// it is missing or is not a readable database.
void OpenDefinitionsDatabase(Editor& editor);

// Visits every row of a table of DefineDb, the row set standing on each row in turn. Null fields read
// as nothing; a table without rows is simply not visited.
void ScanTable(Editor& editor, std::string_view table, const std::function<void(RowSet&)>& visit);

// The text of a field of the current row; a Null field reads as the empty text.
std::string FieldText(const RowSet& rows, std::string_view field);

// Sets DeveloperMode from the "brenwick" rows of the game's settings table, keys and values compared
// exactly: each such row decides both ways, so the last one stands. Shows or hides the developer
// menu items whenever a row decides; without such a row nothing changes.
void ReadDeveloperSwitch(Editor& editor);

// The paths, the tile catalogue with its pictures and palette, then the preferences, in that order:
// the palette needs the paths, and the preferences come after the catalogue. `loadTileset`, when
// given, runs between the catalogue and the preferences, to read the tileset picture. Throws
// DatabaseError when the Tileset table holds no tile, which leaves the editor nothing to paint with.
void LoadDefinitions(Editor& editor, const std::function<void()>& loadTileset = {});

}  // namespace brolt::editor
