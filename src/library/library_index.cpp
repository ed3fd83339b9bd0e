// The library's index in SQLite: the schema, the check on opening, storing books, covers and
// the full-text search.
#include "library/library_index.h"

#include <sqlite3.h>

#include <cstdlib>
#include <system_error>
#include <unordered_set>

#include "library/page_search_text.h"
#include "library/query_parser.h"
#include "library/sqlite_database.h"

namespace zeb::library {
namespace {

// Raised whenever the tables change; an index of another version is made anew. The body is
// the full-text table's first column: the index marks the column of every entry but the
// first one's, which saves two bytes for each word of each page. The titles have a small
// full-text table of their own, which finds the title hits without reading the texts'. The
// number of entries holding each word is kept for ranking.
constexpr int schemaVersion = 3;
// Every connection's: the log, foreign keys, and the file read through memory (up to 1 GiB)
// with 32 MB of cache, since a search walks long lists of the full-text index and would
// otherwise read them a page at a time.
constexpr std::string_view connectionSettings =
    "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON; PRAGMA mmap_size=1073741824; "
    "PRAGMA cache_size=-32768";
// Words of page text a snippet shows.
constexpr int snippetTokens = 12;

constexpr std::string_view schema = R"sql(
CREATE TABLE books(
  id INTEGER PRIMARY KEY AUTOINCREMENT, path TEXT NOT NULL UNIQUE, size INTEGER NOT NULL,
  modified INTEGER NOT NULL, title TEXT NOT NULL, author TEXT NOT NULL, summary TEXT NOT NULL,
  page_count INTEGER NOT NULL, damaged INTEGER NOT NULL, message TEXT NOT NULL,
  cover_state INTEGER NOT NULL DEFAULT 0, cover BLOB);
CREATE TABLE pages(
  id INTEGER PRIMARY KEY AUTOINCREMENT, book INTEGER NOT NULL REFERENCES books(id) ON DELETE CASCADE,
  number INTEGER NOT NULL, title TEXT NOT NULL, text_position INTEGER NOT NULL, text_size INTEGER NOT NULL,
  text_format INTEGER NOT NULL, code_page INTEGER NOT NULL);
CREATE INDEX pages_of_book ON pages(book, number);
CREATE TABLE counts(name TEXT PRIMARY KEY, value INTEGER NOT NULL);
CREATE VIEW page_content AS
  SELECT pages.id AS id, pages.title AS title,
         page_search_text(books.path, books.size, books.modified, pages.text_position, pages.text_size,
                          pages.text_format, pages.code_page) AS body
  FROM pages JOIN books ON books.id = pages.book;
CREATE VIRTUAL TABLE page_text USING fts5(body, title, content='page_content', content_rowid='id',
  tokenize='$tokenizer');
INSERT INTO page_text(page_text, rank) VALUES('rank', 'bm25(1.0, 10.0)');
CREATE VIRTUAL TABLE page_titles USING fts5(title, content='pages', content_rowid='id', tokenize='$tokenizer');
CREATE TABLE word_rows(word TEXT PRIMARY KEY, rows INTEGER NOT NULL) WITHOUT ROWID;
)sql";

std::string schemaText() {
  std::string text(schema);
  constexpr std::string_view mark = "$tokenizer";
  for (std::size_t at; (at = text.find(mark)) != std::string::npos;) text.replace(at, mark.size(), pageTokenizer);
  return text;
}

// page_search_text(path, size, modified, position, size, format, code page): the page's text
// read again from its book, for snippets and for rebuilding the full-text index.
void pageSearchTextFunction(sqlite3_context* context, int, sqlite3_value** values) {
  auto* reader = static_cast<PageTextReader*>(sqlite3_user_data(context));
  PageTextReader::Request request;
  const auto* path = sqlite3_value_text(values[0]);
  request.bookPath = path != nullptr ? reinterpret_cast<const char*>(path) : "";
  request.bookSize = sqlite3_value_int64(values[1]);
  request.bookModified = sqlite3_value_int64(values[2]);
  request.textPosition = sqlite3_value_int64(values[3]);
  request.textSize = static_cast<std::uint32_t>(sqlite3_value_int64(values[4]));
  request.textFormat = sqlite3_value_int(values[5]);
  request.codePage = static_cast<std::uint16_t>(sqlite3_value_int(values[6]));
  const std::string text = reader->searchText(request);
  sqlite3_result_text64(context, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void deleteReader(void* reader) { delete static_cast<PageTextReader*>(reader); }

// The connection's own functions: the page text, and the ranking over the lengths given,
// offering the entries it ranks to "best".
void registerFunctions(Database& database, const PageLengths& lengths, BestRows& best) {
  const int code = sqlite3_create_function_v2(database.handle(), "page_search_text", 7, SQLITE_UTF8, new PageTextReader,
                                              pageSearchTextFunction, nullptr, nullptr, deleteReader);
  if (code != SQLITE_OK) throw DatabaseError(code, sqlite3_errmsg(database.handle()));
  registerPageRanking(database, lengths, &best);
}

// Line breaks and tabs of page text read as blanks, so that a snippet is one line.
std::string oneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  std::string out;
  out.reserve(text.size());
  for (const char c : text)
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::filesystem::path homeFolder() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? std::filesystem::path(home) : std::filesystem::path("/tmp");
}

BookRecord bookOf(const Statement& row) {
  BookRecord book;
  book.id = row.integer(0);
  book.path = row.text(1);
  book.size = row.integer(2);
  book.modified = row.integer(3);
  book.title = row.text(4);
  book.author = row.text(5);
  book.summary = row.text(6);
  book.pageCount = static_cast<int>(row.integer(7));
  book.damaged = row.integer(8) != 0;
  book.message = row.text(9);
  book.cover = static_cast<CoverState>(row.integer(10));
  return book;
}

constexpr std::string_view bookColumns =
    "SELECT id, path, size, modified, title, author, summary, page_count, damaged, message, cover_state FROM books";

}  // namespace

std::filesystem::path defaultIndexPath() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const std::filesystem::path folder =
      cache != nullptr && *cache != '\0' ? std::filesystem::path(cache) : homeFolder() / ".cache";
  return folder / "brightfold" / "library.sqlite";
}

