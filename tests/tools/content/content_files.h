#pragma once
// Where the build put the generated content, and small readers for the tests.
#include <QCoreApplication>
#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/file_io.h"

namespace brolt::content::testing {

inline std::filesystem::path DistFolder() { return BROLT_TEST_DIST_DIR; }
inline std::filesystem::path PackStaging() { return BROLT_TEST_PACK_STAGING; }
inline std::filesystem::path ContentData() { return BROLT_TEST_CONTENT_DATA; }

inline std::string FileBytes(const std::filesystem::path& path) { return ReadWholeFile(path).value_or(""); }

// All rows of a query on the generated Define.qdm as text (Null as ""), in the order the database
// returns them. Throws when the query can't run.
inline std::vector<std::vector<std::string>> DefinitionsRows(const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_stmt* statement = nullptr;
  const std::string file = (DistFolder() / "Define.qdm").string();
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    std::string reason = sqlite3_errmsg(db);
    sqlite3_close(db);
    throw std::runtime_error(file + ": " + reason);
  }
  std::vector<std::vector<std::string>> rows;
  while (sqlite3_step(statement) == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int i = 0; i < sqlite3_column_count(statement); ++i) {
      const unsigned char* text = sqlite3_column_text(statement, i);
      row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    rows.push_back(row);
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return rows;
}

// The JPEG reader is a plugin, found through an application object; one for the whole test program.
inline void NeedApplication() {
  static int argc = 1;
  static char name[] = "test_tools_content";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

}  // namespace brolt::content::testing
