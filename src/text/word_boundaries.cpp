// Word boundaries.
#include "text/word_boundaries.h"

#include <algorithm>

namespace zeb {
namespace {

bool separatorAt(std::string_view text, int index) {
  return isWordSeparator(static_cast<std::uint8_t>(text[static_cast<std::size_t>(index)]));
}

}  // namespace

bool isWordSeparator(std::uint8_t character) {
  return (character >= 32 && character <= 34) || (character >= 39 && character <= 47) ||
         (character >= 58 && character <= 63) || (character >= 123 && character <= 126) || character == 147 ||
         character == 148;
}

int previousWordStart(std::string_view text, int index) {
  int i = std::clamp(index, 0, static_cast<int>(text.size()));
  while (i > 0 && separatorAt(text, i - 1)) --i;
  while (i > 0 && !separatorAt(text, i - 1)) --i;
  return i;
}

int nextWordStart(std::string_view text, int index) {
  const int length = static_cast<int>(text.size());
  int i = std::clamp(index, 0, length);
  while (i < length && separatorAt(text, i)) ++i;
  while (i < length && !separatorAt(text, i)) ++i;
  while (i < length && separatorAt(text, i)) ++i;
  return i;
}

WordSpan wordAt(std::string_view text, int index) {
  const int length = static_cast<int>(text.size());
  WordSpan span;
  span.start = std::clamp(index, 0, length);
  while (span.start > 0 && !separatorAt(text, span.start - 1)) --span.start;
  span.end = std::clamp(index, 0, length);
  while (span.end < length && !separatorAt(text, span.end)) ++span.end;
  while (span.end < length && text[static_cast<std::size_t>(span.end)] == ' ') ++span.end;
  return span;
}

}  // namespace zeb
