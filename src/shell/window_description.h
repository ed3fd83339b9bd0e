// The 22-byte description of a separate page window that a link action carries at the start
// of its data, and the window geometry worked out from it: size, position, bars, and where a
// pop-up opens beside the click.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "shell/link_request.h"

namespace zeb::shell {

inline constexpr std::size_t windowDescriptionSize = 22;
// A left edge (or width) of this value leaves the position (or size) as it is.
inline constexpr std::int16_t unchangedGeometry = -20000;

struct WindowDescription {
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::int16_t width = 0;
  std::int16_t height = 0;
  bool maximised = false;       // offset 15
  bool historyToolbar = false;  // 16
  bool mainMenu = false;        // 17, only for windows with a border
  bool sizeable = false;        // 18: otherwise fixed to the described size
  bool statusBar = false;       // 20
  bool mainToolbar = false;     // 21
  bool operator==(const WindowDescription&) const = default;
};

// Reads a description from the start of a link action's data; none when the data is shorter
// than a description (such a window is prepared as one without).
std::optional<WindowDescription> readWindowDescription(std::span<const std::uint8_t> data);

struct WindowSize {
  int width = 0;
  int height = 0;
  bool operator==(const WindowSize&) const = default;
};

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// What preparing a separate window does to it.
struct WindowLayout {
  std::optional<ScreenPoint> position;
  std::optional<WindowSize> size;
  bool maximised = false;
  bool panelVisible = true;  // Panel1, holding both toolbars
  bool mainToolbar = true;
  bool historyToolbar = true;
  bool statusBar = true;
  // The main menu is set or removed only on a window with a border.
  std::optional<bool> mainMenu;
  bool maximiseButton = true;
  // The user cannot resize the window: its smallest and largest size are both this.
  std::optional<WindowSize> fixedSize;
  bool operator==(const WindowLayout&) const = default;
};

// Prepare with a description. Sizes of zero or less are not applied, so that a damaged
// description cannot make a window nobody can see.
WindowLayout layoutFromDescription(const WindowDescription& description, bool hasBorder);
// Prepare without one: every bar shown, the menu set, the main window's size.
WindowLayout layoutWithoutDescription(WindowSize mainWindow);

struct PopupPlacement {
  ScreenPoint position;
  std::optional<int> height;  // a pop-up taller than the screen is cut to it
  bool operator==(const PopupPlacement&) const = default;
};

// Where a pop-up of the size opens for a click at the point, on the screen that holds the
// main window: 50 pixels left of the click (unless that is near the screen's left edge),
// kept inside the screen on the right, and above the click when it would run off the bottom.
PopupPlacement popupPlacement(ScreenPoint click, WindowSize window, const ScreenRect& screen);

// The kind a separate window shows its target as (its window kind; keep leaves it).
enum class WindowKind { plain = 0, named = 1, popup = 2, keep = 3 };

// What showing a target as a kind does to the window.
struct KindChanges {
  std::optional<WindowSize> size;  // plain: the main window's size
  bool hidePanel = false;          // named and pop-up windows show no toolbars
  bool removeBorder = false;       // pop-up
  bool operator==(const KindChanges&) const = default;
};
KindChanges changesForKind(WindowKind kind, WindowSize mainWindow);

// The nested-frames flag of a link: 0 off, 1 on, anything else leaves the setting.
std::optional<bool> nestedFramesSetting(int flag);

}  // namespace zeb::shell
