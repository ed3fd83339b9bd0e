// Reading, laying out and printing a printed text flow.
#include "shell/print/print_box.h"

#include <algorithm>

#include "document/page_object.h"
#include "shell/print/table_print.h"
#include "text/line_layout.h"
#include "text/object_placement.h"
#include "text/paint_context.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// Prints each object where the paragraph printer places it on its line.
class PrintPlacement final : public ObjectPlacement {
 public:
  PrintPlacement(const PrintSheet& sheet, const CanvasRect& window) : sheet_(sheet), window_(window) {}

  void place(TZEBbox&, EmbeddedObject& object, int left, int top, bool, Canvas& canvas) override {
    object.placeAt(left, top, false);
    auto* printed = dynamic_cast<TMyyPrintual*>(&object);
    if (printed == nullptr) return;
    printed->setPosition(left, top);
    CanvasState state(canvas);
    canvas.translate(left, top);
    printed->Print(sheet_, window_.translated(-left, -top));
  }

 private:
  const PrintSheet& sheet_;
  CanvasRect window_;
};

TMyyPrintual* continuingObject(const EmbeddedRef& reference) {
  auto* object = dynamic_cast<TMyyPrintual*>(reference.visual);
  return object != nullptr && object->continuesOverSheets() && !object->awaitingPlacement ? object : nullptr;
}

}  // namespace

TZEBboxP::TZEBboxP(TZEBset& set, TZEBtesto& text, MeasurementCache& measures, EmbeddedObjectFactory& objects,
                   const PrintScale& scale)
    : ownBox_(std::make_unique<TZEBbox>(set, measures, BoxPlacement::hosted)), box_(ownBox_.get()) {
  // Hosted: the flow has no scroll bars, and header and footer are not hatched on paper.
  box_->setObjectFactory(&objects);
  box_->setAnimated(true);
  box_->setReadOnly(true);
  box_->setHostInset(0);
  if (text.textFormat() == markupFormat::older) return;
  box_->LoadFrom(text, text.headerText(), text.footerText());
  convertLengths(*box_, scale);
}

TZEBboxP::TZEBboxP(TZEBbox& cell, TMyyTableP& table) : box_(&cell), table_(&table) {}

TZEBboxP::~TZEBboxP() = default;

int TZEBboxP::paragraphCount() const { return box_->paragraphCount(); }
TZEBparagP& TZEBboxP::paragraph(int index) const { return box_->paragraph(index); }
int TZEBboxP::HeaderCount() const { return box_->HeaderCount(); }
int TZEBboxP::FooterCount() const { return box_->FooterCount(); }

void TZEBboxP::layOut(int width) {
  box_->setLayoutWidth(std::clamp(width, 2 * TZEBbox::minimumWidth, limits::maxCoordinate));
  box_->setContentWidth(box_->LayoutWidth());
  box_->beginUpdate();
  int y = 0;
  for (int i = 0; i < paragraphCount(); ++i) y = layoutParagraph(*box_, paragraph(i), y);
  box_->endUpdate();
  setSize(box_->ContentWidth(), y);
}

void TZEBboxP::printParagraph(const PrintSheet& sheet, int index, const CanvasRect& window) {
  TZEBparagP& printed = paragraph(index);
  PrintPlacement placement(sheet, window);
  PaintContext context{*box_, sheet.canvas, placement, window};
  context.linesByTop = true;
  context.bulletRoom = sheet.scale.horizontal(defaultBulletRoom);
  paintParagraph(context, printed, index);
  // Tables placed on an earlier sheet that go on over this one.
  for (const EmbeddedRef& reference : printed.Objects) {
    TMyyPrintual* object = continuingObject(reference);
    if (object == nullptr || object->Top() >= window.top || object->bounds().bottom <= window.top) continue;
    CanvasState state(sheet.canvas);
    sheet.canvas.translate(object->Left(), object->Top());
    object->Print(sheet, window.translated(-object->Left(), -object->Top()));
  }
}

void TZEBboxP::printEmbedded(const PrintSheet& sheet, const CanvasRect& window) {
  const CanvasRect area{0, 0, Width(), Height()};
  if (sheet.options.tableBackground) printBackground(sheet, background_, area.intersected(window), 0, 0);
  for (int i = 0; i < paragraphCount(); ++i) {
    const TZEBparagP& printed = paragraph(i);
    if (printed.Top >= window.bottom) break;
    if (printed.Bottom >= window.top) printParagraph(sheet, i, window);
  }
}

std::optional<int> TZEBboxP::nextBelow(int index, const CanvasRect& window) const {
  const TZEBparagP& printed = paragraph(index);
  const int top = contentTop(printed);
  for (const TZEBlineP& line : printed.Lines) {
    const int lineTop = saturated(std::int64_t{top} + line.LineTop);
    if (lineTop >= window.bottom) return lineTop;
  }
  for (const EmbeddedRef& reference : printed.Objects) {
    const TMyyPrintual* object = continuingObject(reference);
    if (object != nullptr && object->bounds().bottom > window.bottom) return window.bottom;
  }
  return std::nullopt;
}

void convertLengths(TZEBbox& box, const PrintScale& scale) {
  for (const auto& paragraph : box.Paragraphs()) {
    TZEBParaStyle& style = paragraph->Style;
    style.setLeftMargin(scale.horizontal(style.LeftMargin()));
    style.setRightMargin(scale.horizontal(style.RightMargin()));
    style.setFirstLineIndent(scale.horizontal(style.FirstLineIndent()));
    style.setTopMargin(scale.vertical(style.TopMargin()));
    style.setBottomMargin(scale.vertical(style.BottomMargin()));
    style.setLineHeight(scale.vertical(style.LineHeight()));
  }
  for (const auto& object : box.embeddedObjects()) {
    if (TableCells* table = object->tableCells()) {
      for (const auto& cell : table->cells()) convertLengths(*cell, scale);
    }
  }
}

}  // namespace zeb
