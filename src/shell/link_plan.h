// What following a link does, decided without doing it: EditorDoLink's dispatch by the kind
// of the link object (pages, addresses, programs, files, special links) and by the window
// that handles it. The dispatch carries plans out; zebtool follow prints them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/link_target.h"
#include "shell/link_request.h"
#include "shell/run_target.h"
#include "shell/start_request.h"
#include "shell/window_description.h"

namespace zeb {
class SettingsStore;
class TZEBoggetto;
class TZEBset;
}  // namespace zeb

namespace zeb::shell {

// Special links followed as plain links may lead to special links again; a chain longer than
// this does nothing.
inline constexpr int maxPlainLinkDepth = 8;

enum class LinkStep {
  nothing,            // ignored (see reason)
  unsupported,        // "Undefined or unsupported."
  openBook,           // the link's book is not the open one: it opens at its cover
  showPage,           // a page of the view's book, then its anchor
  goToTarget,         // a "nexo:" address
  runTarget,          // "run:" or "prog:"
  openOutside,        // an address or file handed to the desktop
  fileLink,           // the file-link dialog
  showInFrameOfLink,  // the frame that holds the clicked box
  showInWindow,       // a named frame or window
  showInNamedWindow,
  showInNewWindow,
  showInPopupWindow,
  goToAnchor,
  hideMainWindow,
  closeThisWindow,
  closeWindow,
  keywordSearch,
  handToMainWindow,  // a pop-up's link goes to the main window
};

// The name zebtool prints ("show-page", "run-target", ...).
std::string_view nameOf(LinkStep step);

struct LinkPlan {
  LinkStep step = LinkStep::nothing;
  std::string reason;  // why nothing happens

  std::string bookPath;  // openBook: the book's path (UTF-8)
  // showPage: the page, in the clicked frame set or as the main page; the anchor after it.
  std::int32_t page = -1;
  bool inClickedFrameSet = false;
  std::int32_t anchor = -1;
  // Special links: their target object, the frame flag, the window name (Windows-1252) and
  // description.
  TZEBoggetto* target = nullptr;
  int frameFlag = 0;
  std::string windowName;
  std::optional<WindowDescription> description;
  ScreenPoint clickPoint;
  // goToTarget: the "nexo:" text; runTarget and openOutside: the link's target text, and the
  // hyperlink itself, whose data a program receives.
  std::string address;
  TZEBoggetto* hyperlink = nullptr;
  std::optional<RunPlan> run;
  std::optional<StartRequest> outside;
  TZEBoggetto* file = nullptr;  // fileLink
  // The book the link belongs to: it asks for what starts, and its folders open freely.
  TZEBset* book = nullptr;
  // The step was reached by following a special link's target as a plain link.
  bool throughPlainLink = false;
};

// The plan for a link followed in a window. Reads the book and the settings; asks the user
// only for the CD folder of a "run:" command, and only when `ask` says so.
LinkPlan planLink(const LinkRequest& request, const LinkContext& context, AskForCdFolder ask);

// The lines zebtool prints for a plan: "action: <step>", then "name: value" details. Paths in
// the book's private folder start with "PRIVATE/", which differs from run to run.
std::vector<std::string> describePlan(const LinkPlan& plan, const SettingsStore& settings);

}  // namespace zeb::shell
