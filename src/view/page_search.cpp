// The in-page search walk and match.
#include "view/page_search.h"

#include "document/search_text.h"
#include "text/markup_stream.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {

TZEBpar::TZEBpar(TZEBbox& root) { collect(root, 0); }

void TZEBpar::collect(TZEBbox& box, int depth) {
  for (int i = 0; i < box.paragraphCount(); ++i) {
    TZEBparag& paragraph = box.paragraph(i);
    if (paragraph.Origin == paragraphOrigin::body) places_.push_back({&box, i});
    // Tables in tables are read at most this deep, and so are they walked.
    if (depth >= limits::maxTableNesting) continue;
    for (const EmbeddedRef& object : paragraph.Objects) {
      TableCells* table = object.visual != nullptr ? object.visual->tableCells() : nullptr;
      if (table == nullptr) continue;
      for (const auto& cell : table->cells())
        if (cell) collect(*cell, depth + 1);
    }
  }
}

bool TZEBpar::positionAt(const SearchPlace& place) {
  for (std::size_t i = 0; i < places_.size(); ++i) {
    if (places_[i] == place) {
      next_ = i;
      return true;
    }
  }
  return false;
}

std::optional<SearchPlace> TZEBpar::next() {
  if (next_ >= places_.size()) return std::nullopt;
  return places_[next_++];
}

bool isSearchDelimiter(unsigned char byte) {
  return (byte >= 32 && byte <= 47) || (byte >= 58 && byte <= 64) || (byte >= 91 && byte <= 96) ||
         (byte >= 123 && byte <= 126);
}

SearchPattern::SearchPattern(std::string_view pattern, int options, std::uint16_t codePage)
    : codePage(&CodePage::of(codePage)),
      needle((options & searchMatchCase) != 0 ? std::string(pattern) : this->codePage->lower(pattern)),
      matchCase((options & searchMatchCase) != 0),
      wholeWords((options & searchWholeWords) != 0) {}

std::optional<std::size_t> findInParagraph(std::string_view text, std::string_view pattern, std::size_t from,
                                           int options, std::uint16_t codePage) {
  return findInParagraph(text, SearchPattern(pattern, options, codePage), from);
}

std::optional<std::size_t> findInParagraph(std::string_view text, const SearchPattern& pattern, std::size_t from) {
  const std::string_view needle = pattern.needle;
  if (needle.empty() || needle.size() > text.size()) return std::nullopt;
  // Lower case changes no length: positions in the lowered text are those of the text.
  std::string lowered;
  std::string_view haystack = text;
  if (!pattern.matchCase) {
    lowered = pattern.codePage->lower(text);
    haystack = lowered;
  }
  for (std::size_t at = haystack.find(needle, from); at != std::string_view::npos; at = haystack.find(needle, at + 1)) {
    if (!pattern.wholeWords) return at;
    const bool startsWord = at == 0 || isSearchDelimiter(static_cast<unsigned char>(text[at - 1]));
    const std::size_t end = at + needle.size();
    const bool endsWord = end >= text.size() || isSearchDelimiter(static_cast<unsigned char>(text[end]));
    if (startsWord && endsWord) return at;
  }
  return std::nullopt;
}

}  // namespace zeb
