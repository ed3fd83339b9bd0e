// The frame set's own handling of followed links.
#include "view/link_rules.h"

#include <string>

#include "document/container.h"
#include "document/page_object.h"
#include "document/page_sequence.h"
#include "platform/windows1252.h"
#include "text/text_box.h"
#include "view/page_view.h"

namespace zeb {
namespace {

enum LinkAction : std::uint8_t { goToObject = 1, nextPageAction = 4, previousPageAction = 5 };

// The box whose page a link action is taken relative to.
const TZEBbox* boxOf(const LinkSource& source) {
  if (source.kind == LinkSourceKind::textBox) return source.box;
  if (source.kind == LinkSourceKind::page && source.page != nullptr) return source.page->TextBox();
  return nullptr;
}

std::int32_t actionTarget(const TZEBset& set, const TZEBoggetto& action, const TZEBbox* box) {
  const TZEBtesto* text = box != nullptr ? box->TextObject() : nullptr;
  switch (action.state()) {
    case goToObject: {
      const auto reference = static_cast<std::uint32_t>(action.record().i32(field::actionTarget));
      const TZEBoggetto* target = linkTarget(set, text, reference);
      return target != nullptr && target->Kind() == TOggettiHel::testoHtml ? target->Index() : -1;
    }
    case nextPageAction: return text != nullptr ? nextPage(set, text->Index()) : -1;
    case previousPageAction: return text != nullptr ? previousPage(set, text->Index()) : -1;
    default: return -1;
  }
}

bool asksToPrint(const TZEBoggetto& link) {
  return lowerWindows1252(link.attribute("onclick")).find("print(1)") != std::string::npos;
}

}  // namespace

FollowLinkPlan planFollowLink(const TZEBset* set, const TZEBoggetto* link, const LinkSource& source, bool autoJump) {
  FollowLinkPlan plan;
  if (set == nullptr || link == nullptr || link->Container() != set) return plan;
  plan.proceed = true;
  const bool fromFrameSet = source.kind == LinkSourceKind::frameSet;
  if (autoJump && !fromFrameSet) {
    if (link->Kind() == TOggettiHel::speclink) {
      const std::int32_t target = actionTarget(*set, *link, boxOf(source));
      if (isJumpTarget(target)) {
        plan.jumpTo = target;
        plan.raisesShownPage = true;
      }
    } else if (link->Kind() == TOggettiHel::testoHtml) {
      plan.jumpTo = link->Index();
    }
  }
  plan.printPage = asksToPrint(*link);
  return plan;
}

}  // namespace zeb
