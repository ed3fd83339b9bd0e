// Walking the objects of a page's text.
#include "view/page_objects.h"

#include "text/markup_stream.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"
#include "view/visual_object.h"

namespace zeb {
namespace {

void walk(TZEBbox& box, const ObjectVisit& visit, int depth) {
  for (int p = 0; p < box.paragraphCount(); ++p) {
    for (const EmbeddedRef& ref : box.paragraph(p).Objects) {
      if (ref.object == nullptr || ref.visual == nullptr) continue;
      visit(box, *ref.object, *ref.visual);
      TableCells* table = ref.visual->tableCells();
      if (table == nullptr || depth >= limits::maxTableNesting) continue;
      for (const auto& cell : table->cells())
        if (cell) walk(*cell, visit, depth + 1);
    }
  }
}

}  // namespace

void forEachObject(TZEBbox& box, const ObjectVisit& visit) { walk(box, visit, 0); }

std::vector<FormField> formFieldsOf(TZEBbox& box) {
  std::vector<FormField> fields;
  forEachObject(box, [&](TZEBbox&, TZEBoggetto& object, EmbeddedObject& sizing) {
    const auto* visual = dynamic_cast<const VisualObject*>(&sizing);
    fields.push_back({&object, visual != nullptr ? &visual->field() : nullptr});
  });
  return fields;
}

}  // namespace zeb
