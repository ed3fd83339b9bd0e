// Night colours of the windows and controls of the pages.
#include "view/qt/night_painting.h"

#include <QWidget>

#include "view/qt/frame_set.h"
#include "view/qt/page_widget.h"

namespace zeb {
namespace {

Colour plainOf(const QColor& colour) {
  return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
         static_cast<Colour>(colour.blue()) << 16;
}

QColor nightColourOf(const QColor& day) {
  const Colour night = zeb::nightColourOf(plainOf(day));
  return QColor(redOf(night), greenOf(night), blueOf(night), day.alpha());
}

}  // namespace

NightView nightViewOf(const QWidget& widget) {
  for (const QWidget* shown = &widget; shown != nullptr; shown = shown->parentWidget()) {
    const auto* frames = qobject_cast<const TZEBCustomFrameSet*>(shown);
    if (frames != nullptr && frames->nightView().on) return frames->nightView();
  }
  return {};
}

NightPainting nightPaintingOf(const QWidget& widget) {
  const NightView view = nightViewOf(widget);
  if (!view.on) return {};
  for (const QWidget* shown = &widget; shown != nullptr; shown = shown->parentWidget()) {
    if (const auto* page = qobject_cast<const PageWidget*>(shown)) return nightPaintingOf(page->page(), view);
  }
  return {};
}

bool isDarkPalette(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

QPalette nightPaletteOf(const QPalette& day) {
  if (isDarkPalette(day)) return day;
  QPalette night = day;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto colourRole = static_cast<QPalette::ColorRole>(role);
      if (colourRole == QPalette::NoRole) continue;
      night.setColor(group, colourRole, nightColourOf(day.color(group, colourRole)));
    }
    // Turned over, the shades would light the wrong edges.
    const QColor button = night.color(group, QPalette::Button);
    night.setColor(group, QPalette::Light, button.lighter(180));
    night.setColor(group, QPalette::Midlight, button.lighter(140));
    night.setColor(group, QPalette::Mid, button.darker(130));
    night.setColor(group, QPalette::Dark, button.darker(160));
    night.setColor(group, QPalette::Shadow, Qt::black);
    // A highlight turns into a middling colour that white text reads better on than the
    // black the day's white text turns into.
    const Colour highlight = plainOf(night.color(group, QPalette::Highlight));
    const bool whiteReadsBetter = contrastRatio(0xFFFFFF, highlight) >= contrastRatio(0x000000, highlight);
    night.setColor(group, QPalette::HighlightedText, whiteReadsBetter ? Qt::white : Qt::black);
  }
  return night;
}

WindowCanvas::WindowCanvas(const QWidget& widget, QPainter& painter, const QRect& area, int pixelsPerInch)
    : QtCanvasMember{QtCanvas(painter, area, pixelsPerInch, widget.palette())},
      NightCanvas(qtCanvas, nightPaintingOf(widget)) {}

}  // namespace zeb
