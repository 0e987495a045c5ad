#pragma once
// Builds and inspects SQLite files for tests of the definitions database, without going through the
// code under test.
#include <sqlite3.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace brolt::testing {

class RawDatabase {
 public:
  // Opens the file, creating it when it does not exist.
  explicit RawDatabase(const std::filesystem::path& file) {
    if (sqlite3_open(file.c_str(), &handle_) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(handle_));
  }
  ~RawDatabase() { sqlite3_close(handle_); }
  RawDatabase(const RawDatabase&) = delete;
  RawDatabase& operator=(const RawDatabase&) = delete;

  void Execute(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      std::string message = error ? error : "sqlite error";
      sqlite3_free(error);
      throw std::runtime_error(message);
    }
  }

  // The first column of every row of a query, Null as nothing.
  std::vector<std::optional<std::string>> Column(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(handle_));
    std::vector<std::optional<std::string>> values;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      if (sqlite3_column_type(statement, 0) == SQLITE_NULL) values.emplace_back();
      else values.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    sqlite3_finalize(statement);
    return values;
  }

  // The storage class SQLite reports for the first column of the first row ("integer", "text", ...).
  std::string TypeOf(const std::string& sql) { return Column("select typeof((" + sql + "))").at(0).value_or(""); }

 private:
  sqlite3* handle_ = nullptr;
};

}  // namespace brolt::testing
