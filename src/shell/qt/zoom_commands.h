// The zoom of the main window's page view: View > Zoom in (Ctrl+plus), Zoom out
// (Ctrl+minus), Normal size (Ctrl+0) and Fit width, Ctrl with the mouse wheel over a page,
// and the zoom box in the status bar, where a percent can be typed.
#pragma once

class QMenu;

namespace zeb {

class TMainForm;

// Adds the items to the View menu and the zoom box to the status bar.
void addZoomItems(QMenu& view, TMainForm& window);

// Shows the main window's pages at the percent (kept within 50 and 400) and the zoom box
// says so.
void applyZoomTo(TMainForm& window, int percent);

}  // namespace zeb
