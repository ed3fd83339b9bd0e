// zebtool without the Qt front: no page rendering and no Qt metrics.
#include "app/zebtool/tool.h"

namespace zeb::tool {

bool withQtMeasurer(const std::function<void(TextMeasurer&)>&) { return false; }

const std::vector<Command>& renderCommands() {
  static const std::vector<Command> none;
  return none;
}

}  // namespace zeb::tool
