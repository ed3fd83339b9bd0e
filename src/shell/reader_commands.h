// Small decisions of the main window's commands.
#pragma once

namespace zeb {
class TZEBset;
}

namespace zeb::shell {

// The keyword search opens on the keyword page when the book holds a live keyword, and on
// the word page otherwise.
bool keywordSearchOpensOnKeywords(const TZEBset& set);

}  // namespace zeb::shell
