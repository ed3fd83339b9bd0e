// The recent-file list of the File menu: up to five book paths, oldest first, kept in the
// user's settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {
class SettingsStore;
}

namespace zeb::shell {

inline constexpr std::size_t maxRecentFiles = 5;

// What the File menu must do to follow the list: each entry has one menu item, after the
// separator, in list order.
struct RecentMenuChange {
  enum class Kind {
    append,     // a new item with the path as caption, at the end of the menu
    moveToEnd,  // the item of the path moves to the last place of the menu
    remove,     // the item of the path goes
  };
  Kind kind;
  std::string path;
  bool operator==(const RecentMenuChange&) const = default;
};

class RecentFiles {
 public:
  // The entries stored as values "0" to "4" of the recent-file key; empty values and repeated
  // paths are skipped.
  void load(const SettingsStore& settings);
  // Writes the entries as values "0", "1", ... in list order and deletes the values beyond
  // them, so that an entry removed in this run does not come back at the next start.
  void save(SettingsStore& settings) const;

  // A path just opened. A path already listed (exact comparison, letter case counts) moves
  // to the end; otherwise it is appended, after the oldest entry is dropped from a full list.
  std::vector<RecentMenuChange> add(const std::string& path);
  // Removes the first entry equal to the path; nothing when it is not listed.
  std::optional<RecentMenuChange> remove(std::string_view path);

  const std::vector<std::string>& entries() const { return entries_; }
  // The path most recently added in this run; empty until a book is opened.
  const std::string& lastFile() const { return lastFile_; }
  // The separator above the entries shows once the list had an entry in this run.
  bool separatorVisible() const { return separatorVisible_; }

 private:
  std::vector<std::string> entries_;
  std::string lastFile_;
  bool separatorVisible_ = false;
};

}  // namespace zeb::shell
