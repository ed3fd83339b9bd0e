// Carrying out followed links.
#include "shell/link_dispatch.h"

#include "document/book_object.h"
#include "platform/message_boxes.h"
#include "shell/messages.h"

namespace zeb::shell {

void LinkDispatch::followLink(const LinkRequest& request, const LinkContext& context) {
  const ViewDisabled disabled(actions_);
  carryOut(planLink(request, context, AskForCdFolder::yes), request);
}

void LinkDispatch::carryOut(const LinkPlan& plan, const LinkRequest& request) {
  switch (plan.step) {
    case LinkStep::nothing: return;
    case LinkStep::unsupported: services_.messages->information(messages::undefinedOrUnsupported); return;
    case LinkStep::openBook: actions_.OpenEbook(plan.bookPath); return;
    case LinkStep::showPage:
      actions_.showPage(plan.page, plan.inClickedFrameSet);
      actions_.GoToAnchor(plan.anchor);
      return;
    case LinkStep::goToTarget: actions_.GoToTarget(plan.address); return;
    case LinkStep::runTarget:
      // Every step of starting a program is allowed to fail quietly.
      if (plan.run && plan.book != nullptr && plan.hyperlink != nullptr) runTarget(plan, *plan.hyperlink);
      return;
    case LinkStep::openOutside:
      if (plan.outside && plan.book != nullptr) starter_.openOutside(*plan.book, *plan.outside);
      return;
    case LinkStep::fileLink: actions_.runFileLink(*plan.file); return;
    case LinkStep::showInFrameOfLink: actions_.ShowInFrameOf(*plan.target, plan.anchor, plan.frameFlag); return;
    case LinkStep::showInWindow:
      actions_.ShowInWindow(plan.windowName, *plan.target, plan.anchor, plan.frameFlag);
      return;
    case LinkStep::showInNamedWindow:
      actions_.showInNamedWindow(plan.windowName, *plan.target, plan.anchor, plan.frameFlag, plan.description);
      return;
    case LinkStep::showInNewWindow: actions_.showInNewWindow(*plan.target, plan.anchor, plan.frameFlag); return;
    case LinkStep::showInPopupWindow:
      actions_.showInPopupWindow(*plan.target, plan.anchor, plan.frameFlag, plan.description, plan.clickPoint);
      return;
    case LinkStep::goToAnchor: actions_.GoToAnchor(plan.anchor); return;
    case LinkStep::hideMainWindow: actions_.hideMainWindow(); return;
    case LinkStep::closeThisWindow: actions_.closeThisWindow(); return;
    case LinkStep::closeWindow: actions_.closeWindow(plan.windowName); return;
    case LinkStep::keywordSearch: actions_.keywordSearch(); return;
    case LinkStep::handToMainWindow:
      actions_.handToMainWindow(request);
      actions_.closeThisWindow();
      return;
  }
}

void LinkDispatch::runTarget(const LinkPlan& plan, TZEBoggetto& link) {
  const RunPlan& run = *plan.run;
  for (const PlannedMessage& message : run.messages) services_.messages->show(message.kind, message.text);
  if (run.failure) {
    services_.messages->show(run.failure->kind, run.failure->text);
    return;
  }
  if (!run.start || !starter_.agrees(*plan.book, *run.start)) return;
  // The program starts even when its parameters could not be written, as it always has.
  if (!run.parameterFile.empty()) writeParameterFile(link, run.parameterFile);
  starter_.start(*run.start);
}

}  // namespace zeb::shell
