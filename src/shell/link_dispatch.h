// EditorDoLink and PreviewDoLink: a followed link's plan carried out by the window that
// handles it, with its view disabled meanwhile. Programs, documents and addresses start only
// after the book's rules and the user allow them.
#pragma once

#include "platform/platform_services.h"
#include "shell/book_starter.h"
#include "shell/link_actions.h"
#include "shell/link_plan.h"

namespace zeb::shell {

class LinkDispatch {
 public:
  LinkDispatch(const PlatformServices& services, Confirmation& confirmation, LinkActions& actions)
      : services_(services), starter_(services, confirmation), actions_(actions) {}

  // Decides what the link does (asking for the CD folder when a "run:" command needs it) and
  // does it. The view is enabled again however this ends; errors of the window's operations
  // reach the caller.
  void followLink(const LinkRequest& request, const LinkContext& context);
  // Carries out a plan made for the request.
  void carryOut(const LinkPlan& plan, const LinkRequest& request);

  BookStarter& starter() { return starter_; }

 private:
  void runTarget(const LinkPlan& plan, TZEBoggetto& link);

  PlatformServices services_;
  BookStarter starter_;
  LinkActions& actions_;
};

}  // namespace zeb::shell
