// The ranking of full-text matches: FTS5's bm25 (k1 1.2, b 0.75, a weight for each column,
// the same numbers FTS5's own function gives), with each page entry's length in tokens taken
// from a copy of the full-text table's sizes held in memory. FTS5 looks each length up in its
// sizes table, one B-tree search per matching row: on a query of common words, which matches
// tens of thousands of pages, that is three quarters of the query's time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/query_parser.h"

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
  // Indexed by row where the rows are dense enough, as they are unless the index was made
  // anew many times over; otherwise the rows in order, with their lengths beside them.
  std::vector<std::uint32_t> byRow_;
  std::vector<std::int64_t> rows_;
  std::vector<std::uint32_t> lengths_;
  mutable std::size_t hint_ = 0;  // rows are mostly asked for in order
  const void* connection_ = nullptr;  // the connection they were read through
  std::int64_t dataVersion_ = -1;
  std::int64_t changes_ = -1;
};

// How many entries of the full-text table hold each word, which bm25 needs for each phrase of
// a query. FTS5 counts them by walking the phrase's whole list of entries on every query: for
// a common word, a hundred thousand entries, most of such a query's time. Here they are
// counted once for all words after the index changes (a walk over the whole index, about 3 s
// for 200,000 pages) and kept in the table "word_rows", whose row for the empty word says
// they are current. The words are the index's own: the phrases are split by its tokenizer.
class WordRows {
 public:
  // The words as the table "page_text" of the database splits them.
  explicit WordRows(Database& database);
  ~WordRows();
  WordRows(const WordRows&) = delete;
  WordRows& operator=(const WordRows&) = delete;

  // Counts again when the counts are not current.
  void countIfNeeded();
  // Marks the counts out of date; called in the transaction that changes the index.
  static void invalidate(Database& database);
  bool current();
  // For each phrase, in order, the number of entries holding it, or -1 where it is not known
  // here (the counts are out of date, the phrase is a prefix, a title phrase or of more than
  // one word): the last argument of page_rank.
  std::vector<std::uint8_t> rowsOf(const std::vector<QueryPhrase>& phrases);

 private:
  struct Tokenizer;
  Database& database_;
  std::unique_ptr<Tokenizer> tokenizer_;
};

// The tokenizer of the full-text tables.
inline constexpr const char* pageTokenizer = "unicode61 remove_diacritics 2";

// "page_rank(page_text, weight, ... [, rows])": the bm25 score as FTS5's bm25() gives it (the
// more negative, the better), over the lengths given; "rows", a blob from WordRows::rowsOf,
// gives the phrases' numbers of entries that are known.
void registerPageRanking(Database& database, const PageLengths& lengths);

// "page_snippet(page_text, column, open, close, ellipsis, tokens)": the text FTS5's snippet()
// gives for the column (0 or more), made in one pass over the text that ends once the window
// chosen is past. snippet() goes over the whole text twice, once for where sentences begin,
// once for the window, with the tokenizer's full work for every word: for a page of 6,500
// bytes, most of the time a search spends on each row it shows.
void registerPageSnippet(Database& database);

}  // namespace zeb::library
