// Character widths measured in pairs and kept per font, so that a page measures each
// distinct pair of characters in a font once, however long it is.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/text_measurer.h"

namespace zeb {

namespace limits {
// Fonts are measured at sizes from 1 to this many points; a book's size outside them is
// measured at the nearest one.
inline constexpr int maxFontSize = 1638;
// Fonts one cache keeps; a book that uses more makes the cache start afresh.
inline constexpr std::size_t maxMeasuredFonts = 512;
}  // namespace limits

// One font as measured: its metrics and the widths found so far. Row 0 holds characters
// measured alone, row p + 1 characters measured after character p.
class MeasuredFont {
 public:
  const TMyFont& font() const { return font_; }
  const FontMetrics& metrics() const { return metrics_; }

 private:
  friend class MeasurementCache;
  using Row = std::array<std::int16_t, 256>;
  static constexpr std::int16_t unmeasured = INT16_MIN;

  TMyFont font_;  // face, size, style and code page; colour and position change no measurement
  FontMetrics metrics_;
  std::array<std::unique_ptr<Row>, 257> rows_;
};

// Not thread-safe: it belongs to the user-interface thread like the boxes that use it.
class MeasurementCache {
 public:
  explicit MeasurementCache(TextMeasurer& measurer) : measurer_(&measurer) {}
  MeasurementCache(const MeasurementCache&) = delete;
  MeasurementCache& operator=(const MeasurementCache&) = delete;

  TextMeasurer& measurer() const { return *measurer_; }
  int pixelsPerInch() const { return measurer_->pixelsPerInch(); }

  // The entry of the font, measured on first use. Use it only until the next select():
  // a select() that finds the cache full drops every entry.
  MeasuredFont& select(const TMyFont& font);

  // The width of a character: alone when previous is -1, otherwise the extent of the pair
  // minus the extent of the previous character alone, so that overhang and kerning between
  // neighbours are included.
  int width(MeasuredFont& font, int previous, std::uint8_t character);

  std::size_t fontCount() const { return fonts_.size(); }

 private:
  TextMeasurer* measurer_;
  std::unordered_map<std::string, std::unique_ptr<MeasuredFont>> fonts_;
  MeasuredFont* last_ = nullptr;
};

}  // namespace zeb
