// Frame layout arithmetic: shares, alignment, frame settings and the steps after a drag.
#include "view/frame_layout.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

struct Child {
  std::uint8_t mode;
  std::int32_t value;  // the percent share or the fixed size
};

FrameNode frameWith(FrameOrientation orientation, int side, const std::vector<Child>& children) {
  FrameNode frame;
  frame.bounds = orientation == FrameOrientation::leftToRight ? FrameRect{0, 0, side, 50} : FrameRect{0, 0, 50, side};
  for (const Child& c : children) {
    FrameNode& child = frame.children.emplace_back();
    child.orientation = orientation;
    child.alignment = orientation == FrameOrientation::leftToRight ? FrameAlignment::left : FrameAlignment::top;
    child.record.sizeMode = c.mode;
    if (c.mode == frameSizeMode::fixed)
      child.record.fixedSize = c.value;
    else
      child.record.percentShare = c.value;
  }
  return frame;
}

std::vector<int> sizesOf(const FrameNode& frame) {
  std::vector<int> sizes;
  for (const FrameNode& child : frame.children)
    sizes.push_back(child.orientation == FrameOrientation::leftToRight ? child.bounds.width : child.bounds.height);
  return sizes;
}

constexpr std::uint8_t percent = frameSizeMode::percent;
constexpr std::uint8_t fixed = frameSizeMode::fixed;
constexpr std::uint8_t equal = frameSizeMode::equal;

struct ShareCase {
  const char* what;
  int side;
  int thickness;
  std::vector<Child> children;
  std::vector<int> sizes;
};

TEST(FrameLayout, ChildrenShareTheRoomByPercentFixedAndEqualShares) {
  const std::vector<ShareCase> cases = {
      {"fixed frames asking for more are scaled down", 200, 0, {{fixed, 300}, {fixed, 100}}, {150, 50}},
      {"splitters come off the room", 406, 3, {{percent, 25}, {percent, 25}, {percent, 50}}, {100, 100, 200}},
      {"percent shares split what fixed frames leave",
       300,
       0,
       {{fixed, 100}, {percent, 30}, {percent, 20}},
       {100, 120, 80}},
      {"shares beyond what is left are percents of the room",
       300,
       0,
       {{fixed, 100}, {percent, 50}, {percent, 50}},
       {100, 150, 150}},
      {"equal frames split the rest", 301, 0, {{fixed, 100}, {equal, 0}, {equal, 0}}, {100, 100, 100}},
      {"equal frames take what percent frames leave", 200, 0, {{percent, 50}, {equal, 0}, {equal, 0}}, {100, 50, 50}},
      {"shares above the whole room too", 100, 0, {{percent, 80}, {percent, 80}}, {80, 80}},
      {"a half rounds up to even", 7, 0, {{percent, 50}, {percent, 50}}, {4, 4}},
      {"a half rounds down to even", 5, 0, {{percent, 50}, {percent, 50}}, {2, 2}},
      {"shares adding up to nothing split the room", 100, 0, {{percent, 0}, {percent, 0}}, {50, 50}},
      {"negative shares count as nothing", 90, 0, {{percent, -50}, {percent, 50}}, {0, 90}},
      {"a negative fixed size counts as nothing", 200, 0, {{fixed, -50}, {fixed, 100}}, {0, 100}},
      {"no room leaves every frame empty", 2, 3, {{fixed, 10}, {percent, 50}, {equal, 0}}, {0, 0, 0}},
  };
  for (const ShareCase& c : cases) {
    for (const auto orientation : {FrameOrientation::topToBottom, FrameOrientation::leftToRight}) {
      FrameNode frame = frameWith(orientation, c.side, c.children);
      shareOutChildren(frame, c.thickness);
      EXPECT_EQ(sizesOf(frame), c.sizes) << c.what;
    }
  }
}

