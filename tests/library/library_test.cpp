// The library: the query parser against the real index, scanning (unchanged books not read,
// changed ones replaced, removed ones dropped, damaged ones recorded), a damaged index file,
// and what searches find and in which order.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "document/book_header.h"
#include "library/library_index.h"
#include "library/library_scanner.h"
#include "library/page_ranking.h"
#include "library/query_parser.h"
#include "library/sqlite_database.h"
#include "tests/support/book_builder.h"
#include "tests/support/temporary_folder.h"
#include "tools/zebmake/book_model.h"

namespace zeb::library {
namespace {

struct PageText {
  std::string title;
  std::string text;  // Windows-1252 markup
};

std::vector<std::uint8_t> bookOf(const std::string& title, const std::vector<PageText>& pages) {
  return testing::bookBytes([&](TZEBset& set) {
    set.header().setShortString(header::title, header::titleMax, title);
    for (const PageText& page : pages) zebmake::addPage(set, page.title, page.text);
  });
}

class LibraryTest : public ::testing::Test {
 protected:
  std::filesystem::path indexPath() const { return folder.path() / "cache" / "library.sqlite"; }
  std::string booksFolder() const { return (folder.path() / "books").string(); }
  std::filesystem::path writeBook(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::filesystem::create_directories(booksFolder());
    const auto path = std::filesystem::path(booksFolder()) / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  ScanCounts scan(LibraryIndex& index) const { return scanFolders(index, {booksFolder()}, {booksFolder()}); }
  // "book name:page number" of each hit, in order.
  static std::vector<std::string> found(LibraryIndex& index, const std::string& query) {
    std::vector<std::string> hits;
    index.search({query, 20}, [&](const SearchHit& hit) {
      hits.push_back(std::filesystem::path(hit.bookPath).stem().string() + ":" + std::to_string(hit.page));
      return true;
    });
    return hits;
  }

  testing::TemporaryFolder folder;
};

TEST(QueryParser, GivesAValidExpressionOrNothingToSearch) {
  const auto expression = [](std::string_view text) {
    const auto parsed = parseQuery(text);
    return parsed ? parsed->expression : std::string("nothing to search");
  };
  EXPECT_EQ(expression("river garden"), "(\"river\" AND \"garden\")");
  EXPECT_EQ(expression("river AND garden"), "(\"river\" AND \"garden\")");
  EXPECT_EQ(expression("river OR garden"), "(\"river\") OR (\"garden\")");
  EXPECT_EQ(expression("river NOT garden village"), "((\"river\" AND \"village\") NOT \"garden\")");
  EXPECT_EQ(expression("NOT garden river"), "((\"river\") NOT \"garden\")");
  EXPECT_EQ(expression("\"quiet river\" gard*"), "(\"quiet river\" AND \"gard\"*)");
  EXPECT_EQ(expression("title:garden title: \"old mill\""), "(title : \"garden\" AND title : \"old mill\")");
  EXPECT_EQ(expression("\"unbalanced quote"), "(\"unbalanced quote\")");
  EXPECT_EQ(expression("say \"\"hi\"\""), "(\"say\" AND \"hi\")");
  EXPECT_EQ(expression("'); DROP TABLE books; --"), "(\"DROP\" AND \"TABLE\" AND \"books;\")");
  EXPECT_EQ(expression("river OR"), "(\"river\")");
  EXPECT_EQ(expression("a\"b"), "(\"a\" AND \"b\")");
  for (const char* nothing :
       {"", "   ", "NOT", "NOT river", "OR AND NOT", "\"\"", "*", "title:", "-- ; ')", "\xE2\x80\x94"})
    EXPECT_EQ(expression(nothing), "nothing to search") << nothing;
}

TEST_F(LibraryTest, AnyTypedTextSearchesOrSaysThereIsNothingToSearch) {
  writeBook("one.zeb", bookOf("One", {{"Cover", "<Z S0 >the quiet river"}}));
  LibraryIndex index(indexPath());
  scan(index);
  for (const char* text : {"river", "'); DROP TABLE books; --", "\"", "NOT", "title:\"", "a OR OR b", "NEAR(a b)",
                           "{title}:x", "x:y", "^river", "river*\"*", "\"\"\"", "(((", "AND OR NOT \"", "ri\xC3",
                           "col:umn \"river\" -x +y", "river NOT NOT quiet", "\xE2\x80\x94 river"}) {
    SearchEnd end = SearchEnd::stopped;
    EXPECT_NO_THROW(end = index.search({text, 5}, [](const SearchHit&) { return true; })) << text;
    EXPECT_NE(end, SearchEnd::stopped) << text;
  }
  EXPECT_EQ(index.search({"NOT river", 5}, [](const SearchHit&) { return true; }), SearchEnd::nothingToSearch);
  EXPECT_EQ(found(index, "\xE2\x80\x94 river"), (std::vector<std::string>{"one:0"}));
  EXPECT_EQ(index.books().size(), 1u);
}

TEST_F(LibraryTest, ScanningReadsOnlyWhatChangedAndRecordsDamagedBooks) {
  writeBook("a.zeb", bookOf("Alpha", {{"A0", "<Z S0 >old mill"}, {"A1", "<Z S0 >river"}}));
  writeBook("b.zeb", bookOf("Beta", {{"B0", "<Z S0 >garden"}}));
  const auto c = writeBook("c.zeb", bookOf("Gamma", {{"C0", "<Z S0 >village"}}));
  LibraryIndex index(indexPath());
  EXPECT_EQ(scan(index), (ScanCounts{.added = 3}));

  // A book whose size and time are the recorded ones is not read again: garbage of the same
  // size behind the same time goes unnoticed.
  const auto time = std::filesystem::last_write_time(c);
  const auto size = std::filesystem::file_size(c);
  writeBook("c.zeb", std::vector<std::uint8_t>(size, 0xEE));
  std::filesystem::last_write_time(c, time);
  EXPECT_EQ(scan(index), (ScanCounts{.unchanged = 3}));
  EXPECT_EQ(found(index, "village"), (std::vector<std::string>{"c:0"}));

  // A changed book replaces its pages; a removed one leaves; a damaged one is listed with
  // what loading it said, and the others are still read.
  const auto a = writeBook("a.zeb", bookOf("Alpha", {{"A0", "<Z S0 >new mill"}}));
  std::filesystem::last_write_time(a, time + std::chrono::seconds(5));
  std::filesystem::remove(std::filesystem::path(booksFolder()) / "b.zeb");
  std::filesystem::last_write_time(c, time + std::chrono::seconds(5));
  writeBook("d.zeb", bookOf("Delta", {{"D0", "<Z S0 >garden"}}));
  EXPECT_EQ(scan(index), (ScanCounts{.added = 1, .updated = 1, .failed = 1, .removed = 1}));
  EXPECT_EQ(found(index, "mill"), (std::vector<std::string>{"a:0"}));
  EXPECT_TRUE(found(index, "old").empty());
  EXPECT_TRUE(found(index, "river").empty());
  EXPECT_EQ(found(index, "garden"), (std::vector<std::string>{"d:0"}));
  EXPECT_TRUE(found(index, "village").empty());
  const auto books = index.books();
  ASSERT_EQ(books.size(), 3u);
  EXPECT_EQ(books[0].title, "Alpha");
  EXPECT_EQ(books[0].pageCount, 1);
  EXPECT_TRUE(books[1].damaged);
  EXPECT_EQ(books[1].message, "Unrecognized format. Error reading file: " + c.string());
  EXPECT_FALSE(books[2].damaged);
  // Each change marks the words' counts out of date, and the scan that made it counts again.
  EXPECT_TRUE(index.wordsCounted());
  index.removeBook(books[2].id);
  EXPECT_FALSE(index.wordsCounted());

  // Dropping the folder drops its books.
  EXPECT_EQ(scanFolders(index, {}, {}).removed, 2);
  EXPECT_TRUE(index.books().empty());
}

TEST_F(LibraryTest, ADamagedIndexFileIsMadeAnew) {
  writeBook("a.zeb", bookOf("Alpha", {{"A0", "<Z S0 >river"}}));
  {
    LibraryIndex index(indexPath());
    EXPECT_FALSE(index.rebuilt());
    scan(index);
  }
  {
    LibraryIndex index(indexPath());
    EXPECT_FALSE(index.rebuilt());
    EXPECT_EQ(index.books().size(), 1u);
  }
  // Overwrite the pages after the file header with garbage.
  {
    std::fstream file(indexPath(), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(100);
    const std::string garbage(8000, '\x5A');
    file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
  }
  LibraryIndex index(indexPath());
  EXPECT_TRUE(index.rebuilt());
  EXPECT_TRUE(index.books().empty());
  EXPECT_EQ(scan(index), (ScanCounts{.added = 1}));
  EXPECT_EQ(found(index, "river"), (std::vector<std::string>{"a:0"}));

  // A file that was never an index is replaced too.
  std::filesystem::remove(indexPath().string() + "-wal");
  std::filesystem::remove(indexPath().string() + "-shm");
  testing::TemporaryFolder other;
  const auto text = other.write("library.sqlite", std::string_view("not a database at all, not at all"));
  LibraryIndex replaced(text);
  EXPECT_TRUE(replaced.rebuilt());
  EXPECT_TRUE(replaced.books().empty());
}

TEST_F(LibraryTest, SearchIgnoresCaseAndAccentsAndRanksTitleHitsFirst) {
  writeBook("guide.zeb",
            bookOf("Guide", {{"Intro", "<Z S0 >The garden garden garden garden by the river"},
                             {"The Garden", "<Z S0 >flowers"},
                             {"Caf\xE9", "<Z S0 >A na\xEFve <Y g1 >CAF\xC9<Y > in the village<Z S0 >near the mill"}}));
  writeBook("notes.zeb", bookOf("Notes", {{"N0", "<Z S0 >garden"},
                                          {"N1", "<Z S0 >cafe au lait"},
                                          {"N2", "<Z S0 >th&eacute; &amp; biscuits"}}));
  LibraryIndex index(indexPath());
  scan(index);
  EXPECT_EQ(found(index, "garden"), (std::vector<std::string>{"guide:1", "guide:0", "notes:0"}));
  EXPECT_EQ(found(index, "title:garden"), (std::vector<std::string>{"guide:1"}));
  EXPECT_EQ(found(index, "cafe NAIVE"), (std::vector<std::string>{"guide:2"}));
  EXPECT_EQ(found(index, "caf*").size(), 2u);
  EXPECT_EQ(found(index, "\"village near\""), (std::vector<std::string>{"guide:2"}));
  EXPECT_TRUE(found(index, "\"near village\"").empty());
  EXPECT_EQ(found(index, "cafe NOT lait"), (std::vector<std::string>{"guide:2"}));
  EXPECT_EQ(found(index, "mill OR lait"), (std::vector<std::string>{"notes:1", "guide:2"}));
  // A search stopped at its first hit leaves the index ready for the next.
  EXPECT_EQ(index.search({"garden", 20}, [](const SearchHit&) { return false; }), SearchEnd::stopped);
  EXPECT_EQ(found(index, "garden").size(), 3u);

  std::vector<SearchHit> hits;
  index.search({"cafe", 20, "<b>", "</b>"}, [&](const SearchHit& hit) {
    hits.push_back(hit);
    return true;
  });
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0].bookTitle, "Guide");
  EXPECT_EQ(hits[0].pageTitle, "Caf\xC3\xA9");
  EXPECT_TRUE(hits[0].titleHit);
  EXPECT_EQ(hits[0].snippet, "A na\xC3\xAFve <b>CAF\xC3\x89</b> in the village near the mill");
  EXPECT_EQ(hits[1].snippet, "<b>cafe</b> au lait");
  EXPECT_GT(hits[0].score, 0);

