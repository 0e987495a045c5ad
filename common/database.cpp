#include "common/database.h"

#include <sqlite3.h>

#include <memory>

#include "common/numeric.h"

namespace brolt {

namespace {

// How long a statement waits for another program (the editor, the database tool) to finish its
// write before it gives up.
constexpr int kBusyTimeoutMs = 5000;

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

struct StatementCloser {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

Statement Prepare(const Database& database, const std::string& sql, std::string_view action) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(database.Handle(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
    throw database.Failure(action);
  return Statement(statement);
}

}  // namespace

Database::Database(const std::filesystem::path& file) : file_(file) {
  int result = sqlite3_open_v2(file.c_str(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
  if (result == SQLITE_OK) {
    sqlite3_busy_timeout(handle_, kBusyTimeoutMs);
    // Opening does not read the file; this does, so that a file that is no database fails here.
    result = sqlite3_exec(handle_, "select count(*) from sqlite_master", nullptr, nullptr, nullptr);
  }
  if (result != SQLITE_OK) {
    DatabaseError error = Failure("Can't open the definitions database");
    sqlite3_close(handle_);
    handle_ = nullptr;
    throw error;
  }
}

Database::~Database() { sqlite3_close(handle_); }

DatabaseError Database::Failure(std::string_view action) const {
  const char* reason = handle_ ? sqlite3_errmsg(handle_) : "out of memory";
  return DatabaseError(std::string(action), file_, std::string(": ") + reason);
}

RowSet::RowSet(Database& database, std::string table) : database_(&database), table_(std::move(table)) {
  std::string action = "Can't read table '" + table_ + "' of";
  Statement statement =
      Prepare(database, "select rowid, * from " + QuoteIdentifier(table_) + " order by rowid", action);
  int count = sqlite3_column_count(statement.get());
  for (int c = 1; c < count; ++c) columns_.emplace_back(sqlite3_column_name(statement.get(), c));
  int step;
  while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    Row row{sqlite3_column_int64(statement.get(), 0), {}};
    for (int c = 1; c < count; ++c) {
      if (sqlite3_column_type(statement.get(), c) == SQLITE_NULL) {
        row.values.emplace_back();
        continue;
      }
      const unsigned char* text = sqlite3_column_text(statement.get(), c);
      int size = sqlite3_column_bytes(statement.get(), c);
      row.values.emplace_back(std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)));
    }
    rows_.push_back(std::move(row));
  }
  if (step != SQLITE_DONE) throw database.Failure(action);
  position_ = Count() - 1;
}

bool RowSet::SetPosition(int position) {
  bool inside = position >= 0 && position < Count();
  position_ = inside ? position : -1;
  return inside;
}

std::size_t RowSet::ColumnIndex(std::string_view name) const {
  std::string wanted = ToLowerAscii(name);
  for (std::size_t c = 0; c < columns_.size(); ++c)
    if (ToLowerAscii(columns_[c]) == wanted) return c;
  throw DatabaseError("Table '" + table_ + "' of", database_->File(), " has no field '" + std::string(name) + "'");
}

std::optional<std::string> RowSet::Field(std::string_view name) const {
  std::size_t column = ColumnIndex(name);
  if (position_ < 0) return std::nullopt;
  return rows_[static_cast<std::size_t>(position_)].values[column];
}

template <typename Bind>
void RowSet::Update(std::string_view name, const std::optional<std::string>& stored, Bind bind) {
  std::size_t column = ColumnIndex(name);
  std::string action = "Can't write table '" + table_ + "' of";
  if (position_ < 0) throw DatabaseError(action, database_->File(), ": no current row");
  Row& row = rows_[static_cast<std::size_t>(position_)];
  Statement statement = Prepare(*database_,
                                "update " + QuoteIdentifier(table_) + " set " + QuoteIdentifier(columns_[column]) +
                                    " = ?1 where rowid = ?2",
                                action);
  bind(statement.get());
  sqlite3_bind_int64(statement.get(), 2, row.rowid);
  if (sqlite3_step(statement.get()) != SQLITE_DONE) throw database_->Failure(action);
  if (sqlite3_changes(database_->Handle()) != 1)
    throw DatabaseError(action, database_->File(), ": the row was deleted");
  row.values[column] = stored;
}

void RowSet::UpdateField(std::string_view name, const std::optional<std::string>& value) {
  Update(name, value, [&](sqlite3_stmt* statement) {
    if (value) sqlite3_bind_text(statement, 1, value->data(), static_cast<int>(value->size()), SQLITE_TRANSIENT);
    else sqlite3_bind_null(statement, 1);
  });
}

void RowSet::UpdateField(std::string_view name, std::int64_t value) {
  Update(name, std::to_string(value), [&](sqlite3_stmt* statement) { sqlite3_bind_int64(statement, 1, value); });
}

void RowSet::AddRow(const FieldValues& fields) {
  std::string action = "Can't add a row to table '" + table_ + "' of";
  Row row{0, std::vector<std::optional<std::string>>(columns_.size())};
  std::string names;
  std::string parameters;
  for (const auto& [name, value] : fields) {
    std::size_t column = ColumnIndex(name);
    row.values[column] = value;
    names += (names.empty() ? "" : ", ") + QuoteIdentifier(columns_[column]);
    parameters += parameters.empty() ? "?" : ", ?";
  }
  std::string sql = fields.empty() ? "insert into " + QuoteIdentifier(table_) + " default values"
                                   : "insert into " + QuoteIdentifier(table_) + " (" + names + ") values (" +
                                         parameters + ")";
  Statement statement = Prepare(*database_, sql, action);
  int parameter = 1;
  for (const auto& field : fields) {
    const std::optional<std::string>& value = field.second;
    if (value) sqlite3_bind_text(statement.get(), parameter, value->data(), static_cast<int>(value->size()),
                                 SQLITE_TRANSIENT);
    else sqlite3_bind_null(statement.get(), parameter);
    ++parameter;
  }
  if (sqlite3_step(statement.get()) != SQLITE_DONE) throw database_->Failure(action);
  row.rowid = sqlite3_last_insert_rowid(database_->Handle());
  rows_.push_back(std::move(row));
  position_ = Count() - 1;
}

void RowSet::DeleteRow() {
  std::string action = "Can't delete a row of table '" + table_ + "' of";
  if (position_ < 0) throw DatabaseError(action, database_->File(), ": no current row");
  Statement statement = Prepare(*database_, "delete from " + QuoteIdentifier(table_) + " where rowid = ?1", action);
  sqlite3_bind_int64(statement.get(), 1, rows_[static_cast<std::size_t>(position_)].rowid);
  if (sqlite3_step(statement.get()) != SQLITE_DONE) throw database_->Failure(action);
  rows_.erase(rows_.begin() + position_);
  position_ = -1;
}

}  // namespace brolt
