// Bookmarks. A book's are the values "0", "1", ... of its own key under the bookmarks key,
// each "PAGE|SCROLL|NAME".
#include "shell/bookmarks.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "platform/settings_store.h"
#include "shell/settings_keys.h"

namespace zeb::shell {
namespace {

std::string keyOf(const std::string& bookName) { return std::string(settings::bookmarksKey) + bookName + "\\"; }

// Blanks and line breaks at either end go; those inside become blanks.
std::string cleanName(std::string name) {
  for (char& c : name)
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

std::optional<std::int32_t> numberIn(std::string_view text) {
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < 0) return std::nullopt;
  return number;
}

std::optional<Bookmark> bookmarkOf(std::string_view value) {
  const auto first = value.find('|');
  const auto second = first == std::string_view::npos ? first : value.find('|', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto page = numberIn(value.substr(0, first));
  const auto scroll = numberIn(value.substr(first + 1, second - first - 1));
  std::string name = cleanName(std::string(value.substr(second + 1)));
  if (!page || !scroll || name.empty()) return std::nullopt;
  return Bookmark{*page, *scroll, std::move(name)};
}

}  // namespace

BookmarkList::BookmarkList(const SettingsStore& settings, std::string bookName) : bookName_(std::move(bookName)) {
  if (bookName_.empty()) return;
  const std::string key = keyOf(bookName_);
  for (int i = 0;; ++i) {
    const auto value = settings.readString(key, std::to_string(i));
    if (!value) break;
    if (auto bookmark = bookmarkOf(*value)) entries_.push_back(std::move(*bookmark));
  }
}

void BookmarkList::add(Bookmark bookmark) {
  bookmark.name = cleanName(std::move(bookmark.name));
  if (bookmark.name.empty() || bookmark.page < 0) return;
  for (Bookmark& listed : entries_) {
    if (listed.page == bookmark.page && listed.scroll == bookmark.scroll) {
      listed.name = std::move(bookmark.name);
      return;
    }
  }
  entries_.push_back(std::move(bookmark));
}

bool BookmarkList::rename(std::size_t index, std::string name) {
  name = cleanName(std::move(name));
  if (index >= entries_.size() || name.empty()) return false;
  entries_[index].name = std::move(name);
  return true;
}

void BookmarkList::remove(std::size_t index) {
  if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void BookmarkList::assign(std::vector<Bookmark> entries) {
  entries_.clear();
  for (Bookmark& bookmark : entries) {
    bookmark.name = cleanName(std::move(bookmark.name));
    if (!bookmark.name.empty() && bookmark.page >= 0) entries_.push_back(std::move(bookmark));
  }
}

void BookmarkList::save(SettingsStore& settings) const {
  if (bookName_.empty()) return;
  const SettingsBatch batch(settings);
  const std::string key = keyOf(bookName_);
  settings.deleteKey(key);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Bookmark& bookmark = entries_[i];
    settings.writeString(key, std::to_string(i),
                         std::to_string(bookmark.page) + "|" + std::to_string(bookmark.scroll) + "|" + bookmark.name);
  }
}

}  // namespace zeb::shell
