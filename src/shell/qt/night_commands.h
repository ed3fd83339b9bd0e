// View > Night mode (Ctrl+Shift+N) and View > Dim pictures at night in the main window: the
// main frame set and every separate page window read at night together, and the user's
// choice is kept in the settings.
#pragma once

class QMenu;

namespace zeb {

class SettingsStore;
class TMainForm;

// Adds the two items to the View menu and starts with the setting the choice kept (or the
// desktop's colours) give. The settings must outlive the window.
void addNightItems(QMenu& view, TMainForm& window, SettingsStore& settings);

}  // namespace zeb
