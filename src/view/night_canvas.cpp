// Painting in night colours, and which pages turn.
#include "view/night_canvas.h"

#include "document/container.h"
#include "document/picture.h"
#include "platform/system_colours.h"
#include "text/object_placement.h"
#include "view/page_background.h"
#include "view/page_view.h"

namespace zeb {

NightPainting nightPaintingOf(TZEBpage& page, const NightView& view) {
  if (!view.on) return {};
  const TZEBsfondo& background = page.Background();
  Colour shown = background.Colour();
  if (TZEBoggetto* pictureObject = background.Picture()) {
    const TZEBpicture* picture = page.set().decodedPicture(*pictureObject);
    if (picture != nullptr && !picture->empty() && picture->isOpaque())
      shown = averageColourOf(firstImagePixels(*picture));
  }
  return {.mapColours = !isDarkColour(shown), .dimPictures = view.dimPictures};
}

NightCanvas::NightCanvas(Canvas& inner, NightPainting painting) : inner_(inner), painting_(painting) {}

Colour NightCanvas::mapped(Colour colour) {
  if (!painting_.mapColours || isSystemColour(colour)) return colour;
  const auto known = colours_.find(colour);
  if (known != colours_.end()) return known->second;
  const Colour night = nightColourOf(colour);
  colours_.emplace(colour, night);
  return night;
}

void NightCanvas::setFont(const TMyFont& font) {
  if (!painting_.mapColours) {
    inner_.setFont(font);
    return;
  }
  TMyFont night = font;
  night.Color = mapped(font.Color);
  inner_.setFont(night);
}

PixelView NightCanvas::converted(const PixelView& pixels, bool background) {
  for (const Converted& kept : converted_) {
    if (kept.source == pixels.rgba && kept.width == pixels.width && kept.height == pixels.height &&
        kept.background == background)
      return {kept.width, kept.height, kept.pixels.data()};
  }
  converted_.push_back({pixels.rgba, pixels.width, pixels.height, background,
                        background ? nightBackgroundPixels(pixels) : dimmedPixels(pixels)});
  const Converted& made = converted_.back();
  return {made.width, made.height, made.pixels.data()};
}

void NightCanvas::drawPicture(const CanvasRect& target, const PixelView& pixels) {
  if (!painting_.dimPictures || pixels.empty()) {
    inner_.drawPicture(target, pixels);
    return;
  }
  inner_.drawPicture(target, converted(pixels, false));
}

void NightCanvas::drawBackgroundTile(const CanvasRect& target, const PixelView& pixels) {
  if (!painting_.mapColours || pixels.empty()) {
    inner_.drawBackgroundTile(target, pixels);
    return;
  }
  inner_.drawBackgroundTile(target, converted(pixels, true));
}

}  // namespace zeb
