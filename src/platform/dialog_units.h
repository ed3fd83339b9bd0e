// Windows are designed in the pixels of one font: the dialog font of the desktop they were
// drawn on. Shown in another font, every designed length grows or shrinks with the font,
// across by its average letter width and down by its height, as dialog units do.
#pragma once

#include "platform/window_placement.h"

namespace zeb {

// A font's base units in pixels: its average letter width and its height.
struct FontBaseUnits {
  int width = 0;
  int height = 0;
  bool operator==(const FontBaseUnits&) const = default;
};

// The font the windows were designed with: 8-point "MS Sans Serif" at 96 pixels per inch.
inline constexpr FontBaseUnits designFontUnits{6, 13};

// The base units of a font from the width of the 52 letters "A" to "Z" and "a" to "z" and
// its height (ascent and descent), rounded as the designs' desktop rounds them.
FontBaseUnits baseUnitsOf(int alphabetWidth, int height);

// Designed lengths into the lengths of a font. Base units of 0 or less (a font nobody could
// measure) leave the designed lengths as they are.
class DesignScale {
 public:
  explicit DesignScale(FontBaseUnits font, FontBaseUnits design = designFontUnits);

  int x(int designed) const;
  int y(int designed) const;
  WindowRect rect(const WindowRect& designed) const;

 private:
  FontBaseUnits font_;
  FontBaseUnits design_;
};

}  // namespace zeb
