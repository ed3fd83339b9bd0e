// Links in a box: the link at a position, its object, following it, and the hint and mouse
// cursor over it.
#include "document/container.h"
#include "document/describe_object.h"
#include "document/page_object.h"
#include "platform/event_queue.h"
#include "text/box_surface.h"
#include "text/frame_set_link.h"
#include "text/hit_test.h"
#include "text/text_box.h"

namespace zeb {

std::int32_t TZEBbox::linkAt(const TextPos& position) const {
  if (position.paragraphIndex < 0 || position.paragraphIndex >= paragraphCount()) return noLink;
  const TZEBparag& owner = paragraph(position.paragraphIndex);
  if (owner.Text.empty()) return noLink;
  const int index = std::min(position.charIndex, owner.length() - 1);
  return index < 0 ? noLink : owner.Cells[static_cast<std::size_t>(index)].LinkCode;
}

TZEBoggetto* TZEBbox::linkObject(std::int32_t code, const TZEBparag& owner) const {
  if (code == noLink) return nullptr;
  return linkTarget(set(), textOf(owner.Origin), static_cast<std::uint32_t>(code));
}

void TZEBbox::followLink(TZEBoggetto& link) {
  ClearSelection();
  hideCaret();
  FrameSetLink* frames = frameSet();
  if (frames == nullptr || !frames->Enabled()) return;
  EventQueue* events = set().services().events;
  std::weak_ptr<bool> alive = alive_;
  auto request = [alive, frames, box = this, object = &link] {
    if (alive.expired()) return;  // the box went away with its page before the request ran
    frames->FollowLink(*box, *object);
  };
  if (events != nullptr)
    events->post(std::move(request));
  else
    request();
}

void TZEBbox::setHint(std::string hint) {
  hint_ = std::move(hint);
  if (surface_ != nullptr) surface_->hintChanged(hint_);
}

void TZEBbox::setMouseCursor(MouseCursor cursor) {
  mouseCursor_ = cursor;
  if (surface_ != nullptr) surface_->setMouseCursor(cursor);
}

void TZEBbox::hoverAt(int x, int y) {
  const std::optional<TextPos> hit = hitTest(*this, x, y, HitScope::all);
  const bool onCharacter = hit && isOnCharacter(*hit, x, y);
  const bool outsideBody = hit && hit->paragraph->Origin != paragraphOrigin::body;
  const bool overSelection = hit && hasSelection_ && selectionContains(*hit);
  const std::int32_t link = onCharacter ? linkAt(*hit) : noLink;
  if (link != noLink) {
    if (animated_ || outsideBody)
      setMouseCursor(MouseCursor::handPoint);
    else
      setMouseCursor(overSelection ? MouseCursor::drag : MouseCursor::editHand);
    if (link != lastLink_ || hint_.empty()) {
      lastLink_ = link;
      const TZEBoggetto* object = linkObject(link, *hit->paragraph);
      setHint(object != nullptr ? describeObject(set(), *object) : std::string());
    }
    return;
  }
  lastLink_ = noLink;
  if (!hint_.empty()) setHint(std::string());
  if (animated_ || outsideBody)
    setMouseCursor(MouseCursor::standard);
  else
    setMouseCursor(overSelection ? MouseCursor::drag : textCursor_);
}

}  // namespace zeb