  // Entities are the characters they stand for, in the index and in the snippets.
  hits.clear();
  index.search({"th\xC3\xA9 biscuits", 20, "<b>", "</b>"}, [&](const SearchHit& hit) {
    hits.push_back(hit);
    return true;
  });
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].snippet, "<b>th\xC3\xA9</b> & <b>biscuits</b>");
}

// The ranking reads lengths from memory and words' counts from its table, and must give the
// very scores of FTS5's bm25: for every operator, with the columns' weights, and for rows that
// came after the lengths were read or the words counted, until they are again.
TEST(PageRanking, GivesTheScoresOfFts5sBm25) {
  testing::TemporaryFolder folder;
  Database database(folder.path() / "rank.sqlite");
  PageLengths lengths;
  registerPageRanking(database, lengths);
  database.execute(std::string("CREATE VIRTUAL TABLE page_text USING fts5(body, title, tokenize='") + pageTokenizer +
                   "'); CREATE TABLE word_rows(word TEXT PRIMARY KEY, rows INTEGER NOT NULL) WITHOUT ROWID");
  Statement insert = database.prepare("INSERT INTO page_text(rowid, body, title) VALUES (?1, ?2, ?3)");
  const char* words[] = {"garden", "river", "mill", "village", "book", "page", "light"};
  for (int row = 1; row <= 60; ++row) {
    std::string body;
    for (int w = 0; w < 3 + row % 17; ++w) body += std::string(words[(row * 7 + w * w) % 7]) + ' ';
    insert.bind(1, std::int64_t{row * 3}).bind(2, body).bind(3, row % 5 == 0 ? "river garden" : "chapter").run();
  }
  const auto compare = [&](const char* query) {
    Statement ranked = database.prepare(
        "SELECT rowid, bm25(page_text, 1.0, 10.0), page_rank(page_text, 1.0, 10.0) FROM page_text "
        "WHERE page_text MATCH ?1");
    ranked.bind(1, std::string_view(query));
    int rows = 0;
    while (ranked.step()) {
      EXPECT_NEAR(ranked.real(1), ranked.real(2), 1e-9) << query << " row " << ranked.integer(0);
      ++rows;
    }
    EXPECT_GT(rows, 0) << query;
  };
  // What people type, with the words' counts where they are known.
  WordRows counts(database);
  const auto compareTyped = [&](const char* typed) {
    const std::optional<ParsedQuery> query = parseQuery(typed);
    ASSERT_TRUE(query) << typed;
    Statement ranked = database.prepare(
        "SELECT rowid, bm25(page_text, 1.0, 10.0), page_rank(page_text, 1.0, 10.0, ?2) FROM page_text "
        "WHERE page_text MATCH ?1");
    ranked.bind(1, query->expression).bindBlob(2, counts.rowsOf(query->phrases));
    int rows = 0;
    while (ranked.step()) {
      EXPECT_NEAR(ranked.real(1), ranked.real(2), 1e-9) << typed << " row " << ranked.integer(0);
      ++rows;
    }
    EXPECT_GT(rows, 0) << typed;
  };
  const auto typedQueries = {"garden", "GARDEN book", "garden OR mill", "garden NOT mill", "\"river garden\"",
                             "gard*", "title:river", "zebra OR garden"};
  lengths.refresh(database);
  for (const char* query : {"garden", "garden river", "garden OR mill", "garden NOT mill", "\"river garden\"",
                            "gard*", "title:river", "{body title}: garden"})
    compare(query);
  EXPECT_EQ(counts.rowsOf({{"garden"}}), std::vector<std::uint8_t>(8, 0xFF)) << "not counted yet";
  for (const char* typed : typedQueries) compareTyped(typed);
  counts.countIfNeeded();
  const std::vector<std::uint8_t> known = counts.rowsOf({{"Garden"}, {"gard", true}});
  ASSERT_EQ(known.size(), 16u);
  EXPECT_NE(std::vector<std::uint8_t>(known.begin(), known.begin() + 8), std::vector<std::uint8_t>(8, 0xFF));
  EXPECT_EQ(std::vector<std::uint8_t>(known.begin() + 8, known.end()), std::vector<std::uint8_t>(8, 0xFF));
  for (const char* typed : typedQueries) compareTyped(typed);

  // A row far past the others: the lengths are then looked up, not held by row.
  insert.bind(1, std::int64_t{1} << 40).bind(2, "garden garden garden mill").bind(3, "late").run();
  WordRows::invalidate(database);
  compare("garden mill");
  compareTyped("garden mill");
  lengths.refresh(database);
  counts.countIfNeeded();
  compare("garden mill");
  compareTyped("garden mill");
}

