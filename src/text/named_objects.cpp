// Listing the named objects of a box.
#include "text/named_objects.h"

#include <unordered_set>

#include "document/page_object.h"
#include "platform/windows1252.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {
namespace {

void collect(const TZEBbox& box, std::vector<NamedObject>& out, std::unordered_set<const TZEBoggetto*>& links) {
  for (const auto& paragraph : box.Paragraphs()) {
    const TZEBtesto* text = box.textOf(paragraph->Origin);
    std::int32_t previousLink = noLink;
    for (const CharCell& cell : paragraph->Cells) {
      if (cell.LinkCode != previousLink && isLocalReference(static_cast<std::uint32_t>(cell.LinkCode)) &&
          text != nullptr) {
        TZEBoggetto* link = text->localObject(static_cast<std::uint32_t>(cell.LinkCode));
        if (link != nullptr && links.insert(link).second) out.push_back({lowerWindows1252(link->Name()), link});
      }
      previousLink = cell.LinkCode;
      if (cell.ObjectIndex < 0 || cell.ObjectIndex >= static_cast<std::int32_t>(paragraph->Objects.size())) continue;
      const EmbeddedRef& embedded = paragraph->Objects[static_cast<std::size_t>(cell.ObjectIndex)];
      out.push_back({lowerWindows1252(embedded.object->Name()), embedded.object});
      if (embedded.visual == nullptr) continue;
      if (const TableCells* table = embedded.visual->tableCells()) {
        for (const auto& cellBox : table->cells()) collect(*cellBox, out, links);
      }
    }
  }
}

}  // namespace

std::vector<NamedObject> listNamedObjects(const TZEBbox& box) {
  std::vector<NamedObject> out;
  std::unordered_set<const TZEBoggetto*> links;
  collect(box, out, links);
  return out;
}

}  // namespace zeb
