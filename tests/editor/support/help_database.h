#pragma once
// An editor whose definitions database holds a table EditorHelp with the given topics, in a
// temporary folder, for the tests of the help topics and the help window.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/test_database.h"
#include "editor/model/editor.h"
#include "support/temp_folder.h"

namespace brolt::testing {

struct HelpRow {
  std::optional<std::string> header;
  std::optional<std::string> body;
  std::optional<int> hide;  // -1 hidden, 0 shown, nothing for Null
  std::string key;
};

class HelpDatabase {
 public:
  explicit HelpDatabase(const std::vector<HelpRow>& rows) {
    RawDatabase raw(file());
    raw.Execute("CREATE TABLE EditorHelp (Header TEXT, Body TEXT, Hide INTEGER, HelpIndex TEXT)");
    for (const HelpRow& row : rows) {
      raw.Execute("INSERT INTO EditorHelp VALUES (" + Quoted(row.header) + ", " + Quoted(row.body) + ", " +
                  (row.hide ? std::to_string(*row.hide) : "NULL") + ", '" + row.key + "')");
    }
  }

  std::filesystem::path file() const { return folder_ / "Define.qdm"; }

  // Opens the database into the editor, as the start-up does.
  void OpenInto(editor::Editor& editor) const { editor.DefineDb = std::make_unique<Database>(file()); }

  // A field of the row whose key is `key`, read straight from the file.
  std::optional<std::string> Stored(const std::string& field, const std::string& key) const {
    RawDatabase raw(file());
    return raw.Column("SELECT " + field + " FROM EditorHelp WHERE HelpIndex = '" + key + "'").at(0);
  }

 private:
  static std::string Quoted(const std::optional<std::string>& text) {
    if (!text) return "NULL";
    std::string quoted = "'";
    for (char c : *text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
  }

  TempFolder folder_;
};

// The topics most tests use: a visible set in mixed letter case, a hidden one, a separator, and
// links between them.
inline std::vector<HelpRow> SampleTopics() {
  return {
      {"zoom", "Zoom in and out.\r\nSee <Minimap>.", 0, "zoom"},
      {"Minimap", "The small map.\r\nBack to <zoom>, or <Secret Page>, or <Nowhere>.", 0, "minimap"},
      {"Secret Page", "Only by key or link.", -1, "secret"},
      {"---- Tools ----", "", 0, "separator"},
      {"Brush", "Paints tiles; zoom first.", 0, "tools"},
      {"Getting Started", "Open a collection, then zoom.", 0, "gettingstarted"},
      {"Capital Key", "Never found by key.", 0, "Capital"},
  };
}

}  // namespace brolt::testing
