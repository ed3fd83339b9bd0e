// Snippets for search results, cut at word boundaries around the matched term.
#include "shell/search_snippet.h"

#include "document/search_text.h"
#include "platform/code_pages.h"

namespace zeb {
namespace {

constexpr char ellipsis = '\x85';

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The start of the snippet: the word the term begins in, then up to snippetWords words
// before it, never more than snippetSideBytes before the term (the last word is cut).
std::size_t leftEdge(std::string_view text, std::size_t position) {
  std::size_t i = position;
  while (i > 0 && !isBlank(text[i - 1])) --i;
  for (int words = 0; words < limits::snippetWords; ++words) {
    std::size_t j = i;
    while (j > 0 && isBlank(text[j - 1])) --j;
    if (j == 0) break;
    while (j > 0 && !isBlank(text[j - 1])) --j;
    i = j;
    if (position - i >= limits::snippetSideBytes) break;
  }
  // A word too long for the rest of the share is cut.
  return position - i > limits::snippetSideBytes ? position - limits::snippetSideBytes : i;
}

// The end of the snippet, the same way after the term.
std::size_t rightEdge(std::string_view text, std::size_t end) {
  std::size_t i = end;
  while (i < text.size() && !isBlank(text[i])) ++i;
  for (int words = 0; words < limits::snippetWords; ++words) {
    std::size_t j = i;
    while (j < text.size() && isBlank(text[j])) ++j;
    if (j == text.size()) break;
    while (j < text.size() && !isBlank(text[j])) ++j;
    i = j;
    if (i - end >= limits::snippetSideBytes) break;
  }
  return i - end > limits::snippetSideBytes ? end + limits::snippetSideBytes : i;
}

bool hasTextIn(std::string_view text) {
  for (char c : text)
    if (!isBlank(c)) return true;
  return false;
}

}  // namespace

std::string snippetAround(std::string_view plainText, std::size_t position, std::size_t length) {
  if (position > plainText.size()) return {};
  const std::size_t end = std::min(plainText.size(), position + length);
  const std::size_t first = leftEdge(plainText, position);
  const std::size_t last = rightEdge(plainText, end);

  std::string snippet;
  if (hasTextIn(plainText.substr(0, first))) snippet += ellipsis;
  bool blankPending = false;
  for (std::size_t i = first; i < last; ++i) {
    if (isBlank(plainText[i])) {
      blankPending = true;
      continue;
    }
    // One blank between words; none at either end, nor after the leading ellipsis.
    if (blankPending && !snippet.empty() && snippet.back() != ellipsis) snippet += ' ';
    blankPending = false;
    snippet += plainText[i];
  }
  if (hasTextIn(plainText.substr(last))) snippet += ellipsis;
  return snippet;
}

std::string pageSnippet(std::span<const std::uint8_t> markup, int textFormat, std::string_view term, bool matchCase,
                        std::uint16_t codePage) {
  if (term.empty()) return {};
  // The plain text in the page's own case; unless the case must match, the term is found in
  // its lower case (lower-casing keeps every byte in place).
  PageQuery ownCase({std::string(term), "", "", ""}, searchMatchCase, codePage);
  ownCase.testByPlainText(markup, textFormat);
  const std::string_view plain = ownCase.plainText();
  const std::size_t position = matchCase ? plain.find(term) : CodePage::of(codePage).lower(plain).find(term);
  if (position == std::string_view::npos) return {};
  return snippetAround(plain, position, term.size());
}

}  // namespace zeb
