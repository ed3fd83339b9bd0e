// Key input of a box: scrolling the page in reading modes, caret and selection movement in
// editing mode.
#include "document/container.h"
#include "document/link_target.h"
#include "platform/desktop_shell.h"
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

bool TZEBbox::selectNextLink(bool forward) {
  if (paragraphs_.empty()) return false;
  // Counted from the start of a selected link (or the caret), so that the link itself is
  // passed over, and a caret on a link's first character reaches that link first.
  const TextPos from = hasSelection_ ? orderedStart() : Caret();
  const auto key = [](int paragraph, int character) { return std::pair(paragraph, character); };
  const auto origin = key(from.paragraphIndex, from.charIndex);
  std::optional<std::pair<int, std::pair<int, int>>> chosen;  // paragraph, start and end
  for (int p = headerCount_; p < bodyEnd(); ++p) {
    const TZEBparag& paragraph = *paragraphs_[static_cast<std::size_t>(p)];
    int c = 0;
    while (c < paragraph.length()) {
      const std::int32_t code = paragraph.Cells[static_cast<std::size_t>(c)].LinkCode;
      int end = c + 1;
      while (end < paragraph.length() && paragraph.Cells[static_cast<std::size_t>(end)].LinkCode == code) ++end;
      if (code != noLink && linkObject(code, paragraph) != nullptr) {
        const auto start = key(p, c);
        const bool wanted = forward ? (hasSelection_ ? start > origin : start >= origin) : start < origin;
        if (wanted && (!forward || !chosen)) chosen = std::pair(p, std::pair(c, end));
      }
      c = end;
    }
  }
  if (!chosen) return false;
  SelectRange(chosen->first, chosen->second.first, chosen->first, chosen->second.second);
  scrollToCaretWithContext();
  return true;
}

void TZEBbox::followLinkAtCaret() {
  if (paragraphs_.empty()) return;
  const TextPos& caret = Caret();
  TZEBoggetto* object = linkObject(linkAt(caret), *caret.paragraph);
  if (object == nullptr) return;
  // A web or mail address goes to the desktop at once; any other target the book names (a
  // file, another scheme) is followed like a click, which asks before it opens.
  if (object->Kind() == TOggettiHel::internetLink && isWebOrMailAddress(object->Name())) {
    set().services().shell->openDocument(object->Name());
    return;
  }
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
