// The word page of the search dialog without its window: the options its check boxes give,
// where a typed term moves, the search-in-page button's caption cycle, and what the searches
// in the page, in the e-book and from a listed result do to the page view.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zeb {

// What the searches act on: the main window's page view and its status bar.
class SearchView {
 public:
  virtual ~SearchView() = default;

  // The number of the page shown; -1 (or below) when none is.
  virtual std::int32_t MainPageNumber() const = 0;
  virtual void showPage(std::int32_t page) = 0;
  // Each find looks for the text as typed (UTF-8), selects the match, brings it into view
  // and tells whether there was one.
  virtual bool FindInMainBox(std::string_view text) = 0;
  virtual bool FindInCurrentBox(std::string_view text) = 0;
  virtual bool FindFromSelection(std::string_view text) = 0;
  // Whether the current box has nothing selected and its caret stands at (or before) the
  // start of its text, as on a page just shown.
  virtual bool caretAtTextStart() const = 0;
  // "Show frames" off: the toolbar toggle raised and its handler run, the view repainted.
  virtual void switchShowFramesOff() = 0;
  // The status bar back to its panels, or one text across it.
  virtual void showStatusPanels() = 0;
  virtual void showStatusText(std::string_view text) = 0;
};

// The frame set's options from the word page's boxes: match case unless "ignore caps" is
// ticked, whole words when "whole word only" is.
int searchOptionsFromBoxes(bool ignoreCaps, bool wholeWord);

// The term boxes of the word page: Edit2 (the first term), Edit3 ("and:"), Edit5 ("Or:")
// and Edit6 ("and:").
enum class TermBox { edit2, edit3, edit5, edit6 };

// Where text typed into a box moves: into an empty Edit2 from Edit3, Edit5 or Edit6, else
// from Edit6 into an empty Edit5; nowhere for Edit2, for an empty text, or when the box to
// take it holds text.
std::optional<TermBox> termMoveTarget(TermBox typedInto, std::string_view typedText, bool edit2Empty, bool edit5Empty);

// The search in the e-book starts after the page shown, at page 0 when none is.
std::int32_t firstPageAfter(std::int32_t shownPage);

// The state of the search-in-page button and of the search it runs.
class WordSearch {
 public:
  enum class Button { ready, continuing, complete };

  Button button() const { return button_; }
  // "&Search in page  F3", "&Continue in page  F3" or "Page search complete".
  std::string_view buttonCaption() const;

  // After a page change: the button is ready and the next search starts at the caret.
  void pageChanged();
  // On the dialog's activation and deactivation: the button is ready; a search that found
  // nothing still sends the next one to the top.
  void activationChanged() { button_ = Button::ready; }

  // The search in the page for the first term (not empty): the status bar returns to its
  // panels; from the caret, or from the top after a search that found nothing. A miss
  // shows "Page search complete" across the status bar. True when found.
  bool searchInPage(SearchView& view, std::string_view term);

  // The page the search in the e-book stopped at: shown, the term looked for in its main
  // box, and, when the page's own text is not there (a frame map shows other pages), with
  // "show frames" off in the page's own box.
  void showBookHit(SearchView& view, std::int32_t page, std::string_view term);
  // No page after the one shown passes: page 0 is shown and "Hypertext search complete"
  // goes across the status bar.
  void showBookEnd(SearchView& view);
  // A listed result chosen: its page shown and the first term looked for from the caret,
  // then the third. Empty terms are not looked for.
  void showResult(SearchView& view, std::int32_t page, std::string_view firstTerm, std::string_view thirdTerm);

 private:
  static bool findFromCaret(SearchView& view, std::string_view term);

  Button button_ = Button::ready;
  bool restartFromTop_ = false;
};

}  // namespace zeb
