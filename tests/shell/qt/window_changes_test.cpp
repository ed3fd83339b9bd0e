// Presentation changes on a real main window: bars, border, icons, state and position.
#include "shell/qt/window_changes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace zeb::shell {
namespace {

class WindowChanges : public ::testing::Test {
 protected:
  void SetUp() override {
    window.menuBar()->addMenu("&File");
    main = window.addToolBar("Main");
    browsed = window.addToolBar("Browsed pages");
    window.statusBar()->showMessage("ready");
    window.setGeometry(40, 50, 400, 300);
    window.show();
  }
  bool barsVisible() const {
    return window.menuBar()->isVisible() && main->isVisible() && browsed->isVisible() &&
           window.statusBar()->isVisible();
  }
  bool barsHidden() const {
    return !window.menuBar()->isVisible() && !main->isVisible() && !browsed->isVisible() &&
           !window.statusBar()->isVisible();
  }

  QMainWindow window;
  QToolBar* main = nullptr;
  QToolBar* browsed = nullptr;
};

TEST_F(WindowChanges, HidingTheBarsAndRestoringThem) {
  applyWindowChanges(window, windowChangesForMode(3));
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(barsHidden());
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(window.windowState().testFlag(Qt::WindowMaximized));

  applyWindowChanges(window, windowChangesForMode(4));
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(barsVisible());
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(window.windowState().testFlag(Qt::WindowMaximized));
}

TEST_F(WindowChanges, AWindowMovedOffTheScreenComesBackWhenRestored) {
  moveOffScreen(window);
  const QRect screen = window.screen()->geometry();
  EXPECT_EQ(window.x(), screen.right() + 1);
  applyWindowChanges(window, windowChangesForMode(4));
  EXPECT_TRUE(screen.contains(window.geometry()));
  EXPECT_EQ(window.geometry().right(), screen.right());

  // The borderless mode moves it to the left edge itself.
  moveOffScreen(window);
  applyWindowChanges(window, windowChangesForMode(1));
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(barsVisible());
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::CustomizeWindowHint));
}

}  // namespace
}  // namespace zeb::shell
