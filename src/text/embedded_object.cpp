// Cell ascents of embedded objects, and the simple sizing objects.
#include "text/embedded_object.h"

#include "document/book_object.h"
#include "text/picture_placement.h"
#include "text/table_cells.h"

namespace zeb {

int EmbeddedObject::ascent() const {
  switch (placement()) {
    case verticalPlacement::top: return 0;
    case verticalPlacement::middle: return height() / 2;
    default: return height();
  }
}

std::unique_ptr<EmbeddedObject> SimpleObjectFactory::create(TZEBoggetto& object, TZEBbox& box) {
  switch (object.Kind()) {
    case TOggettiHel::immagineNew: return std::make_unique<PicturePlacement>(object);
    case TOggettiHel::tabellaHtml: return std::make_unique<TableCells>(object, box);
    default: return std::make_unique<FixedSizeObject>(object);
  }
}

}  // namespace zeb
