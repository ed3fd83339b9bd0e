// The plain text of a page for the book search, and the query test on it: A and B, or C
// and D, each a substring test.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/code_pages.h"

namespace zeb {

class TZEBtesto;

// Four terms: in a code page's bytes for a PageQuery, in UTF-8 as the user typed them for
// the searches through a book (whose pages each have their code page).
struct SearchTerms {
  std::string a, b, c, d;
};

// Option bits shared by the searches: bit 0 whole words, bit 1 match case.
inline constexpr int searchWholeWords = 1;
inline constexpr int searchMatchCase = 2;

// Moves the terms up: D into an empty C, then B into an empty A, then C and D into A and B
// when both are empty. A term given alone, wherever it stands, ends as A.
void normaliseTerms(SearchTerms& terms);

// A query over many pages of one code page: the terms are normalised once, the plain-text
// buffer is reused from page to page. Lower-casing follows the code page's own tables.
class PageQuery {
 public:
  // Terms in the code page's bytes.
  PageQuery(SearchTerms terms, int options, std::uint16_t codePage = codePage::windows1252);
  // Terms as typed (UTF-8), converted into the code page: a term holding a character the
  // code page lacks matches nothing.
  static PageQuery ofTypedTerms(const SearchTerms& typed, int options, std::uint16_t codePage);

  bool hasTerms() const { return !a_.bytes.empty() || !c_.bytes.empty(); }
  // The term the page's markup satisfies (A, else C), or empty. textFormat is the page's
  // text-format byte: 1 for the older markup, in which every tag runs to the next ">".
  std::string_view test(std::span<const std::uint8_t> markup, int textFormat);
  // The same answer, always from the built plain text (the reference the quicker way is
  // checked against).
  std::string_view testByPlainText(std::span<const std::uint8_t> markup, int textFormat);
  // The plain text the last plain-text test searched.
  std::string_view plainText() const { return {plain_.data(), plainLength_}; }
  // The page's plain text, built whatever the terms (in the page's own case when the case
  // must match); valid until the next test.
  std::string_view plainTextOf(std::span<const std::uint8_t> markup, int textFormat) {
    buildPlainText(markup, textFormat);
    return plainText();
  }

 private:
  struct Term {
    std::string bytes;
    bool matchable = true;
    // The bytes a match can start with; unknown when more than two lower to the first.
    std::uint8_t first = 0;
    std::uint8_t other = 0;
    bool candidatesKnown = true;
  };
  PageQuery(int options, std::uint16_t codePage);
  void prepare(Term& term) const;
  void buildPlainText(std::span<const std::uint8_t> markup, int textFormat);
  bool contains(const Term& term) const;
  // A when the page holds A and B, else C when it holds C and D, else empty; holds(term)
  // tells whether the page holds one term.
  template <typename Holds>
  std::string_view heldTerm(Holds holds) const;

  Term a_, b_, c_, d_;
  bool matchCase_;
  const CodePage* codePage_;
  std::vector<char> plain_;
  std::size_t plainLength_ = 0;
};

// A query of typed terms over pages of any code page: one PageQuery per code page met.
class BookQuery {
 public:
  BookQuery(SearchTerms typed, int options) : typed_(std::move(typed)), options_(options) {}
  bool hasTerms() const { return !typed_.a.empty() || !typed_.b.empty() || !typed_.c.empty() || !typed_.d.empty(); }
  // The term, in the page's code page, that the page's markup satisfies; empty for none.
  std::string_view test(std::span<const std::uint8_t> markup, int textFormat, std::uint16_t codePage);

 private:
  SearchTerms typed_;
  int options_;
  std::vector<std::pair<std::uint16_t, PageQuery>> queries_;
};

// The term one page satisfies, or empty: a page without text gives nothing. The terms are
// in the page's code page.
std::string plainTextSearch(TZEBtesto& page, const SearchTerms& terms, int options);

}  // namespace zeb
