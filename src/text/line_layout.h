// Paragraph layout: greedy line filling over the widths measured when the text was read.
#pragma once

#include <algorithm>
#include <cstdint>

namespace zeb {

class TZEBbox;

namespace limits {
// Positions and widths of layout stop growing here, so that no sum of them can overflow,
// however damaged the attributes and however long the text.
inline constexpr int maxCoordinate = 1 << 28;
// Margins, indents and fixed line heights are taken at most this large (either sign).
inline constexpr int maxLength = 1 << 20;
}  // namespace limits

// A sum of layout quantities, kept within limits::maxCoordinate of 0.
constexpr std::int32_t saturated(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -limits::maxCoordinate, limits::maxCoordinate));
}
constexpr std::int32_t clampedLength(std::int32_t value) {
  return std::clamp(value, -limits::maxLength, limits::maxLength);
}
class TZEBparag;

struct ParagraphIndents {
  int left = 0;
  int right = 0;
  int firstLine = 0;  // extra indent of the first line
};

// The side margins (with the host inset in a hosted box) and the first-line indent, which a
// list paragraph with a hanging indent leaves to its marker (0).
ParagraphIndents indentsOf(const TZEBbox& box, const TZEBparag& paragraph);

// Where the paragraph's lines start: its Top + TopMargin.
int contentTop(const TZEBparag& paragraph);

// Lays the paragraph out to the box's LayoutWidth with its top at y, replacing its lines,
// and returns the y where the next paragraph starts. Widens the box's ContentWidth where a
// line overflows. Embedded objects are sized for the width their line offers. The caller
// holds the box's update lock.
int layoutParagraph(TZEBbox& box, TZEBparag& paragraph, int y);

}  // namespace zeb
