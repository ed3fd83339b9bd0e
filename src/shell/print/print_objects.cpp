// Pictures and other objects on paper.
#include "shell/print/print_objects.h"

#include <algorithm>
#include <filesystem>

#include "document/book_object.h"
#include "document/book_paths.h"
#include "document/container.h"
#include "document/image_cache.h"
#include "shell/print/print_backgrounds.h"
#include "shell/print/table_print.h"
#include "text/object_placement.h"
#include "text/picture_placement.h"

namespace zeb {
namespace {

// The attribute of a placement that names a picture file outside the book.
constexpr std::string_view externalFileAttribute = "externalfile";
// Marker icons are this many screen pixels square; some panel elements are wider.
constexpr int markerSize = 18;
constexpr int wideMarker = 36;
constexpr int widestMarker = 90;
// An outline is a screen pixel wide.
constexpr int outlineWidth = 1;

struct ScreenLook {
  int width = TMyyPrintual::defaultScreenSize;
  int height = TMyyPrintual::defaultScreenSize;
  bool outlined = false;
};

// The width of a panel element's marker by its subtype.
int panelMarkerWidth(std::uint8_t subtype) {
  switch (subtype) {
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26: return wideMarker;
    case 27:
    case 28: return widestMarker;
    default: return markerSize;
  }
}

ScreenLook screenLookOf(const TZEBoggetto& object) {
  const std::uint8_t subtype = object.state();
  switch (object.Kind()) {
    case TOggettiHel::shortObj: return {panelMarkerWidth(subtype), markerSize, false};
    case TOggettiHel::inizioForm: return {markerSize, markerSize, false};
    case TOggettiHel::inputStat:
      if (subtype == 5) return {markerSize, markerSize, false};  // a hidden field
      return {TMyyPrintual::defaultScreenSize, TMyyPrintual::defaultScreenSize, true};
    case TOggettiHel::inputDin:
      if (subtype == 11 || subtype == 12) return {markerSize, markerSize, false};
      return {TMyyPrintual::defaultScreenSize, TMyyPrintual::defaultScreenSize, true};
    case TOggettiHel::bottoneCGI:
    case TOggettiHel::dbloc:
    case TOggettiHel::multiMedia: return {TMyyPrintual::defaultScreenSize, TMyyPrintual::defaultScreenSize, true};
    default: return {};
  }
}

// The picture file a placement names instead of a picture of the book; none when it names
// none, or no such file can be read.
std::unique_ptr<TZEBpicture> externalPicture(const TZEBoggetto& placement) {
  if (placement.record().i32(field::placementPicture) != -1) return nullptr;
  const std::string stored = placement.attribute(externalFileAttribute);
  if (stored.empty()) return nullptr;
  std::filesystem::path bookFolder;
  if (const TZEBset* set = placement.Container()) bookFolder = std::filesystem::path(set->ZEBFileName()).parent_path();
  const std::filesystem::path path = resolveStoredPath(stored, bookFolder);
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

TMyyRectangleP::TMyyRectangleP(TZEBoggetto& object, const PrintScale& scale) : TMyyPrintual(object) {
  const ScreenLook look = screenLookOf(object);
  setSize(scale.horizontal(look.width), scale.vertical(look.height));
  outlined_ = look.outlined;
}

// Printed whole with its line, like a picture.
void TMyyRectangleP::Print(const PrintSheet& sheet, const CanvasRect&) {
  if (!outlined_) return;
  constexpr Colour black = 0;
  const Bevel outline{std::max(1, sheet.scale.horizontal(outlineWidth)),
                      std::max(1, sheet.scale.vertical(outlineWidth)), black, black};
  const CanvasRect area{0, 0, Width(), Height()};
  printBevel(sheet.canvas, area, outline, area);
}

std::unique_ptr<EmbeddedObject> PrintObjectFactory::create(TZEBoggetto& object, TZEBbox& box) {
  switch (object.Kind()) {
    case TOggettiHel::immagineNew: return std::make_unique<TMyyImageP>(object, scale_);
    case TOggettiHel::tabellaHtml: return std::make_unique<TMyyTableP>(object, box, scale_);
    default: return std::make_unique<TMyyRectangleP>(object, scale_);
  }
}

}  // namespace zeb
