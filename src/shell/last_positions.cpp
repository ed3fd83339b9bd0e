// Last reading positions. They are kept as the values "0", "1", ... of one key, oldest
// first, each "NAME|PAGE|SCROLL|ZOOM|PATH" (the path last, as it may hold any character).
#include "shell/last_positions.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

#include "platform/settings_store.h"
#include "shell/settings_keys.h"
#include "shell/start_request.h"
#include "view/page_zoom.h"

namespace zeb::shell {
namespace {

struct Entry {
  std::string name;
  std::string path;
  ReadingPosition position;
};

std::optional<std::int32_t> numberIn(std::string_view text) {
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

// An entry written by hand, or by another version, that cannot be read is no entry.
std::optional<Entry> entryOf(std::string_view value) {
  std::string_view fields[4];
  for (std::string_view& field : fields) {
    const auto bar = value.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    field = value.substr(0, bar);
    value.remove_prefix(bar + 1);
  }
  const auto page = numberIn(fields[1]);
  const auto scroll = numberIn(fields[2]);
  const auto zoom = numberIn(fields[3]);
  if (fields[0].empty() || value.empty() || !page || *page < 0 || !scroll || *scroll < 0 || !zoom || *zoom <= 0)
    return std::nullopt;
  return Entry{std::string(fields[0]), std::string(value), {*page, *scroll, *zoom}};
}

std::string valueOf(const Entry& entry) {
  return entry.name + "|" + std::to_string(entry.position.page) + "|" + std::to_string(entry.position.scroll) + "|" +
         std::to_string(entry.position.zoomPercent) + "|" + entry.path;
}

std::vector<Entry> load(const SettingsStore& settings) {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < maxRememberedBooks; ++i) {
    const auto value = settings.readString(settings::positionsKey, std::to_string(i));
    if (!value) continue;
    if (auto entry = entryOf(*value)) entries.push_back(std::move(*entry));
  }
  return entries;
}

void save(SettingsStore& settings, const std::vector<Entry>& entries) {
  const SettingsBatch batch(settings);
  for (std::size_t i = 0; i < maxRememberedBooks; ++i) {
    const std::string name = std::to_string(i);
    if (i < entries.size())
      settings.writeString(settings::positionsKey, name, valueOf(entries[i]));
    else if (settings.readString(settings::positionsKey, name))
      settings.deleteValue(settings::positionsKey, name);
  }
}

}  // namespace

std::optional<ReadingPosition> recallPosition(SettingsStore& settings, const std::string& bookPath) {
  const auto name = bookSettingName(bookPath);
  if (!name) return std::nullopt;
  std::vector<Entry> entries = load(settings);
  for (const Entry& entry : entries)
    if (entry.name == *name) return entry.position;
  const auto samePath = [&bookPath](const Entry& entry) { return entry.path == bookPath; };
  if (std::erase_if(entries, samePath) > 0) save(settings, entries);
  return std::nullopt;
}

void rememberPosition(SettingsStore& settings, const std::string& bookName, const std::string& bookPath,
                      const ReadingPosition& position) {
  if (bookName.empty() || bookPath.empty() || position.page < 0) return;
  std::vector<Entry> entries = load(settings);
  // One entry per book, and per path: an older size of the book is forgotten.
  std::erase_if(entries, [&](const Entry& entry) { return entry.name == bookName || entry.path == bookPath; });
  const int zoom = position.zoomPercent > 0 ? position.zoomPercent : normalZoomPercent;
  entries.push_back({bookName, bookPath, {position.page, std::max(position.scroll, 0), zoom}});
  if (entries.size() > maxRememberedBooks)
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(maxRememberedBooks));
  save(settings, entries);
}

int defaultZoomPercent(const SettingsStore& settings) {
  const std::optional<std::string> value = settings.readString(settings::optionsKey, settings::defaultZoom);
  const auto percent = value ? numberIn(*value) : std::nullopt;
  return percent && *percent >= zeb::limits::minimumZoomPercent && *percent <= zeb::limits::maximumZoomPercent
             ? *percent
             : normalZoomPercent;
}

}  // namespace zeb::shell
