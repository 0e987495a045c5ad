#include "editor/model/services/definitions_database.h"

#include "editor/model/services/preferences_store.h"
#include "editor/model/services/program_folder.h"
#include "editor/model/services/tile_definitions.h"

namespace brolt::editor {

namespace {

void RequireTiles(Editor& editor) {
  RowSet tiles(*editor.DefineDb, "Tileset");
  if (tiles.Count() == 0) {
    throw DatabaseError("The Tileset table of '" + editor.DefineDb->File().string() + "' holds no tiles");
  }
}

}  // namespace

void OpenDefinitionsDatabase(Editor& editor) { editor.DefineDb = std::make_unique<Database>(DefinitionsFile(editor)); }

void ScanTable(Editor& editor, std::string_view table, const std::function<void(RowSet&)>& visit) {
  if (!editor.DefineDb) throw DatabaseError("The definitions database is not open");
  RowSet rows(*editor.DefineDb, std::string(table));
  for (int position = 0; position < rows.Count(); ++position) {
    rows.SetPosition(position);
    visit(rows);
  }
}

std::string FieldText(const RowSet& rows, std::string_view field) { return rows.Field(field).value_or(""); }

void ReadDeveloperSwitch(Editor& editor) {
  ScanTable(editor, "Karvel", [&](RowSet& rows) {
    if (FieldText(rows, "Variable") != kDeveloperSwitchKey) return;
    editor.DeveloperMode = FieldText(rows, "Value") == kDeveloperAccessCode;
    editor.ui.window->ShowDeveloperItems(editor.DeveloperMode);
  });
}

void LoadDefinitions(Editor& editor, const std::function<void()>& loadTileset) {
  LoadPaths(editor);
  RequireTiles(editor);
  LoadTileDefinitions(editor);
  if (loadTileset) loadTileset();
  LoadPreferences(editor);
}

}  // namespace brolt::editor
