// Every text the reader shell's contents tree, object lists and searches show, in one place
// (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

// Reading a contents stream.
inline constexpr std::string_view errorDecodingNodes = "error decoding nodes";
inline constexpr std::string_view errorLoadingNodes = "error loading nodes";
// The title the order editor gives a new chapter.
inline constexpr std::string_view newChapter = "New chapter";

// Column captions of an object list; the fifth column has none.
inline constexpr std::string_view titleColumn = "Title";
inline constexpr std::string_view sizeColumn = "Size";
inline constexpr std::string_view fileNameColumn = "File name";
inline constexpr std::string_view pageColumn = "# page";

// Keyword search.
inline constexpr std::string_view noKeywordsDefined = "No keywords defined.";
inline constexpr std::string_view pagesContaining = "Pages containing ";

}  // namespace zeb::messages
