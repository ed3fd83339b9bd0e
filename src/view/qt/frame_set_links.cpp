// Followed links in a frame set: the posted follow-link message, the frame set's own jumps
// and history, print-on-click, and timed links.
#include "document/container.h"
#include "platform/event_queue.h"
#include "view/box_choice.h"
#include "view/qt/frame_set.h"

namespace zeb {

void TZEBCustomFrameSet::FollowLink(TZEBbox& box, TZEBoggetto& link) {
  // The box posted its request; it runs now, after the click that made it.
  followLinkNow(LinkSource{LinkSourceKind::textBox, &box, nullptr}, &link);
}

void TZEBCustomFrameSet::followObject(TZEBpage& page, TZEBoggetto& object) {
  PostFollowLink(LinkSource{LinkSourceKind::page, nullptr, &page}, &object);
}

void TZEBCustomFrameSet::PostFollowLink(const LinkSource& source, TZEBoggetto* link) {
  // A page's objects go with the page: a message from a page that is gone by the time it
  // runs is dropped.
  std::weak_ptr<bool> page = source.page != nullptr ? source.page->lifeToken() : std::weak_ptr<bool>();
  const bool fromPage = source.page != nullptr;
  post([this, source, link, page, fromPage] {
    if (fromPage && page.expired()) return;
    if (!sourceStillShown(source)) return;
    followLinkNow(source, link);
  });
}

bool TZEBCustomFrameSet::sourceStillShown(const LinkSource& source) const {
  // Links clicked in an independent frame come from the pages of its frame set.
  switch (source.kind) {
    case LinkSourceKind::textBox: return pageShowing(source.box) != nullptr;
    case LinkSourceKind::page: return showsPage(source.page);
    case LinkSourceKind::frameSet: break;
  }
  return true;
}

void TZEBCustomFrameSet::followLinkNow(LinkSource source, TZEBoggetto* link) {
  forgetControls();
  const FollowLinkPlan plan = planFollowLink(set_, link, source, autoJump_);
  if (!plan.proceed) return;
  TZEBoggetto* raised = link;
  if (plan.jumpTo) {
    history_.push(pageNumber_);
    setMainPageNumber(*plan.jumpTo);
    if (plan.raisesShownPage) raised = set_->objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), pageNumber_);
    // The control clicked may have gone with its page: the frame set stands for it.
    if (!sourceStillShown(source)) source = LinkSource{};
  }
  if (plan.printPage) printFrom(source);
  try {
    emit OnDoLink(source, raised);
  } catch (...) {
    // What the owner does with a link does not concern the frame set.
  }
}

void TZEBCustomFrameSet::printFrom(const LinkSource& source) {
  if (!printOnClick) return;
  // The box clicked; for a visual object the main box of its page; else the current box.
  TZEBbox* box = nullptr;
  if (source.kind == LinkSourceKind::textBox) box = source.box;
  if (source.kind == LinkSourceKind::page && source.page != nullptr) box = source.page->TextBox();
  if (box == nullptr) box = CurrentBox();
  if (box == nullptr) return;
  try {
    printOnClick(*box);
  } catch (...) {
    // Printing failures other than the printer's own end the print silently.
  }
}

void TZEBCustomFrameSet::timedLinkFired() {
  if (timer_) timer_->stop();
  if (autoJump_) history_.push(pageNumber_);
  if (activePreview_ && timedTarget_ != nullptr) PostFollowLink(LinkSource{}, timedTarget_);
}

}  // namespace zeb
