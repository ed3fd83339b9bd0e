// EditorDoLink's decisions.
#include "shell/link_plan.h"

#include "document/book_object.h"
#include "document/container.h"
#include "document/page_object.h"
#include "document/page_sequence.h"
#include "platform/windows1252.h"
#include "shell/messages.h"

namespace zeb::shell {
namespace {

// Object IDs of a link action's target name book objects only below this kind.
constexpr int firstKindNamingNothing = 8;

LinkPlan nothing(std::string reason) {
  LinkPlan plan;
  plan.reason = std::move(reason);
  return plan;
}

bool raisedByBox(ClickedKind clicked) {
  return clicked == ClickedKind::textBox || clicked == ClickedKind::visualObject || clicked == ClickedKind::mapZone;
}

// A link action's target: an object of the book for a kind below 8, the entry of the local
// list of the text that holds the link for 0x6F, nothing otherwise.
TZEBoggetto* actionTarget(const TZEBoggetto& action, const LinkRequest& request) {
  const std::uint32_t id = action.record().u32(field::actionTarget);
  if (isLocalReference(id)) {
    const TZEBtesto* text = action.owningText() != nullptr ? action.owningText() : request.clickedText;
    return text != nullptr ? text->localObject(id) : nullptr;
  }
  if (kindOfId(id) >= firstKindNamingNothing || action.Container() == nullptr) return nullptr;
  return action.Container()->objectById(id);
}

std::optional<WindowDescription> descriptionOf(const TZEBoggetto& action) {
  std::vector<std::uint8_t> data;
  if (!action.readPrimary(data)) return std::nullopt;
  return readWindowDescription(data);
}

class Planner {
 public:
  Planner(const LinkRequest& request, const LinkContext& context, AskForCdFolder ask)
      : request_(request), context_(context), ask_(ask) {}

  LinkPlan plan() {
    if (request_.link == nullptr) return nothing("no link");
    if (context_.handler == LinkHandler::popupWindow) {
      LinkPlan plan;
      plan.step = LinkStep::handToMainWindow;
      return plan;
    }
    if (request_.clicked == ClickedKind::other)
      return nothing("not raised by a text box, visual object, map zone, frame set or page");
    return byKind(*request_.link, -1, 0);
  }

 private:
  bool inMainWindow() const { return context_.handler == LinkHandler::mainWindow; }

  LinkPlan byKind(TZEBoggetto& link, std::int32_t anchor, int depth) {
    switch (link.Kind()) {
      case TOggettiHel::testoHtml: return page(link, anchor);
      case TOggettiHel::internetLink: return address(link);
      case TOggettiHel::zipLink: return nothing("a linked file of the first format does nothing");
      case TOggettiHel::genLink: {
        LinkPlan plan;
        plan.step = LinkStep::fileLink;
        plan.file = &link;
        plan.book = link.Container();
        return plan;
      }
      case TOggettiHel::speclink: return special(link, depth);
      case TOggettiHel::shortObj: return shortLink(link, depth);
      default: break;
    }
    if (!inMainWindow()) return nothing("a separate window follows no link of this kind");
    LinkPlan plan;
    plan.step = LinkStep::unsupported;
    return plan;
  }

  LinkPlan page(TZEBoggetto& link, std::int32_t anchor) {
    if (link.Container() == nullptr) return nothing("the page belongs to no book");
    LinkPlan plan;
    if (inMainWindow() && link.Container() != context_.openBook) {
      plan.step = LinkStep::openBook;
      plan.bookPath = link.Container()->ZEBFileName();
      return plan;
    }
    plan.step = LinkStep::showPage;
    plan.page = link.Index();
    plan.inClickedFrameSet = request_.clicked == ClickedKind::frameSet;
    plan.anchor = anchor;
    return plan;
  }

  LinkPlan address(TZEBoggetto& link) {
    const std::string target = link.Name();
    TZEBset* book = link.Container();
    if (book == nullptr) return nothing("the link belongs to no book");
    LinkPlan plan;
    plan.address = target;
    plan.hyperlink = &link;
    plan.book = book;
    if (target.starts_with("nexo:")) {
      plan.step = LinkStep::goToTarget;
    } else if (target.starts_with(runScheme) || target.starts_with(programScheme)) {
      plan.step = LinkStep::runTarget;
      plan.run = planRunTarget(*book, target, ask_);
    } else if (target.empty()) {
      return nothing("the link has no target");
    } else {
      plan.step = LinkStep::openOutside;
      plan.outside = openRequestFor(*book, target);
    }
    return plan;
  }

  LinkPlan shortLink(TZEBoggetto& link, int depth) {
    if (!inMainWindow()) return nothing("a separate window follows no short link");
    if (!context_.readOnly || request_.clicked != ClickedKind::page)
      return nothing("a short link is followed only from a page of a read-only view");
    const TZEBset* book = link.Container() != nullptr ? link.Container() : request_.clickedBook;
    if (book == nullptr) return nothing("the short link belongs to no book");
    TZEBoggetto* named = linkTarget(*book, request_.clickedText, link.record().u32(field::panelReference));
    if (named == nullptr || named->Kind() != TOggettiHel::speclink)
      return nothing("the short link names no special link");
    return special(*named, depth);
  }

