// Full canvases of an animation, built frame by frame with each frame's disposal applied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/decoded_picture.h"

namespace zeb {

// The GIF painter's drawing rule in one place. A frame is drawn over what the earlier frames
// left: a see-through pixel leaves the canvas alone, any other replaces it. Before the next
// frame, the frame's disposal applies to its rectangle: keep it, clear it to see-through,
// or put back what was there before it. The compositor borrows the picture, which must
// outlive it.
class FrameCompositor {
 public:
  explicit FrameCompositor(const DecodedPicture& picture) : picture_(picture) {}

  // Draws the next frame and returns the canvas: logical width × height pixels, RGBA.
  // The first call draws frame 0; after the last frame the next call starts over on a
  // clear canvas. An empty picture gives an empty canvas.
  const std::vector<std::uint8_t>& advance();
  // The frame the last canvas shows.
  std::size_t shownFrame() const { return shown_; }

 private:
  void dispose(const PictureFrame& frame);
  void draw(const PictureFrame& frame);

  const DecodedPicture& picture_;
  std::vector<std::uint8_t> canvas_;
  std::vector<std::uint8_t> beforeFrame_;  // the shown frame's rectangle before it was drawn
  std::size_t shown_ = 0;
  bool started_ = false;
};

}  // namespace zeb
