// Window placements.
#include "platform/window_placement.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "platform/settings_store.h"

namespace zeb {
namespace {

struct Overlap {
  int width = 0;
  int height = 0;
  std::int64_t area() const { return static_cast<std::int64_t>(width) * height; }
};

Overlap overlapOf(const WindowRect& a, const WindowRect& b) {
  const std::int64_t left = std::max(a.left, b.left);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
  const std::int64_t top = std::max(a.top, b.top);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
  if (right <= left || bottom <= top) return {};
  return {static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

std::int64_t centreDistance(const WindowRect& a, const WindowRect& b) {
  const std::int64_t dx = (std::int64_t{a.left} * 2 + a.width) - (std::int64_t{b.left} * 2 + b.width);
  const std::int64_t dy = (std::int64_t{a.top} * 2 + a.height) - (std::int64_t{b.top} * 2 + b.height);
  return dx * dx + dy * dy;
}

// The screen the window goes to: the one it overlaps most, or else the nearest.
const WindowRect& targetScreen(const WindowRect& window, const std::vector<WindowRect>& screens) {
  const WindowRect* best = &screens.front();
  std::int64_t bestArea = overlapOf(window, *best).area();
  for (const WindowRect& screen : screens) {
    if (const std::int64_t area = overlapOf(window, screen).area(); area > bestArea) {
      best = &screen;
      bestArea = area;
    }
  }
  if (bestArea > 0) return *best;
  for (const WindowRect& screen : screens)
    if (centreDistance(window, screen) < centreDistance(window, *best)) best = &screen;
  return *best;
}

std::optional<int> believableNumber(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  int value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, value);
  if (text->empty() || error != std::errc() || stop != end) return std::nullopt;
  if (value < -placement::maximumExtent || value > placement::maximumExtent) return std::nullopt;
  return value;
}

std::string keyOf(std::string_view formsKey, std::string_view windowName) {
  std::string key(formsKey);
  if (!key.ends_with('\\')) key.push_back('\\');
  return key + std::string(windowName);
}

}  // namespace

WindowRect placeOnScreens(const WindowRect& placement, const std::vector<WindowRect>& screens) {
  WindowRect window = placement;
  window.width = std::max(window.width, placement::minimumSize);
  window.height = std::max(window.height, placement::minimumSize);
  if (screens.empty()) return window;

  const WindowRect band{window.left, window.top, window.width, std::min(window.height, placement::titleBandHeight)};
  for (const WindowRect& screen : screens) {
    const Overlap seen = overlapOf(band, screen);
    if (seen.width >= std::min(band.width, placement::minimumVisibleWidth) &&
        seen.height >= std::min(band.height, placement::minimumVisibleHeight))
      return window;
  }

  const WindowRect& screen = targetScreen(window, screens);
  window.width = std::min(window.width, screen.width);
  window.height = std::min(window.height, screen.height);
  window.left = std::clamp(window.left, screen.left, screen.left + screen.width - window.width);
  window.top = std::clamp(window.top, screen.top, screen.top + screen.height - window.height);
  return window;
}

std::optional<WindowRect> readPlacement(const SettingsStore& settings, std::string_view formsKey,
                                        std::string_view windowName) {
  const std::string key = keyOf(formsKey, windowName);
  const auto left = believableNumber(settings.readString(key, "Left"));
  const auto top = believableNumber(settings.readString(key, "Top"));
  const auto width = believableNumber(settings.readString(key, "Width"));
  const auto height = believableNumber(settings.readString(key, "Height"));
  if (!left || !top || !width || !height || *width <= 0 || *height <= 0) return std::nullopt;
  return WindowRect{*left, *top, *width, *height};
}

void writePlacement(SettingsStore& settings, std::string_view formsKey, std::string_view windowName,
                    const WindowRect& placement) {
  const std::string key = keyOf(formsKey, windowName);
  settings.writeString(key, "Left", std::to_string(placement.left));
  settings.writeString(key, "Top", std::to_string(placement.top));
  settings.writeString(key, "Width", std::to_string(placement.width));
  settings.writeString(key, "Height", std::to_string(placement.height));
}

}  // namespace zeb
