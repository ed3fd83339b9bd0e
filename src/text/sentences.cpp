// Sentence boundaries.
#include "text/sentences.h"

#include <algorithm>
#include <cstdint>

namespace zeb {
namespace {

constexpr std::uint8_t ellipsis = 133;

std::uint8_t at(std::string_view text, std::size_t index) { return static_cast<std::uint8_t>(text[index]); }

bool isBreak(std::uint8_t c) { return c == '\n' || c == '\r' || c == '\t'; }
bool isBlank(std::uint8_t c) { return c == ' ' || c == 160 || isBreak(c); }
bool isFinalMark(std::uint8_t c) { return c == '.' || c == '!' || c == '?' || c == ellipsis; }
// Straight and typographic closing quotes, and closing brackets.
bool isCloser(std::uint8_t c) {
  return c == '"' || c == '\'' || c == ')' || c == ']' || c == 146 || c == 148 || c == 187;
}
bool isSmallLetter(std::uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 223 && c != 247); }
bool isDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }
bool isLetterOrDigit(std::uint8_t c) {
  return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 192 && c != 215 && c != 247) ||
         c == 138 || c == 140 || c == 142 || c == 154 || c == 156 || c == 158 || c == 159;
}

}  // namespace

std::vector<SentenceSpan> sentencesOf(std::string_view text) {
  std::vector<SentenceSpan> spans;
  const std::size_t length = text.size();
  std::size_t start = 0;
  bool hasWords = false;
  // Closes the sentence at `end`. Marks and blanks alone join the sentence before them, or
  // the one after them at the text's start.
  const auto close = [&](std::size_t end) {
    if (end <= start) return;
    if (hasWords)
      spans.push_back({static_cast<int>(start), static_cast<int>(end)});
    else if (!spans.empty())
      spans.back().end = static_cast<int>(end);
    else
      return;
    start = end;
    hasWords = false;
  };
  std::size_t i = 0;
  while (i < length) {
    const std::uint8_t c = at(text, i);
    if (isBreak(c)) {
      std::size_t end = i;
      while (end < length && isBlank(at(text, end))) ++end;
      close(end);
      i = end;
      continue;
    }
    if (isLetterOrDigit(c)) hasWords = true;
    if (!isFinalMark(c)) {
      ++i;
      continue;
    }
    std::size_t after = i + 1;
    while (after < length && (isFinalMark(at(text, after)) || isCloser(at(text, after)))) ++after;
    if (after < length && !isBlank(at(text, after))) {
      i = after;
      continue;
    }
    std::size_t next = after;
    while (next < length && isBlank(at(text, next)) && !isBreak(at(text, next))) ++next;
    // "e.g. this" and "p. 12": a full stop before a small letter or a digit goes on.
    const bool goesOn = next < length && at(text, after - 1) == '.' && !isBreak(at(text, next)) &&
                        (isSmallLetter(at(text, next)) || isDigit(at(text, next)));
    if (goesOn) {
      i = next;
      continue;
    }
    while (next < length && isBlank(at(text, next))) ++next;
    close(next);
    i = next;
  }
  close(length);
  return spans;
}

SentenceSpan sentenceAt(std::string_view text, int offset) {
  const std::vector<SentenceSpan> spans = sentencesOf(text);
  if (spans.empty()) return {};
  for (const SentenceSpan& span : spans)
    if (offset < span.end) return offset < span.start ? spans.front() : span;
  return spans.back();
}

std::string_view trimmedSentence(std::string_view text, SentenceSpan span) {
  std::size_t start = static_cast<std::size_t>(std::clamp(span.start, 0, static_cast<int>(text.size())));
  std::size_t end = static_cast<std::size_t>(std::clamp(span.end, span.start, static_cast<int>(text.size())));
  while (start < end && isBlank(at(text, start))) ++start;
  while (end > start && isBlank(at(text, end - 1))) --end;
  return text.substr(start, end - start);
}

}  // namespace zeb
