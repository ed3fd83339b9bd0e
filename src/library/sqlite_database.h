// A thin owner of an SQLite connection and its prepared statements. Every failure becomes
// a DatabaseError carrying SQLite's code and message; values always travel as bound
// parameters, never inside the SQL text.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zeb::library {

class DatabaseError : public std::runtime_error {
 public:
  DatabaseError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }
  // The file is not a database, or its pages are damaged.
  bool isDamage() const;
  bool isInterrupt() const;

 private:
  int code_;
};

class Statement {
 public:
  Statement(sqlite3* database, std::string_view sql);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&&) = delete;
  Statement(const Statement&) = delete;

  // Parameters count from 1.
  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, std::string_view text);
  Statement& bindBlob(int index, std::span<const std::uint8_t> bytes);
  Statement& bindNull(int index);
  // True while there is a row to read; false once the statement is done.
  bool step();
  // Runs the statement to its end and makes it ready to run again with new parameters.
  void run();
  void reset();

  std::int64_t integer(int column) const;
  double real(int column) const;
  std::string text(int column) const;
  std::vector<std::uint8_t> blob(int column) const;
  bool isNull(int column) const;

 private:
  sqlite3* database_;
  sqlite3_stmt* statement_ = nullptr;
};

class Database {
 public:
  // Opens the file, making it when it is missing.
  explicit Database(const std::filesystem::path& path);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  void execute(std::string_view sql);
  Statement prepare(std::string_view sql) { return Statement(handle_, sql); }
  std::int64_t lastInsertedRow() const;
  // Stops the statement running on another thread at its next step.
  void interrupt();
  sqlite3* handle() const { return handle_; }

 private:
  sqlite3* handle_ = nullptr;
};

// BEGIN IMMEDIATE on creation, COMMIT on commit(), ROLLBACK when left without one.
class Transaction {
 public:
  // A write transaction takes the lock at once; a read one holds one snapshot of the file
  // from its first read on.
  enum class Kind { write, read };
  explicit Transaction(Database& database, Kind kind = Kind::write);
  ~Transaction();
  void commit();

 private:
  Database& database_;
  bool done_ = false;
};

}  // namespace zeb::library
