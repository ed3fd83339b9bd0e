// What the main window does itself with a followed link while no link dispatcher is
// installed: page links and "nexo:" targets.
#pragma once

#include <cstdint>
#include <string>

namespace zeb {
class TZEBoggetto;
class TZEBset;
}  // namespace zeb

namespace zeb::shell {

struct ReaderLinkPlan {
  enum class Action {
    nothing,     // a link that leads nowhere (a zip link)
    openBook,    // a page of another book: that book opens at its cover, and nothing more
    showPage,    // a page of the open book
    goToTarget,  // a "nexo:" target
    notBuiltIn,  // left to link following (files, programs, addresses, special links)
  };
  Action action = Action::nothing;
  std::string path;        // openBook: the book's path, UTF-8
  std::int32_t page = -1;  // showPage
  std::string target;      // goToTarget, Windows-1252
  bool operator==(const ReaderLinkPlan&) const = default;
};

ReaderLinkPlan planReaderLink(const TZEBset& open, const TZEBoggetto& link);

}  // namespace zeb::shell
