// The word page's decisions: options, term moves, the button's caption cycle and the steps of
// each search.
#include "shell/word_search.h"

#include "document/search_text.h"
#include "shell/messages.h"

namespace zeb {

int searchOptionsFromBoxes(bool ignoreCaps, bool wholeWord) {
  return (wholeWord ? searchWholeWords : 0) | (ignoreCaps ? 0 : searchMatchCase);
}

std::optional<TermBox> termMoveTarget(TermBox typedInto, std::string_view typedText, bool edit2Empty, bool edit5Empty) {
  if (typedInto == TermBox::edit2 || typedText.empty()) return std::nullopt;
  if (edit2Empty) return TermBox::edit2;
  if (typedInto == TermBox::edit6 && edit5Empty) return TermBox::edit5;
  return std::nullopt;
}

std::int32_t firstPageAfter(std::int32_t shownPage) { return shownPage < 0 ? 0 : shownPage + 1; }

std::string_view WordSearch::buttonCaption() const {
  switch (button_) {
    case Button::ready: return messages::searchInPageReady;
    case Button::continuing: return messages::continueInPage;
    case Button::complete: return messages::pageSearchComplete;
  }
  return messages::searchInPageReady;
}

void WordSearch::pageChanged() {
  button_ = Button::ready;
  restartFromTop_ = false;
}

bool WordSearch::findFromCaret(SearchView& view, std::string_view term) {
  // The search from the caret starts after the caret's character, which would pass over a
  // match at the very start of a page just shown.
  return view.caretAtTextStart() ? view.FindInCurrentBox(term) : view.FindFromSelection(term);
}

bool WordSearch::searchInPage(SearchView& view, std::string_view term) {
  view.showStatusPanels();
  const bool found = restartFromTop_ ? view.FindInCurrentBox(term) : findFromCaret(view, term);
  restartFromTop_ = !found;
  button_ = found ? Button::continuing : Button::complete;
  if (!found) view.showStatusText(messages::pageSearchComplete);
  return found;
}

void WordSearch::showBookHit(SearchView& view, std::int32_t page, std::string_view term) {
  view.showPage(page);
  if (!view.FindInMainBox(term)) {
    view.switchShowFramesOff();
    view.FindInCurrentBox(term);
  }
  pageChanged();
}

void WordSearch::showBookEnd(SearchView& view) {
  view.showPage(0);
  view.showStatusText(messages::hypertextSearchComplete);
  pageChanged();
}

void WordSearch::showResult(SearchView& view, std::int32_t page, std::string_view firstTerm,
                            std::string_view thirdTerm) {
  view.showPage(page);
  pageChanged();
  if (!firstTerm.empty() && findFromCaret(view, firstTerm)) return;
  if (!thirdTerm.empty()) findFromCaret(view, thirdTerm);
}

}  // namespace zeb
