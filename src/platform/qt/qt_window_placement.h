// Window placements of Qt windows: saved to and restored from the settings, kept on a screen.
#pragma once

#include <QWidget>
#include <string_view>
#include <vector>

#include "platform/window_placement.h"

namespace zeb {

class SettingsStore;

// The available areas of the screens, the primary one first.
std::vector<WindowRect> availableScreenAreas();

// Puts the window where it was saved, brought onto a screen; nothing when none was saved.
void restorePlacement(QWidget& window, const SettingsStore& settings, std::string_view formsKey,
                      std::string_view windowName);
// Saves the window's normal (not maximised) position and size.
void savePlacement(const QWidget& window, SettingsStore& settings, std::string_view formsKey,
                   std::string_view windowName);
// Moves a window that lies off every screen back onto one.
void keepOnScreen(QWidget& window);

}  // namespace zeb
