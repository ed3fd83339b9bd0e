// PicturePlacement: the size of a picture placed in a text (kind 16), from its record and
// the picture it shows.
#pragma once

#include "document/object_kinds.h"
#include "text/embedded_object.h"

namespace zeb {

// The display size of the record, each side 100 when it is 0 or less. When the placement
// shows a picture whose decoded size is known and differs from the natural size the
// placement remembers, the picture's size becomes both the natural and the display size.
class PicturePlacement final : public EmbeddedObject {
 public:
  static constexpr int sizeWhenUnset = 100;

  explicit PicturePlacement(TZEBoggetto& placement);

  void fitWidth(int offeredWidth) override;
  int width() const override { return width_; }
  int height() const override { return height_; }
  int placement() const override;

 private:
  int naturalWidth_;
  int naturalHeight_;
  int displayWidth_;
  int displayHeight_;
  int width_ = sizeWhenUnset;
  int height_ = sizeWhenUnset;
};

}  // namespace zeb
