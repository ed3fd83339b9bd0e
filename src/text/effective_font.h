// The font a character is shown in: the paragraph's character attributes, replaced by the
// run in force, with the link look on linked text; and the cell metrics of a position.
#pragma once

#include <cstdint>

#include "platform/font.h"

namespace zeb {

class TZEBFontStyle;
class TZEBParaStyle;
class TZEBparag;

// The paragraph's character attributes, or all five of the run's when there is one.
TMyFont runFont(const TZEBParaStyle& paragraph, const TZEBFontStyle* run);

// Linked text: colour becomes LinkColor, style is exclusive-or'ed with LinkStyle, and the
// size becomes LinkSize when it is above 0 (-1, and any size a font cannot have, keep the
// run's size); the face stays.
void applyLinkLook(TMyFont& font, const TZEBParaStyle& paragraph);

// The effective font of character `index` (the paragraph end for index == length).
TMyFont effectiveFont(const TZEBparag& paragraph, int index);

// Height and ascent of a character cell for a font of the given height and ascent: a
// subscript cell is taller by half the height below the baseline; a superscript's ascent
// grows by half the height, which raises it. The font size is never reduced.
struct CellMetrics {
  std::int32_t height = 0;
  std::int32_t ascent = 0;
};
CellMetrics positionedMetrics(std::int32_t height, std::int32_t ascent, std::uint8_t position);

}  // namespace zeb
