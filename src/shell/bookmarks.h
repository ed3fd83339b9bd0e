// The bookmarks of a book: places (a page and its scroll position) the reader named, kept in
// the settings for the book (its path and size), in the order they were added.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zeb {
class SettingsStore;
}

namespace zeb::shell {

struct Bookmark {
  std::int32_t page = -1;
  std::int32_t scroll = 0;  // the vertical scroll position of the page, in pixels
  std::string name;         // UTF-8
  bool operator==(const Bookmark&) const = default;
};

class BookmarkList {
 public:
  BookmarkList() = default;
  // The bookmarks kept for the book of that settings name (bookSettingName); an empty name
  // stands for no book, which keeps none.
  BookmarkList(const SettingsStore& settings, std::string bookName);

  const std::vector<Bookmark>& entries() const { return entries_; }
  const std::string& bookName() const { return bookName_; }

  // Adds a bookmark at the end; one at the place (page and scroll position) of a bookmark
  // already listed renames that one instead. A name of blanks only is no name: the
  // bookmark is not added.
  void add(Bookmark bookmark);
  // False, and nothing changes, for a name of blanks only or an index out of range.
  bool rename(std::size_t index, std::string name);
  void remove(std::size_t index);
  // Replaces the whole list (the bookmark window's edits); entries without a name go.
  void assign(std::vector<Bookmark> entries);

  // Writes the list under the book's name; an empty list leaves nothing in the settings.
  void save(SettingsStore& settings) const;

 private:
  std::string bookName_;
  std::vector<Bookmark> entries_;
};

}  // namespace zeb::shell
