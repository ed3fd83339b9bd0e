// The plain text of a page for the book search, and the query test on it: A and B, or C
// and D, each a substring test.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

class TZEBtesto;

struct SearchTerms {
  std::string a, b, c, d;
};

// Option bits shared by the searches: bit 0 whole words, bit 1 match case.
inline constexpr int searchWholeWords = 1;
inline constexpr int searchMatchCase = 2;

// Moves the terms up: D into an empty C, then B into an empty A, then C and D into A and B
// when both are empty. A term given alone, wherever it stands, ends as A.
void normaliseTerms(SearchTerms& terms);

// A query over many pages: the terms are normalised once, the plain-text buffer is reused
// from page to page.
class PageQuery {
 public:
  PageQuery(SearchTerms terms, int options);

  bool hasTerms() const { return !terms_.a.empty() || !terms_.c.empty(); }
  // The term the page's markup satisfies (A, else C), or empty. textFormat is the page's
  // text-format byte: 1 for the older markup, in which every tag runs to the next ">".
  std::string_view test(std::span<const std::uint8_t> markup, int textFormat);
  // The same answer, always from the built plain text (the reference the quicker way is
  // checked against).
  std::string_view testByPlainText(std::span<const std::uint8_t> markup, int textFormat);
  // The plain text the last plain-text test searched.
  std::string_view plainText() const { return {plain_.data(), plainLength_}; }

 private:
  void buildPlainText(std::span<const std::uint8_t> markup, int textFormat);
  bool contains(std::string_view term) const;
  // A when the page holds A and B, else C when it holds C and D, else empty; holds(term)
  // tells whether the page holds one term.
  template <typename Holds>
  std::string_view heldTerm(Holds holds) const;

  SearchTerms terms_;
  bool matchCase_;
  std::vector<char> plain_;
  std::size_t plainLength_ = 0;
};

// The term one page satisfies, or empty: a page without text gives nothing.
std::string plainTextSearch(TZEBtesto& page, const SearchTerms& terms, int options);

}  // namespace zeb
