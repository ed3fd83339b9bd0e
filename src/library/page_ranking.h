// The ranking of full-text matches: FTS5's bm25 (k1 1.2, b 0.75, a weight for each column,
// the same numbers FTS5's own function gives), with each page entry's length in tokens taken
// from a copy of the full-text table's sizes held in memory. FTS5 looks each length up in its
// sizes table, one B-tree search per matching row: on a query of common words, which matches
// tens of thousands of pages, that is three quarters of the query's time.
#pragma once

#include <cstdint>
#include <vector>

namespace zeb::library {

class Database;

class PageLengths {
 public:
  // Reads the sizes again when the index changed since they were read (this connection's
  // writes or another's).
  void refresh(Database& database);
  // The entry's length in tokens, all columns together; -1 when it is not known.
  std::int64_t lengthOf(std::int64_t row) const;

 private:
  std::vector<std::int64_t> rows_;  // in order
  std::vector<std::uint32_t> lengths_;
  mutable std::size_t hint_ = 0;  // rows are mostly asked for in order
  const void* connection_ = nullptr;  // the connection they were read through
  std::int64_t dataVersion_ = -1;
  std::int64_t changes_ = -1;
};

// "page_rank(page_text, weight, ...)": the bm25 score as FTS5's bm25() gives it (the more
// negative, the better), over the lengths given.
void registerPageRanking(Database& database, const PageLengths& lengths);

}  // namespace zeb::library