TEST(FrameLayout, ScaledFixedFramesKeepTheirStoredSizeAndRegainItWhenTheFrameGrows) {
  FrameNode frame = frameWith(FrameOrientation::topToBottom, 200, {{fixed, 300}, {fixed, 100}});
  frame.record.splitterThickness = 0;
  layOutFrameTree(frame, true);
  EXPECT_EQ(sizesOf(frame), (std::vector<int>{150, 50}));
  EXPECT_EQ(frame.children[0].record.percentShare, 75);
  EXPECT_EQ(frame.children[0].record.fixedSize, 300);
  EXPECT_EQ(frame.children[1].record.fixedSize, 100);
  // A window that grows again after it was smaller than its fixed frames.
  frame.bounds.height = 500;
  layOutFrameTree(frame, true);
  EXPECT_EQ(sizesOf(frame), (std::vector<int>{300, 100}));
  EXPECT_EQ(frame.children[0].record.percentShare, 60);

  // The largest sizes a record can hold stay within the room.
  frame = frameWith(FrameOrientation::leftToRight, 200, {{fixed, INT32_MAX}, {percent, INT32_MAX}, {equal, 0}});
  shareOutChildren(frame, 0);
  for (const int size : sizesOf(frame)) {
    EXPECT_GE(size, 0);
    EXPECT_LE(size, 200);
  }
}

TEST(FrameLayout, AlignmentStacksTopThenLeftAndTheFillingFrameTakesTheRest) {
  FrameNode frame = frameWith(FrameOrientation::topToBottom, 300, {{fixed, 40}});
  frame.bounds.width = 200;
  frame.children[0].hasSplitterAfter = true;
  FrameNode& left = frame.children.emplace_back();
  left.orientation = FrameOrientation::leftToRight;
  left.alignment = FrameAlignment::left;
  left.bounds.width = 60;
  left.hasSplitterAfter = true;
  FrameNode& fill = frame.children.emplace_back();
  fill.alignment = FrameAlignment::fill;
  FrameNode& loose = frame.children.emplace_back();
  loose.bounds = FrameRect{30, 30, 5, 5};
  loose.hasSplitterAfter = true;  // a frame aligned neither way shows no splitter

  frame.children[0].bounds.height = 40;
  alignChildren(frame, 3);
  EXPECT_EQ(frame.children[0].bounds, (FrameRect{0, 0, 200, 40}));
  EXPECT_EQ(frame.children[0].splitterBounds, (FrameRect{0, 40, 200, 3}));
  EXPECT_EQ(frame.children[1].bounds, (FrameRect{0, 43, 60, 257}));
  EXPECT_EQ(frame.children[1].splitterBounds, (FrameRect{60, 43, 3, 257}));
  EXPECT_EQ(frame.children[2].bounds, (FrameRect{63, 43, 137, 257}));
  EXPECT_EQ(frame.children[3].bounds, (FrameRect{30, 30, 5, 5}));
  EXPECT_EQ(frame.children[3].splitterBounds, FrameRect{});
}

