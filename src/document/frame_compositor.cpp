// Drawing animation frames onto one canvas.
#include "document/frame_compositor.h"

#include <algorithm>

namespace zeb {
namespace {

std::size_t canvasOffset(const DecodedPicture& picture, int x, int y) {
  return static_cast<std::size_t>(rgbaBytes(picture.width, y) + rgbaBytes(x, 1));
}

// Decoders only make frames that fit; a frame built by hand that does not is left out.
bool fits(const DecodedPicture& picture, const PictureFrame& frame) {
  return frame.left >= 0 && frame.top >= 0 && frame.width >= 0 && frame.height >= 0 &&
         frame.left + std::int64_t{frame.width} <= picture.width &&
         frame.top + std::int64_t{frame.height} <= picture.height &&
         static_cast<std::int64_t>(frame.rgba.size()) == rgbaBytes(frame.width, frame.height);
}

}  // namespace

const std::vector<std::uint8_t>& FrameCompositor::advance() {
  if (picture_.frames.empty()) {
    canvas_.clear();
    return canvas_;
  }
  if (started_ && shown_ + 1 < picture_.frames.size()) {
    dispose(picture_.frames[shown_]);
    ++shown_;
  } else {
    canvas_.assign(static_cast<std::size_t>(rgbaBytes(picture_.width, picture_.height)), 0);
    shown_ = 0;
    started_ = true;
  }
  draw(picture_.frames[shown_]);
  return canvas_;
}

void FrameCompositor::dispose(const PictureFrame& frame) {
  if (!fits(picture_, frame)) return;
  const std::size_t rowBytes = static_cast<std::size_t>(rgbaBytes(frame.width, 1));
  for (int y = 0; y < frame.height; ++y) {
    const auto row = canvas_.begin() + static_cast<std::ptrdiff_t>(canvasOffset(picture_, frame.left, frame.top + y));
    if (frame.disposal == FrameDisposal::restoreBackground)
      std::fill_n(row, rowBytes, 0);
    else if (frame.disposal == FrameDisposal::restorePrevious)
      std::copy_n(beforeFrame_.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<std::size_t>(y)), rowBytes,
                  row);
  }
}

void FrameCompositor::draw(const PictureFrame& frame) {
  if (!fits(picture_, frame)) return;
  const std::size_t rowBytes = static_cast<std::size_t>(rgbaBytes(frame.width, 1));
  if (frame.disposal == FrameDisposal::restorePrevious) beforeFrame_.resize(rowBytes * frame.height);
  for (int y = 0; y < frame.height; ++y) {
    std::uint8_t* row = canvas_.data() + canvasOffset(picture_, frame.left, frame.top + y);
    if (frame.disposal == FrameDisposal::restorePrevious)
      std::copy_n(row, rowBytes,
                  beforeFrame_.begin() + static_cast<std::ptrdiff_t>(rowBytes * static_cast<std::size_t>(y)));
    const std::uint8_t* source = frame.rgba.data() + rowBytes * static_cast<std::size_t>(y);
    for (std::size_t i = 0; i < rowBytes; i += bytesPerPixel)
      if (source[i + 3] != 0) std::copy_n(source + i, bytesPerPixel, row + i);
  }
}

}  // namespace zeb
