// Window placements of Qt windows.
#include "platform/qt/qt_window_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace zeb {
namespace {

WindowRect rectOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }
QRect qRectOf(const WindowRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

}  // namespace

std::vector<WindowRect> availableScreenAreas() {
  std::vector<WindowRect> areas;
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) areas.push_back(rectOf(primary->availableGeometry()));
  for (QScreen* screen : QGuiApplication::screens())
    if (screen != primary) areas.push_back(rectOf(screen->availableGeometry()));
  return areas;
}

void restorePlacement(QWidget& window, const SettingsStore& settings, std::string_view formsKey,
                      std::string_view windowName) {
  const auto placement = readPlacement(settings, formsKey, windowName);
  if (placement) window.setGeometry(qRectOf(placeOnScreens(*placement, availableScreenAreas())));
}

void savePlacement(const QWidget& window, SettingsStore& settings, std::string_view formsKey,
                   std::string_view windowName) {
  const QRect normal = window.isMaximized() || window.isMinimized() || window.isFullScreen() ? window.normalGeometry()
                                                                                             : window.geometry();
  if (normal.isValid()) writePlacement(settings, formsKey, windowName, rectOf(normal));
}

void keepOnScreen(QWidget& window) {
  const QRect placed = qRectOf(placeOnScreens(rectOf(window.geometry()), availableScreenAreas()));
  if (placed != window.geometry()) window.setGeometry(placed);
}

}  // namespace zeb
