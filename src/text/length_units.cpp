// Conversions between pixels and the presentation units.
#include "text/length_units.h"

#include <cmath>

namespace zeb {

LengthUnit lengthUnitOf(int unitByte) {
  return unitByte >= 0 && unitByte <= 5 ? static_cast<LengthUnit>(unitByte) : LengthUnit::pixel;
}

UnitConverter::UnitConverter(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch > 0 ? pixelsPerInch : 96) {}

double UnitConverter::unitsPerInch(LengthUnit unit) const {
  switch (unit) {
    case LengthUnit::centimetre: return 2.54;
    case LengthUnit::millimetre: return 25.4;
    case LengthUnit::inch: return 1.0;
    case LengthUnit::point: return 72.0;
    case LengthUnit::pica: return 6.0;
    case LengthUnit::pixel: break;
  }
  return pixelsPerInch_;
}

double UnitConverter::fromPixels(double pixels, LengthUnit unit) const {
  if (unit == LengthUnit::pixel) return pixels;
  return pixels / pixelsPerInch_ * unitsPerInch(unit);
}

double UnitConverter::toPixels(double value, LengthUnit unit) const {
  if (unit == LengthUnit::pixel) return value;
  return value / unitsPerInch(unit) * pixelsPerInch_;
}

std::int32_t UnitConverter::roundedPixels(double value, LengthUnit unit) const {
  const double pixels = std::round(toPixels(value, unit));
  if (std::isnan(pixels)) return 0;
  if (pixels < -2147483648.0) return INT32_MIN;
  if (pixels > 2147483647.0) return INT32_MAX;
  return static_cast<std::int32_t>(pixels);
}

double UnitConverter::convert(double value, LengthUnit from, LengthUnit to) const {
  return fromPixels(toPixels(value, from), to);
}

std::int32_t UnitConverter::twipsOfPixels(double pixels) const {
  // Lengths of damaged texts can be any 32-bit value; their twips stay within 32 bits.
  const double twips = std::round(pixels / pixelsPerInch_ * 72.0 * 20.0);
  if (std::isnan(twips)) return 0;
  if (twips < -2147483648.0) return INT32_MIN;
  if (twips > 2147483647.0) return INT32_MAX;
  return static_cast<std::int32_t>(twips);
}

}  // namespace zeb
