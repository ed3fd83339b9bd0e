// Table cells: reading their texts, laying them out by the table's column rules, and
// hosting them in the box around the table.
#include "text/table_cells.h"

#include <algorithm>

#include "document/container.h"
#include "text/line_layout.h"
#include "text/nested_boxes.h"
#include "text/text_box.h"

namespace zeb {

// Lays a cell box out at a width (its content may make it wider) and places it.
class TableCells::Sizer final : public TableCellSizer {
 public:
  explicit Sizer(TableCells& table) : table_(table) {}

  Size layOut(int row, int column, int width) override {
    TZEBbox& cell = *table_.cell(row, column);
    cell.setLayoutWidth(width);
    cell.FitHosted(cell.Left(), cell.Top());
    return {cell.Width(), cell.Height()};
  }
  void place(int row, int column, const CanvasRect& bounds) override {
    table_.cell(row, column)->setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
  }
  void comingRow(int row, int rowsAhead) override {
    for (int column = 0; column < table_.columns(); ++column)
      if (const TZEBbox* cell = table_.cell(row, column)) cell->prefetchForLayout(rowsAhead);
  }

 private:
  TableCells& table_;
};

TableCells::TableCells(TZEBoggetto& table, TZEBbox& box)
    : EmbeddedObject(table),
      box_(&box),
      description_(TableDescription::of(table.record())),
      width_(description_.storedWidth),
      height_(emptyTableHeight) {
  std::vector<std::uint8_t> data;
  if (table.record().i32(field::tableHasPrimary) != 0) table.readPrimary(data);
  colourCodes_ = cellColourCodes(data, description_.rows * description_.columns);
}

TableCells::~TableCells() = default;

TZEBbox* TableCells::cell(int row, int column) const {
  if (row < 0 || row >= rows() || column < 0 || column >= columns() || cells_.empty()) return nullptr;
  return cells_[static_cast<std::size_t>(row * columns() + column)].get();
}

std::optional<CellIndex> TableCells::indexOf(const TZEBbox& cell) const {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (cells_[i].get() == &cell) return CellIndex{static_cast<int>(i) / columns(), static_cast<int>(i) % columns()};
  }
  return std::nullopt;
}

std::optional<CellIndex> TableCells::cellAt(int x, int y) const {
  for (std::size_t i = 0; i < geometry_.cells.size() && i < cells_.size(); ++i) {
    const CanvasRect& bounds = geometry_.cells[i];
    if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom)
      return CellIndex{static_cast<int>(i) / columns(), static_cast<int>(i) % columns()};
  }
  return std::nullopt;
}

void TableCells::readCells(MarkupStream& stream, TZEBtesto* source, ReadBudget& budget) {
  const std::int64_t count = std::int64_t{rows()} * columns();
  if (budget.tableDepth >= limits::maxTableNesting || count > budget.cellsLeft) return;
  budget.cellsLeft -= count;
  ++budget.tableDepth;
  // Borders are drawn inside a cell, so its content keeps clear of them.
  const int inset = description_.inset + description_.border;
  cells_.reserve(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    auto cellBox = std::make_unique<TZEBbox>(box_->set(), box_->measures(), BoxPlacement::hosted);
    cellBox->setHost(this);
    cellBox->setObjectFactory(&box_->objectFactory());
    cellBox->setTextOf(paragraphOrigin::body, source);
    cellBox->setHostInset(inset);
    BoxBackground& background = cellBox->Background();
    background.transparent = true;
    const CellBackground code = cellBackgroundOf(colourCodes_[static_cast<std::size_t>(i)]);
    if (code.kind == CellBackground::Kind::colour) {
      background.transparent = false;
      background.colour = code.colour;
    } else if (code.kind == CellBackground::Kind::picture) {
      background.picture = box_->set().objectByKindAndIndex(kindNumber(TOggettiHel::immagine), code.pictureIndex);
    }
    cellBox->setAnimated(box_->Animated());
    cellBox->setReadOnly(box_->ReadOnly());
    cellBox->setBounds(0, 0, readingWidth, 0);
    cellBox->setLayoutWidth(readingWidth);
    cellBox->setContentWidth(readingWidth);
    cellBox->readParagraphs(stream, paragraphOrigin::body, source, budget);
    cells_.push_back(std::move(cellBox));
  }
  --budget.tableDepth;
  laidOutFor_.reset();
}

void TableCells::fitWidth(int offeredWidth) {
  if (laidOutFor_ == offeredWidth) return;
  layOut(offeredWidth);
}

void TableCells::layOut(int offeredWidth) {
  laidOutFor_ = offeredWidth;
  const int tableWidth = description_.widthFor(offeredWidth);
  if (cells_.empty() || rows() == 0 || columns() == 0) {
    geometry_ = TableGeometry{};
    width_ = std::max(tableWidth, 2 * TZEBbox::minimumWidth);
    height_ = emptyTableHeight;
    return;
  }
  Sizer sizer(*this);
  geometry_ = layOutTable(description_, tableWidth, sizer);
  width_ = geometry_.width;
  height_ = geometry_.height;
}

// --- Hosting the cells.

int TableCells::clientWidth() const { return width_; }

int TableCells::clientHeight() const { return box_->Host() != nullptr ? box_->Host()->clientHeight() : 0; }

void TableCells::makeVisible(TZEBbox& cell, const CanvasRect& area) {
  const auto bounds = objectBounds(*this);
  if (!bounds) return;
  box_->makeVisible(area.translated(bounds->left + cell.Left(), bounds->top + cell.Top()));
}

void TableCells::invalidate(const TZEBbox& cell, const CanvasRect& area) {
  const auto bounds = objectBounds(*this);
  if (!bounds) return;
  box_->invalidate(area.translated(bounds->left + cell.Left(), bounds->top + cell.Top()));
}

void TableCells::caretMoved(TZEBbox& moved) { box_->tellCaretMoved(moved); }

TZEBbox* TableCells::leaveBox(TZEBbox& cell, LeaveDirection direction) {
  const auto from = indexOf(cell);
  if (!from) return nullptr;
  const bool forward = direction == LeaveDirection::forward;
  if (const auto to = neighbourCell(rows(), columns(), *from, forward ? CellMove::next : CellMove::previous)) {
    TZEBbox& next = *this->cell(to->row, to->column);
    const int paragraph = forward ? next.HeaderCount() : std::max(next.bodyEnd() - 1, 0);
    const int character = forward || next.paragraphCount() == 0 ? 0 : next.paragraph(paragraph).length();
    next.moveCaret(next.positionOf(paragraph, character));
    return &next;
  }
  // Out of the table: before or after its character in the box around.
  if (laidOutIn() == nullptr) return nullptr;
  for (int p = 0; p < box_->paragraphCount(); ++p) {
    if (&box_->paragraph(p) != laidOutIn()) continue;
    box_->moveCaret(box_->positionOf(p, laidOutAt() + (forward ? 1 : 0)));
    return box_;
  }
  return nullptr;
}

FrameSetLink* TableCells::frameSet() const { return box_->frameSet(); }

}  // namespace zeb
