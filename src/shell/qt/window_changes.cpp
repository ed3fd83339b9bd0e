// Presentation changes of a main window.
#include "shell/qt/window_changes.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "platform/qt/qt_window_placement.h"

namespace zeb::shell {
namespace {

void setBarsVisible(QMainWindow& window, bool visible) {
  for (QToolBar* toolbar : window.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) toolbar->setVisible(visible);
}

void setStatusBarVisible(QMainWindow& window, bool visible) {
  if (auto* bar = window.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly)) bar->setVisible(visible);
}

// The window carries the menu's commands while the menu is hidden: a shortcut works only
// for an action some visible widget carries.
constexpr const char* carriedForMenu = "carriedWhileMenuHidden";

void setMenuVisible(QMainWindow& window, bool visible) {
  QWidget* menu = window.menuWidget();
  if (menu == nullptr) return;
  menu->setVisible(visible);
  QList<QAction*> commands;
  for (const QMenu* submenu : menu->findChildren<QMenu*>()) commands += submenu->actions();
  for (QAction* action : commands) {
    if (action->shortcut().isEmpty()) continue;
    const bool carried = action->property(carriedForMenu).toBool();
    if (!visible && !carried && !window.actions().contains(action)) {
      window.addAction(action);
      action->setProperty(carriedForMenu, true);
    } else if (visible && carried) {
      window.removeAction(action);
      action->setProperty(carriedForMenu, QVariant());
    }
  }
}

// All flags at once: Qt drops the frameless hint of a customised window that asks for a
// title bar or any of its buttons, so a borderless window keeps none of them.
void setSystemMenuOnly(QMainWindow& window, bool only) {
  constexpr Qt::WindowFlags titleBar = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  constexpr Qt::WindowFlags sizeButtons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
  Qt::WindowFlags flags = window.windowFlags();
  if (only) {
    flags = (flags & ~sizeButtons) | Qt::CustomizeWindowHint;
    flags = flags.testFlag(Qt::FramelessWindowHint) ? flags & ~titleBar : flags | titleBar;
  } else {
    flags = (flags & ~Qt::CustomizeWindowHint) | titleBar | sizeButtons;
  }
  window.setWindowFlags(flags);
}

void bringToFront(QMainWindow& window) {
  window.raise();
  window.activateWindow();
}

}  // namespace

void applyWindowChanges(QMainWindow& window, const std::vector<WindowChange>& changes) {
  for (const WindowChange change : changes) {
    switch (change) {
      case WindowChange::hide: window.hide(); break;
      case WindowChange::show: window.show(); break;
      case WindowChange::removeBorder: window.setWindowFlag(Qt::FramelessWindowHint, true); break;
      case WindowChange::sizeableBorder: window.setWindowFlag(Qt::FramelessWindowHint, false); break;
      case WindowChange::systemMenuIconOnly: setSystemMenuOnly(window, true); break;
      case WindowChange::allBorderIcons: setSystemMenuOnly(window, false); break;
      case WindowChange::moveLeftEdgeToZero: window.move(0, window.y()); break;
      case WindowChange::moveOntoScreen: keepOnScreen(window); break;
      case WindowChange::maximise:
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
      case WindowChange::normalState:
        window.setWindowState(window.windowState() &
                              ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
        break;
      case WindowChange::hideStatusBar: setStatusBarVisible(window, false); break;
      case WindowChange::hideToolbars: setBarsVisible(window, false); break;
      case WindowChange::removeMainMenu: setMenuVisible(window, false); break;
      case WindowChange::showStatusBar: setStatusBarVisible(window, true); break;
      case WindowChange::showToolbars: setBarsVisible(window, true); break;
      case WindowChange::restoreMainMenu: setMenuVisible(window, true); break;
      case WindowChange::bringApplicationToFront: bringToFront(window); break;
      case WindowChange::maximiseIfMinimised:
        if (window.isMinimized()) window.setWindowState(Qt::WindowMaximized);
        break;
      case WindowChange::bringToFront: bringToFront(window); break;
    }
  }
}

void moveOffScreen(QMainWindow& window) {
  const QScreen* screen = window.screen();
  const int screenWidth = screen != nullptr ? screen->geometry().right() + 1 : 0;
  window.move(screenWidth, window.y());
}

}  // namespace zeb::shell
