#include "tools/content/database/definitions_database.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

#include "tools/content/help/markup_text.h"

namespace brolt::content {

namespace {

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

struct FinishStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinishStatement>;

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
  throw std::runtime_error("Define.qdm: " + what + ": " + sqlite3_errmsg(db));
}

Statement Prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) Fail(db, sql);
  return Statement(statement);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  return text ? reinterpret_cast<const char*>(text) : "";
}

void InsertTiles(sqlite3* db, const std::vector<TileRow>& tiles) {
  Statement insert = Prepare(db, "INSERT INTO Tileset VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  // Yes/No fields hold the system's truth values: -1 for yes, 0 for no.
  auto yesNo = [](bool value) { return value ? -1 : 0; };
  for (const TileRow& tile : tiles) {
    sqlite3_reset(insert.get());
    sqlite3_bind_int(insert.get(), 1, tile.code);
    sqlite3_bind_text(insert.get(), 2, tile.description.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert.get(), 3, yesNo(tile.unique));
    sqlite3_bind_int(insert.get(), 4, yesNo(tile.rotate));
    sqlite3_bind_int(insert.get(), 5, tile.x);
    sqlite3_bind_int(insert.get(), 6, tile.y);
    sqlite3_bind_int(insert.get(), 7, tile.minimapColour);
    sqlite3_bind_int(insert.get(), 8, yesNo(tile.explosive));
    if (sqlite3_step(insert.get()) != SQLITE_DONE) Fail(db, "adding tile " + std::to_string(tile.code));
  }
}

void InsertHelpTopics(sqlite3* db, const std::vector<HelpTopic>& topics) {
  Statement insert = Prepare(db, "INSERT INTO EditorHelp (Header, Body, Hide, HelpIndex) VALUES (?, ?, 0, ?)");
  for (const HelpTopic& topic : topics) {
    sqlite3_reset(insert.get());
    sqlite3_bind_text(insert.get(), 1, topic.header.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert.get(), 2, topic.body.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert.get(), 3, topic.key.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(insert.get()) != SQLITE_DONE) Fail(db, "adding help topic " + topic.key);
  }
}

void CheckShownText(const std::string& where, const std::string& text, int maxLines) {
  if (!IsDrawableText(text)) throw std::runtime_error("Define.qdm: " + where + " holds a character the font lacks");
  if (maxLines > 0 && !MarkupFits(text, maxLines)) {
    throw std::runtime_error("Define.qdm: " + where + " does not fit its screen");
  }
}

void CheckShownTexts(sqlite3* db) {
  Statement pages = Prepare(db, "SELECT HEADER, BODY FROM KARVELHELP");
  int page = 0;
  while (sqlite3_step(pages.get()) == SQLITE_ROW) {
    ++page;
    std::string where = "help page " + std::to_string(page);
    CheckShownText(where + " header", ColumnText(pages.get(), 0), 0);
    CheckShownText(where + " body", ColumnText(pages.get(), 1), kHelpBodyLines);
  }
  if (page == 0) throw std::runtime_error("Define.qdm: no help pages");
  Statement congrats = Prepare(db, "SELECT Value FROM KARVEL WHERE Variable = 'congrats'");
  if (sqlite3_step(congrats.get()) != SQLITE_ROW) throw std::runtime_error("Define.qdm: no congrats row");
  CheckShownText("the congrats text", ColumnText(congrats.get(), 0), kCongratsLines);
}

}  // namespace

void WriteDefinitionsDatabase(const std::filesystem::path& file, const std::string& script,
                              const std::vector<TileRow>& tiles, const std::vector<HelpTopic>& help) {
  // Built beside the target and renamed over it only when complete and checked.
  std::filesystem::path work = file;
  work += ".new";
  std::filesystem::remove(work);
  try {
    sqlite3* raw = nullptr;
    int opened = sqlite3_open_v2(work.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK) Fail(raw, "can't create " + work.string());
    if (sqlite3_exec(db.get(), "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db.get(), "BEGIN");
    if (sqlite3_exec(db.get(), script.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db.get(), "define.sql");
    InsertTiles(db.get(), tiles);
    InsertHelpTopics(db.get(), help);
    if (sqlite3_exec(db.get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db.get(), "COMMIT");
    CheckShownTexts(db.get());
  } catch (...) {
    std::filesystem::remove(work);
    throw;
  }
  std::filesystem::rename(work, file);
}

}  // namespace brolt::content
