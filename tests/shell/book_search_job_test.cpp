// The whole-book search job: the same pages as the book search, hits streamed as they are
// found, cancelling, the first hit only, snippets, and texts changed in memory.
#include "shell/book_search_job.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "document/book_search.h"
#include "document/page_object.h"
#include "shell/search_snippet.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/temporary_folder.h"

namespace zeb {
namespace {

class BookSearchJobTest : public testing::ShellBook {
 protected:
  // Pages "Page i" whose texts say which words they hold; page 3 hides "secret" in a D block.
  void loadBook(int pages = 40) {
    const auto path = folder.write("book.zeb", testing::bookBytes([pages](TZEBset& book) {
                                     for (int i = 0; i < pages; ++i) {
                                       std::string text = "<Z S0 >Page " + std::to_string(i) + " says";
                                       if (i % 10 == 1) text += " alpha";
                                       if (i % 10 == 2) text += " alpha and beta";
                                       if (i % 10 == 5) text += " Gamma<Y g1 >ray";
                                       if (i == 3) text += "<D hidden>secret<d> visible";
                                       zebmake::addPage(book, "Page " + std::to_string(i), text);
                                     }
                                   }));
    ASSERT_TRUE(set.Load(path.string()));
  }

  struct Run {
    std::vector<FoundPage> hits;
    std::vector<SearchProgress> progress;
    SearchEnd end = SearchEnd::completed;
    std::vector<std::int32_t> pages() const {
      std::vector<std::int32_t> out;
      for (const auto& hit : hits) out.push_back(hit.page);
      return out;
    }
  };
  Run search(BookSearchRequest request) {
    Run run;
    BookSearchJob job(set, std::move(request));
    BookSearchJob::Observer observer;
    observer.onHit = [&](const FoundPage& hit) { run.hits.push_back(hit); };
    observer.onProgress = [&](const SearchProgress& progress) { run.progress.push_back(progress); };
    run.end = job.run(observer);
    return run;
  }

