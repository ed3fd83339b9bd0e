// Keeping the pictures a canvas draws.
#include "platform/qt/qt_picture_memo.h"

#include <cstring>
#include <functional>
#include <string_view>

namespace zeb {
QImage wrappedImage(const PixelView& pixels) {
  if (pixels.empty()) return {};
  return QImage(pixels.rgba, pixels.width, pixels.height, pixels.width * 4, QImage::Format_RGBA8888);
}

QImage PictureMemo::imageOf(const PixelView& pixels) {
  const auto bytes = static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height) * 4;
  const std::string_view content(reinterpret_cast<const char*>(pixels.rgba), bytes);
  const std::size_t key = std::hash<std::string_view>{}(content) ^ (static_cast<std::size_t>(pixels.width) << 1);
  const auto [first, last] = images_.equal_range(key);
  for (auto it = first; it != last; ++it) {
    const QImage& kept = it->second;
    if (kept.width() == pixels.width && kept.height() == pixels.height &&
        std::memcmp(kept.constBits(), pixels.rgba, bytes) == 0)
      return kept;
  }
  if (keptBytes_ + static_cast<std::int64_t>(bytes) > maxKeptBytes) return wrappedImage(pixels);
  keptBytes_ += static_cast<std::int64_t>(bytes);
  return images_.emplace(key, wrappedImage(pixels).copy())->second;
}

}  // namespace zeb
