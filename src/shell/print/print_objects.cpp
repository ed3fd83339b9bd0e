// Pictures and other objects on paper.
#include "shell/print/print_objects.h"

#include <algorithm>
#include <filesystem>

#include "document/book_object.h"
#include "document/book_paths.h"
#include "document/container.h"
#include "document/image_cache.h"
#include "shell/print/print_backgrounds.h"
#include "shell/print/screen_canvas.h"
#include "shell/print/table_print.h"
#include "text/object_placement.h"
#include "text/picture_placement.h"
#include "view/visual_object.h"
#include "view/visual_painting.h"

namespace zeb {
namespace {

// The attribute of a placement that names a picture file outside the book.
constexpr std::string_view externalFileAttribute = "externalfile";
// The picture file a placement names instead of a picture of the book; none when it names
// none, or no such file can be read.
std::unique_ptr<TZEBpicture> externalPicture(const TZEBoggetto& placement) {
  if (placement.record().i32(field::placementPicture) != -1) return nullptr;
  const std::string stored = placement.attribute(externalFileAttribute);
  if (stored.empty()) return nullptr;
  std::filesystem::path bookFolder;
  std::uint16_t codePage = 1252;
  if (const TZEBset* set = placement.Container()) {
    bookFolder = std::filesystem::path(set->ZEBFileName()).parent_path();
    codePage = set->codePage();
  }
  const std::filesystem::path path = resolveStoredPath(stored, bookFolder, codePage);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return nullptr;
  auto picture = std::make_unique<TZEBpicture>();
  picture->setImageNameL(path.string());
  return picture->empty() ? nullptr : std::move(picture);
}

}  // namespace

TMyyImageP::TMyyImageP(TZEBoggetto& placement, const PrintScale& scale)
    : TMyyPrintual(placement), external_(externalPicture(placement)) {
  if (external_) {
    setSize(scale.pictureWidth(external_->width()), scale.pictureHeight(external_->height()));
    return;
  }
  const PicturePlacement shown(placement);
  setSize(scale.pictureWidth(shown.width()), scale.pictureHeight(shown.height()));
}

TMyyImageP::~TMyyImageP() = default;

void TMyyImageP::Print(const PrintSheet& sheet, const CanvasRect&) {
  const TZEBpicture* picture = external_ ? external_.get() : sheet.set.decodedPicture(object());
  if (picture == nullptr) return;
  const PixelView pixels = firstImagePixels(*picture);
  if (!pixels.empty()) sheet.canvas.drawPicture({0, 0, Width(), Height()}, pixels);
}

TMyyRectangleP::TMyyRectangleP(TZEBoggetto& object, TZEBbox& box, const PrintScale& scale,
                               const ControlMetrics& metrics)
    : TMyyPrintual(object),
      scale_(scale),
      metrics_(metrics),
      control_(std::make_unique<VisualObject>(object, box, metrics)) {
  fitWidth(scale.printableWidth());
}

TMyyRectangleP::~TMyyRectangleP() = default;

void TMyyRectangleP::fitWidth(int offeredWidth) {
  const SizeOffer offer{scale_.screenHorizontal(offeredWidth), scale_.screenVertical(scale_.printableHeight())};
  screen_ = visualSizeOf(object(), metrics_, offer);
  setSize(scale_.horizontal(screen_.width), scale_.vertical(screen_.height));
}

int TMyyRectangleP::placement() const { return control_->placement(); }

// Printed whole with its line, like a picture.
void TMyyRectangleP::Print(const PrintSheet& sheet, const CanvasRect&) {
  ScreenCanvas screen(sheet.canvas, scale_);
  paintVisualObject(*control_, screen, {0, 0, screen_.width, screen_.height}, ControlLook{}, metrics_);
}

std::unique_ptr<EmbeddedObject> PrintObjectFactory::create(TZEBoggetto& object, TZEBbox& box) {
  switch (object.Kind()) {
    case TOggettiHel::immagineNew: return std::make_unique<TMyyImageP>(object, scale_);
    case TOggettiHel::tabellaHtml: return std::make_unique<TMyyTableP>(object, box, scale_);
    default: return std::make_unique<TMyyRectangleP>(object, box, scale_, metrics_);
  }
}

}  // namespace zeb
