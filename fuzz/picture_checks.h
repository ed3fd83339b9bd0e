// What every decoded picture must satisfy, checked by the picture harnesses after decoding.
#pragma once

#include <cstdlib>

#include "document/decoded_picture.h"
#include "document/frame_compositor.h"

namespace zeb::fuzzing {

// Stops the run when a frame leaves the screen, its pixels do not match its size or a limit
// is broken; then draws the animation through once when its canvas is small enough to be
// quick.
inline void checkPicture(const DecodedPicture& picture) {
  const auto require = [](bool condition) {
    if (!condition) std::abort();
  };
  if (picture.empty()) return;
  require(pictureSizeAllowed(picture.width, picture.height));
  require(picture.frames.size() <= static_cast<std::size_t>(maxPictureFrames));
  require(picture.decodedBytes() <= maxDecodedBytes);
  for (const PictureFrame& frame : picture.frames) {
    require(frame.left >= 0 && frame.top >= 0 && frame.width >= 0 && frame.height >= 0);
    require(frame.left + frame.width <= picture.width && frame.top + frame.height <= picture.height);
    require(static_cast<std::int64_t>(frame.rgba.size()) == rgbaBytes(frame.width, frame.height));
  }
  if (std::int64_t{picture.width} * picture.height > 1 << 20) return;
  FrameCompositor compositor(picture);
  for (std::size_t i = 0; i < picture.frames.size(); ++i)
    require(static_cast<std::int64_t>(compositor.advance().size()) == rgbaBytes(picture.width, picture.height));
}

}  // namespace zeb::fuzzing
