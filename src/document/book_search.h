// Searching every page of a book for a query, in page order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/search_text.h"

namespace zeb {

class TZEBset;

struct PageHit {
  std::int32_t page = -1;  // kind-0 index
  std::string term;        // the term the page satisfied
};

// The live pages that satisfy the query, in number order. Page texts that are still in the
// book file are read through one sliding window instead of one read per page, and are not
// kept in memory afterwards.
std::vector<PageHit> searchBook(TZEBset& set, const SearchTerms& terms, int options);

}  // namespace zeb
