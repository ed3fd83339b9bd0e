// Hit-testing: the text position under a point of a box, found by bisecting the paragraphs
// and walking one line.
#pragma once

#include <optional>

#include "text/text_position.h"

namespace zeb {

class TZEBbox;

// Which paragraphs a hit may land in: the body only, all of them (header and footer
// included), or none.
enum class HitScope { body, all, none };

struct ParagraphSpan {
  int first = 0;
  int end = 0;  // one past the last
  bool empty() const { return end <= first; }
};
ParagraphSpan paragraphsOf(const TZEBbox& box, HitScope scope);

// The position of the character under the point: in the paragraph whose band from Top +
// TopMargin to Bottom + TopMargin holds y, on the last line whose top lies above y (the
// first line when none does), the last character the walk from the line's start steps over
// while it stays left of x (on the paragraph's last line the walk may step onto the
// paragraph end). None when no paragraph of the scope holds y.
std::optional<TextPos> hitTest(const TZEBbox& box, int x, int y, HitScope scope);

// The same, but a point above, below or between the scope's paragraphs takes the nearest
// paragraph above it (the first when it lies above them all). None only for an empty scope.
std::optional<TextPos> hitTestNearest(const TZEBbox& box, int x, int y, HitScope scope);

// Whether the point lies on the position's character, edges included.
bool isOnCharacter(const TextPos& position, int x, int y);

}  // namespace zeb
