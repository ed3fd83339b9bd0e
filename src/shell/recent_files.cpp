// The recent-file list.
#include "shell/recent_files.h"

#include <algorithm>

#include "platform/settings_store.h"
#include "shell/settings_keys.h"

namespace zeb::shell {

void RecentFiles::load(const SettingsStore& settings) {
  entries_.clear();
  for (std::size_t i = 0; i < maxRecentFiles; ++i) {
    const auto value = settings.readString(settings::recentFilesKey, std::to_string(i));
    // A list edited by hand may name a book twice; each book has one menu item.
    if (value && !value->empty() && std::find(entries_.begin(), entries_.end(), *value) == entries_.end())
      entries_.push_back(*value);
  }
  separatorVisible_ = !entries_.empty();
}

void RecentFiles::save(SettingsStore& settings) const {
  for (std::size_t i = 0; i < maxRecentFiles; ++i) {
    if (i < entries_.size())
      settings.writeString(settings::recentFilesKey, std::to_string(i), entries_[i]);
    else if (settings.readString(settings::recentFilesKey, std::to_string(i)))
      settings.deleteValue(settings::recentFilesKey, std::to_string(i));
  }
}

std::vector<RecentMenuChange> RecentFiles::add(const std::string& path) {
  lastFile_ = path;
  separatorVisible_ = true;
  std::vector<RecentMenuChange> changes;
  const auto found = std::find(entries_.begin(), entries_.end(), path);
  if (found != entries_.end()) {
    std::rotate(found, found + 1, entries_.end());
    changes.push_back({RecentMenuChange::Kind::moveToEnd, path});
    return changes;
  }
  if (entries_.size() >= maxRecentFiles) {
    changes.push_back({RecentMenuChange::Kind::remove, entries_.front()});
    entries_.erase(entries_.begin());
  }
  entries_.push_back(path);
  changes.push_back({RecentMenuChange::Kind::append, path});
  return changes;
}

std::optional<RecentMenuChange> RecentFiles::remove(std::string_view path) {
  const auto found = std::find(entries_.begin(), entries_.end(), path);
  if (found == entries_.end()) return std::nullopt;
  RecentMenuChange change{RecentMenuChange::Kind::remove, *found};
  entries_.erase(found);
  return change;
}

}  // namespace zeb::shell
