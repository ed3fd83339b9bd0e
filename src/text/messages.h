// Every text the rich text engine shows, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

// Reading text markup.
inline constexpr std::string_view truncatedLine = "Truncated line!";
// A text box asked to read a text of the older markup, which must be converted first.
inline constexpr std::string_view oldVersionText = "baco; testo ver 1 ancora pres in zebBox!";

}  // namespace zeb::messages
