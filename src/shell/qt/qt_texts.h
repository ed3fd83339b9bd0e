// Texts of the shell's windows: the program's own Windows-1252 texts as Qt strings.
#pragma once

#include <QString>
#include <string_view>

#include "platform/qt/book_text.h"

namespace zeb::shell {

inline QString unicodeOf(std::string_view windows1252) { return fromBookText(windows1252); }

}  // namespace zeb::shell
