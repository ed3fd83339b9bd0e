// Keyboard scrolling of a frame set.
#include "view/frame_set_keys.h"

#include <algorithm>

namespace zeb {
namespace {

constexpr int arrowStep = 20;
// A page step keeps this much of the previous view in sight, and is never below pageStepMinimum.
constexpr int pageOverlap = 20;
constexpr int pageStepMinimum = 10;

}  // namespace

std::optional<ScrollStep> frameSetScrollStep(Key key, int pageHeight) {
  const int page = std::max(pageHeight - pageOverlap, pageStepMinimum);
  switch (key) {
    case Key::pageUp: return ScrollStep{0, -page};
    case Key::pageDown: return ScrollStep{0, page};
    case Key::up: return ScrollStep{0, -arrowStep};
    case Key::down: return ScrollStep{0, arrowStep};
    case Key::left: return ScrollStep{-arrowStep, 0};
    case Key::right: return ScrollStep{arrowStep, 0};
    default: return std::nullopt;
  }
}

}  // namespace zeb
