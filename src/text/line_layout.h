// Paragraph layout: greedy line filling over the widths measured when the text was read.
#pragma once

namespace zeb {

class TZEBbox;
class TZEBparag;

struct ParagraphIndents {
  int left = 0;
  int right = 0;
  int firstLine = 0;  // extra indent of the first line
};

// The side margins (with the host inset in a hosted box) and the first-line indent, which a
// list paragraph with a hanging indent leaves to its marker (0).
ParagraphIndents indentsOf(const TZEBbox& box, const TZEBparag& paragraph);

// Lays the paragraph out to the box's LayoutWidth with its top at y, replacing its lines,
// and returns the y where the next paragraph starts. Widens the box's ContentWidth where a
// line overflows. Embedded objects are sized for the width their line offers.
int layoutParagraph(TZEBbox& box, TZEBparag& paragraph, int y);

}  // namespace zeb
