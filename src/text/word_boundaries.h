// Words of a paragraph's text: where caret movement by words stops, and the word that a
// double click selects.
#pragma once

#include <cstdint>
#include <string_view>

namespace zeb {

// Blanks, quotes and punctuation: 32 to 34, 39 to 47, 58 to 63, 123 to 126, and the
// typographic double quotes 147 and 148.
bool isWordSeparator(std::uint8_t character);

// Word left from a boundary inside the text: back over separators, then over the word, to
// the word's first character. At 0 it stays at 0.
int previousWordStart(std::string_view text, int index);
// Word right: over separators, the word and the separators after it, to the next word's
// start (or the end of the text).
int nextWordStart(std::string_view text, int index);

struct WordSpan {
  int start = 0;
  int end = 0;
};
// The word a double click on the character selects: back over word characters to its
// start, forward over word characters and then over blanks only, so that the blanks after
// the word belong to it.
WordSpan wordAt(std::string_view text, int index);

}  // namespace zeb
