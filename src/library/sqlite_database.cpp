// The SQLite connection and statement owners.
#include "library/sqlite_database.h"

#include <sqlite3.h>

namespace zeb::library {
namespace {

[[noreturn]] void fail(sqlite3* database, int code) {
  throw DatabaseError(code, database != nullptr ? sqlite3_errmsg(database) : sqlite3_errstr(code));
}

// How long a writer waits for another connection's transaction before it gives up.
constexpr int busyMilliseconds = 10000;

}  // namespace

bool DatabaseError::isDamage() const {
  const int primary = code_ & 0xFF;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

bool DatabaseError::isInterrupt() const { return (code_ & 0xFF) == SQLITE_INTERRUPT; }

Statement::Statement(sqlite3* database, std::string_view sql) : database_(database) {
  const int code = sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr);
  if (code != SQLITE_OK) fail(database, code);
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement::Statement(Statement&& other) noexcept : database_(other.database_), statement_(other.statement_) {
  other.statement_ = nullptr;
}

Statement& Statement::bind(int index, std::int64_t value) {
  if (const int code = sqlite3_bind_int64(statement_, index, value); code != SQLITE_OK) fail(database_, code);
  return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
  const int code = sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  if (code != SQLITE_OK) fail(database_, code);
  return *this;
}

Statement& Statement::bindBlob(int index, std::span<const std::uint8_t> bytes) {
  const int code = sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
  if (code != SQLITE_OK) fail(database_, code);
  return *this;
}

Statement& Statement::bindNull(int index) {
  if (const int code = sqlite3_bind_null(statement_, index); code != SQLITE_OK) fail(database_, code);
  return *this;
}

bool Statement::step() {
  const int code = sqlite3_step(statement_);
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  sqlite3_reset(statement_);
  fail(database_, code);
}

void Statement::run() {
  while (step()) {
  }
  reset();
}

void Statement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(statement_, column); }

double Statement::real(int column) const { return sqlite3_column_double(statement_, column); }

std::string Statement::text(int column) const {
  const auto* bytes = sqlite3_column_text(statement_, column);
  const int size = sqlite3_column_bytes(statement_, column);
  return bytes != nullptr ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size))
                          : std::string();
}

std::vector<std::uint8_t> Statement::blob(int column) const {
  const auto* bytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
  const int size = sqlite3_column_bytes(statement_, column);
  return bytes != nullptr ? std::vector<std::uint8_t>(bytes, bytes + size) : std::vector<std::uint8_t>();
}

bool Statement::isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }

Database::Database(const std::filesystem::path& path) {
  const int code = sqlite3_open_v2(path.c_str(), &handle_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (code != SQLITE_OK) {
    const std::string message = handle_ != nullptr ? sqlite3_errmsg(handle_) : sqlite3_errstr(code);
    sqlite3_close(handle_);
    throw DatabaseError(code, message);
  }
  sqlite3_extended_result_codes(handle_, 1);
  sqlite3_busy_timeout(handle_, busyMilliseconds);
}

Database::~Database() { sqlite3_close_v2(handle_); }

void Database::execute(std::string_view sql) {
  char* message = nullptr;
  const std::string text(sql);
  const int code = sqlite3_exec(handle_, text.c_str(), nullptr, nullptr, &message);
  if (code != SQLITE_OK) {
    const std::string said = message != nullptr ? message : sqlite3_errstr(code);
    sqlite3_free(message);
    throw DatabaseError(code, said);
  }
}

std::int64_t Database::lastInsertedRow() const { return sqlite3_last_insert_rowid(handle_); }

void Database::interrupt() { sqlite3_interrupt(handle_); }

Transaction::Transaction(Database& database, Kind kind) : database_(database) {
  database_.execute(kind == Kind::write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction() {
  if (done_) return;
  try {
    database_.execute("ROLLBACK");
  } catch (const DatabaseError&) {
    // A failed statement may already have ended the transaction.
  }
}

void Transaction::commit() {
  database_.execute("COMMIT");
  done_ = true;
}

}  // namespace zeb::library
