// zebtool without the Qt front: no page rendering.
#include "app/zebtool/tool.h"

namespace zeb::tool {

const std::vector<Command>& renderCommands() {
  static const std::vector<Command> none;
  return none;
}

}  // namespace zeb::tool
