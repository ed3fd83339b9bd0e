// zebtool presentation: how the reader's main window frames itself for a book.
#include <string>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "shell/presentation_modes.h"

namespace zeb::tool {
namespace {

const char* yesNo(bool value) { return value ? "yes" : "no"; }

int presentation(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 1) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  const BookHeader& header = set->header();
  const int mode = shell::modeAskedBy(header, 0);
  printUtf8Line(std::string("borderless: ") + yesNo(header.u8(shell::borderlessFlagOffset) != 0));
  printUtf8Line(std::string("hide-bars: ") + yesNo(header.u8(shell::hideBarsFlagOffset) != 0));
  printUtf8Line("mode: " + std::to_string(mode));
  std::string changes;
  for (const shell::WindowChange change : shell::windowChangesForMode(mode))
    changes += (changes.empty() ? "" : " ") + std::string(shell::nameOf(change));
  printUtf8Line("switch: " + (changes.empty() ? std::string("none") : changes));
  return success;
}

}  // namespace

const std::vector<Command>& shellCommands() {
  static const std::vector<Command> commands = {
      {"presentation", "presentation BOOK", presentation},
  };
  return commands;
}

}  // namespace zeb::tool
