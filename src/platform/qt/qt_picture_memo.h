// PictureMemo: a copy of each distinct picture a canvas drew, so that the same pixels
// drawn again reach the painter as the same image. A PDF then holds a picture once, however
// many tiles and sheets show it.
#pragma once

#include <QImage>
#include <cstdint>
#include <unordered_map>

#include "platform/canvas.h"

namespace zeb {

// The pixels as an image without copying them (they must outlive its use); a null image for
// no pixels.
QImage wrappedImage(const PixelView& pixels);

class PictureMemo {
 public:
  // Copies are kept up to this many bytes; pictures beyond them are drawn without a copy.
  static constexpr std::int64_t maxKeptBytes = std::int64_t{256} << 20;

  // The image of the pixels: the kept copy when the same pixels were drawn before. An
  // image that is not kept wraps the pixels, which must outlive its use.
  QImage imageOf(const PixelView& pixels);

 private:
  std::unordered_multimap<std::size_t, QImage> images_;
  std::int64_t keptBytes_ = 0;
};

}  // namespace zeb