  testing::TemporaryFolder folder;
};

TEST_F(BookSearchJobTest, FindsTheSamePagesAsTheBookSearch) {
  loadBook(1000);
  for (const SearchTerms& terms : {SearchTerms{"alpha", "beta", "", ""}, SearchTerms{"alpha", "", "gamma", ""},
                                   SearchTerms{"", "", "", "RAY"}, SearchTerms{"says", "", "", ""}}) {
    const Run run = search({terms, 0});
    const auto expected = searchBook(set, terms, 0);
    ASSERT_EQ(run.hits.size(), expected.size()) << terms.a << terms.b << terms.c << terms.d;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(run.hits[i].page, expected[i].page);
      EXPECT_EQ(run.hits[i].term, expected[i].term);
    }
    EXPECT_EQ(run.end, SearchEnd::completed);
  }
}

TEST_F(BookSearchJobTest, TheQueryCasesOfTheBookSearch) {
  loadBook();
  // Both terms are needed: page 1 has only "alpha".
  EXPECT_EQ(search({{"alpha", "beta", "", ""}, 0}).pages(), (std::vector<std::int32_t>{2, 12, 22, 32}));
  // The second pair matches where the first does not, with its own term.
  const Run either = search({{"beta", "", "gamma", ""}, 0});
  EXPECT_EQ(either.pages(), (std::vector<std::int32_t>{2, 5, 12, 15, 22, 25, 32, 35}));
  EXPECT_EQ(either.hits[1].term, "gamma");
  // Terms match inside words and across tags; a D block is never text.
  EXPECT_EQ(search({{"mara", "", "", ""}, 0}).pages(), (std::vector<std::int32_t>{5, 15, 25, 35}));
  EXPECT_TRUE(search({{"secret", "", "", ""}, 0}).hits.empty());
  EXPECT_EQ(search({{"visible", "", "", ""}, 0}).pages(), (std::vector<std::int32_t>{3}));
  EXPECT_TRUE(search({{"gamma", "", "", ""}, searchMatchCase}).hits.empty());
}

TEST_F(BookSearchJobTest, HitsArriveBeforeTheEndAndAStopEndsTheSearch) {
  loadBook(2000);
  BookSearchJob job(set, {{"alpha", "", "", ""}, 0});
  ASSERT_EQ(job.pageCount(), 2000u);
  std::stop_source stop;
  std::vector<FoundPage> hits;
  std::vector<SearchProgress> progress;
  BookSearchJob::Observer observer;
  observer.onHit = [&](const FoundPage& hit) {
    hits.push_back(hit);
    if (hits.size() == 3) stop.request_stop();
  };
  observer.onProgress = [&](const SearchProgress& step) { progress.push_back(step); };
  EXPECT_EQ(job.run(observer, stop.get_token()), SearchEnd::cancelled);
  EXPECT_EQ(hits.size(), 3u);
  EXPECT_TRUE(progress.empty());  // stopped long before the first 256 pages were examined

  const Run whole = search({{"alpha", "", "", ""}, 0});
  ASSERT_EQ(whole.hits.size(), 400u);
  ASSERT_FALSE(whole.progress.empty());
  EXPECT_EQ(whole.progress.front().examined, 256u);
  EXPECT_EQ(whole.progress.back().examined, 2000u);
  EXPECT_EQ(whole.progress.back().total, 2000u);
}

TEST_F(BookSearchJobTest, TheSearchInTheBookStartsAtAPageAndStopsAtTheFirstHit) {
  loadBook();
  const Run run = search({{"alpha", "", "", ""}, 0, 3, true});
  EXPECT_EQ(run.pages(), (std::vector<std::int32_t>{11}));
  EXPECT_EQ(run.progress.back().examined, 9u);  // pages 3 to 11
  EXPECT_EQ(run.progress.back().total, 37u);
  EXPECT_TRUE(search({{"alpha", "", "", ""}, 0, 33, true}).hits.empty());
  EXPECT_TRUE(search({{"alpha", "", "", ""}, 0, 400, true}).hits.empty());
}

TEST_F(BookSearchJobTest, TextsChangedInMemoryAreSearchedAsTheyAreNow) {
  loadBook();
  static_cast<TZEBtesto*>(set.slot(TOggettiHel::testoHtml, 7))->setText(std::string_view("<Z S0 >now alpha\0", 17));
  set.slot(TOggettiHel::testoHtml, 11)->Release();
  const Run run = search({{"alpha", "", "", ""}, 0});
  EXPECT_EQ(run.pages(), (std::vector<std::int32_t>{1, 2, 7, 12, 21, 22, 31, 32}));
}

TEST_F(BookSearchJobTest, ABookFileThatChangedIsNotRead) {
  loadBook();
  BookSearchJob job(set, {{"alpha", "", "", ""}, 0});
  folder.write("book.zeb", std::string("short"));
  EXPECT_EQ(job.run({}), SearchEnd::bookUnreadable);
}

TEST_F(BookSearchJobTest, SnippetsShowTheTermInItsOwnCaseWithWordsAround) {
  loadBook();
  const Run run = search({{"RAY", "", "", ""}, 0, 0, true});
  ASSERT_EQ(run.hits.size(), 1u);
  EXPECT_EQ(run.hits[0].snippet, "Page 5 says Gammaray");

  auto snippet = [](std::string_view markup, std::string_view term, bool matchCase = false) {
    return pageSnippet({reinterpret_cast<const std::uint8_t*>(markup.data()), markup.size()}, 2, term, matchCase);
  };
  const std::string fox = "<Z S0 >The quick brown fox jumps over the lazy dog<Z S0 >near the river bank today";
  EXPECT_EQ(snippet(fox, "lazy"),
            "\x85"
            "fox jumps over the lazy dog near the river\x85");
  EXPECT_EQ(snippet(fox, "ump"), "The quick brown fox jumps over the lazy dog\x85");
  EXPECT_EQ(snippet(fox, "The", true), "The quick brown fox jumps\x85");
  EXPECT_EQ(snippet(fox, "absent"), "");
  // Long words are cut: neither side takes more than its share.
  const std::string longWords = "<Z S0 >" + std::string(100, 'a') + " key " + std::string(100, 'b');
  const std::string cut = snippet(longWords, "key");
  EXPECT_EQ(cut, "\x85" + std::string(59, 'a') + " key " + std::string(59, 'b') + "\x85");
}

}  // namespace
}  // namespace zeb
