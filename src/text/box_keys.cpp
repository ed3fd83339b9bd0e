// Key input of a box: scrolling the page in reading modes, caret and selection movement in
// editing mode.
#include "document/container.h"
#include "text/box_host.h"
#include "text/caret_movement.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {
namespace {

// Arrow keys scroll the page by this much in reading modes.
constexpr int lineScroll = 10;
// A page step leaves this much of the previous view in sight; below pageStepMinimum + this
// height the step is pageStepMinimum.
constexpr int pageOverlap = 20;
constexpr int pageStepMinimum = 10;

std::optional<CaretMove> moveOf(const KeyEvent& event) {
  const bool control = event.control();
  switch (event.key) {
    case Key::left: return control ? CaretMove::wordLeft : CaretMove::characterLeft;
    case Key::right: return control ? CaretMove::wordRight : CaretMove::characterRight;
    case Key::up: return control ? CaretMove::paragraphUp : CaretMove::lineUp;
    case Key::down: return control ? CaretMove::paragraphDown : CaretMove::lineDown;
    case Key::home: return control ? CaretMove::textStart : CaretMove::lineStart;
    case Key::end: return control ? CaretMove::textEnd : CaretMove::lineEnd;
    case Key::pageUp: return CaretMove::pageUp;
    case Key::pageDown: return CaretMove::pageDown;
    default: return std::nullopt;
  }
}

// The table whose character is at the index of the paragraph, with cells to enter.
TableCells* tableAt(const TZEBparag& paragraph, int index) {
  if (index < 0 || index >= paragraph.length()) return nullptr;
  const std::int32_t object = paragraph.Cells[static_cast<std::size_t>(index)].ObjectIndex;
  if (object < 0 || object >= static_cast<std::int32_t>(paragraph.Objects.size())) return nullptr;
  EmbeddedObject* visual = paragraph.Objects[static_cast<std::size_t>(object)].visual;
  TableCells* table = visual != nullptr ? visual->tableCells() : nullptr;
  return table != nullptr && !table->cells().empty() ? table : nullptr;
}

// A stretch of one link's characters in a body paragraph of a box.
struct LinkStretch {
  TZEBbox* box = nullptr;
  int paragraph = 0;
  int start = 0;
  int end = 0;
};

// Walks the links of a box's body in text order, those of its tables' cells (row by row) at
// their table's character, and finds the link Tab goes to from the caret or selection of one
// of these boxes. Counted from the start of a selected link (or the caret), so that the link
// itself is passed over, and a caret on a link's first character reaches that link first.
class LinkWalk {
 public:
  LinkWalk(const TZEBbox& from, bool forward) : from_(from), forward_(forward), selected_(from.hasSelection()) {
    const TextPos& origin = selected_ ? from.orderedStart() : from.Caret();
    origin_ = {origin.paragraphIndex, origin.charIndex};
  }

  std::optional<LinkStretch> chosen() const { return chosen_; }

  void walk(TZEBbox& box, int depth) {
    for (int p = box.HeaderCount(); p < box.bodyEnd() && !done_; ++p) {
      const TZEBparag& paragraph = box.paragraph(p);
      int c = 0;
      while (c < paragraph.length() && !done_) {
        const std::int32_t code = paragraph.Cells[static_cast<std::size_t>(c)].LinkCode;
        int end = c + 1;
        while (end < paragraph.length() && paragraph.Cells[static_cast<std::size_t>(end)].LinkCode == code) ++end;
        reach(box, p, c);
        if (code != noLink && box.linkObject(code, paragraph) != nullptr) offer({&box, p, c, end});
        for (int k = c; k < end && !done_ && depth < limits::maxTableNesting; ++k) {
          TableCells* table = tableAt(paragraph, k);
          if (table == nullptr) continue;
          reach(box, p, k);
          for (const auto& cell : table->cells())
            if (cell && !done_) walk(*cell, depth + 1);
        }
        c = end;
      }
    }
    // A caret at the end of its box's body comes before all that follows the box.
    if (&box == &from_) passed_ = true;
  }

 private:
  // The walk reached the place of the box: past the origin once it is there.
  void reach(const TZEBbox& box, int paragraph, int character) {
    if (&box == &from_ && !passed_ && std::pair(paragraph, character) >= origin_) passed_ = true;
  }
  void offer(const LinkStretch& link) {
    if (!passed_) {
      if (!forward_) chosen_ = link;
      return;
    }
    const bool atOrigin = link.box == &from_ && std::pair(link.paragraph, link.start) == origin_;
    if (forward_ && atOrigin && selected_) return;
    if (forward_) chosen_ = link;
    done_ = true;
  }

  const TZEBbox& from_;
  bool forward_;
  bool selected_;
  std::pair<int, int> origin_;
  bool passed_ = false;
  bool done_ = false;
  std::optional<LinkStretch> chosen_;
};

// Keys after which a selection collapses to its start rather than its end.
bool collapsesToStart(Key key) { return key == Key::pageUp || key == Key::home || key == Key::left || key == Key::up; }

bool movesBackward(CaretMove move) {
  switch (move) {
    case CaretMove::characterLeft:
    case CaretMove::wordLeft:
    case CaretMove::lineUp:
    case CaretMove::paragraphUp:
    case CaretMove::lineStart:
    case CaretMove::textStart:
    case CaretMove::pageUp: return true;
    default: return false;
  }
}

}  // namespace

