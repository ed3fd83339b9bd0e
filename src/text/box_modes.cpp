// The box's reading modes, its window and frame set, repaint requests.
#include <algorithm>

#include "text/box_host.h"
#include "text/box_surface.h"
#include "text/frame_set_link.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// Applies the change to the boxes of the tables embedded in the box.
template <typename Change>
void forEachCellBox(TZEBbox& box, Change change) {
  for (const auto& object : box.embeddedObjects()) {
    if (TableCells* table = object->tableCells()) {
      for (const auto& cell : table->cells()) change(*cell);
    }
  }
}

}  // namespace

void TZEBbox::setAnimated(bool animated) {
  animated_ = animated;
  if (animated) {
    hideCaret();
    ClearSelection();
  }
  forEachCellBox(*this, [animated](TZEBbox& cell) { cell.setAnimated(animated); });
}

void TZEBbox::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (!editing()) hideCaret();
  forEachCellBox(*this, [readOnly](TZEBbox& cell) { cell.setReadOnly(readOnly); });
}

FrameSetLink* TZEBbox::frameSet() const { return host_ != nullptr ? host_->frameSet() : nullptr; }

int TZEBbox::paintWidth() const { return std::max(width_, layoutWidth_); }

CanvasRect TZEBbox::paragraphBand(int index) const {
  if (index < 0 || index >= paragraphCount()) return {};
  const TZEBparag& band = paragraph(index);
  return {0, band.Top, paintWidth(), band.Bottom + 2};
}

void TZEBbox::invalidate(const CanvasRect& area) const {
  if (area.empty()) return;
  if (surface_ != nullptr)
    surface_->invalidate(area);
  else if (isHosted() && host_ != nullptr)
    host_->invalidate(*this, area);
}

void TZEBbox::invalidateParagraph(int index) const { invalidate(paragraphBand(index)); }

void TZEBbox::focusGained() {
  if (updateLock_ > 0) return;
  if (showsCaret() && !hasSelection_) showCaret();
}

void TZEBbox::focusLost() { hideCaret(); }

}  // namespace zeb
