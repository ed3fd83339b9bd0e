// Lengths in the six presentation units and in screen pixels: the one converter that the
// attribute accessors, the style dialogs and the RTF writer share.
#pragma once

#include <cstdint>

namespace zeb {

// The unit byte of a paragraph style. Bytes above 5 are treated as pixels.
enum class LengthUnit : std::uint8_t { centimetre = 0, millimetre = 1, inch = 2, point = 3, pica = 4, pixel = 5 };

LengthUnit lengthUnitOf(int unitByte);

class UnitConverter {
 public:
  // Screen pixels per inch; values below 1 are taken as 96.
  explicit UnitConverter(int pixelsPerInch);

  int pixelsPerInch() const { return pixelsPerInch_; }

  // How many of the unit make an inch (2.54 centimetres, 72 points, 6 picas, ...).
  double unitsPerInch(LengthUnit unit) const;

  double fromPixels(double pixels, LengthUnit unit) const;
  double toPixels(double value, LengthUnit unit) const;
  // The nearest whole pixel (halves away from zero).
  std::int32_t roundedPixels(double value, LengthUnit unit) const;
  double convert(double value, LengthUnit from, LengthUnit to) const;

  // Twentieths of a point, as RTF measures: pixels / pixels per inch * 72 * 20, rounded.
  std::int32_t twipsOfPixels(double pixels) const;

 private:
  int pixelsPerInch_;
};

}  // namespace zeb
