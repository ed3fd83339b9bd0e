// Size checks and the one-frame picture shared by the picture decoders.
#include "document/decoded_picture.h"

#include <utility>

namespace zeb {

std::int64_t DecodedPicture::decodedBytes() const {
  std::int64_t total = 0;
  for (const PictureFrame& frame : frames) total += static_cast<std::int64_t>(frame.rgba.size());
  return total;
}

DecodedPicture singleFramePicture(PictureFrame frame) {
  DecodedPicture picture;
  picture.width = frame.width;
  picture.height = frame.height;
  picture.frames.push_back(std::move(frame));
  return picture;
}

bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide &&
         width * height <= maxPicturePixels && rgbaBytes(width, height) <= maxDecodedBytes;
}

void growFrameRows(PictureFrame& frame, std::int64_t rows) {
  const auto wanted = static_cast<std::size_t>(rgbaBytes(frame.width, rows));
  if (frame.rgba.capacity() == 0) frame.rgba.reserve(static_cast<std::size_t>(rgbaBytes(frame.width, frame.height)));
  if (frame.rgba.size() < wanted) frame.rgba.resize(wanted, 0);
}

}  // namespace zeb
