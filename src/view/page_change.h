// PageChangeGate: what guards a frame set's page change: the error latch, the rule that the
// page already shown is not built again, and the busy flag.
#pragma once

#include <cstdint>
#include <functional>

namespace zeb {

class MessageBoxes;

// The steps of showing a page, given by the frame set.
struct PageChangeSteps {
  // Forgets the current control and the active box.
  std::function<void()> forgetControls;
  // Builds the view for the page; true when a page is shown.
  std::function<bool()> build;
  // Focuses the current box (does nothing while busy).
  std::function<void()> focusCurrentBox;
  // Raises OnPageChanged.
  std::function<void()> pageChanged;
};

class PageChangeGate {
 public:
  // Shows page `requested` while `current` is shown. With the latch set nothing happens.
  // The page already shown only takes the focus back (no event), unless frames of another
  // page are shown in it (showingTemporaryFrames). Otherwise the view is built with busy
  // set, the box focused and OnPageChanged raised; any exception from these steps sets the
  // latch and shows the error message "Unknown error..." (when there are boxes to show it
  // in). False when nothing was built.
  bool change(std::int32_t current, std::int32_t requested, bool showingTemporaryFrames, MessageBoxes* boxes,
              const PageChangeSteps& steps);

  // Set by a failed page change, for the life of the frame set.
  bool latched() const { return latched_; }
  // Set while a page change builds the view: focus changes and attribute queries wait.
  bool busy() const { return busy_; }

 private:
  bool latched_ = false;
  bool busy_ = false;
};

}  // namespace zeb
