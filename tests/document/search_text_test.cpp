// The plain text of pages for the book search, the query test, and the book search itself.
#include <gtest/gtest.h>

#include <random>

#include "document/book_search.h"
#include "document/container.h"
#include "document/markup_search.h"
#include "document/search_text.h"
#include "tests/support/book_builder.h"
#include "tests/support/test_platform.h"

namespace zeb {
namespace {

std::span<const std::uint8_t> bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string plainOf(std::string_view markup, int format = 2, int options = 0) {
  PageQuery query({"\x01", "", "", ""}, options);  // a term that is never found, to build the text
  query.testByPlainText(bytes(markup), format);
  return std::string(query.plainText());
}

TEST(SearchText, PlainTextDropsTagsAndBreaksParagraphs) {
  EXPECT_EQ(plainOf("<Z S0 >Hello <Y g1 >World<Y ><Z S2 A1 >Next &amp; last"), "\r\nhello world\r\nnext &amp; last");
  EXPECT_EQ(plainOf("<Z S0 >a<D skipped <x> <d>b<F><f>c<R whatever<r>d"), "\r\nabcd");
  EXPECT_EQ(plainOf("<Z S0 >caf\xC9 \xC0 \x8A\x9F \xD7"), "\r\ncaf\xE9 \xE0 \x9A\xFF \xD7");
  EXPECT_EQ(plainOf("<Z S0 >MiXed", 2, searchMatchCase), "\r\nMiXed");
  EXPECT_EQ(plainOf("<Z S0 >unclosed <Y c000000"), "\r\nunclosed ");
  // The older markup knows no paragraph tags or blocks: every tag runs to the next ">".
  EXPECT_EQ(plainOf("<P>one<D x>two<d>three", 1), "onetwothree");
}

TEST(SearchText, TermsMoveUpWhenTheFirstAreEmpty) {
  const std::string page = "<Z S0 >apples and pears";
  auto test = [&](SearchTerms terms, int options = 0) {
    PageQuery query(std::move(terms), options);
    return std::string(query.test(bytes(page), 2));
  };
  EXPECT_EQ(test({"", "pears", "", ""}), "pears");      // B alone acts as A
  EXPECT_EQ(test({"", "", "plums", "apples"}), "");     // C and D become A and B
  EXPECT_EQ(test({"", "", "pears", "apples"}), "pears");
  EXPECT_EQ(test({"plums", "", "", "apples"}), "apples");  // D alone becomes C
  // D alone moves to C, and then C to A: it is the single term.
  EXPECT_EQ(test({"", "", "", "pears"}), "pears");
  EXPECT_EQ(test({"", "", "", "plums"}), "");
  EXPECT_EQ(test({"", "plums", "", "pears"}), "pears");
  EXPECT_EQ(test({"APPLES", "Pears", "", ""}), "apples");  // lower-cased unless the case matters
  EXPECT_EQ(test({"APPLES", "", "", ""}, searchMatchCase), "");
  EXPECT_EQ(test({"apples", "plums", "and", ""}), "and");
  EXPECT_EQ(test({"", "", "", ""}), "");
}

TEST(SearchText, PageWithoutTextGivesNothing) {
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  auto page = createObject(TOggettiHel::testoHtml);
  EXPECT_EQ(plainTextSearch(static_cast<TZEBtesto&>(*page), {"a", "", "", ""}, 0), "");
  TZEBtesto& withText = zebmake::addPage(set, "p", "<Z S0 >Zebra");
  EXPECT_EQ(plainTextSearch(withText, {"zebra", "", "", ""}, 0), "zebra");
}

// The markup matcher must answer exactly as the plain text does, whatever the markup, in
// Windows-1252 and in code pages where three or four bytes lower alike (Greek sigmas, the
// Turkish dotted and dotless i) or every letter lies above 0x7F (Cyrillic).
TEST(SearchText, MarkupMatcherAgreesWithThePlainText) {
  std::mt19937 random(7);
  const std::vector<std::string> pieces = {"<Z S0 >", "<Z S1 A2 >", "<Y g1 >", "<Y >", "<$01000002>", "<%>",
                                           "<D data<d>", "<F <x> f<f>", "<R r", "&amp;", "ab", "AB", "b c", "ca",
                                           "\xC9t\xE9", "\xE9T\xC9", " ", ">", "<", "a<", "<Zx", "abc", "cab",
                                           "\xDDi\xFD", "I\xD3\xF2", "\xF3\xC0\xE0",
                                           "\xE0\xE0\xE0\xE0\xE0\xE0\xE0\xE0"};
  const std::vector<std::string> terms = {"ab", "abc", "b c", "cab", "a", "\xE9t\xE9", "ca", "bca", "data", "x",
                                          "c a", "ab ab", "\r\nab", "a>", "i\xF3", "\xFDi", "\xE0\xF3", "\xF2i"};
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  int found = 0;
  for (const std::uint16_t codePage : {1252, 1251, 1253, 1254}) {
    for (int round = 0; round < (codePage == 1252 ? 20000 : 3000); ++round) {
      std::string markup;
      for (int n = length(random); n > 0; --n) markup += pieces[piece(random)];
      const int format = round % 5 == 0 ? 1 : 2;
      for (const std::string& term : terms) {
        for (const int options : {0, searchMatchCase}) {
          PageQuery query({term, "", "", ""}, options, codePage);
          const std::string fast(query.test(bytes(markup), format));
          const std::string reference(query.testByPlainText(bytes(markup), format));
          ASSERT_EQ(fast, reference) << "markup: " << markup << "\nterm: " << term << " format " << format
                                     << " code page " << codePage;
          if (!fast.empty() && codePage == 1252) ++found;
        }
      }
    }
  }
  EXPECT_GT(found, 10000);
}

// Lower-casing follows the code page: Cyrillic capitals meet their small letters, which
// Windows-1252's table would have turned into other letters; typed terms a code page cannot
// hold match nothing, not even a "?" of the text.
TEST(SearchText, TermsAndTextAreLoweredByTheirCodePage) {
  const std::string page = "<Z S0 >\xCF\xD0\xC8\xC2\xC5\xD2 \xDF?";  // ПРИВЕТ Я?
  EXPECT_EQ(PageQuery({"\xEF\xF0\xE8", "", "", ""}, 0, 1251).test(bytes(page), 2), "\xEF\xF0\xE8");
  EXPECT_EQ(PageQuery({"\xFF", "", "", ""}, 0, 1251).test(bytes(page), 2), "\xFF");
  EXPECT_EQ(PageQuery({"\xFF", "", "", ""}, 0, 1252).test(bytes(page), 2), "");
  EXPECT_EQ(PageQuery::ofTypedTerms({"привет", "", "", ""}, 0, 1251).test(bytes(page), 2),
            "\xEF\xF0\xE8\xE2\xE5\xF2");
  EXPECT_EQ(PageQuery::ofTypedTerms({"中", "", "я", ""}, 0, 1251).test(bytes(page), 2), "\xFF");
  EXPECT_EQ(PageQuery::ofTypedTerms({"я", "中", "", ""}, 0, 1251).test(bytes(page), 2), "");
  EXPECT_EQ(PageQuery::ofTypedTerms({"中", "", "", ""}, 0, 1251).testByPlainText(bytes(page), 2), "");
}

TEST(SearchText, MarkupMatcherLeavesWhatItCannotTellToThePlainText) {
  bool matchCase = false;
  EXPECT_EQ(markupHolds(bytes("<Z S0 >a\r\nb"), 2, "a\r\nb", matchCase), std::nullopt);
  EXPECT_EQ(markupHolds(bytes("<Z S0 ><D x<d>term"), 2, "term", matchCase), std::nullopt);
  EXPECT_EQ(markupHolds(bytes("<Z S0 >term<D x<d>"), 2, "term", matchCase), true);
  EXPECT_EQ(markupHolds(bytes("<Z S0 >te<Y g1 >rm"), 2, "term", matchCase), true);
  EXPECT_EQ(markupHolds(bytes("<Z S0 ><Y Fterm >x"), 2, "term", matchCase), false);
}

TEST(BookSearch, FindsLivePagesInNumberOrder) {
  testing::TemporaryFolder folder;
  testing::TestPlatform platform;
  TZEBset set(platform.services());
  const auto book = testing::bookBytes([](TZEBset& b) {
    zebmake::addPage(b, "a", "<Z S0 >The river flows");
    zebmake::addPage(b, "b", "<Z S0 >No water here");
    TZEBtesto& gone = zebmake::addPage(b, "c", "<Z S0 >river");
    zebmake::addPage(b, "d", "<Z S0 >Riv<Y g1 >er and <Y >sea");
    gone.Release();
  });
  ASSERT_TRUE(set.Load(folder.write("book.zeb", book).string()));
  std::vector<std::pair<int, std::string>> found;
  for (const PageHit& hit : searchBook(set, {"RIVER", "", "water", ""}, 0)) found.emplace_back(hit.page, hit.term);
  EXPECT_EQ(found, (std::vector<std::pair<int, std::string>>{{0, "river"}, {1, "water"}, {3, "river"}}));
  auto pagesOf = [](const std::vector<PageHit>& hits) {
    std::vector<int> pages;
    for (const PageHit& hit : hits) pages.push_back(hit.page);
    return pages;
  };
  // Matching case, "River" is only on page 3 and "river" only on page 0; ignoring it, both are on both.
  EXPECT_EQ(pagesOf(searchBook(set, {"River", "", "", ""}, searchMatchCase)), std::vector<int>{3});
  EXPECT_EQ(pagesOf(searchBook(set, {"river", "", "", ""}, searchMatchCase)), std::vector<int>{0});
  EXPECT_EQ(pagesOf(searchBook(set, {"River", "", "", ""}, 0)), (std::vector<int>{0, 3}));
  EXPECT_TRUE(searchBook(set, {"", "", "", ""}, 0).empty());
  // Searching reads the texts without keeping them.
  EXPECT_EQ(set.slot(TOggettiHel::testoHtml, 0)->primaryBlob().source(), Blob::Source::pending);
}

}  // namespace
}  // namespace zeb
