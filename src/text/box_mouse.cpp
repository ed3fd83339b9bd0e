// Mouse input of a box: presses, selecting by dragging, releases that follow links or show
// popup menus, double clicks that select words, and dropped files.
#include <cstdlib>
#include <filesystem>

#include "document/book_object.h"
#include "platform/windows1252.h"
#include "text/box_host.h"
#include "text/frame_set_link.h"
#include "text/hit_test.h"
#include "text/text_box.h"
#include "text/word_boundaries.h"

namespace zeb {
namespace {

// The pointer must move further than this from the press point, either way, to start a selection.
constexpr int selectionThreshold = 4;

HitScope scopeOfOrigin(std::uint8_t origin) { return origin == paragraphOrigin::body ? HitScope::body : HitScope::all; }

}  // namespace

void TZEBbox::mouseDown(const MouseEvent& event) {
  if (updateLock_ > 0) return;
  if (event.button != MouseButton::left && event.button != MouseButton::right) return;
  press_.doubleClick = event.doubleClick;
  pressAt(event);
}

void TZEBbox::pressAt(const MouseEvent& event) {
  press_.pressed = press_.selecting = press_.dragCandidate = false;
  const std::optional<TextPos> hit = hitTest(*this, event.x, event.y, HitScope::all);
  if (!hit) return;
  press_.origin = hit->paragraph->Origin;
  if (!animated_ && (readOnly_ || press_.origin != paragraphOrigin::body)) return;

  // The caret never goes into header or footer text: a press there puts it on the nearest
  // body line, under the point.
  const std::optional<TextPos> inBody = hitTestNearest(*this, event.x, event.y, HitScope::body);
  const TextPos position = inBody ? *inBody : *hit;
  hideCaret();
  moveCaret(position);
  press_.dragCandidate =
      event.button == MouseButton::left && !animated_ && hasSelection_ && selectionContains(position);
  press_.pressed = true;
  press_.x = event.x;
  press_.y = event.y;
  press_.position = position;
  if (press_.dragCandidate) return;
  ClearSelection();
  selStart_ = selEnd_ = position;
  if (animated_) {
    if (FrameSetLink* frames = frameSet()) frames->TakeFocus();
  } else if (surface_ != nullptr && surface_->canFocus()) {
    surface_->takeFocus();
  }
  hideCaret();
}

void TZEBbox::mouseMove(const MouseEvent& event) {
  if (updateLock_ > 0) return;
  if (event.button == MouseButton::none || !press_.pressed) {
    if (event.button == MouseButton::none) hoverAt(event.x, event.y);
    return;
  }
  if (event.button != MouseButton::left) return;
  if (!press_.selecting) {
    if (std::abs(event.x - press_.x) <= selectionThreshold && std::abs(event.y - press_.y) <= selectionThreshold)
      return;
    if (press_.dragCandidate) {
      // Dragging selected text away belongs to editing, which the reader does not do.
      press_.pressed = false;
      return;
    }
    press_.selecting = true;
    hasSelection_ = true;
    selectionShown_ = false;
    ShowSelection();
    if (FrameSetLink* frames = frameSet()) frames->SetActiveBox(*this);
    selectionChanged();
  }
  const std::optional<TextPos> position = hitTestNearest(*this, event.x, event.y, scopeOfOrigin(press_.origin));
  if (!position) return;
  extendSelectionTo(*position);
  caret_.setPosition(*position);
  scrollToCaret();
}

void TZEBbox::mouseUp(const MouseEvent& event) {
  if (updateLock_ > 0) return;
  const bool selected = press_.selecting;
  press_.pressed = press_.selecting = press_.dragCandidate = false;
  if (selected) {
    hasSelection_ = !samePlace(selStart_, selEnd_);
    if (!hasSelection_) ClearSelection();
  }
  if (press_.doubleClick) {
    press_.doubleClick = false;
    releaseDoubleClick(event);
  } else if (!selected) {
    releaseWithoutSelection(event);
  }
  if (!hasSelection_) showCaret();
  if (FrameSetLink* frames = frameSet()) frames->SetActiveBox(*this);
  selectionChanged();
}

void TZEBbox::releaseWithoutSelection(const MouseEvent& event) {
  const std::optional<TextPos> hit = hitTest(*this, event.x, event.y, HitScope::all);
  const bool right = event.button == MouseButton::right;
  if (animated_ || readOnly_ || right) {
    const std::int32_t link = hit && isOnCharacter(*hit, event.x, event.y) ? linkAt(*hit) : noLink;
    const bool outsideBody = hit && hit->paragraph->Origin != paragraphOrigin::body;
    const PopupMenuChoice inactive = PopupMenuChoice::PopupInactive;
    const bool locked = !animated_ && (outsideBody || readOnly_);
    if (link == noLink || hasSelection_) {
      if (animated_) {
        if (FrameSetLink* frames = frameSet()) frames->Click(*this);
      }
      if (right) popupAt(locked ? inactive : PopupMenuChoice::boxOwn, event.x, event.y);
      return;
    }
    TZEBoggetto* object = linkObject(link, *hit->paragraph);
    if (object == nullptr) return;
    const TOggettiHel kind = object->Kind();
    if (animated_ || (kind != TOggettiHel::genLink && kind != TOggettiHel::speclink)) {
      if (kind == TOggettiHel::internetLink) {
        ClearSelection();
        moveCaret(*hit);
      }
      followLink(*object);
      return;
    }
    if (FrameSetLink* frames = frameSet()) frames->RememberObject(*object);
    if (right) {
      const PopupMenuChoice menu =
          kind == TOggettiHel::speclink ? PopupMenuChoice::PopupSpecLink : PopupMenuChoice::PopupGenLink;
      popupAt(locked ? inactive : menu, event.x, event.y);
    }
    return;
  }
  if (event.button == MouseButton::left) {
    ClearSelection();
    if (hit) moveCaret(*hit);
  }
}

void TZEBbox::releaseDoubleClick(const MouseEvent& event) {
  const std::optional<TextPos> hit = hitTest(*this, event.x, event.y, HitScope::all);
  if (!hit) return;
  const std::int32_t link = isOnCharacter(*hit, event.x, event.y) ? linkAt(*hit) : noLink;
  if (link != noLink && !hasSelection_) {
    if (TZEBoggetto* object = linkObject(link, *hit->paragraph)) followLink(*object);
    return;
  }
  if (readOnly_) return;
  const WordSpan word = wordAt(hit->paragraph->Text, hit->charIndex);
  ClearSelection();
  selStart_ = positionOf(hit->paragraphIndex, word.start);
  selEnd_ = positionOf(hit->paragraphIndex, word.end);
  moveCaret(selStart_);
  hasSelection_ = word.end > word.start;
  if (hasSelection_) {
    hideCaret();
    ShowSelection();
  }
}

void TZEBbox::popupAt(PopupMenuChoice choice, int x, int y) {
  if (surface_ == nullptr) return;
  surface_->showPopup(choice, x, y);
  if (editing() && surface_->canFocus()) surface_->takeFocus();
}

void TZEBbox::dropFiles(const std::vector<std::string>& paths, int x, int y) {
  if (updateLock_ > 0 || paths.empty()) return;
  FrameSetLink* frames = frameSet();
  if (frames == nullptr || frames->Wrapper()) return;
  if (!editing()) {
    const std::string extension = std::filesystem::path(paths.front()).extension().string();
    if (lowerWindows1252(extension) == ".zeb") frames->DropFile(paths, nullptr);
    return;
  }
  if (const std::optional<TextPos> position = hitTestNearest(*this, x, y, HitScope::body)) moveCaret(*position);
  frames->DropFile(paths, this);
}

}  // namespace zeb
