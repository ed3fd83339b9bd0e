// Sizing objects of controls, and the factory of a page's embedded objects.
#include "view/visual_object.h"

#include "document/book_object.h"
#include "text/box_host.h"
#include "text/picture_placement.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {

VisualObject::VisualObject(TZEBoggetto& object, TZEBbox& box, const ControlMetrics& metrics)
    : EmbeddedObject(object), box_(&box), metrics_(&metrics), kind_(visualKindOf(object)) {
  refresh();
}

void VisualObject::fitWidth(int offeredWidth) {
  offeredWidth_ = offeredWidth;
  int clientHeight = 0;
  if (box_->isHosted())
    clientHeight = box_->Height();
  else if (box_->Host() != nullptr)
    clientHeight = box_->Host()->clientHeight();
  size_ = visualSizeOf(object(), *metrics_, {offeredWidth, clientHeight});
}

int VisualObject::placement() const { return verticalPlacementOf(object()); }

void VisualObject::refresh() {
  hint_ = descriptionOf(object());
  field_ = initialFieldState(object());
  fitWidth(offeredWidth_);
}

std::unique_ptr<EmbeddedObject> VisualObjectFactory::create(TZEBoggetto& object, TZEBbox& box) {
  switch (visualKindOf(object)) {
    case VisualKind::table: return std::make_unique<TableCells>(object, box);
    case VisualKind::image: return std::make_unique<PicturePlacement>(object);
    case VisualKind::none: return std::make_unique<FixedSizeObject>(object, 0, 0);
    default: return std::make_unique<VisualObject>(object, box, metrics_);
  }
}

}  // namespace zeb
