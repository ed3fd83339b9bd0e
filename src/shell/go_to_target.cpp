// GoToTarget's decisions.
#include "shell/go_to_target.h"

#include "document/container.h"
#include "document/link_target.h"
#include "platform/windows1252.h"
#include "shell/program_start.h"

namespace zeb::shell {

std::optional<TargetPlan> planGoToTarget(TZEBset& set, std::string_view target) {
  const LinkTarget link = parseLinkTarget(set, target, AskForCdFolder::yes);
  if (!link.bookLink) return std::nullopt;
  if (lowerWindows1252(target).find("cddrive:") != std::string::npos) forgetMissingCdFolder(set);
  // An empty path names no file; it is dealt with below.
  if (!link.path.empty() && !fileExists(link.path)) return std::nullopt;

  TargetPlan plan;
  // "nexo:|5" names no file: it is page 5 of the book that is open (opening an empty book
  // instead would throw the reader's book away). With no book open it leads to an empty one.
  const bool openBook = link.path.empty() && !set.ZEBFileName().empty();
  if (!link.sameBook && !openBook) {
    plan.book = link.path.empty() ? TargetPlan::Book::blank : TargetPlan::Book::open;
    plan.path = link.path.string();
  }
  if (link.id >= 0) {
    plan.page = TargetPlan::Page::show;
    plan.number = static_cast<std::int32_t>(link.id);
  } else if (link.id == -2) {
    plan.page = TargetPlan::Page::cover;
  }
  return plan;
}

}  // namespace zeb::shell