bool TZEBbox::keyDown(const KeyEvent& event) {
  if (updateLock_ > 0) return true;
  if (editing()) return editingKey(event);
  // A link reached with Tab, or the caret on one while browsing: Enter follows it.
  if (event.key == Key::enter && (hasSelection_ || caretBrowsing()) && linkAtCaret()) {
    followLinkAtCaret();
    return true;
  }
  if (caretBrowsing()) {
    if (const std::optional<CaretMove> move = moveOf(event); move && !paragraphs_.empty())
      return caretKey(event, *move);
  }
  return scrollKey(event);
}

bool TZEBbox::scrollKey(const KeyEvent& event) {
  const int pageHeight = host_ != nullptr ? host_->clientHeight() : 0;
  const int pageStep = pageHeight < pageOverlap + pageStepMinimum ? pageStepMinimum : pageHeight - pageOverlap;
  switch (event.key) {
    case Key::pageUp: scrollBy(0, -pageStep); return true;
    case Key::pageDown: scrollBy(0, pageStep); return true;
    case Key::up: scrollBy(0, -lineScroll); return true;
    case Key::down: scrollBy(0, lineScroll); return true;
    case Key::left: scrollBy(-lineScroll, 0); return true;
    case Key::right: scrollBy(lineScroll, 0); return true;
    // As in a web page: Space pages down, Shift+Space up; Home and End go to the page's ends.
    case Key::space:
      if (event.control()) return false;
      scrollBy(0, event.shift() ? -pageStep : pageStep);
      return true;
    case Key::home: scrollBy(0, -verticalPosition_); return true;
    case Key::end: scrollBy(0, static_cast<int>(scrollWindow().maxTop()) - verticalPosition_); return true;
    case Key::letterC: return event.control();  // copying is the frame set's command here
    default: return false;
  }
}

bool TZEBbox::editingKey(const KeyEvent& event) {
  if (event.key == Key::enter) {
    selectionChanged();
    return true;
  }
  if (event.key == Key::letterC && event.control()) {
    CopySelection();
    return true;
  }
  if (event.key == Key::f2) {
    followLinkAtCaret();
    return true;
  }
  const std::optional<CaretMove> move = moveOf(event);
  if (!move || paragraphs_.empty()) return false;
  return caretKey(event, *move);
}

bool TZEBbox::caretKey(const KeyEvent& event, CaretMove move) {
  if (!event.shift() && hasSelection_) {
    const TextPos collapsed = collapsesToStart(event.key) ? orderedStart() : orderedEnd();
    ClearSelection();
    moveCaret(collapsed);
  }
  if (enterTable(move, event.shift())) return true;
  const std::optional<TextPos> target = movedCaret(*this, Caret(), move);
  if (!target) {
    if (host_ != nullptr)
      caretHandover_ = host_->leaveBox(*this, movesBackward(move) ? LeaveDirection::backward : LeaveDirection::forward);
  } else {
    if (event.shift()) {
      if (!hasSelection_) selStart_ = selEnd_ = Caret();
      extendSelectionTo(*target);
      hasSelection_ = !samePlace(*target, selStart_);
      selectionShown_ = hasSelection_;
    }
    moveCaret(*target);
  }
  if (hasSelection_)
    hideCaret();
  else
    showCaret();
  selectionChanged();
  return true;
}

bool TZEBbox::linkAtCaret() const {
  if (paragraphs_.empty() || Caret().paragraph == nullptr) return false;
  return linkObject(linkAt(Caret()), *Caret().paragraph) != nullptr;
}

TZEBbox* TZEBbox::selectNextLink(bool forward, TZEBbox& from) {
  LinkWalk walk(from, forward);
  walk.walk(*this, 0);
  const std::optional<LinkStretch> chosen = walk.chosen();
  if (!chosen) return nullptr;
  TZEBbox& target = *chosen->box;
  if (&target != &from) {
    // One selection shows: the box left loses its own.
    from.ClearSelection();
    from.hideCaret();
  }
  target.SelectRange(chosen->paragraph, chosen->start, chosen->paragraph, chosen->end);
  target.scrollToCaretWithContext();
  return &target;
}

void TZEBbox::followLinkAtCaret() {
  if (paragraphs_.empty()) return;
  const TextPos& caret = Caret();
  TZEBoggetto* object = linkObject(linkAt(caret), *caret.paragraph);
  if (object == nullptr) return;
  // Followed as a click is: a web or mail address opens at once (and the reader says so when
  // no program could show it), a file or another scheme the book names asks first.
  followLink(*object);
}

}  // namespace zeb

namespace zeb {

bool TZEBbox::enterTable(CaretMove move, bool extending) {
  // A character move onto a table goes into its first cell (to the right) or its last (to the
  // left); a selection being extended passes over it.
  if (extending || (move != CaretMove::characterRight && move != CaretMove::characterLeft)) return false;
  const TextPos at = Caret();
  if (at.paragraphIndex < 0 || at.paragraphIndex >= paragraphCount()) return false;
  const TZEBparag& paragraph = *paragraphs_[static_cast<std::size_t>(at.paragraphIndex)];
  const bool forward = move == CaretMove::characterRight;
  TableCells* table = tableAt(paragraph, forward ? at.charIndex : at.charIndex - 1);
  if (table == nullptr) return false;
  TZEBbox& cell = forward ? *table->cells().front() : *table->cells().back();
  if (forward) {
    cell.moveCaret(cell.positionOf(cell.HeaderCount(), 0));
  } else {
    const int last = std::max(cell.bodyEnd() - 1, 0);
    cell.moveCaret(cell.positionOf(last, cell.paragraphCount() == 0 ? 0 : cell.paragraph(last).length()));
  }
  hideCaret();
  caretHandover_ = &cell;
  return true;
}

}  // namespace zeb
