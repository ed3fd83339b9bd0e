// The frames a frame set shows for a page: the page's frame map read and laid out, or a
// single frame. The reader's frame set and zebtool build them with this one function.
#pragma once

#include <cstdint>

#include "view/frame_tree.h"

namespace zeb {

class TZEBset;

struct PageFramesRequest {
  std::int32_t page = -1;
  int width = 800;  // the frame set's size
  int height = 600;
  bool readOnly = true;
  bool showNested = true;
};

struct PageFrames {
  FrameNode root;
  bool fromMap = false;     // the tree was read from the page's frame map
  bool mapProblem = false;  // the warning "Map problem." was shown
};

// A page whose record names no frame map (a negative index), or any page while show-nested
// is off, gets one frame named "Pag" + its number that shows it. A page that names a map
// the book lacks (or has released or left empty), or whose record length is outside 1..58,
// gets the warning "Map problem." and that single frame. A map beyond the depth or frame
// limits gets the warning too and shows the frames read until then. The tree is laid out
// in width × height.
PageFrames buildPageFrames(const TZEBset& set, const PageFramesRequest& request);

// The page a frame shows: a leaf's page when the book has it and it is live, else -1.
std::int32_t shownPageOf(const TZEBset& set, const FrameNode& frame);

}  // namespace zeb
