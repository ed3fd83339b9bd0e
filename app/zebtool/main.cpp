// zebtool: reads .zeb books from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "app/zebtool/tool.h"
#include "platform/headless/headless_platform.h"

namespace {

const std::vector<const std::vector<zeb::tool::Command>*>& commandGroups() {
  static const std::vector<const std::vector<zeb::tool::Command>*> groups = {
      &zeb::tool::bookCommands(), &zeb::tool::serviceCommands(), &zeb::tool::exportCommands(),
      &zeb::tool::transferCommands(), &zeb::tool::shellCommands(), &zeb::tool::contentsCommands(),
      &zeb::tool::frameCommands(), &zeb::tool::renderCommands(), &zeb::tool::layoutCommands(), &zeb::tool::formCommands(),
      &zeb::tool::printCommands()};
  return groups;
}

int printUsage() {
  std::fputs("usage: zebtool COMMAND ARGUMENTS\ncommands:\n", stderr);
  for (const auto* group : commandGroups())
    for (const auto& command : *group)
      std::fprintf(stderr, "  zebtool %.*s\n", int(command.usage.size()), command.usage.data());
  return zeb::tool::usageError;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return printUsage();
  const std::string name = argv[1];
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
  return printUsage();
}
