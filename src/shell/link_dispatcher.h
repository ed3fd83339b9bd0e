// What the main window hands a followed link to once link following is installed into it
// (EditorDoLink). Without one the window follows page links and "nexo:" targets itself.
#pragma once

#include "view/link_rules.h"

namespace zeb {
class TZEBoggetto;
}

namespace zeb::shell {

class LinkDispatcher {
 public:
  virtual ~LinkDispatcher() = default;
  // Follows the link raised from the control. The window keeps its frame set disabled
  // meanwhile and swallows what the dispatcher throws.
  virtual void followLink(const LinkSource& source, TZEBoggetto& link) = 0;
};

}  // namespace zeb::shell
