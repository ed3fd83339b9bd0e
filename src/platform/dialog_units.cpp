// Designed lengths in the font shown.
#include "platform/dialog_units.h"

#include <cstdint>

namespace zeb {
namespace {

constexpr int alphabetLetters = 52;

// value * numerator / denominator, rounded half away from zero.
int scaled(int value, int numerator, int denominator) {
  if (numerator <= 0 || denominator <= 0) return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

FontBaseUnits baseUnitsOf(int alphabetWidth, int height) {
  // Half the width of two letters, rounded: the average letter to the nearest pixel.
  return {(alphabetWidth / (alphabetLetters / 2) + 1) / 2, height};
}

DesignScale::DesignScale(FontBaseUnits font, FontBaseUnits design) : font_(font), design_(design) {}

int DesignScale::x(int designed) const { return scaled(designed, font_.width, design_.width); }

int DesignScale::y(int designed) const { return scaled(designed, font_.height, design_.height); }

WindowRect DesignScale::rect(const WindowRect& designed) const {
  return {x(designed.left), y(designed.top), x(designed.width), y(designed.height)};
}

}  // namespace zeb
