// Window descriptions and the geometry of separate windows.
#include "shell/window_description.h"

#include "document/byte_reader.h"

namespace zeb::shell {

std::optional<WindowDescription> readWindowDescription(std::span<const std::uint8_t> data) {
  if (data.size() < windowDescriptionSize) return std::nullopt;
  ByteReader in(data.first(windowDescriptionSize));
  WindowDescription description;
  description.left = in.readI16();
  description.top = in.readI16();
  description.width = in.readI16();
  description.height = in.readI16();
  in.skip(7);  // what the authoring tool keeps for itself
  description.maximised = in.readU8() != 0;
  description.historyToolbar = in.readU8() != 0;
  description.mainMenu = in.readU8() != 0;
  description.sizeable = in.readU8() != 0;
  in.skip(1);
  description.statusBar = in.readU8() != 0;
  description.mainToolbar = in.readU8() != 0;
  return description;
}

WindowLayout layoutFromDescription(const WindowDescription& description, bool hasBorder) {
  WindowLayout layout;
  if (description.left != unchangedGeometry) layout.position = ScreenPoint{description.left, description.top};
  const bool sized = description.width != unchangedGeometry && description.width > 0 && description.height > 0;
  if (sized) layout.size = WindowSize{description.width, description.height};
  layout.maximised = description.maximised;
  layout.historyToolbar = description.historyToolbar;
  layout.mainToolbar = description.mainToolbar;
  layout.panelVisible = description.historyToolbar || description.mainToolbar;
  layout.statusBar = description.statusBar;
  if (hasBorder) layout.mainMenu = description.mainMenu;
  layout.maximiseButton = description.sizeable;
  if (!description.sizeable && sized) layout.fixedSize = layout.size;
  return layout;
}

WindowLayout layoutWithoutDescription(WindowSize mainWindow) {
  WindowLayout layout;
  layout.size = mainWindow;
  layout.mainMenu = true;
  return layout;
}

PopupPlacement popupPlacement(ScreenPoint click, WindowSize window, const ScreenRect& screen) {
  // The arithmetic works in the screen's own coordinates.
  int x = click.x - screen.left;
  int y = click.y - screen.top;
  PopupPlacement placement;
  if (x > 50) x -= 50;
  if (x + window.width > screen.width) x = screen.width - window.width;
  if (y + window.height > screen.height) {
    const int above = y - window.height - 10;
    if (above < 0) {
      y = 0;
      if (window.height > screen.height) placement.height = screen.height;
    } else {
      y = above;
    }
  }
  placement.position = {x + screen.left, y + screen.top};
  return placement;
}

KindChanges changesForKind(WindowKind kind, WindowSize mainWindow) {
  KindChanges changes;
  switch (kind) {
    case WindowKind::plain: changes.size = mainWindow; break;
    case WindowKind::named: changes.hidePanel = true; break;
    case WindowKind::popup:
      changes.hidePanel = true;
      changes.removeBorder = true;
      break;
    case WindowKind::keep: break;
  }
  return changes;
}

std::optional<bool> nestedFramesSetting(int flag) {
  if (flag == 0) return false;
  if (flag == 1) return true;
  return std::nullopt;
}

}  // namespace zeb::shell
