// Sentence boundaries: where reading aloud pauses and what the accessible text calls a
// sentence.
#include "text/sentences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeb {
namespace {

std::vector<std::string> sentences(std::string_view text) {
  std::vector<std::string> found;
  for (const SentenceSpan& span : sentencesOf(text)) found.emplace_back(text.substr(span.start, span.end - span.start));
  return found;
}

TEST(Sentences, EndAtMarksBeforeBlanksAndAtBreaksButNotAfterAbbreviationsOrInNumbers) {
  using List = std::vector<std::string>;
  // The blanks after a sentence's mark belong to it; closing quotes and brackets follow it.
  EXPECT_EQ(sentences("One two. Three! Four? Five"), (List{"One two. ", "Three! ", "Four? ", "Five"}));
  EXPECT_EQ(sentences("He said \"go.\" Then (left.) Done"), (List{"He said \"go.\" ", "Then (left.) ", "Done"}));
  // Typographic quotes (148) and the ellipsis (133) of the code page.
  EXPECT_EQ(sentences("Wait\x85 \x93Yes.\x94 No"), (List{"Wait\x85 ", "\x93Yes.\x94 ", "No"}));
  // A full stop before a small letter or a digit, and one inside a number, goes on.
  EXPECT_EQ(sentences("See e.g. this, p. 12 and 3.5 kg. End"), (List{"See e.g. this, p. 12 and 3.5 kg. ", "End"}));
  // Paragraph and cell ends close a sentence without a mark; blank lines join it.
  EXPECT_EQ(sentences("Title\n\nBody text.\nx\ty\n"), (List{"Title\n\n", "Body text.\n", "x\t", "y\n"}));
  // "!?" and "..." end once; a mark before a small letter after "!" still ends.
  EXPECT_EQ(sentences("Really?! yes... No"), (List{"Really?! ", "yes... ", "No"}));
  // Leading blanks belong to the first sentence; marks and blanks alone are no sentence.
  EXPECT_EQ(sentences("  \nHi."), (List{"  \nHi."}));
  EXPECT_EQ(sentences(" . - \n"), List{});
  EXPECT_EQ(sentences("Hi. - \n"), (List{"Hi. - \n"}));
  EXPECT_EQ(sentences(""), List{});

  const std::string text = "One two. Three!";
  EXPECT_EQ(sentenceAt(text, 0), (SentenceSpan{0, 9}));
  EXPECT_EQ(sentenceAt(text, 8), (SentenceSpan{0, 9}));
  EXPECT_EQ(sentenceAt(text, 9), (SentenceSpan{9, 15}));
  EXPECT_EQ(sentenceAt(text, 15), (SentenceSpan{9, 15}));
  EXPECT_EQ(trimmedSentence("Title\n\nBody.", {0, 7}), "Title");
  EXPECT_EQ(trimmedSentence(" \t", {0, 2}), "");
}

}  // namespace
}  // namespace zeb
