// A frame tree as plain data: frames with their records, read from a stored frame map and
// written back. The Qt frames mirror such a tree; zebtool lays one out without a window.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "view/frame_record.h"

namespace zeb {

// Limits on what one frame map may build. A map beyond them is read as far as they allow:
// the first record that would make a frame deeper than maxFrameDepth, or a frame after the
// maxFramesPerMap-th, ends the whole reading there (the frames read so far stay), and the
// reading says it was limited.
inline constexpr int maxFrameDepth = 32;     // the root frame is at depth 0
inline constexpr int maxFramesPerMap = 256;  // the root included

// How a frame stacks among its siblings (set from its kind when it is read).
enum class FrameOrientation : std::uint8_t { none, topToBottom, leftToRight };
// Where alignment puts it: stacked from the top, from the left, filling what is left, or
// left where it is.
enum class FrameAlignment : std::uint8_t { none, top, left, fill };

struct FrameRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const FrameRect&) const = default;
};

struct FrameNode {
  FrameRecord record;
  FrameOrientation orientation = FrameOrientation::none;
  FrameAlignment alignment = FrameAlignment::none;
  // Within the parent's inner panel (the frame set's area for the root). The inner panel
  // covers the whole frame, so a frame's children are placed in 0, 0, width, height.
  FrameRect bounds;
  // Frames of kinds 0, 1, 2 and 4 read from a map get a splitter after them; it follows
  // their alignment (a frame aligned otherwise cannot carry one and shows none).
  bool hasSplitterAfter = false;
  FrameRect splitterBounds;
  std::vector<FrameNode> children;

  bool isLeaf() const { return children.empty(); }
};

// "Pag" and the decimal page number, cut to 19 characters: the name of a frame set's root.
std::string rootFrameName(std::int64_t page);

// The root frame a frame set makes for a page: a new record (identity 0) named after the
// page, filling width × height.
FrameNode newRootFrame(std::int32_t page, int width, int height);

// What reading made of a map.
enum class FrameMapReading {
  complete,    // every record the tree takes was read
  limited,     // a depth or frame-count limit ended the reading early
  unreadable,  // no data, or a record length outside 1..58: the frame is unchanged
};

struct FrameReadPlace {
  // True for the frame set's root. False when a map is shown inside a frame of another
  // tree: that frame keeps its own record and place, and takes from the map's top record
  // only its identity, kind, has-children flag, page, splitter thickness and size mode.
  bool frameSetRoot = true;
  std::int32_t pageNumber = -1;  // the frame set's page, naming its root
  // How deep the frame already is in its tree: the depth limit counts from the tree's root.
  int frameDepth = 0;
};

// Reads the tree of a stored frame map into the frame, replacing its children: its own record from the start of
// the data, then, while consecutive records name it as parent, its children, each read the
// same way (pre-order). Records shorter than 58 bytes are read over the frame's current
// values and their newer fields are reset; a record cut short by the end of the data ends
// the child lists. Sizes are not laid out here (see frame_layout.h).
FrameMapReading readFrameTree(FrameNode& frame, std::span<const std::uint8_t> data, std::int64_t recordLength,
                              const FrameReadPlace& place);

// Stores the tree as 58-byte records in pre-order, updating the records first: identities
// numbered from 0 in pre-order, parent identities (-1 for this frame), has-children from the
// child lists, and page -1 for frames with children (a leaf keeps the page it shows).
std::vector<std::uint8_t> writeFrameTree(FrameNode& root);

}  // namespace zeb
