// Where each book was left: its page, the scroll position of that page and the zoom, kept in
// the settings for the books read last, so that a book reopens where it was left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zeb {
class SettingsStore;
}

namespace zeb::shell {

// The books remembered; the one left longest ago goes first.
inline constexpr std::size_t maxRememberedBooks = 200;
inline constexpr int normalZoomPercent = 100;

struct ReadingPosition {
  std::int32_t page = -1;
  std::int32_t scroll = 0;  // the vertical scroll position of the page, in pixels
  int zoomPercent = normalZoomPercent;
  bool operator==(const ReadingPosition&) const = default;
};

// The position the book at the path, as it is now (its path and size), was left at. A book
// that changed size since is another book: the entry of its path is forgotten.
std::optional<ReadingPosition> recallPosition(SettingsStore& settings, const std::string& bookPath);

// The zoom a book opens at when none was remembered for it: the options' "DefaultZoom"
// (a percent from 50 to 400), else 100.
int defaultZoomPercent(const SettingsStore& settings);

// Remembers where the book was left, as the newest entry. The book is named as
// bookSettingName named it when it was opened, so that a file changed meanwhile does not
// take the entry.
void rememberPosition(SettingsStore& settings, const std::string& bookName, const std::string& bookPath,
                      const ReadingPosition& position);

}  // namespace zeb::shell
