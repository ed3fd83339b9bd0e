// The ranking of full-text matches: FTS5's bm25 (k1 1.2, b 0.75, a weight for each column,
// the same numbers FTS5's own function gives), with each page entry's length in tokens taken
// from a copy of the full-text table's sizes held in memory. FTS5 looks each length up in its
// sizes table, one B-tree search per matching row: on a query of common words, which matches
// tens of thousands of pages, that is three quarters of the query's time.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/query_parser.h"

namespace zeb::library {

class Database;

class PageLengths {
 public:
  // Reads the sizes again when the index changed since they were read (this connection's
  // writes or another's).
  void refresh(Database& database);
  // The entry's length in tokens, all columns together, and its first column's; -1 when it
  // is not known.
  std::int64_t lengthOf(std::int64_t row) const;
  std::int64_t firstColumnLengthOf(std::int64_t row) const;

 private:
  // The place of the row's lengths in the arrays below, or -1.
  std::ptrdiff_t find(std::int64_t row) const;
  // Indexed by row where the rows are dense enough, as they are unless the index was made
  // anew many times over; otherwise the rows in order, with their lengths beside them. Every
  // matching entry's whole length is read while a query is ranked, and its first column's
  // only when it may be shown: each has an array of its own, so that the one read for every
  // match stays small enough for the processor's cache.
  bool byRow_ = false;
  std::vector<std::int64_t> rows_;
  std::vector<std::uint32_t> lengths_;
  std::vector<std::uint32_t> firstLengths_;
  mutable std::size_t hint_ = 0;  // rows are mostly asked for in order
  const void* connection_ = nullptr;  // the connection they were read through
  std::int64_t dataVersion_ = -1;
  std::int64_t changes_ = -1;
};

// The tokenizer of the full-text tables.
inline constexpr const char* pageTokenizer = "unicode61 remove_diacritics 2";

// That tokenizer, for splitting text outside a query as the index splits it.
class PageTokenizer {
 public:
  explicit PageTokenizer(Database& database);
  ~PageTokenizer();
  PageTokenizer(const PageTokenizer&) = delete;
  PageTokenizer& operator=(const PageTokenizer&) = delete;
  // FTS5's tokenize: "onToken(context, flags, token, size, start, end)" for each word.
  using OnToken = int (*)(void* context, int flags, const char* token, int size, int start, int end);
  int tokenize(std::string_view text, int flags, void* context, OnToken onToken) const;

 private:
  struct Methods;
  std::unique_ptr<Methods> methods_;
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

  // Counts again when the counts are not current.
  void countIfNeeded();
  // Marks the counts out of date; called in the transaction that changes the index.
  static void invalidate(Database& database);
  bool current();
  // For each phrase, in order, the number of entries holding it, or -1 where it is not known
  // here (the counts are out of date, the phrase is a prefix, a title phrase or of more than
  // one word): the last argument of page_rank.
  std::vector<std::uint8_t> rowsOf(const std::vector<QueryPhrase>& phrases);
  const PageTokenizer& tokenizer() const { return tokenizer_; }

 private:
  Database& database_;
  PageTokenizer tokenizer_;
};

// Where a phrase of the query stands in an entry's text: the phrase's number, the position
// of its first word, and its length in words.
struct PhraseHit {
  int phrase = 0;
  int offset = 0;
  int size = 1;
};

// The entries a ranking query may keep as its best "wanted", in its order (by page_rank, the
// lower the better, then by row), each with its first column's length in words and its hits
// there: what its snippet is made from, so that the entries shown need not be matched again.
// At most twice as many are kept: then those that cannot be among the best go.
class BestRows {
 public:
  struct Row {
    std::int64_t row = 0;
    double score = 0;
    int firstColumnLength = 0;
    std::vector<PhraseHit> hits;
  };
  // Before each ranking query.
  void start(std::size_t wanted);
  // Whether the entry may be among the best.
  bool wants(double score, std::int64_t row) const {
    return wanted_ != 0 && (score < cutoff_.score || (score == cutoff_.score && row <= cutoff_.row));
  }
  void keep(Row row);
  const Row* find(std::int64_t row) const;

 private:
  std::size_t wanted_ = 0;
  struct Place {
    double score = 0;
    std::int64_t row = 0;
  };
  Place cutoff_;  // the worst entry that may still be among the best
  std::vector<Row> rows_;
};

// "page_rank(page_text, weight, ... [, rows])": the bm25 score as FTS5's bm25() gives it (the
// more negative, the better), over the lengths given; "rows", a blob from WordRows::rowsOf,
// gives the phrases' numbers of entries that are known. With "best", the entries ranked are
// also offered to it.
void registerPageRanking(Database& database, const PageLengths& lengths, BestRows* best = nullptr);

// The text FTS5's snippet() gives for a column whose text, length in words and hits (in order
// of position) are these, showing at most "tokens" words (64 at most), made in one pass over
// the text that ends once the window chosen is past. snippet() goes over the whole text
// twice, once for where sentences begin, once for the window, with the tokenizer's full work
// for every word: for a page of 6,500 bytes, most of the time a search spends on each row it
// shows. Nothing when the tokenizer fails or a hit lies outside the text.
struct SnippetMarks {
  std::string_view open, close, ellipsis;
};
std::optional<std::string> snippetOf(std::string_view text, int length, const std::vector<PhraseHit>& hits,
                                     const SnippetMarks& marks, int tokens, const PageTokenizer& tokenizer);

// "page_snippet(page_text, column, open, close, ellipsis, tokens)": snippetOf for the column
// (0 or more) of the row matched, as an SQL function.
void registerPageSnippet(Database& database);

}  // namespace zeb::library
