// zebtool without the Qt front: no page rendering, no covers, no printing and no Qt metrics.
#include "app/zebtool/tool.h"

namespace zeb::tool {

bool withQtMeasurer(const std::function<void(TextMeasurer&)>&) { return false; }

std::vector<std::uint8_t> coverPng(const PlatformServices&, TextMeasurer&, const std::string&, int) { return {}; }

const std::vector<Command>& renderCommands() {
  static const std::vector<Command> none;
  return none;
}

const std::vector<Command>& printCommands() {
  static const std::vector<Command> none;
  return none;
}

}  // namespace zeb::tool
