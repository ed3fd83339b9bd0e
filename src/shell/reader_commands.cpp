// Decisions of the main window's commands.
#include "shell/reader_commands.h"

#include "document/book_object.h"
#include "document/container.h"

namespace zeb::shell {

bool keywordSearchOpensOnKeywords(const TZEBset& set) {
  const int count = set.count(kindNumber(TOggettiHel::keyword));
  for (int i = 0; i < count; ++i) {
    const TZEBoggetto* keyword = set.slot(TOggettiHel::keyword, i);
    if (keyword != nullptr && !keyword->isReleased()) return true;
  }
  return false;
}

}  // namespace zeb::shell