LibraryIndex::LibraryIndex(const std::filesystem::path& path, Check check) : path_(path) {
  if (check == Check::quick)
    openOrRebuild();
  else
    openTrusted();
  words_ = std::make_unique<WordRows>(*database_);
}

void LibraryIndex::openTrusted() {
  database_ = std::make_unique<Database>(path_);
  registerFunctions(*database_, lengths_, best_);
  database_->execute(connectionSettings);
  Statement version = database_->prepare("PRAGMA user_version");
  version.step();
  if (version.integer(0) != schemaVersion) throw DatabaseError(SQLITE_NOTADB, "not a library index: " + path_.string());
}

LibraryIndex::~LibraryIndex() = default;

void LibraryIndex::openOrRebuild() {
  std::error_code error;
  std::filesystem::create_directories(path_.parent_path(), error);
  for (int attempt = 0;; ++attempt) {
    bool sound = false;
    try {
      database_ = std::make_unique<Database>(path_);
      registerFunctions(*database_, lengths_, best_);
      database_->execute(connectionSettings);
      Statement check = database_->prepare("PRAGMA quick_check");
      sound = check.step() && check.text(0) == "ok";
      Statement version = database_->prepare("PRAGMA user_version");
      version.step();
      const std::int64_t found = version.integer(0);
      if (sound && found == 0) {
        Statement tables = database_->prepare("SELECT count(*) FROM sqlite_master");
        tables.step();
        if (tables.integer(0) == 0) {
          createSchema();
          return;
        }
        sound = false;
      }
      if (sound && found == schemaVersion) return;
    } catch (const DatabaseError& failure) {
      if (!failure.isDamage() || attempt > 0) throw;
    }
    if (attempt > 0) throw DatabaseError(SQLITE_CORRUPT, "the library index cannot be made anew: " + path_.string());
    // Not an index of ours, or a damaged one: it is made anew.
    database_.reset();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::filesystem::remove(path_.string() + suffix, error);
    rebuilt_ = true;
  }
}

