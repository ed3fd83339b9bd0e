// Caret movement over the body paragraphs of a box: by character, word, line, paragraph and
// page, to line and text ends. Each answers the new position, or none when the movement
// would leave the body (the box then hands it to its host).
#pragma once

#include <optional>

#include "text/text_position.h"

namespace zeb {

class TZEBbox;

enum class CaretMove {
  characterLeft,
  characterRight,
  wordLeft,
  wordRight,
  lineUp,
  lineDown,
  paragraphUp,
  paragraphDown,
  lineStart,
  lineEnd,
  textStart,
  textEnd,
  pageUp,  // eleven lines
  pageDown,
};

inline constexpr int linesPerPage = 11;

// A position outside the body (in a header or footer) moves as from the nearest body
// position.
std::optional<TextPos> movedCaret(const TZEBbox& box, const TextPos& from, CaretMove move);

// The last boundary of a line: the paragraph end on its last line, else the boundary before
// its last character (the boundary after it is the next line's start).
int lineEndIndex(const TZEBbox& box, int paragraphIndex, int lineIndex);

// The first boundary on the line, walking from its start, whose x is at or beyond x; the
// line end when none is.
TextPos positionOnLineAt(const TZEBbox& box, int paragraphIndex, int lineIndex, int x);

}  // namespace zeb
