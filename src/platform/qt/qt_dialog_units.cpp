// Base units of a Qt font.
#include "platform/qt/qt_dialog_units.h"

#include <QFontMetrics>

namespace zeb {

FontBaseUnits baseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  return baseUnitsOf(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                     metrics.height());
}

DesignScale designScaleOf(const QFont& font) { return DesignScale(baseUnitsOf(font)); }

QSize scaledSize(const DesignScale& scale, int designedWidth, int designedHeight) {
  return {scale.x(designedWidth), scale.y(designedHeight)};
}

}  // namespace zeb
