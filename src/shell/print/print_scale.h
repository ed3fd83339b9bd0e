// The page driver's arithmetic: the printer's factors, the printable area inside the
// margins, and lengths measured on the screen turned into printer pixels.
#pragma once

#include <cstdint>

#include "platform/printer.h"

namespace zeb {

namespace limits {
// The printable area keeps at least this share (1 / n) of the sheet, however wide the
// margins a damaged page set-up holds.
inline constexpr int minimumPrintableShare = 10;
}  // namespace limits

// The options of a print: the page background on every sheet, the backgrounds of tables
// and their cells, and the printed size (hundredths of a millimetre) of 100 pixels of a
// picture as shown on the screen.
struct PrintOptions {
  static constexpr int defaultImageScale = 2500;
  static constexpr int minimumImageScale = 20;
  static constexpr int maximumImageScale = 20000;

  bool background = false;
  bool tableBackground = false;
  int imageScale = defaultImageScale;
};

class PrintScale {
 public:
  // Whether the printer describes a sheet that can be printed on: a size in pixels and in
  // millimetres.
  static bool usable(const PrinterPage& page);

  // The scale of the sheet with the set-up's margins; lengths on the screen are measured at
  // its resolution in pixels per inch.
  PrintScale(const PrinterPage& page, const PageSetup& setup, int imageScale, int screenPixelsPerInch);

  // Where the printable area starts on the sheet, and its size, in printer pixels.
  int leftMargin() const { return leftMargin_; }
  int topMargin() const { return topMargin_; }
  int printableWidth() const { return printableWidth_; }
  int printableHeight() const { return printableHeight_; }
  // The image scale times the factor across, rounded.
  int horizontalImageFactor() const { return horizontalImageFactor_; }

  // A length in screen pixels as printer pixels across or down: pixels / the screen's
  // pixels per inch * 2540 hundredths of a millimetre * the factor, rounded.
  int horizontal(std::int64_t screenPixels) const { return converted(screenPixels, horizontal_); }
  int vertical(std::int64_t screenPixels) const { return converted(screenPixels, vertical_); }
  // A length in printer pixels as screen pixels across or down, rounded down (the inverse of
  // horizontal and vertical).
  int screenHorizontal(std::int64_t printerPixels) const { return unconverted(printerPixels, horizontal_); }
  int screenVertical(std::int64_t printerPixels) const { return unconverted(printerPixels, vertical_); }
  // A picture's size as shown on the screen, printed at the image scale.
  int pictureWidth(int shownWidth) const { return scaled(shownWidth, horizontalImageFactor_); }
  int pictureHeight(int shownHeight) const { return scaled(shownHeight, verticalImageFactor_); }

 private:
  int converted(std::int64_t screenPixels, double factor) const;
  int unconverted(std::int64_t printerPixels, double factor) const;
  static int scaled(int shown, int imageFactor);

  double horizontal_ = 0;
  double vertical_ = 0;
  int screenPixelsPerInch_ = 96;
  int leftMargin_ = 0;
  int topMargin_ = 0;
  int printableWidth_ = 1;
  int printableHeight_ = 1;
  int horizontalImageFactor_ = 0;
  int verticalImageFactor_ = 0;
};

}  // namespace zeb
