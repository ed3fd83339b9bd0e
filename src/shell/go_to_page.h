// Ebook > Go to page: the pages a reader can name by number or by title, and the page a
// typed entry names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {
class TZEBset;
}

namespace zeb::shell {

struct PageTitle {
  std::int32_t page = -1;
  std::string title;  // UTF-8
  bool operator==(const PageTitle&) const = default;
};

// The book's live pages in the order of their numbers, with their titles.
std::vector<PageTitle> pageTitles(const TZEBset& set);
// The title of a live page (UTF-8); none for a number that names no page.
std::optional<std::string> pageTitle(const TZEBset& set, std::int32_t page);

// The page an entry names, blanks around it ignored: a number names that page when the book
// has it; otherwise the entry is a title, or part of one, in any letter case: a whole title
// first, then one that begins with it, then one that holds it, each time the lowest page
// number. None when nothing matches.
std::optional<std::int32_t> pageNamedBy(const std::vector<PageTitle>& pages, std::string_view entry);

}  // namespace zeb::shell
