// The pages of Ebook > Go to page.
#include "shell/go_to_page.h"

#include <algorithm>
#include <charconv>

#include "document/book_object.h"
#include "document/container.h"
#include "platform/code_pages.h"

namespace zeb::shell {
namespace {

const TZEBoggetto* livePage(const TZEBset& set, std::int32_t page) {
  if (page < 0) return nullptr;
  const TZEBoggetto* object = set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), page);
  return object != nullptr && !object->isReleased() ? object : nullptr;
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<PageTitle> pageTitles(const TZEBset& set) {
  std::vector<PageTitle> pages;
  const int count = set.count(kindNumber(TOggettiHel::testoHtml));
  for (std::int32_t page = 0; page < count; ++page)
    if (const TZEBoggetto* object = livePage(set, page))
      pages.push_back({page, bookTextToUtf8(object->Name(), set.codePageOf(*object))});
  return pages;
}

std::optional<std::string> pageTitle(const TZEBset& set, std::int32_t page) {
  const TZEBoggetto* object = livePage(set, page);
  if (object == nullptr) return std::nullopt;
  return bookTextToUtf8(object->Name(), set.codePageOf(*object));
}

std::optional<std::int32_t> pageNamedBy(const std::vector<PageTitle>& pages, std::string_view entry) {
  entry = trimmed(entry);
  if (entry.empty()) return std::nullopt;
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), number);
  if (error == std::errc() && end == entry.data() + entry.size() && entry.front() != '-') {
    const auto numbered =
        std::find_if(pages.begin(), pages.end(), [number](const PageTitle& p) { return p.page == number; });
    if (numbered != pages.end()) return number;
  }
  const std::string wanted = lowerUtf8(entry);
  // 0: the whole title, 1: its beginning, 2: anywhere in it.
  std::optional<std::int32_t> best;
  int bestRank = 3;
  for (const PageTitle& page : pages) {
    const std::string title = lowerUtf8(trimmed(page.title));
    const auto at = title.find(wanted);
    if (at == std::string::npos) continue;
    const int rank = title.size() == wanted.size() ? 0 : at == 0 ? 1 : 2;
    if (rank < bestRank || (rank == bestRank && page.page < *best)) {
      best = page.page;
      bestRank = rank;
    }
  }
  return best;
}

}  // namespace zeb::shell
