// Printer factors, margins and conversions.
#include "shell/print/print_scale.h"

#include <algorithm>
#include <cmath>

#include "text/line_layout.h"

namespace zeb {
namespace {

// Hundredths of a millimetre in an inch.
constexpr double hundredthsPerInch = 2540.0;
// Margins are taken at most a metre wide.
constexpr int maximumMargin = 100000;

int roundedPixels(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::lround(std::clamp<double>(value, -limits::maxCoordinate, limits::maxCoordinate)));
}

int margin(int hundredths) { return std::clamp(hundredths, 0, maximumMargin); }

// What the sheet leaves inside two margins, never less than its share.
int printable(int sheet, int margins, double factor) {
  const int least = std::max(1, sheet / limits::minimumPrintableShare);
  return std::max(least, sheet - roundedPixels(margins * factor));
}

}  // namespace

bool PrintScale::usable(const PrinterPage& page) {
  return page.widthPixels > 0 && page.heightPixels > 0 && page.widthMillimetres > 0 && page.heightMillimetres > 0;
}

PrintScale::PrintScale(const PrinterPage& page, const PageSetup& setup, int imageScale, int screenPixelsPerInch)
    : screenPixelsPerInch_(screenPixelsPerInch > 0 ? screenPixelsPerInch : 96) {
  if (!usable(page)) return;
  horizontal_ = page.widthPixels / (page.widthMillimetres * 100);
  vertical_ = page.heightPixels / (page.heightMillimetres * 100);
  printableWidth_ = printable(page.widthPixels, margin(setup.leftMargin) + margin(setup.rightMargin), horizontal_);
  printableHeight_ = printable(page.heightPixels, margin(setup.topMargin) + margin(setup.bottomMargin), vertical_);
  leftMargin_ = std::min(roundedPixels(margin(setup.leftMargin) * horizontal_), page.widthPixels - printableWidth_);
  topMargin_ = std::min(roundedPixels(margin(setup.topMargin) * vertical_), page.heightPixels - printableHeight_);
  const int scale = std::clamp(imageScale, PrintOptions::minimumImageScale, PrintOptions::maximumImageScale);
  horizontalImageFactor_ = roundedPixels(scale * horizontal_);
  verticalImageFactor_ = roundedPixels(scale * vertical_);
}

int PrintScale::converted(std::int64_t screenPixels, double factor) const {
  return roundedPixels(static_cast<double>(screenPixels) / screenPixelsPerInch_ * hundredthsPerInch * factor);
}

int PrintScale::unconverted(std::int64_t printerPixels, double factor) const {
  if (!(factor > 0)) return 0;
  const double screen = static_cast<double>(printerPixels) / factor / hundredthsPerInch * screenPixelsPerInch_;
  return static_cast<int>(std::clamp<double>(std::floor(screen), -limits::maxCoordinate, limits::maxCoordinate));
}

int PrintScale::scaled(int shown, int imageFactor) {
  return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{shown} * imageFactor / 100, 0, limits::maxCoordinate));
}

}  // namespace zeb
