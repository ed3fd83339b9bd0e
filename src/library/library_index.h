// The library's index: one SQLite file with the folders of books, each book's details and
// cover, its pages, and a full-text index over each live page's title and search text. Page
// texts are not copied into it: a snippet reads the page from its book when it is asked for.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/page_ranking.h"

namespace zeb::library {

class Database;

// Where the reader and zebtool keep the index: $XDG_CACHE_HOME/brightfold/library.sqlite,
// ~/.cache when the variable is unset.
std::filesystem::path defaultIndexPath();

enum class CoverState : int { missing = 0, stored = 1, none = 2 };

struct BookRecord {
  std::int64_t id = 0;
  std::string path;  // as the file system spells it
  std::int64_t size = 0;
  std::int64_t modified = 0;           // nanoseconds of the file clock
  std::string title, author, summary;  // UTF-8
  int pageCount = 0;
  bool damaged = false;
  std::string message;  // what loading the book said, UTF-8
  CoverState cover = CoverState::missing;
};

// One live page as the index records it: where its text lies in the book, so that the text
// can be read again for a snippet.
struct PageRecord {
  std::int32_t number = 0;
  std::string title;  // UTF-8
  std::int64_t textPosition = 0;
  std::uint32_t textSize = 0;
  int textFormat = 2;
  std::uint16_t codePage = 1252;
  std::string searchText;  // UTF-8; indexed, not stored
};

struct SearchHit {
  std::int64_t book = 0;
  std::string bookPath;
  std::string bookTitle;
  std::int32_t page = 0;
  std::string pageTitle;
  double score = 0;       // higher is better
  std::string snippet;    // UTF-8 with the matched words between the marks
  bool titleHit = false;  // the page's title holds the query
};

struct SearchRequest {
  std::string text;  // as typed
  int limit = 20;
  std::string openMark = "[";
  std::string closeMark = "]";
};

enum class SearchEnd { completed, nothingToSearch, stopped };

// Each call may throw DatabaseError; a connection is used by one thread at a time.
class LibraryIndex {
 public:
  // Opens the index at the path, making it when it is missing. A file that is not an index,
  // fails the quick check or was made by another version is deleted and made anew (rebuilt()
  // then says so): the index is a cache, never trusted over the books. Check::none opens an
  // index another connection has just checked, as it is (throwing when it is no index).
  enum class Check { quick, none };
  explicit LibraryIndex(const std::filesystem::path& path, Check check = Check::quick);
  ~LibraryIndex();
  LibraryIndex(const LibraryIndex&) = delete;
  LibraryIndex& operator=(const LibraryIndex&) = delete;

  const std::filesystem::path& path() const { return path_; }
  bool rebuilt() const { return rebuilt_; }

  // --- Books, in path order.
  std::vector<BookRecord> books();
  std::optional<BookRecord> findBook(const std::string& path);
  // Records the book and its pages in one transaction, in place of what was recorded for
  // its path before.
  void storeBook(const BookRecord& book, const std::vector<PageRecord>& pages);
  void removeBook(std::int64_t id);
  std::vector<std::uint8_t> coverOf(std::int64_t book);
  void storeCover(std::int64_t book, const std::vector<std::uint8_t>& png);
  // Page entries of books changed or removed stay in the full-text index, unseen, until
  // they outnumber the live pages a quarter to one; then the full-text index is rebuilt from
  // the books. The index is also merged into one segment once an eighth of its pages came
  // since it last was. True when either was done.
  bool compactIfWorthIt();
  // Counts each word's entries for ranking when the index changed since they were counted:
  // a walk over the whole full-text index, done once a scan is over. wordsCounted() says
  // whether the counts are current; searches are ranked the same either way.
  void countWords();
  bool wordsCounted();

  // --- Search: title hits first, each group by relevance; onHit returns false to stop.
  SearchEnd search(const SearchRequest& request, const std::function<bool(const SearchHit&)>& onHit);
  // Does beforehand what the first search would: reads the entries' lengths (some 20 to 60 ms
  // for 200,000 pages) and makes the search's statements.
  void prepareSearch();
  // Stops a search running on another thread.
  void interrupt();

  // Sizes for the benchmark: pages indexed, and page entries kept for changed books.
  std::int64_t livePageCount();
  std::int64_t stalePageCount();

 private:
  void openOrRebuild();
  // Within a read transaction: the lengths as they are now, and the search's statements.
  void readyForSearch();
  void openTrusted();
  void createSchema();
  void addStale(std::int64_t pages);
  void addCount(std::string_view key, std::int64_t value);
  std::int64_t storedCount(std::string_view key);

  std::filesystem::path path_;
  // Read and written by the connection's ranking function, so made before it.
  PageLengths lengths_;
  BestRows best_;
  std::unique_ptr<Database> database_;
  std::unique_ptr<WordRows> words_;  // over database_
  struct SearchStatements;
  std::unique_ptr<SearchStatements> statements_;  // over database_
  bool rebuilt_ = false;
};

}  // namespace zeb::library
