// The guard around a frame set's page change.
#include "view/page_change.h"

#include "platform/message_boxes.h"
#include "view/messages.h"

namespace zeb {

bool PageChangeGate::change(std::int32_t current, std::int32_t requested, bool showingTemporaryFrames,
                            MessageBoxes* boxes, const PageChangeSteps& steps) {
  if (latched_) return false;
  if (requested == current && !showingTemporaryFrames) {
    steps.focusCurrentBox();
    return false;
  }
  try {
    steps.forgetControls();
    busy_ = true;
    if (steps.build()) {
      steps.forgetControls();
      busy_ = false;
      try {
        steps.focusCurrentBox();
      } catch (...) {
        // A focus that cannot be taken leaves the page shown.
      }
    }
    steps.pageChanged();
    busy_ = false;
    return true;
  } catch (...) {
    // The view stays as far as it was built; no later change is tried on it. Busy is
    // cleared so that focusing still works on what is shown.
    busy_ = false;
    latched_ = true;
    if (boxes != nullptr) boxes->error(messages::pageChangeFailed);
    return false;
  }
}

}  // namespace zeb