// The rows a search shows take their hits from what the ranking kept: the best entries by
// score, then by row, each with its own hits, and not many more, however many scores are equal.
TEST(BestRows, KeepsTheBestEntriesAndFewOthers) {
  std::mt19937 random(5);
  for (const std::size_t wanted : {1u, 3u, 20u}) {
    BestRows best;
    best.start(wanted);
    std::vector<std::pair<double, int>> entries;
    for (int row = 1; row <= 2000; ++row) {
      const double score = -static_cast<double>(random() % 40);  // many equal scores
      entries.emplace_back(score, row);
      if (best.wants(score, row)) best.keep({.row = row, .score = score, .firstColumnLength = row, .hits = {{0, row, 1}}});
    }
    std::sort(entries.begin(), entries.end());
    for (std::size_t i = 0; i < wanted; ++i) {
      const BestRows::Row* kept = best.find(entries[i].second);
      ASSERT_NE(kept, nullptr) << wanted << " row " << entries[i].second;
      EXPECT_EQ(kept->hits.at(0).offset, entries[i].second);
    }
    std::size_t kept = 0;
    for (int row = 1; row <= 2000; ++row) kept += best.find(row) != nullptr;
    EXPECT_LT(kept, 2 * wanted) << wanted;
  }
}

// The snippet made in one pass must be FTS5's own, to the byte: windows chosen by hits and by
// sentence starts, at the text's start and end, phrases, overlapping hits, hits in the
// other column only, and sizes from one word to more than the text.
TEST(PageSnippet, GivesTheTextOfFts5sSnippet) {
  testing::TemporaryFolder folder;
  Database database(folder.path() / "snippet.sqlite");
  registerPageSnippet(database);
  database.execute(std::string("CREATE VIRTUAL TABLE page_text USING fts5(body, title, tokenize='") + pageTokenizer +
                   "')");
  Statement insert = database.prepare("INSERT INTO page_text(rowid, body, title) VALUES (?1, ?2, ?3)");
  const char* words[] = {"garden", "river", "mill", "village", "book", "page", "light", "caf\xC3\xA9", "old"};
  const char* breaks[] = {" ", " ", ", ", ". ", ": ", " -- ", "\n\n", ".", "  "};
  std::mt19937 random(3);
  for (int row = 1; row <= 80; ++row) {
    std::string body = row % 4 == 0 ? "  " : "";
    const int length = 1 + static_cast<int>(random() % 60);
    for (int w = 0; w < length; ++w) body += std::string(words[random() % 9]) + breaks[random() % 9];
    insert.bind(1, std::int64_t{row}).bind(2, body).bind(3, row % 7 == 0 ? "garden title" : "chapter").run();
  }
  for (const char* query : {"garden", "garden river", "garden OR mill", "garden NOT mill", "\"river garden\"",
                            "\"garden river\" river", "gard*", "title:garden", "cafe", "old village light"})
    for (const int tokens : {1, 5, 12, 64}) {
      Statement both = database.prepare(
          "SELECT rowid, snippet(page_text, 0, '[', ']', '...', ?2), page_snippet(page_text, 0, '[', ']', '...', ?2) "
          "FROM page_text WHERE page_text MATCH ?1");
      both.bind(1, std::string_view(query)).bind(2, std::int64_t{tokens});
      int rows = 0;
      while (both.step()) {
        EXPECT_EQ(both.text(1), both.text(2)) << query << " / " << tokens << " row " << both.integer(0);
        ++rows;
      }
      EXPECT_GT(rows, 0) << query;
    }
}

}  // namespace
}  // namespace zeb::library
