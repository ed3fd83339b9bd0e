// Snippets for search results: the matched term with a few words around it, taken from a
// page's plain search text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zeb {

namespace limits {
// Words kept on each side of the term, and the bytes each side may take at most.
inline constexpr int snippetWords = 4;
inline constexpr std::size_t snippetSideBytes = 60;
}  // namespace limits

// The text around plainText[position, position + length): line breaks, tabs and other
// control characters read as blanks, runs of blanks become one, and "\x85" (the ellipsis of
// every Windows code page) stands for text left out. Bytes stay bytes.
std::string snippetAround(std::string_view plainText, std::size_t position, std::size_t length);

// The snippet of a page for the term its query matched (lower case unless the case must
// match, by the code page's tables): the term's first place in the page's plain text, in the
// page's own letter case. Empty when the term is not in the text.
std::string pageSnippet(std::span<const std::uint8_t> markup, int textFormat, std::string_view term, bool matchCase,
                        std::uint16_t codePage = 1252);

}  // namespace zeb
