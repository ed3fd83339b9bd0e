// The in-page search: the walk over a page's paragraphs and into its table cells, and the
// match rule with its whole-word delimiters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_pages.h"

namespace zeb {

class TZEBbox;

// One paragraph the search reads: the box it belongs to and its index there.
struct SearchPlace {
  TZEBbox* box = nullptr;
  int paragraph = 0;
  bool operator==(const SearchPlace&) const = default;
};

// TZEBpar: the paragraphs of a box in search order. After each paragraph come the cells of
// the tables it holds, row by row and column by column, each cell's paragraphs in the same
// order. Only body paragraphs give text to the search; header and footer text does not.
class TZEBpar {
 public:
  explicit TZEBpar(TZEBbox& root);
  // Moves the walk to the place, so that the next step returns it; false when it is not
  // part of the walk.
  bool positionAt(const SearchPlace& place);
  std::optional<SearchPlace> next();

 private:
  void collect(TZEBbox& box, int depth);
  std::vector<SearchPlace> places_;
  std::size_t next_ = 0;
};

// Whether a byte separates words for the whole-word search: 32 to 47, 58 to 64, 91 to 96
// and 123 to 126. Letters, digits, control characters and everything from 127 up do not.
bool isSearchDelimiter(unsigned char byte);

// The first match of the pattern in the text at or after from: its start, or nothing.
// Without match case both are compared in lower case by the tables of their code page.
std::optional<std::size_t> findInParagraph(std::string_view text, std::string_view pattern, std::size_t from,
                                           int options, std::uint16_t codePage = 1252);

// A pattern (in the text's code page) with its search options, prepared once for the
// paragraphs of a search.
struct SearchPattern {
  SearchPattern(std::string_view pattern, int options, std::uint16_t codePage = 1252);
  const CodePage* codePage;
  std::string needle;  // in lower case unless the case must match
  bool matchCase;
  bool wholeWords;
};
std::optional<std::size_t> findInParagraph(std::string_view text, const SearchPattern& pattern, std::size_t from);

}  // namespace zeb
