#pragma once
// Row-by-row access to the definitions database Define.qdm, an ordinary SQLite 3 file that the game,
// the editor and the database tool may have open at the same time. Both programs read and rewrite
// their tables the same way: open a table as a row set, count its rows, move to a row by its 0-based
// position in the table's own order, read named fields (which may be Null) and rewrite single fields.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/path_error.h"

struct sqlite3;

namespace brolt {

// The file name of the definitions database in the program folder.
inline constexpr const char* kDefinitionsFileName = "Define.qdm";

// Any failure of the database; the message names the file and says what went wrong.
class DatabaseError : public PathError {
 public:
  using PathError::PathError;
};

// One open database file, shared with other programs, for as long as the object lives.
class Database {
 public:
  // Opens an existing database for reading and writing; never creates one. Throws DatabaseError
  // when the file is missing or is not a readable database.
  explicit Database(const std::filesystem::path& file);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  const std::filesystem::path& File() const { return file_; }
  sqlite3* Handle() const { return handle_; }
  // A DatabaseError whose message names this file, the action and SQLite's own reason.
  DatabaseError Failure(std::string_view action) const;

 private:
  std::filesystem::path file_;
  sqlite3* handle_ = nullptr;
};

// The rows of one table in the table's own order (by rowid), read when the set is opened, with a
// current row. Field names match in any letter case. Updates go straight to the database, one field
// of the current row at a time, and are seen by later reads of this set.
class RowSet {
 public:
  // Reads every row of the table. The current row is the last one (none in an empty table), as a
  // row set stands after it has been counted. Throws DatabaseError for a missing table.
  RowSet(Database& database, std::string table);

  int Count() const { return static_cast<int>(rows_.size()); }
  // The current row's position, or -1 when there is none.
  int Position() const { return position_; }
  // Makes row `position` current; a position outside the set leaves no current row and returns false.
  bool SetPosition(int position);

  // The field of the current row as text, or nothing when it is Null or there is no current row.
  // Throws DatabaseError for a field the table does not have.
  std::optional<std::string> Field(std::string_view name) const;

  // Rewrites one field of the current row: as text (nothing for Null) or as a whole number.
  // Throws DatabaseError when there is no current row, the field is unknown or the write fails.
  void UpdateField(std::string_view name, const std::optional<std::string>& value);
  void UpdateField(std::string_view name, std::int64_t value);

  // Adds a row to the table holding these fields (every other field Null) and makes it the set's last
  // and current row. Throws DatabaseError for an unknown field or a failed write.
  using FieldValues = std::vector<std::pair<std::string, std::optional<std::string>>>;
  void AddRow(const FieldValues& fields);
  // Deletes the current row from the table and the set; no row is current afterwards. Throws
  // DatabaseError when there is no current row or the write fails.
  void DeleteRow();

 private:
  struct Row {
    std::int64_t rowid = 0;
    std::vector<std::optional<std::string>> values;
  };
  std::size_t ColumnIndex(std::string_view name) const;
  // Binds the new value as parameter 1 and the row as parameter 2 of the update statement.
  template <typename Bind>
  void Update(std::string_view name, const std::optional<std::string>& stored, Bind bind);

  Database* database_;
  std::string table_;
  std::vector<std::string> columns_;
  std::vector<Row> rows_;
  int position_ = -1;
};

}  // namespace brolt