  LinkPlan special(TZEBoggetto& action, int depth) {
    const ObjectRecord& record = action.record();
    const std::int32_t anchor = record.i32(field::actionAnchor);
    const std::string windowName = record.shortString(field::actionWindowName, field::actionWindowNameMax);
    LinkPlan plan;
    switch (static_cast<SpecialAction>(action.state())) {
      case SpecialAction::show: return show(action, depth);
      case SpecialAction::close:
        if (anchor == closesMainWindow) {
          plan.step = inMainWindow() ? LinkStep::hideMainWindow : LinkStep::closeThisWindow;
        } else {
          plan.step = LinkStep::closeWindow;
          plan.windowName = lowerWindows1252(windowName);
        }
        return plan;
      case SpecialAction::keywordSearch: plan.step = LinkStep::keywordSearch; return plan;
      case SpecialAction::nextPage: return sequencePage(true);
      case SpecialAction::previousPage: return sequencePage(false);
    }
    return nothing("link action " + std::to_string(action.state()) + " does nothing in the reader");
  }

  LinkPlan show(TZEBoggetto& action, int depth) {
    if (!context_.readOnly) return nothing("a view that is not read-only shows no link targets");
    const ObjectRecord& record = action.record();
    const auto destination = static_cast<Destination>(record.u8(field::actionDestination));
    TZEBoggetto* target = actionTarget(action, request_);
    if (target == nullptr && destination != Destination::anchor) return nothing("the link's target does not exist");

    LinkPlan plan;
    plan.target = target;
    plan.anchor = record.i32(field::actionAnchor);
    plan.frameFlag = record.u8(field::actionFrameFlag);
    plan.windowName = record.shortString(field::actionWindowName, field::actionWindowNameMax);
    switch (destination) {
      case Destination::frameOfLink:
        if (!raisedByBox(request_.clicked) || (inMainWindow() && !request_.inMainView))
          return nothing("only a box of the window's own view shows a target in its frame");
        plan.step = LinkStep::showInFrameOfLink;
        return plan;
      case Destination::namedFrameOrWindow: plan.step = LinkStep::showInWindow; return plan;
      case Destination::namedWindow:
        plan.step = LinkStep::showInNamedWindow;
        plan.description = descriptionOf(action);
        return plan;
      case Destination::newWindow: plan.step = LinkStep::showInNewWindow; return plan;
      case Destination::popupWindow:
        plan.step = LinkStep::showInPopupWindow;
        plan.description = descriptionOf(action);
        plan.clickPoint = request_.clickPoint;
        return plan;
      case Destination::plainLink: {
        if (depth >= maxPlainLinkDepth) return nothing("special links lead to each other without end");
        LinkPlan followed = byKind(*target, plan.anchor, depth + 1);
        followed.throughPlainLink = true;
        return followed;
      }
      case Destination::anchor: plan.step = LinkStep::goToAnchor; return plan;
    }
    return nothing("destination " + std::to_string(record.u8(field::actionDestination)) + " shows nothing");
  }

  LinkPlan sequencePage(bool next) {
    if (!raisedByBox(request_.clicked) || request_.clickedBook == nullptr || request_.clickedPage < 0)
      return nothing("only a link in a page's box steps through the page sequence");
    LinkPlan plan;
    if (inMainWindow() && request_.clickedBook != context_.openBook) {
      plan.step = LinkStep::openBook;
      plan.bookPath = request_.clickedBook->ZEBFileName();
      return plan;
    }
    plan.step = LinkStep::showPage;
    plan.page = next ? nextPage(*request_.clickedBook, request_.clickedPage)
                     : previousPage(*request_.clickedBook, request_.clickedPage);
    return plan;
  }

  const LinkRequest& request_;
  const LinkContext& context_;
  AskForCdFolder ask_;
};

}  // namespace

std::string_view nameOf(LinkStep step) {
  switch (step) {
    case LinkStep::nothing: return "nothing";
    case LinkStep::unsupported: return "unsupported";
    case LinkStep::openBook: return "open-book";
    case LinkStep::showPage: return "show-page";
    case LinkStep::goToTarget: return "go-to-target";
    case LinkStep::runTarget: return "run-target";
    case LinkStep::openOutside: return "open-outside";
    case LinkStep::fileLink: return "file-link";
    case LinkStep::showInFrameOfLink: return "show-in-frame-of-link";
    case LinkStep::showInWindow: return "show-in-window";
    case LinkStep::showInNamedWindow: return "show-in-named-window";
    case LinkStep::showInNewWindow: return "show-in-new-window";
    case LinkStep::showInPopupWindow: return "show-in-popup-window";
    case LinkStep::goToAnchor: return "go-to-anchor";
    case LinkStep::hideMainWindow: return "hide-main-window";
    case LinkStep::closeThisWindow: return "close-this-window";
    case LinkStep::closeWindow: return "close-window";
    case LinkStep::keywordSearch: return "keyword-search";
    case LinkStep::handToMainWindow: return "hand-to-main-window";
  }
  return "nothing";
}

LinkPlan planLink(const LinkRequest& request, const LinkContext& context, AskForCdFolder ask) {
  return Planner(request, context, ask).plan();
}

}  // namespace zeb::shell
