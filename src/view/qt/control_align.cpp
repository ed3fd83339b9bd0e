// A control's alignment as a property of its widget.
#include "view/qt/control_align.h"

#include <QVariant>
#include <QWidget>

namespace zeb {
namespace {
constexpr const char* alignProperty = "brightfoldAlign";
}

void setControlAlign(QWidget& widget, ControlAlign align) {
  widget.setProperty(alignProperty, static_cast<int>(align));
}

ControlAlign controlAlignOf(const QWidget& widget) {
  const QVariant value = widget.property(alignProperty);
  if (!value.isValid()) return ControlAlign::none;
  const int align = value.toInt();
  return align >= 0 && align <= static_cast<int>(ControlAlign::client) ? static_cast<ControlAlign>(align)
                                                                       : ControlAlign::none;
}

}  // namespace zeb
