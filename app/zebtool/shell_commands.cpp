// zebtool presentation and follow: how the reader's main window frames itself for a book,
// and what following a link does.
#include <cstdio>
#include <string>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "document/page_object.h"
#include "platform/platform_services.h"
#include "shell/link_plan.h"
#include "shell/presentation_modes.h"

namespace zeb::tool {
namespace {

const char* yesNo(bool value) { return value ? "yes" : "no"; }

int presentation(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 1) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  const BookHeader& header = set->header();
  const int mode = shell::modeAskedBy(header);
  printUtf8Line(std::string("borderless: ") + yesNo(header.u8(shell::borderlessFlagOffset) != 0));
  printUtf8Line(std::string("hide-bars: ") + yesNo(header.u8(shell::hideBarsFlagOffset) != 0));
  printUtf8Line("mode: " + std::to_string(mode));
  std::string changes;
  for (const shell::WindowChange change : shell::windowChangesForMode(mode))
    changes += (changes.empty() ? "" : " ") + std::string(shell::nameOf(change));
  printUtf8Line("switch: " + (changes.empty() ? std::string("none") : changes));
  return success;
}

// What following the link object from page PAGE would do, without doing it: clicked on
// linked text of that page in the main view of a reader showing the book (a short link, by
// the page that shows its panel).
int follow(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 3) return usageError;
  const auto number = parsePageNumber(arguments[1]);
  const auto id = parseId(arguments[2]);
  if (!number || !id) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  TZEBtesto* page = livePage(*set, *number);
  if (page == nullptr) return failure;
  TZEBoggetto* link = set->objectById(*id);
  if (link == nullptr) {
    std::fprintf(stderr, "zebtool: the book has no object 0x%08x\n", *id);
    return failure;
  }
  shell::LinkRequest request;
  request.link = link;
  request.clicked = link->Kind() == TOggettiHel::shortObj ? shell::ClickedKind::page : shell::ClickedKind::textBox;
  request.clickedText = page;
  request.clickedPage = *number;
  request.clickedBook = set.get();
  const shell::LinkContext context{shell::LinkHandler::mainWindow, set.get(), true};
  const shell::LinkPlan plan = shell::planLink(request, context, AskForCdFolder::no);
  for (const std::string& line : shell::describePlan(plan, *services.settings)) printUtf8Line(line);
  return success;
}

}  // namespace

const std::vector<Command>& shellCommands() {
  static const std::vector<Command> commands = {
      {"presentation", "presentation BOOK", presentation},
      {"follow", "follow BOOK PAGE LINKID", follow},
  };
  return commands;
}

}  // namespace zeb::tool
