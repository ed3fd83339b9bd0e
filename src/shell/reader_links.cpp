// Page links and "nexo:" targets followed by the main window.
#include "shell/reader_links.h"

#include "document/book_object.h"
#include "document/container.h"

namespace zeb::shell {

ReaderLinkPlan planReaderLink(const TZEBset& open, const TZEBoggetto& link) {
  ReaderLinkPlan plan;
  switch (link.Kind()) {
    case TOggettiHel::testoHtml:
      if (link.Container() != nullptr && link.Container() != &open) {
        plan.action = ReaderLinkPlan::Action::openBook;
        plan.path = link.Container()->ZEBFileName();
      } else {
        plan.action = ReaderLinkPlan::Action::showPage;
        plan.page = link.Index();
      }
      return plan;
    case TOggettiHel::internetLink: {
      std::string target = link.Name();
      if (target.starts_with("nexo:")) {
        plan.action = ReaderLinkPlan::Action::goToTarget;
        plan.target = std::move(target);
      } else {
        plan.action = ReaderLinkPlan::Action::notBuiltIn;
      }
      return plan;
    }
    case TOggettiHel::zipLink: return plan;
    default: plan.action = ReaderLinkPlan::Action::notBuiltIn; return plan;
  }
}

}  // namespace zeb::shell
