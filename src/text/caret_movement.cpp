// Caret movement.
#include "text/caret_movement.h"

#include <algorithm>

#include "text/text_box.h"
#include "text/word_boundaries.h"

namespace zeb {
namespace {

struct Body {
  int first;
  int end;
};

Body bodyOf(const TZEBbox& box) { return {box.HeaderCount(), box.bodyEnd()}; }

int lineCountOf(const TZEBbox& box, int paragraphIndex) {
  return std::max(1, static_cast<int>(box.paragraph(paragraphIndex).Lines.size()));
}

// The line as positionOf finds it; 0 for a paragraph without lines.
int lineOf(const TZEBbox& box, const TextPos& position) {
  return std::clamp(position.lineIndex, 0, lineCountOf(box, position.paragraphIndex) - 1);
}

int lineStartIndex(const TZEBbox& box, int paragraphIndex, int lineIndex) {
  const TZEBparag& paragraph = box.paragraph(paragraphIndex);
  if (paragraph.Lines.empty()) return 0;
  return paragraph.Lines[static_cast<std::size_t>(lineIndex)].FirstChar;
}

std::optional<TextPos> lineStep(const TZEBbox& box, const TextPos& from, int steps, Body body) {
  int paragraphIndex = from.paragraphIndex;
  int lineIndex = lineOf(box, from);
  for (int step = 0; step < std::abs(steps); ++step) {
    if (steps > 0) {
      if (lineIndex + 1 < lineCountOf(box, paragraphIndex)) {
        ++lineIndex;
      } else if (paragraphIndex + 1 < body.end) {
        ++paragraphIndex;
        lineIndex = 0;
      } else {
        if (step == 0) return std::nullopt;
        break;
      }
    } else {
      if (lineIndex > 0) {
        --lineIndex;
      } else if (paragraphIndex > body.first) {
        --paragraphIndex;
        lineIndex = lineCountOf(box, paragraphIndex) - 1;
      } else {
        if (step == 0) return std::nullopt;
        break;
      }
    }
  }
  return positionOnLineAt(box, paragraphIndex, lineIndex, from.X);
}

}  // namespace

int lineEndIndex(const TZEBbox& box, int paragraphIndex, int lineIndex) {
  const TZEBparag& paragraph = box.paragraph(paragraphIndex);
  if (paragraph.Lines.empty() || lineIndex + 1 >= static_cast<int>(paragraph.Lines.size())) return paragraph.length();
  const TZEBline& line = paragraph.Lines[static_cast<std::size_t>(lineIndex)];
  return std::max(line.FirstChar, line.FirstChar + line.CharCount - 1);
}

TextPos positionOnLineAt(const TZEBbox& box, int paragraphIndex, int lineIndex, int x) {
  const TZEBparag& paragraph = box.paragraph(paragraphIndex);
  const int end = lineEndIndex(box, paragraphIndex, lineIndex);
  int index = lineStartIndex(box, paragraphIndex, lineIndex);
  if (!paragraph.Lines.empty()) {
    const TZEBline& line = paragraph.Lines[static_cast<std::size_t>(lineIndex)];
    std::int64_t running = std::int64_t{line.Indent} + line.AlignOffset;
    while (index < end && running < x) {
      running += paragraph.Cells[static_cast<std::size_t>(index)].DrawWidth;
      ++index;
    }
  }
  return box.positionOf(paragraphIndex, index);
}

std::optional<TextPos> movedCaret(const TZEBbox& box, const TextPos& given, CaretMove move) {
  const Body body = bodyOf(box);
  if (body.end <= body.first) return std::nullopt;
  TextPos from = given;
  if (from.paragraphIndex < body.first)
    from = box.positionOf(body.first, 0);
  else if (from.paragraphIndex >= body.end)
    from = box.positionOf(body.end - 1, box.paragraph(body.end - 1).length());
  const int p = from.paragraphIndex;
  const int c = std::clamp(from.charIndex, 0, box.paragraph(p).length());
  const std::string& text = box.paragraph(p).Text;

  switch (move) {
    case CaretMove::characterLeft:
      if (c > 0) return box.positionOf(p, c - 1);
      if (p > body.first) return box.positionOf(p - 1, box.paragraph(p - 1).length());
      return std::nullopt;
    case CaretMove::characterRight:
      if (c < box.paragraph(p).length()) return box.positionOf(p, c + 1);
      if (p + 1 < body.end) return box.positionOf(p + 1, 0);
      return std::nullopt;
    case CaretMove::wordLeft:
      if (c > 0) return box.positionOf(p, previousWordStart(text, c));
      if (p > body.first) return box.positionOf(p - 1, box.paragraph(p - 1).length());
      return std::nullopt;
    case CaretMove::wordRight:
      if (c < box.paragraph(p).length()) return box.positionOf(p, nextWordStart(text, c));
      if (p + 1 < body.end) return box.positionOf(p + 1, 0);
      return std::nullopt;
    case CaretMove::lineUp: return lineStep(box, from, -1, body);
    case CaretMove::lineDown: return lineStep(box, from, 1, body);
    case CaretMove::pageUp: return lineStep(box, from, -linesPerPage, body);
    case CaretMove::pageDown: return lineStep(box, from, linesPerPage, body);
    case CaretMove::paragraphUp:
      if (c > 0) return box.positionOf(p, 0);
      if (p > body.first) return box.positionOf(p - 1, 0);
      return std::nullopt;
    case CaretMove::paragraphDown:
      if (p + 1 < body.end) return box.positionOf(p + 1, 0);
      if (c < box.paragraph(p).length()) return box.positionOf(p, box.paragraph(p).length());
      return std::nullopt;
    case CaretMove::lineStart: return box.positionOf(p, lineStartIndex(box, p, lineOf(box, from)));
    case CaretMove::lineEnd: return box.positionOf(p, lineEndIndex(box, p, lineOf(box, from)));
    case CaretMove::textStart: return box.positionOf(body.first, 0);
    case CaretMove::textEnd: return box.positionOf(body.end - 1, box.paragraph(body.end - 1).length());
  }
  return std::nullopt;
}

}  // namespace zeb
