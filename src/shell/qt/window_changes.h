// Presentation changes applied to a main window: its border and icons, its state, and its
// menu bar, toolbars and status bar.
#pragma once

#include <vector>

#include "shell/presentation_modes.h"

class QMainWindow;

namespace zeb::shell {

void applyWindowChanges(QMainWindow& window, const std::vector<WindowChange>& changes);
// The window's left edge goes to the right edge of its screen, until a presentation switch.
void moveOffScreen(QMainWindow& window);

}  // namespace zeb::shell
