// The caret and the selection of a box.
#include <algorithm>

#include "document/container.h"
#include "text/box_host.h"
#include "text/box_surface.h"
#include "text/frame_set_link.h"
#include "text/text_box.h"

namespace zeb {

void TZEBbox::moveCaret(const TextPos& position) {
  const bool visible = caret_.visibleNow();
  if (visible) invalidate(caret_.bar());
  caret_.setPosition(position);
  if (visible) invalidate(caret_.bar());
  if (surface_ != nullptr && surface_->hasFocus() && showsCaret()) scrollToCaret();
}

bool TZEBbox::caretBrowsing() const {
  if (editing()) return false;
  const FrameSetLink* frames = frameSet();
  return frames != nullptr && frames->CaretBrowsing();
}

void TZEBbox::showCaret() {
  if (!showsCaret() || surface_ == nullptr || !surface_->hasFocus()) return;
  caret_.show(set().services().events, [this] { invalidate(caret_.bar()); });
  invalidate(caret_.bar());
}

void TZEBbox::hideCaret() {
  if (caret_.visibleNow()) invalidate(caret_.bar());
  caret_.hide();
}

const TextPos& TZEBbox::orderedStart() const { return comesBefore(selEnd_, selStart_) ? selEnd_ : selStart_; }
const TextPos& TZEBbox::orderedEnd() const { return comesBefore(selEnd_, selStart_) ? selStart_ : selEnd_; }

bool TZEBbox::selectionContains(const TextPos& position) const {
  if (!hasSelection_) return false;
  return !comesBefore(position, orderedStart()) && !comesBefore(orderedEnd(), position);
}

void TZEBbox::invalidateSelection() const {
  for (int i = orderedStart().paragraphIndex; i <= orderedEnd().paragraphIndex; ++i) invalidateParagraph(i);
}

void TZEBbox::ClearSelection() {
  if (hasSelection_ && selectionShown_) invalidateSelection();
  hasSelection_ = false;
  selectionShown_ = false;
  selStart_ = selEnd_ = Caret();
}

void TZEBbox::HideSelection() {
  if (!selectionShown_) return;
  selectionShown_ = false;
  if (hasSelection_) invalidateSelection();
}

void TZEBbox::ShowSelection() {
  if (selectionShown_) return;
  selectionShown_ = true;
  if (hasSelection_) invalidateSelection();
}

void TZEBbox::selectionChanged() {
  if (FrameSetLink* frames = frameSet()) frames->SetCurrentControl(*this);
  tellCaretMoved(*this);
}

void TZEBbox::tellCaretMoved(TZEBbox& moved) {
  if (surface_ != nullptr)
    surface_->caretMoved(moved);
  else if (isHosted() && host_ != nullptr)
    host_->caretMoved(moved);
}

void TZEBbox::SelectRange(int startParagraph, int startChar, int endParagraph, int endChar) {
  if (paragraphs_.empty()) return;
  ClearSelection();
  selStart_ = positionOf(startParagraph, startChar);
  selEnd_ = positionOf(endParagraph, endChar);
  caret_.setPosition(orderedStart());
  hasSelection_ = !samePlace(selStart_, selEnd_);
  if (hasSelection_) hideCaret();
  selectionShown_ = false;
  ShowSelection();
  selectionChanged();
}

void TZEBbox::SelectAll() {
  if (paragraphs_.empty()) return;
  const bool body = headerCount_ < bodyEnd();
  const int first = body ? headerCount_ : 0;
  const int last = body ? bodyEnd() - 1 : paragraphCount() - 1;
  SelectRange(first, 0, last, paragraph(last).length());
}

void TZEBbox::extendSelectionTo(const TextPos& position) {
  const int oldEnd = selEnd_.paragraphIndex;
  selEnd_ = position;
  const int from = std::min(oldEnd, position.paragraphIndex);
  const int to = std::max(oldEnd, position.paragraphIndex);
  for (int i = from; i <= to; ++i) invalidateParagraph(i);
}

}  // namespace zeb
