// Picture placement sizes.
#include "text/picture_placement.h"

#include "document/container.h"

namespace zeb {

PicturePlacement::PicturePlacement(TZEBoggetto& placement)
    : EmbeddedObject(placement),
      naturalWidth_(placement.record().i16(field::placementNaturalWidth)),
      naturalHeight_(placement.record().i16(field::placementNaturalHeight)),
      displayWidth_(placement.record().i16(field::placementDisplayWidth)),
      displayHeight_(placement.record().i16(field::placementDisplayHeight)) {
  fitWidth(0);
}

void PicturePlacement::fitWidth(int) {
  if (const TZEBoggetto* picture = object().ReferencedPicture()) {
    const int pictureWidth = picture->record().i16(field::pictureWidth);
    const int pictureHeight = picture->record().i16(field::pictureHeight);
    const bool decoded = pictureWidth > 0 && pictureHeight > 0;
    if (decoded && (pictureWidth != naturalWidth_ || pictureHeight != naturalHeight_)) {
      naturalWidth_ = displayWidth_ = pictureWidth;
      naturalHeight_ = displayHeight_ = pictureHeight;
    }
  }
  width_ = displayWidth_ > 0 ? displayWidth_ : sizeWhenUnset;
  height_ = displayHeight_ > 0 ? displayHeight_ : sizeWhenUnset;
}

int PicturePlacement::placement() const { return object().record().u8(field::placementVertical); }

}  // namespace zeb
