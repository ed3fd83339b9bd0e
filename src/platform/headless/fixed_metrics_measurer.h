// A TextMeasurer with simple fixed metrics, so that layout results can be worked out by
// hand: tests use it for exact figures, the command-line tools where no screen exists.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "platform/text_measurer.h"

namespace zeb {

// At a size of s points every character is s pixels wide (s + 1 in bold), the font is
// 2s pixels high with an ascent of 3s/2, whatever the face. Single characters can be given
// other widths, and pairs a kerning that narrows their joint extent.
class FixedMetricsMeasurer final : public TextMeasurer {
 public:
  explicit FixedMetricsMeasurer(int pixelsPerInch = 96) : pixelsPerInch_(pixelsPerInch) {}

  int pixelsPerInch() const override { return pixelsPerInch_; }
  FontMetrics metrics(const TMyFont& font) override;
  int extent(const TMyFont& font, std::string_view text) override;

  // The character is this many pixels wide at every size.
  void setCharacterWidth(std::uint8_t character, int width) { widths_[character] = width; }
  // The extent of the two characters together is this many pixels less than their sum.
  void setKerning(std::uint8_t first, std::uint8_t second, int narrowing) { kerning_[{first, second}] = narrowing; }

  // How many times extent was asked, to check that measurements are cached.
  int extentCalls() const { return extentCalls_; }

 private:
  int characterWidth(const TMyFont& font, std::uint8_t character) const;

  int pixelsPerInch_;
  std::map<std::uint8_t, int> widths_;
  std::map<std::pair<std::uint8_t, std::uint8_t>, int> kerning_;
  int extentCalls_ = 0;
};

}  // namespace zeb
