// zebtool without the Qt front: no page rendering and no printing.
#include "app/zebtool/tool.h"

namespace zeb::tool {

const std::vector<Command>& renderCommands() {
  static const std::vector<Command> none;
  return none;
}

const std::vector<Command>& printCommands() {
  static const std::vector<Command> none;
  return none;
}

}  // namespace zeb::tool
