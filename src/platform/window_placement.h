// Window placements kept in the settings, and bringing a placement that lies off every
// screen back onto one.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace zeb {

class SettingsStore;

struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowRect&) const = default;
};

namespace placement {
// A window is never smaller than this.
inline constexpr int minimumSize = 100;
// Stored sizes and positions beyond this are not believed.
inline constexpr int maximumExtent = 1 << 16;
// The band along the top of a window where its title bar lies; enough of it must be on a
// screen for the window to be moved with the mouse.
inline constexpr int titleBandHeight = 24;
inline constexpr int minimumVisibleWidth = 48;
inline constexpr int minimumVisibleHeight = 12;
}  // namespace placement

// The placement as the window takes it: at least the minimum size, and, when its title band
// is not visible enough on any screen, moved (and shrunk to fit) onto the screen it overlaps
// most, or else the one nearest to it. The screens are their available areas, the primary
// one first; without screens the placement stays.
WindowRect placeOnScreens(const WindowRect& placement, const std::vector<WindowRect>& screens);

// A window's placement: the values "Left", "Top", "Width" and "Height" of the window's own
// key under the forms key. None when a value is missing or is not a believable number.
std::optional<WindowRect> readPlacement(const SettingsStore& settings, std::string_view formsKey,
                                        std::string_view windowName);
void writePlacement(SettingsStore& settings, std::string_view formsKey, std::string_view windowName,
                    const WindowRect& placement);

}  // namespace zeb
