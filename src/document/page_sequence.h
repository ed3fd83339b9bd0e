// Pages in sequence (previous and next page of a group) and the frame map of a page.
#pragma once

#include <cstdint>

namespace zeb {

class TZEBset;
class TZEBoggetto;

// The kind-0 index of the live page of the same sequence group with the greatest number
// below the page's own (previous) or the smallest above it (next). The page itself when
// there is none, or when its number is negative (it takes part in no sequence).
std::int32_t previousPage(const TZEBset& set, std::int32_t page);
std::int32_t nextPage(const TZEBset& set, std::int32_t page);

// The frame map (kind 9) a page is shown with, or none.
TZEBoggetto* frameMapOfPage(const TZEBset& set, std::int64_t page);

}  // namespace zeb
