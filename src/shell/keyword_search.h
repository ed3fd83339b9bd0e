// The keyword search: the list of keywords, finding one by the first letters typed, and the
// pages that carry it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/object_list.h"

namespace zeb {

class MessageBoxes;
class TZEBoggetto;
class TZEBset;

// The keyword list: the book's live keywords sorted by title ignoring case (in the book's
// code page); keywords of the same title keep the book's order.
std::vector<ObjectListItem> keywordListItems(TZEBset& set);

// The keywords whose titles begin with the prefix ignoring case (by the tables of the book's
// code page, in which the prefix is given too), in list order; every keyword for an empty
// prefix.
std::vector<std::size_t> keywordsBeginningWith(const std::vector<ObjectListItem>& keywords, std::string_view prefix,
                                               std::uint16_t codePage = 1252);

// The search of the keyword page: nothing for an empty text; the information box
// "No keywords defined." when the list is empty; else the first keyword whose title begins
// with the text ignoring case, or none.
std::optional<std::size_t> findKeyword(const std::vector<ObjectListItem>& keywords, std::string_view typed,
                                       MessageBoxes& messages, std::uint16_t codePage = 1252);

// A keyword's filter value: the low 24 bits of its identifier (its index).
constexpr std::int32_t keywordFilterValue(std::uint32_t identifier) {
  return static_cast<std::int32_t>(identifier & 0xFFFFFFu);
}
// Whether one of the page's twenty keyword slots holds the value. Unused slots hold -1, so
// a negative value (no keyword chosen) matches no page.
bool pageCarriesKeyword(const TZEBoggetto& page, std::int32_t filterValue);
// The live pages that carry the keyword, in number order.
std::vector<std::int32_t> pagesWithKeyword(TZEBset& set, std::int32_t filterValue);

// The caption above the pages of a chosen keyword: "Pages containing " and the title in
// double quotes.
std::string pagesContainingCaption(std::string_view keywordTitle);

}  // namespace zeb
