// The keyword list, prefix search ignoring case, and the pages of a keyword.
#include "shell/keyword_search.h"

#include "document/book_object.h"
#include "document/container.h"
#include "platform/message_boxes.h"
#include "platform/code_pages.h"
#include "shell/messages.h"

namespace zeb {

std::vector<ObjectListItem> keywordListItems(TZEBset& set) {
  std::vector<ObjectListItem> items = listObjectItems(set, TOggettiHel::keyword);
  sortObjectListItems(items, 0, set.codePage());
  return items;
}

namespace {

bool beginsWith(std::string_view title, std::string_view loweredPrefix, const CodePage& codePage) {
  return title.size() >= loweredPrefix.size() && codePage.lower(title.substr(0, loweredPrefix.size())) == loweredPrefix;
}

}  // namespace

std::vector<std::size_t> keywordsBeginningWith(const std::vector<ObjectListItem>& keywords, std::string_view prefix,
                                               std::uint16_t codePage) {
  const CodePage& page = CodePage::of(codePage);
  const std::string lowered = page.lower(prefix);
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < keywords.size(); ++i)
    if (beginsWith(keywords[i].caption, lowered, page)) found.push_back(i);
  return found;
}

std::optional<std::size_t> findKeyword(const std::vector<ObjectListItem>& keywords, std::string_view typed,
                                       MessageBoxes& messages, std::uint16_t codePage) {
  if (typed.empty()) return std::nullopt;
  if (keywords.empty()) {
    messages.information(messages::noKeywordsDefined);
    return std::nullopt;
  }
  const CodePage& page = CodePage::of(codePage);
  const std::string lowered = page.lower(typed);
  for (std::size_t i = 0; i < keywords.size(); ++i)
    if (beginsWith(keywords[i].caption, lowered, page)) return i;
  return std::nullopt;
}

bool pageCarriesKeyword(const TZEBoggetto& page, std::int32_t filterValue) {
  if (filterValue < 0) return false;
  for (int slot = 0; slot < field::pageKeywordSlots; ++slot)
    if (page.record().i32(field::pageKeywords + 4 * slot) == filterValue) return true;
  return false;
}

std::vector<std::int32_t> pagesWithKeyword(TZEBset& set, std::int32_t filterValue) {
  std::vector<std::int32_t> pages;
  const int count = set.count(kindNumber(TOggettiHel::testoHtml));
  for (std::int32_t i = 0; i < count; ++i) {
    const TZEBoggetto* page = set.slot(TOggettiHel::testoHtml, i);
    if (page != nullptr && !page->isReleased() && pageCarriesKeyword(*page, filterValue)) pages.push_back(i);
  }
  return pages;
}

std::string pagesContainingCaption(std::string_view keywordTitle) {
  return std::string(messages::pagesContaining) + "\"" + std::string(keywordTitle) + "\"";
}

}  // namespace zeb
