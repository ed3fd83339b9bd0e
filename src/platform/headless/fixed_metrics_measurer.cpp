// Fixed metrics: widths and heights that follow from the point size alone.
#include "platform/headless/fixed_metrics_measurer.h"

#include <algorithm>
#include <cstdint>

#include "platform/font_faces.h"

namespace zeb {

namespace {

// Sizes beyond any real font, kept small enough that no metric overflows.
int usableSize(int size) { return std::clamp(size, 0, 100000); }

}  // namespace

FontMetrics FixedMetricsMeasurer::metrics(const TMyFont& font) {
  const int size = usableSize(font.Size);
  FontMetrics metrics;
  metrics.height = 2 * size;
  metrics.ascent = 3 * size / 2;
  metrics.averageCharWidth = size;
  metrics.pitchAndFamily = substituteFace(font.Name).pitchAndFamily;
  return metrics;
}

int FixedMetricsMeasurer::characterWidth(const TMyFont& font, std::uint8_t character) const {
  if (const auto found = widths_.find(character); found != widths_.end()) return found->second;
  return usableSize(font.Size) + ((font.Style & fontStyle::bold) != 0 ? 1 : 0);
}

int FixedMetricsMeasurer::extent(const TMyFont& font, std::string_view text) {
  ++extentCalls_;
  long long total = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto character = static_cast<std::uint8_t>(text[i]);
    total += characterWidth(font, character);
    if (i > 0) {
      const auto pair = kerning_.find({static_cast<std::uint8_t>(text[i - 1]), character});
      if (pair != kerning_.end()) total -= pair->second;
    }
  }
  return static_cast<int>(std::clamp<long long>(total, INT32_MIN, INT32_MAX));
}

}  // namespace zeb