TEST(FrameLayout, SettingsFollowTheRecordAndTheMode) {
  FrameRecord r = newFrameRecord(1);
  r.splitterThickness = 0;
  EXPECT_EQ(effectiveSplitterThickness(r, true), 0);
  EXPECT_EQ(effectiveSplitterThickness(r, false), 3);
  r.splitterThickness = 8;
  EXPECT_EQ(effectiveSplitterThickness(r, false), 8);
  EXPECT_EQ(frameScrollBarMode(r), 3);
  r.scrollBars = 0;
  EXPECT_EQ(frameScrollBarMode(r), 0);
  EXPECT_FALSE(framePageHasBorder(r, false));
  EXPECT_TRUE(framePageHasBorder(r, true));
  r.pageBorder = frameBorder::singleLine;
  EXPECT_TRUE(framePageHasBorder(r, false));
  EXPECT_EQ(frameCaption(r), "");
  r.parentIdentity = 0;
  EXPECT_EQ(frameCaption(r), "Frame000001");

  // Read-only, the splitter after a frame drags only when it and the next frame allow it.
  FrameNode frame = frameWith(FrameOrientation::leftToRight, 100, {{percent, 1}, {percent, 1}, {percent, 1}});
  frame.children[0].record.draggableWhenReadOnly = 1;
  frame.children[2].record.draggableWhenReadOnly = 1;
  EXPECT_FALSE(splitterDraggable(frame, 0, true));
  EXPECT_FALSE(splitterDraggable(frame, 1, true));
  EXPECT_TRUE(splitterDraggable(frame, 2, true));
  frame.children[1].record.draggableWhenReadOnly = 1;
  EXPECT_TRUE(splitterDraggable(frame, 0, true));
  frame.children[0].record.draggableWhenReadOnly = 0;
  EXPECT_TRUE(splitterDraggable(frame, 0, false));
  EXPECT_FALSE(splitterDraggable(frame, 3, true));
}

// Three frames side by side (the last fills the rest), thickness 0, barWidth 10.
FrameNode sideBySide(int first, int second) {
  FrameNode frame = frameWith(FrameOrientation::leftToRight, 200, {{percent, 1}, {percent, 1}, {percent, 1}});
  frame.record.splitterThickness = 0;
  frame.children[2].alignment = FrameAlignment::fill;
  frame.children[0].bounds.width = first;
  frame.children[1].bounds.width = second;
  alignChildren(frame, 0);
  return frame;
}

TEST(FrameLayout, AfterADragTooSmallFramesGoOnlyWhenAuthoringOrShowingNames) {
  FrameNode frame = sideBySide(100, 92);
  resizeChild(frame, 1, 8, 0);
  EXPECT_EQ(frame.children[2].bounds.width, 92);
  const std::vector<FrameRecord> before = {frame.children[0].record, frame.children[1].record};
  const AfterDrag readOnly = afterSplitterDrag(frame, 1, 10, true, false);
  EXPECT_TRUE(readOnly.ignored);
  EXPECT_FALSE(readOnly.deleteTarget);
  EXPECT_EQ(frame.children[0].record, before[0]);  // nothing else happens
  EXPECT_TRUE(afterSplitterDrag(frame, 1, 10, true, true).deleteTarget);
  EXPECT_TRUE(afterSplitterDrag(frame, 1, 10, false, false).deleteTarget);
  EXPECT_TRUE(afterSplitterDrag(frame, 7, 10, true, false).ignored);
}

TEST(FrameLayout, AfterADragANarrowLastFrameTakesThirtyPixelsFromTheNearestWideSibling) {
  FrameNode frame = sideBySide(100, 90);  // the last frame is 10 wide
  AfterDrag outcome = afterSplitterDrag(frame, 1, 10, true, false);
  EXPECT_EQ(outcome.donor, 1);
  EXPECT_EQ(frame.children[1].bounds.width, 60);
  EXPECT_EQ(frame.children[2].bounds.width, 40);
  // Shares are recomputed from the sizes.
  EXPECT_EQ(frame.children[0].record.fixedSize, 100);
  EXPECT_EQ(frame.children[0].record.percentShare, 50);
  EXPECT_EQ(frame.children[1].record.percentShare, 30);

  frame = sideBySide(150, 40);  // the first child is the only donor
  EXPECT_EQ(afterSplitterDrag(frame, 1, 10, true, false).donor, 0);
  EXPECT_EQ(frame.children[0].bounds.width, 120);

  frame = sideBySide(50, 140);
  frame.children[1].bounds.width = 45;  // no sibling is wider than 50
  frame.children[2].bounds.width = 5;
  EXPECT_EQ(afterSplitterDrag(frame, 0, 10, true, false).donor, -1);
  EXPECT_EQ(frame.children[2].bounds.width, 5);
}

}  // namespace
}  // namespace zeb
