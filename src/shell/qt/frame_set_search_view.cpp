// The searches' page view over the frame set.
#include "shell/qt/frame_set_search_view.h"

#include "text/text_box.h"
#include "view/qt/frame_set.h"

namespace zeb {

std::int32_t FrameSetSearchView::MainPageNumber() const { return frames_.MainPageNumber(); }

void FrameSetSearchView::showPage(std::int32_t page) { frames_.setMainPageNumber(page); }

bool FrameSetSearchView::FindInMainBox(std::string_view text) { return frames_.FindInMainBox(text); }

bool FrameSetSearchView::FindInCurrentBox(std::string_view text) { return frames_.FindInCurrentBox(text); }

bool FrameSetSearchView::FindFromSelection(std::string_view text) { return frames_.FindFromSelection(text); }

bool FrameSetSearchView::caretAtTextStart() const {
  const TZEBbox* box = frames_.CurrentBox();
  if (box == nullptr || box->hasSelection()) return box == nullptr;
  return !comesBefore(box->firstTextPosition(), box->Caret());
}

void FrameSetSearchView::switchShowFramesOff() {
  if (hooks_.switchShowFramesOff)
    hooks_.switchShowFramesOff();
  else
    frames_.setShowNested(false);
  frames_.repaint();
}

void FrameSetSearchView::showStatusPanels() {
  if (hooks_.showStatusPanels) hooks_.showStatusPanels();
}

void FrameSetSearchView::showStatusText(std::string_view text) {
  if (hooks_.showStatusText) hooks_.showStatusText(text);
}

}  // namespace zeb
