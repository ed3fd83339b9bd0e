// The history of pages shown in the main view: the entries of the history combo box, the
// current position and the enabled states of "Previous" and "Next".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb::shell {

class BrowsingHistory {
 public:
  // Shows a target ("nexo://" + book path + "|" + page): the window's GoToTarget.
  using Navigate = std::function<void(const std::string& target)>;

  // The entry of a page: "nexo://" + the book's path (Windows-1252) + "|" + the page number.
  static std::string entryFor(std::string_view bookPath, std::int64_t page);

  // The main view now shows that page (EditorPageChanged). Unless the history is moving
  // itself or the view shows a temporary frame set, the page's entry goes right after the
  // current one (later entries stay) and becomes current, unless it is the current one
  // already. Negative page numbers (nothing shown) are not recorded. True when an entry
  // was added.
  bool pageChanged(std::string_view bookPath, std::int32_t page, bool showingTemporaryFrameSet,
                   const Navigate& goToTarget);
  // Shows the entry at the index and makes it current (GoHistory); nothing for an index
  // outside the list.
  bool go(int index, const Navigate& goToTarget);
  // The user chose an entry in the combo box: as go, unless the window itself is setting the
  // combo box (clicks are suppressed then).
  bool choose(int index, const Navigate& goToTarget);

  const std::vector<std::string>& entries() const { return entries_; }
  // The current position; -1 while the list is empty.
  int ItemIndex() const { return itemIndex_; }
  bool previousEnabled() const { return itemIndex_ > 0; }
  bool nextEnabled() const { return itemIndex_ < static_cast<int>(entries_.size()) - 1; }
  // Off while the history moves itself, so that the pages it shows are not recorded again.
  bool recording() const { return recording_; }
  // On while the window reacts to a page change or sets the combo box's position.
  bool clicksSuppressed() const { return clicksSuppressed_; }

  // Runs after the entries, the position or the enabled states changed, with clicks
  // suppressed: the combo box and the buttons follow the history here.
  std::function<void()> OnChanged;

 private:
  std::vector<std::string> entries_;
  int itemIndex_ = -1;
  bool recording_ = true;
  bool clicksSuppressed_ = false;
};

}  // namespace zeb::shell
