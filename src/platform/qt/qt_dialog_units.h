// The scale of designed lengths for a Qt font: its base units measured with QFontMetrics.
#pragma once

#include <QFont>
#include <QSize>

#include "platform/dialog_units.h"

namespace zeb {

FontBaseUnits baseUnitsOf(const QFont& font);
// From the design font to the font (a window's font, which its controls inherit).
DesignScale designScaleOf(const QFont& font);
QSize scaledSize(const DesignScale& scale, int designedWidth, int designedHeight);

}  // namespace zeb
