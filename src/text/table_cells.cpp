// Table cells: reading their texts, and a simple grid size.
#include "text/table_cells.h"

#include <algorithm>

#include "document/book_object.h"
#include "text/line_layout.h"
#include "text/text_box.h"

namespace zeb {
namespace {

constexpr int defaultTableWidth = 300;
constexpr int emptyTableHeight = 20;

}  // namespace

TableCells::TableCells(TZEBoggetto& table, TZEBbox& box)
    : EmbeddedObject(table),
      box_(&box),
      rows_(table.record().u8(field::tableRows)),
      columns_(table.record().u8(field::tableColumns)),
      width_(table.record().i16(field::tableWidth) > 0 ? table.record().i16(field::tableWidth) : defaultTableWidth),
      height_(emptyTableHeight) {}

TableCells::~TableCells() = default;

TZEBbox* TableCells::cell(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_ || cells_.empty()) return nullptr;
  return cells_[static_cast<std::size_t>(row * columns_ + column)].get();
}

void TableCells::readCells(MarkupStream& stream, TZEBtesto* source, ReadBudget& budget) {
  const std::int64_t count = std::int64_t{rows_} * columns_;
  if (budget.tableDepth >= limits::maxTableNesting || count > budget.cellsLeft) return;
  budget.cellsLeft -= count;
  ++budget.tableDepth;
  const int inset = object().record().u8(field::tableCellInset);
  cells_.reserve(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    auto cellBox = std::make_unique<TZEBbox>(box_->set(), box_->measures(), BoxPlacement::hosted);
    cellBox->setObjectFactory(&box_->objectFactory());
    cellBox->setTextOf(paragraphOrigin::body, source);
    cellBox->setHostInset(inset);
    cellBox->Background().transparent = true;  // the table paints the cells' colours
    cellBox->setAnimated(box_->Animated());
    cellBox->setReadOnly(box_->ReadOnly());
    cellBox->setBounds(0, 0, readingWidth, 0);
    cellBox->setLayoutWidth(readingWidth);
    cellBox->setContentWidth(readingWidth);
    cellBox->readParagraphs(stream, paragraphOrigin::body, source, budget);
    cells_.push_back(std::move(cellBox));
  }
  --budget.tableDepth;
}

void TableCells::fitWidth(int offeredWidth) {
  const ObjectRecord& record = object().record();
  const int spacing = record.u8(field::tableCellSpacing);
  int tableWidth = width_;
  if (record.u8(field::tableRelativeWidth) != 0) {
    const int percent = record.u8(field::tableWidthPercent);
    tableWidth = percent > 100 ? offeredWidth : static_cast<int>(std::int64_t{offeredWidth} * percent / 100);
  }
  if (cells_.empty() || columns_ == 0) {
    width_ = std::max(tableWidth, 2 * TZEBbox::minimumWidth);
    height_ = emptyTableHeight;
    return;
  }
  const int columnWidth = std::max(2 * TZEBbox::minimumWidth, (tableWidth - (columns_ + 1) * spacing) / columns_);
  int y = spacing;
  for (int row = 0; row < rows_; ++row) {
    std::int64_t x = spacing;
    int rowHeight = 0;
    for (int column = 0; column < columns_; ++column) {
      TZEBbox& cellBox = *cell(row, column);
      cellBox.setLayoutWidth(columnWidth);
      cellBox.FitHosted(saturated(x), y);
      rowHeight = std::max(rowHeight, cellBox.Height());
      x += columnWidth + spacing;
    }
    y = saturated(std::int64_t{y} + rowHeight + spacing);
  }
  width_ = saturated(spacing + std::int64_t{columns_} * (columnWidth + spacing));
  height_ = y;
}

}  // namespace zeb
