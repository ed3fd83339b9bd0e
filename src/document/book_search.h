// Searching every page of a book for a query, in page order.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/search_text.h"

namespace zeb {

class TZEBset;

struct PageHit {
  std::int32_t page = -1;  // kind-0 index
  std::string term;        // the term the page satisfied, in the page's code page
  std::uint16_t codePage = 1252;
};

// A page that satisfies a query, with its stored text (valid only during the call it is
// handed to).
struct PageMatch {
  std::int32_t page = -1;
  std::string_view term;
  std::span<const std::uint8_t> text;
  int textFormat = 0;
  std::uint16_t codePage = 1252;  // of the page's text and the term
};

// The live pages from firstPage on that satisfy the query (terms as typed, in UTF-8, each
// page searched in its own code page), handed to onMatch in number order until it returns
// false.
void forEachMatchingPage(TZEBset& set, const SearchTerms& terms, int options, std::int32_t firstPage,
                         const std::function<bool(const PageMatch&)>& onMatch);

// The live pages that satisfy the query, in number order. Page texts that are still in the
// book file are read through one sliding window instead of one read per page, and are not
// kept in memory afterwards.
std::vector<PageHit> searchBook(TZEBset& set, const SearchTerms& terms, int options);

}  // namespace zeb
