// The splitter's target size during a drag and the striped bar's lines.
#include "view/splitter_geometry.h"

#include <gtest/gtest.h>

#include "view/frame_layout.h"

namespace zeb {
namespace {

TEST(SplitterGeometry, TheTargetFollowsTheLineWithinItsLimits) {
  struct Case {
    const char* what;
    SplitterDrag drag;
    SplitterDragSize expected;
  };
  const int barWidth = 10;
  const int minimum = frameSplitterMinTarget(barWidth);
  const int maximum = frameSplitterMaxTargetLimit(barWidth);
  const std::vector<Case> cases = {
      {"a target before the splitter grows with the movement", {100, 20, true, 300, 0, 0}, {120, false}},
      {"a target after it shrinks", {100, 20, false, 300, 0, 0}, {80, false}},
      {"a frame stops at half a bar width", {50, -47, true, 200, minimum, maximum}, {5, true}},
      {"a bar width of the parent stays free", {150, 100, true, 200, minimum, maximum}, {190, true}},
      {"the upper limit wins when the limits cross", {6, 0, true, 12, minimum, maximum}, {2, true}},
      {"and the size never goes below nothing", {6, 0, true, 4, minimum, maximum}, {0, true}},
  };
  for (const Case& c : cases) {
    const SplitterDragSize size = draggedTargetSize(c.drag);
    EXPECT_EQ(size.size, c.expected.size) << c.what;
    EXPECT_EQ(size.limited, c.expected.limited) << c.what;
  }
}

TEST(SplitterGeometry, StripesStandAcrossTheBarAndTurnWithIt) {
  StripeRequest request;
  request.width = 40;
  request.height = 10;
  request.raisedBevel = false;
  std::vector<StripeLine> lines = tigerStripes(request);
  ASSERT_EQ(lines.size(), 6u);  // 40 ÷ 10 − 1 stripes of two lines
  EXPECT_EQ(lines[0], (StripeLine{10, 2, 10, 7, true}));
  EXPECT_EQ(lines[1], (StripeLine{11, 2, 11, 7, false}));
  EXPECT_EQ(lines[5], (StripeLine{31, 2, 31, 7, false}));

  request.offset = 3;
  request.raisedBevel = true;
  lines = tigerStripes(request);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], (StripeLine{13, 2, 13, 7, true}));
  EXPECT_EQ(lines[6], (StripeLine{3, 0, 39, 0, true}));    // the top edge, from the offset
  EXPECT_EQ(lines[8], (StripeLine{39, 0, 39, 9, false}));  // the right edge

  request = StripeRequest{};
  request.width = 10;
  request.height = 40;
  request.movesVertically = false;
  request.lineStep = 0;  // ignored
  request.raisedBevel = false;
  lines = tigerStripes(request);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], (StripeLine{2, 10, 7, 10, true}));
}

}  // namespace
}  // namespace zeb
