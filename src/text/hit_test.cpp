// Hit-testing by bisection over paragraphs and a walk over one line.
#include "text/hit_test.h"

#include <algorithm>

#include "text/line_layout.h"
#include "text/text_box.h"

namespace zeb {
namespace {

int contentBottom(const TZEBparag& paragraph) {
  return saturated(std::int64_t{paragraph.Bottom} + clampedLength(paragraph.Style.TopMargin()));
}

// The last paragraph of the span whose content starts at or above y; span.first - 1 when
// none does.
int lastStartingAbove(const TZEBbox& box, ParagraphSpan span, int y) {
  int low = span.first;
  int high = span.end;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (contentTop(box.paragraph(middle)) <= y)
      low = middle + 1;
    else
      high = middle;
  }
  return low - 1;
}

// The position of the character the walk over the line at y stops on.
TextPos walkLine(const TZEBbox& box, int paragraphIndex, int x, int y) {
  const TZEBparag& paragraph = box.paragraph(paragraphIndex);
  if (paragraph.Lines.empty()) return box.positionOf(paragraphIndex, 0);
  const int top = contentTop(paragraph);
  const auto lineCount = static_cast<int>(paragraph.Lines.size());
  int lineIndex = 0;
  while (lineIndex + 1 < lineCount &&
         std::int64_t{top} + paragraph.Lines[static_cast<std::size_t>(lineIndex) + 1].LineTop < y) {
    ++lineIndex;
  }
  const TZEBline& line = paragraph.Lines[static_cast<std::size_t>(lineIndex)];
  const bool lastLine = lineIndex + 1 == lineCount;
  const int lineEnd = std::min(line.FirstChar + line.CharCount, paragraph.length());
  // On the last line the walk may step onto the paragraph-end cell.
  const int limit = lastLine ? paragraph.length() + 1 : lineEnd;

  std::int64_t running = std::int64_t{line.Indent} + line.AlignOffset;
  int index = line.FirstChar;
  for (int i = line.FirstChar; i < limit && running < x; ++i) {
    running += paragraph.Cells[static_cast<std::size_t>(i)].DrawWidth;
    index = i;
  }
  // Every line but the last holds characters, so the character's position is on this line.
  return box.positionOf(paragraphIndex, index);
}

}  // namespace

ParagraphSpan paragraphsOf(const TZEBbox& box, HitScope scope) {
  switch (scope) {
    case HitScope::body: return {box.HeaderCount(), box.bodyEnd()};
    case HitScope::all: return {0, box.paragraphCount()};
    case HitScope::none: break;
  }
  return {};
}

std::optional<TextPos> hitTest(const TZEBbox& box, int x, int y, HitScope scope) {
  const ParagraphSpan span = paragraphsOf(box, scope);
  if (span.empty()) return std::nullopt;
  const int found = lastStartingAbove(box, span, y);
  if (found < span.first || y > contentBottom(box.paragraph(found))) return std::nullopt;
  return walkLine(box, found, x, y);
}

std::optional<TextPos> hitTestNearest(const TZEBbox& box, int x, int y, HitScope scope) {
  const ParagraphSpan span = paragraphsOf(box, scope);
  if (span.empty()) return std::nullopt;
  const int found = std::max(lastStartingAbove(box, span, y), span.first);
  return walkLine(box, found, x, y);
}

bool isOnCharacter(const TextPos& position, int x, int y) {
  return x >= position.X && x <= position.XEnd && y >= position.Y &&
         std::int64_t{y} <= std::int64_t{position.Y} + position.LineHeight;
}

}  // namespace zeb
