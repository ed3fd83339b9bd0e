// Splitter arithmetic without a window: the target's size during a drag, and the stripes
// of the striped bar.
#pragma once

#include <vector>

namespace zeb {

struct SplitterDrag {
  int targetSize = 0;        // the target's width (splitter moving sideways) or height
  int movement = 0;          // how far the line moved from the splitter's edge, right or down positive
  bool targetBefore = true;  // the target is aligned left (or top): it grows with the movement
  int parentExtent = 0;      // the parent's width or height
  int minTargetLimit = 0;
  int maxTargetLimit = 0;
};

struct SplitterDragSize {
  int size = 0;
  bool limited = false;  // the size had to be held at a limit
};

// The target's new size: its size plus the movement (minus it for a target after the
// splitter), at least minTargetLimit and at most the parent's extent less maxTargetLimit,
// the upper limit winning when the two cross; never below 0.
SplitterDragSize draggedTargetSize(const SplitterDrag& drag);

// One line of a striped bar, in the bar's coordinates, end points included.
struct StripeLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool highlight = true;  // the highlight colour, else the shadow colour
  bool operator==(const StripeLine&) const = default;
};

struct StripeRequest {
  int width = 0;
  int height = 0;
  bool movesVertically = true;  // a bar aligned top or bottom; others get the pattern turned
  int lineStep = 10;            // values of 0 or less count as 10
  int offset = 0;               // where the stripes start along the bar
  bool raisedBevel = true;
};

// The stripes of a bar: (length ÷ lineStep − 1) stripes across it, every lineStep pixels
// from the offset, 2 pixels in from its sides, each a highlight line and a shadow line one
// pixel further; with a raised bevel, highlight edges on the top and left and shadow edges
// on the right and bottom.
std::vector<StripeLine> tigerStripes(const StripeRequest& request);

}  // namespace zeb
