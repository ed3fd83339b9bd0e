// Effective fonts of characters.
#include "text/effective_font.h"

#include "text/paragraph.h"

namespace zeb {

TMyFont runFont(const TZEBParaStyle& paragraph, const TZEBFontStyle* run) {
  TMyFont font;
  if (run != nullptr)
    run->AssignTo(font);
  else
    paragraph.AssignTo(font);
  return font;
}

void applyLinkLook(TMyFont& font, const TZEBParaStyle& paragraph) {
  font.Color = paragraph.LinkColor();
  font.Style ^= paragraph.LinkStyle();
  const std::int32_t linkSize = paragraph.LinkSize();
  if (linkSize > 0) font.Size = linkSize;
}

TMyFont effectiveFont(const TZEBparag& paragraph, int index) {
  TMyFont font = runFont(paragraph.Style, paragraph.runAt(index));
  if (index >= 0 && index < static_cast<int>(paragraph.Cells.size()) &&
      paragraph.Cells[static_cast<std::size_t>(index)].LinkCode != noLink) {
    applyLinkLook(font, paragraph.Style);
  }
  return font;
}

CellMetrics positionedMetrics(std::int32_t height, std::int32_t ascent, std::uint8_t position) {
  CellMetrics metrics{height, ascent};
  if (position == fontPosition::subscript)
    metrics.height += height / 2;
  else if (position == fontPosition::superscript)
    metrics.ascent += height / 2;
  return metrics;
}

}  // namespace zeb
