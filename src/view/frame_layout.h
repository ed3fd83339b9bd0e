// Frame layout as arithmetic: children's sizes from their percent, fixed and equal shares,
// their alignment in the parent's inner panel, the frame settings that are pure decisions,
// and the steps after a splitter between frames was dragged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "view/frame_tree.h"

namespace zeb {

// Rounds to the nearest integer, ties to the even one; values beyond ±2^31 are clamped.
std::int32_t roundHalfToEven(double value);

// --- Frame settings.

// The thickness of the splitters between a frame's children: the record's in read-only
// mode, at least 3 pixels when authoring.
int effectiveSplitterThickness(const FrameRecord& record, bool readOnly);
// The page's scroll-bar mode: 3 (bars shown) when byte 31 is set, else 0 (hidden when
// read-only).
int frameScrollBarMode(const FrameRecord& record);
// Whether a leaf's page draws a single-line border: always when frames show their names,
// else when the record asks for one.
bool framePageHasBorder(const FrameRecord& record, bool showFramesOnly);
// The inner panel's caption: none for a top frame, else the frame's name.
std::string frameCaption(const FrameRecord& record);
// Whether the splitter after child `index` of the frame can be dragged: always when
// authoring; when read-only only if both that child and the next one (when there is one)
// keep their splitters draggable.
bool splitterDraggable(const FrameNode& frame, std::size_t index, bool readOnly);
// The limits of a frame splitter's drag: its frame keeps at least half a bar width, and at
// least one bar width of the parent stays for the other frames.
constexpr int frameSplitterMinTarget(int barWidth) { return barWidth / 2; }
constexpr int frameSplitterMaxTargetLimit(int barWidth) { return barWidth; }

// --- Layout.

// Sizes the children by their shares in the frame's bounds, with splitters `thickness`
// pixels thick between them. The room is the frame's width (height) less the splitters,
// taken from the first child's orientation. Fixed frames get their size, scaled down when
// all frames together ask for more than the room (their records keep the stored size, so a
// frame that grows again gives them back their size); percent frames share
// what is left in proportion, equal frames split the rest. Each child's width (left to
// right) or height (top to bottom) is set; the other side is alignment's. Negative fixed
// sizes and percent shares count as 0; percent frames whose shares add up to nothing split
// what is left equally; sizes stay within 0 and the room.
void shareOutChildren(FrameNode& frame, int thickness);

// Places the children and their splitters in the frame's inner panel (0, 0, width,
// height): frames aligned top stack from the top in order, each followed by its splitter;
// then frames aligned left stack from the left in the height that is left; filling frames
// take what remains; others keep their bounds.
void alignChildren(FrameNode& frame, int thickness);

// Lays out the frame's children and, in turn, theirs, within the frame's bounds: what a
// frame does after its tree was read and whenever its size changes.
void layOutFrameTree(FrameNode& frame, bool readOnly);

// --- After a splitter drag.

// Gives child `index` its new width (left to right) or height (top to bottom), as the
// splitter sets it, and realigns the children.
void resizeChild(FrameNode& frame, std::size_t index, int size, int thickness);

struct AfterDrag {
  // The dragged frame became narrower or lower than a bar width and is to be deleted
  // (authoring, or read-only with frames showing their names). Nothing else was done.
  bool deleteTarget = false;
  // Nothing was done: the frame became too small in read-only mode.
  bool ignored = false;
  // The sibling that gave 30 pixels to a last frame narrower than 20, or -1.
  int donor = -1;
};

// The steps after the splitter of child `target` was released, its new size in place:
// the shrink test, the donor search for a last frame left too narrow (from the
// second-to-last child back to the first, never outside the list), and every child's
// share recomputed from its size.
AfterDrag afterSplitterDrag(FrameNode& frame, std::size_t target, int barWidth, bool readOnly, bool showFramesOnly);

}  // namespace zeb