void LibraryIndex::createSchema() {
  Transaction transaction(*database_);
  database_->execute(schemaText());
  database_->execute("PRAGMA user_version=" + std::to_string(schemaVersion));
  transaction.commit();
}

std::vector<BookRecord> LibraryIndex::books() {
  std::vector<BookRecord> books;
  Statement rows = database_->prepare(std::string(bookColumns) + " ORDER BY path");
  while (rows.step()) books.push_back(bookOf(rows));
  return books;
}

std::optional<BookRecord> LibraryIndex::findBook(const std::string& path) {
  Statement row = database_->prepare(std::string(bookColumns) + " WHERE path = ?1");
  row.bind(1, path);
  if (!row.step()) return std::nullopt;
  return bookOf(row);
}

void LibraryIndex::storeBook(const BookRecord& book, const std::vector<PageRecord>& pages) {
  Transaction transaction(*database_);
  std::int64_t id = 0;
  {
    Statement old = database_->prepare("SELECT id, page_count FROM books WHERE path = ?1");
    old.bind(1, book.path);
    if (old.step()) {
      id = old.integer(0);
      Statement count = database_->prepare("SELECT count(*) FROM pages WHERE book = ?1");
      count.bind(1, id);
      count.step();
      addStale(count.integer(0));
      Statement drop = database_->prepare("DELETE FROM pages WHERE book = ?1");
      drop.bind(1, id).run();
    }
  }
  Statement write = database_->prepare(
      id == 0 ? "INSERT INTO books(path, size, modified, title, author, summary, page_count, damaged, message, "
                "cover_state, cover) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 0, NULL)"
              : "UPDATE books SET size = ?2, modified = ?3, title = ?4, author = ?5, summary = ?6, page_count = ?7, "
                "damaged = ?8, message = ?9, cover_state = 0, cover = NULL WHERE path = ?1");
  write.bind(1, book.path).bind(2, book.size).bind(3, book.modified).bind(4, book.title).bind(5, book.author);
  write.bind(6, book.summary).bind(7, std::int64_t{book.pageCount}).bind(8, std::int64_t{book.damaged ? 1 : 0});
  write.bind(9, book.message).run();
  if (id == 0) id = database_->lastInsertedRow();

  Statement page = database_->prepare(
      "INSERT INTO pages(book, number, title, text_position, text_size, text_format, code_page) "
      "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
  Statement text = database_->prepare("INSERT INTO page_text(rowid, body, title) VALUES(?1, ?2, ?3)");
  Statement title = database_->prepare("INSERT INTO page_titles(rowid, title) VALUES(?1, ?2)");
  for (const PageRecord& record : pages) {
    page.bind(1, id).bind(2, std::int64_t{record.number}).bind(3, record.title).bind(4, record.textPosition);
    page.bind(5, std::int64_t{record.textSize}).bind(6, std::int64_t{record.textFormat});
    page.bind(7, std::int64_t{record.codePage}).run();
    const std::int64_t row = database_->lastInsertedRow();
    text.bind(1, row).bind(2, record.searchText).bind(3, record.title).run();
    title.bind(1, row).bind(2, record.title).run();
  }
  addCount("unmerged", static_cast<std::int64_t>(pages.size()));
  WordRows::invalidate(*database_);
  transaction.commit();
}

void LibraryIndex::removeBook(std::int64_t id) {
  Transaction transaction(*database_);
  Statement count = database_->prepare("SELECT count(*) FROM pages WHERE book = ?1");
  count.bind(1, id);
  count.step();
  addStale(count.integer(0));
  Statement drop = database_->prepare("DELETE FROM books WHERE id = ?1");
  drop.bind(1, id).run();
  WordRows::invalidate(*database_);
  transaction.commit();
}

std::vector<std::uint8_t> LibraryIndex::coverOf(std::int64_t book) {
  Statement row = database_->prepare("SELECT cover FROM books WHERE id = ?1");
  row.bind(1, book);
  return row.step() ? row.blob(0) : std::vector<std::uint8_t>();
}

void LibraryIndex::storeCover(std::int64_t book, const std::vector<std::uint8_t>& png) {
  Statement write = database_->prepare("UPDATE books SET cover_state = ?2, cover = ?3 WHERE id = ?1");
  write.bind(1, book).bind(2, static_cast<std::int64_t>(png.empty() ? CoverState::none : CoverState::stored));
  if (png.empty())
    write.bindNull(3);
  else
    write.bindBlob(3, png);
  write.run();
}

void LibraryIndex::addStale(std::int64_t pages) { addCount("stale", pages); }

void LibraryIndex::addCount(std::string_view key, std::int64_t value) {
  Statement add = database_->prepare(
      "INSERT INTO counts(name, value) VALUES(?1, ?2) ON CONFLICT(name) DO UPDATE SET value = value + ?2");
  add.bind(1, key).bind(2, value).run();
}

std::int64_t LibraryIndex::storedCount(std::string_view key) {
  Statement row = database_->prepare("SELECT value FROM counts WHERE name = ?1");
  row.bind(1, key);
  return row.step() ? row.integer(0) : 0;
}

std::int64_t LibraryIndex::stalePageCount() { return storedCount("stale"); }

std::int64_t LibraryIndex::livePageCount() {
  Statement row = database_->prepare("SELECT count(*) FROM pages");
  row.step();
  return row.integer(0);
}

bool LibraryIndex::compactIfWorthIt() {
  const std::int64_t live = livePageCount();
  const std::int64_t stale = stalePageCount();
  const std::int64_t unmerged = storedCount("unmerged");
  const bool rebuild = stale != 0 && stale * 4 >= live;
  // Each book's pages make segments of their own; a search reads every segment, so once an
  // eighth of the pages came since the last merge they are merged into one.
  const bool merge = rebuild || (unmerged != 0 && unmerged * 8 >= live);
  if (!merge) return false;
  Transaction transaction(*database_);
  if (rebuild) {
    // The stale entries go, and with them their words.
    database_->execute(
        "INSERT INTO page_text(page_text) VALUES('rebuild'); INSERT INTO page_titles(page_titles) VALUES('rebuild')");
    WordRows::invalidate(*database_);
  }
  database_->execute(
      "INSERT INTO page_text(page_text) VALUES('optimize'); INSERT INTO page_titles(page_titles) VALUES('optimize'); "
      "DELETE FROM counts WHERE name IN ('stale', 'unmerged')");
  transaction.commit();
  // The merge wrote the whole index again through the log, which would keep that size.
  database_->execute("PRAGMA wal_checkpoint(TRUNCATE)");
  return true;
}

// A search's statements, made once for the connection.
struct LibraryIndex::SearchStatements {
  explicit SearchStatements(Database& database)
      : titleRows(database.prepare(
            "SELECT page_titles.rowid, page_rank(page_text, 1.0, 10.0, ?3) AS score FROM page_titles CROSS JOIN "
            "page_text ON page_text.rowid = page_titles.rowid WHERE page_titles MATCH ?1 AND page_text MATCH ?1 "
            "ORDER BY score, page_titles.rowid LIMIT ?2")),
        allRows(database.prepare(
            "SELECT rowid, page_rank(page_text, 1.0, 10.0, ?3) AS score FROM page_text WHERE page_text MATCH ?1 "
            "ORDER BY score, rowid LIMIT ?2")),
        // What is shown of a row. Page entries of books changed or removed since have no page:
        // the join leaves them out.
        shownRow(database.prepare(
            "SELECT books.id, books.path, books.title, pages.number, pages.title, "
            "page_search_text(books.path, books.size, books.modified, pages.text_position, pages.text_size, "
            "pages.text_format, pages.code_page) "
            "FROM pages JOIN books ON books.id = pages.book WHERE pages.id = ?1")) {}
  Statement titleRows, allRows, shownRow;
};

SearchEnd LibraryIndex::search(const SearchRequest& request, const std::function<bool(const SearchHit&)>& onHit) {
  const std::optional<ParsedQuery> query = parseQuery(request.text);
  if (!query) return SearchEnd::nothingToSearch;
  // The page entries matching, best first: those whose title matches (the small titles'
  // table leads, CROSS JOIN keeping it first, and each of its rows is looked up in the texts'
  // table), then all, by bm25 (page_rank, which reads the lengths of the entries from
  // memory), equal scores by entry. Ordering by it with a limit keeps only the best rows while
  // the matches go by, where ordering by rank would sort them all; page_rank keeps the hits of
  // those that may be shown, for their snippets.
  // One snapshot of the index for the lengths, the words' counts and the matches.
  Transaction snapshot(*database_, Transaction::Kind::read);
  readyForSearch();
  const std::vector<std::uint8_t> wordRows = words_->rowsOf(query->phrases);
  Statement& titleRows = statements_->titleRows;
  Statement& allRows = statements_->allRows;
  Statement& shownRow = statements_->shownRow;
  // However the search ends, its statements are left ready for the next, before the snapshot
  // ends.
  struct Ready {
    SearchStatements& statements;
    ~Ready() {
      for (Statement* statement : {&statements.titleRows, &statements.allRows, &statements.shownRow})
        statement->reset();
    }
  } ready{*statements_};
  const SnippetMarks marks{request.openMark, request.closeMark, "\xE2\x80\xA6"};

  const auto limit = static_cast<std::size_t>(std::max(request.limit, 0));
  std::unordered_set<std::int64_t> tried;
  std::size_t shown = 0;
  for (const bool titles : {true, false}) {
    Statement& ranked = titles ? titleRows : allRows;
    // Rows already tried come again in a longer list: stale ones ask for more.
    for (std::int64_t wanted = static_cast<std::int64_t>(limit + tried.size()); shown < limit; wanted *= 4) {
      std::vector<std::pair<std::int64_t, double>> rows;
      best_.start(static_cast<std::size_t>(wanted));
      ranked.bind(1, query->expression).bind(2, wanted).bindBlob(3, wordRows);
      while (ranked.step()) rows.emplace_back(ranked.integer(0), -ranked.real(1));
      ranked.reset();
      for (const auto& [row, score] : rows) {
        if (shown == limit) break;
        if (!tried.insert(row).second) continue;
        const BestRows::Row* kept = best_.find(row);
        shownRow.bind(1, row);
        if (kept != nullptr && shownRow.step()) {
          SearchHit hit;
          hit.book = shownRow.integer(0);
          hit.bookPath = shownRow.text(1);
          hit.bookTitle = shownRow.text(2);
          hit.page = static_cast<std::int32_t>(shownRow.integer(3));
          hit.pageTitle = shownRow.text(4);
          hit.score = score;
          hit.snippet = oneLine(
              snippetOf(shownRow.text(5), kept->firstColumnLength, kept->hits, marks, snippetTokens, words_->tokenizer())
                  .value_or(std::string()));
          hit.titleHit = titles;
          ++shown;
          if (!onHit(hit)) return SearchEnd::stopped;
        }
        shownRow.reset();
      }
      if (static_cast<std::int64_t>(rows.size()) < wanted) break;
    }
  }
  return SearchEnd::completed;
}

void LibraryIndex::prepareSearch() {
  Transaction snapshot(*database_, Transaction::Kind::read);
  readyForSearch();
}

void LibraryIndex::readyForSearch() {
  lengths_.refresh(*database_);
  if (!statements_) statements_ = std::make_unique<SearchStatements>(*database_);
}

void LibraryIndex::countWords() { words_->countIfNeeded(); }

bool LibraryIndex::wordsCounted() { return words_->current(); }

void LibraryIndex::interrupt() { database_->interrupt(); }

}  // namespace zeb::library
