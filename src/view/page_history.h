// PageHistory: the page numbers a frame set left while it followed links itself (AutoJump).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace zeb {

class PageHistory {
 public:
  // A frame set that follows timed links for days keeps only the latest entries.
  static constexpr std::size_t maxEntries = 10000;

  void push(std::int32_t page) {
    if (entries_.size() == maxEntries) entries_.pop_front();
    entries_.push_back(page);
  }
  // The most recent entry; going back to it leaves it in the history.
  std::optional<std::int32_t> latest() const {
    if (entries_.empty()) return std::nullopt;
    return entries_.back();
  }
  void clear() { entries_.clear(); }
  bool empty() const { return entries_.empty(); }
  const std::deque<std::int32_t>& entries() const { return entries_; }

 private:
  std::deque<std::int32_t> entries_;
};

}  // namespace zeb
