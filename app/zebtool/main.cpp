// zebtool: reads .zeb books from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "app/zebtool/tool.h"
#include "platform/headless/headless_platform.h"

namespace {

const std::vector<const std::vector<zeb::tool::Command>*>& commandGroups() {
  static const std::vector<const std::vector<zeb::tool::Command>*> groups = {
      &zeb::tool::bookCommands(),     &zeb::tool::serviceCommands(), &zeb::tool::exportCommands(),
      &zeb::tool::transferCommands(), &zeb::tool::shellCommands(),   &zeb::tool::contentsCommands(),
      &zeb::tool::frameCommands(),    &zeb::tool::renderCommands(),  &zeb::tool::layoutCommands(),
      &zeb::tool::formCommands(),     &zeb::tool::printCommands(),   &zeb::tool::libraryCommands()};
  return groups;
}

// The usage of every command, on stdout when it was asked for ("--help"), on stderr after a
// usage error.
void printUsage(std::FILE* out) {
  std::fputs("usage: zebtool COMMAND ARGUMENTS\ncommands:\n", out);
  for (const auto* group : commandGroups())
    for (const auto& command : *group)
      std::fprintf(out, "  zebtool %.*s\n", int(command.usage.size()), command.usage.data());
  std::fputs("  zebtool --version\n  zebtool --help\n", out);
  std::fputs("every command that reads a book also takes --codepage N (874, 1250 to 1258) or --codepage auto\n", out);
}

int usageError() {
  printUsage(stderr);
  return zeb::tool::usageError;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usageError();
  const std::string name = argv[1];
  if (name == "--version") {
    std::fputs("zebtool " BRIGHTFOLD_VERSION "\n", stdout);
    return zeb::tool::success;
  }
  if (name == "--help") {
    printUsage(stdout);
    return zeb::tool::success;
  }
  zeb::tool::Arguments arguments(argv + 2, argv + argc);
  const bool codePageUnderstood = zeb::tool::takeCodePageOption(arguments);
  for (const auto* group : commandGroups()) {
    for (const auto& command : *group) {
      if (command.name != name) continue;
      zeb::HeadlessPlatform platform;
      const int status = codePageUnderstood ? command.run(platform.services(), arguments) : zeb::tool::usageError;
      if (status == zeb::tool::usageError) {
        std::fprintf(stderr, "usage: zebtool %.*s\n", int(command.usage.size()), command.usage.data());
      }
      std::fflush(stdout);
      return status;
    }
  }
  return usageError();
}
