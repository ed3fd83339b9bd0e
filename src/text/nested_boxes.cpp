// Places of objects, cells and points across nested boxes.
#include "text/nested_boxes.h"

#include "text/hit_test.h"
#include "text/line_layout.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {

std::optional<CanvasRect> objectBounds(const EmbeddedObject& object) {
  const TZEBparag* paragraph = object.laidOutIn();
  const int at = object.laidOutAt();
  if (paragraph == nullptr || at < 0 || at >= paragraph->length()) return std::nullopt;
  for (const TZEBline& line : paragraph->Lines) {
    if (at < line.FirstChar || at >= line.FirstChar + line.CharCount) continue;
    std::int64_t x = std::int64_t{line.Indent} + line.AlignOffset;
    for (int i = line.FirstChar; i < at; ++i) x += paragraph->Cells[static_cast<std::size_t>(i)].DrawWidth;
    const std::int64_t baseline = std::int64_t{contentTop(*paragraph)} + line.LineTop + line.LineAscent;
    const std::int64_t top = baseline - paragraph->Cells[static_cast<std::size_t>(at)].Ascent;
    return CanvasRect{saturated(x), saturated(top), saturated(x + object.width()), saturated(top + object.height())};
  }
  return std::nullopt;
}

std::optional<ObjectPlace> objectPlace(const TZEBbox& box, const EmbeddedObject& object) {
  const TZEBparag* paragraph = object.laidOutIn();
  if (paragraph == nullptr || object.laidOutAt() < 0 || object.laidOutAt() >= paragraph->length()) return std::nullopt;
  for (int p = 0; p < box.paragraphCount(); ++p) {
    if (&box.paragraph(p) == paragraph) return ObjectPlace{p, object.laidOutAt()};
  }
  return std::nullopt;
}

TZEBoggetto* objectLink(const TZEBbox& box, const EmbeddedObject& object) {
  const auto place = objectPlace(box, object);
  if (!place) return nullptr;
  const TZEBparag& paragraph = box.paragraph(place->paragraph);
  return box.linkObject(paragraph.Cells[static_cast<std::size_t>(place->character)].LinkCode, paragraph);
}

BoxOffset offsetInOutermostBox(const TZEBbox& box) {
  std::int64_t x = 0;
  std::int64_t y = 0;
  const TZEBbox* current = &box;
  // Each step leaves one table; tables nest only so deep.
  for (int depth = 0; depth <= limits::maxTableNesting && current->isHosted(); ++depth) {
    const auto* table = dynamic_cast<const TableCells*>(current->Host());
    if (table == nullptr) break;
    const auto bounds = objectBounds(*table);
    if (!bounds) break;
    x += std::int64_t{current->Left()} + bounds->left;
    y += std::int64_t{current->Top()} + bounds->top;
    current = &table->box();
  }
  return {saturated(x), saturated(y)};
}

BoxPoint innermostBoxAt(TZEBbox& box, int x, int y) {
  BoxPoint point{&box, x, y};
  for (int depth = 0; depth <= limits::maxTableNesting; ++depth) {
    const auto hit = hitTest(*point.box, point.x, point.y, HitScope::all);
    if (!hit) break;
    TZEBbox* inner = nullptr;
    for (const EmbeddedRef& object : hit->paragraph->Objects) {
      TableCells* table = object.visual != nullptr ? object.visual->tableCells() : nullptr;
      const auto bounds = table != nullptr ? objectBounds(*table) : std::nullopt;
      if (!bounds) continue;
      const auto cell = table->cellAt(point.x - bounds->left, point.y - bounds->top);
      if (!cell) continue;
      inner = table->cell(cell->row, cell->column);
      point.x -= bounds->left + inner->Left();
      point.y -= bounds->top + inner->Top();
      break;
    }
    if (inner == nullptr) break;
    point.box = inner;
  }
  return point;
}

}  // namespace zeb
