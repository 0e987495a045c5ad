#pragma once
// A program folder in a temporary folder with a Define.qdm of the editor's tables, and an editor
// whose AppPath points at it. Tests fill the tables through `raw` and open the database when ready.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/test_database.h"
#include "editor/model/editor.h"
#include "editor/model/services/definitions_database.h"
#include "support/temp_folder.h"

namespace brolt::testing {

class DefinitionsFixture {
 public:
  DefinitionsFixture() : raw(folder / kDefinitionsFileName) {
    raw.Execute(
        "CREATE TABLE KARVEL (Variable TEXT, Value);"
        "CREATE TABLE Settings (Variable TEXT, Value TEXT);"
        "CREATE TABLE Recent (\"Index\" INTEGER, File TEXT, Level INTEGER, Title TEXT);"
        "CREATE TABLE EditorHelp (Header TEXT, Body TEXT, Hide INTEGER, HelpIndex TEXT);"
        "CREATE TABLE Tileset (Type, \"Desc\", \"Unique\", Rotate, X, Y, Mini, Explosive);"
        "INSERT INTO Tileset VALUES (0, 'Empty', 0, 0, 1, 1, 0, 0);");
    editor.AppPath = folder.path();
  }

  // Adds rows in order; a value of nothing is stored as Null.
  void AddRows(const std::string& table, const std::vector<std::pair<std::string, std::optional<std::string>>>& rows) {
    for (const auto& [key, value] : rows) {
      raw.Execute("INSERT INTO " + table + " VALUES (" + Quoted(key) + ", " + (value ? Quoted(*value) : "NULL") + ")");
    }
  }
  void AddSettings(const std::vector<std::pair<std::string, std::optional<std::string>>>& rows) {
    AddRows("Settings", rows);
  }

  // The Value of every Settings row, in table order.
  std::vector<std::optional<std::string>> SettingValues() {
    return raw.Column("SELECT Value FROM Settings ORDER BY rowid");
  }

  editor::Editor& Open() {
    editor::OpenDefinitionsDatabase(editor);
    return editor;
  }

  static std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
  }

  TempFolder folder;
  RawDatabase raw;
  editor::Editor editor;
};

}  // namespace brolt::testing
