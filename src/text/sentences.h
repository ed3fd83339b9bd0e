// Sentences of a text in a single-byte code page: where reading aloud pauses and what the
// accessible text calls a sentence.
#pragma once

#include <string_view>
#include <vector>

namespace zeb {

// A sentence from its first character to the start of the next one: the blanks after its
// final mark belong to it, as a word's blanks belong to the word.
struct SentenceSpan {
  int start = 0;
  int end = 0;
  bool operator==(const SentenceSpan&) const = default;
};

// A sentence ends after ".", "!", "?" or the ellipsis (byte 133), with the closing quotes and
// brackets right after them, when a blank follows and the next word does not begin with a
// small letter or a digit after a full stop ("e.g. this", "p. 12" go on); a line feed, a
// carriage return or a tab (a paragraph's or a table cell's end) always ends one. Text made
// only of blanks belongs to the sentence before it; a text without a letter or digit has no
// sentence.
std::vector<SentenceSpan> sentencesOf(std::string_view text);

// The sentence holding the offset (the last one for the text's end); {0, 0} for none.
SentenceSpan sentenceAt(std::string_view text, int offset);

// The sentence's words without the blanks and breaks around it.
std::string_view trimmedSentence(std::string_view text, SentenceSpan span);

}  // namespace zeb
