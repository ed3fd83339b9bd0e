// Keyboard scrolling of a frame set: keys pressed while the frame set itself has the focus
// scroll the page of its active box.
#pragma once

#include <optional>

#include "text/box_input.h"

namespace zeb {

struct ScrollStep {
  int dx = 0;
  int dy = 0;
  bool operator==(const ScrollStep&) const = default;
};

// Page Up and Down scroll by the page's height less 20, at least 10; the arrows by 20.
// Other keys do not scroll.
std::optional<ScrollStep> frameSetScrollStep(Key key, int pageHeight);

}  // namespace zeb
