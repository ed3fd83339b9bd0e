// The history of pages shown.
#include "shell/browsing_history.h"

#include <utility>

namespace zeb::shell {
namespace {

// Sets a flag for a scope and gives it back its value afterwards.
class FlagScope {
 public:
  FlagScope(bool& flag, bool value) : flag_(flag), saved_(std::exchange(flag, value)) {}
  ~FlagScope() { flag_ = saved_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

std::string BrowsingHistory::entryFor(std::string_view bookPath, std::int64_t page) {
  return "nexo://" + std::string(bookPath) + "|" + std::to_string(page);
}

bool BrowsingHistory::pageChanged(std::string_view bookPath, std::int32_t page, bool showingTemporaryFrameSet,
                                  const Navigate& goToTarget) {
  const FlagScope suppressed(clicksSuppressed_, true);
  if (page < 0 || !recording_ || showingTemporaryFrameSet) return false;
  std::string entry = entryFor(bookPath, page);
  if (itemIndex_ >= 0 && entries_[static_cast<std::size_t>(itemIndex_)] == entry) return false;
  entries_.insert(entries_.begin() + (itemIndex_ + 1), std::move(entry));
  go(itemIndex_ + 1, goToTarget);
  return true;
}

bool BrowsingHistory::go(int index, const Navigate& goToTarget) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
  {
    const FlagScope notRecording(recording_, false);
    // A copy: the navigation may end in a page change that looks at the list.
    const std::string target = entries_[static_cast<std::size_t>(index)];
    if (goToTarget) goToTarget(target);
    const FlagScope suppressed(clicksSuppressed_, true);
    itemIndex_ = index;
    if (OnChanged) OnChanged();
  }
  return true;
}

bool BrowsingHistory::choose(int index, const Navigate& goToTarget) {
  if (clicksSuppressed_) return false;
  return go(index, goToTarget);
}

}  // namespace zeb::shell
