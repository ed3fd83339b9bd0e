// The toolbar's icons, drawn as simple shapes at the size asked for, and its buttons.
#include "shell/qt/toolbar_icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QPolygonF>
#include <QToolBar>
#include <QToolButton>

namespace zeb {
namespace {

// An icon drawn at the device's resolution: a screen of two device pixels per pixel gets a
// pixmap of twice the pixels, not one blown up.
QPixmap drawnPixmap(QIconEngine& engine, const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) {
  const qreal ratio = scale > 0 ? scale : 1;
  QPixmap pixmap((QSizeF(size) * ratio).toSize());
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  engine.paint(&painter, QRect(QPoint(0, 0), size), mode, state);
  return pixmap;
}

// Shapes are drawn on a 16 x 16 grid scaled to the icon's size.
constexpr qreal grid = 16;

class GlyphEngine final : public QIconEngine {
 public:
  explicit GlyphEngine(ToolbarGlyph glyph) : glyph_(glyph) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / grid, rect.height() / grid);
    // The desktop's colours, so that a high-contrast or dark scheme shows the glyphs too: the
    // buttons' text colour for lines, their face mixed with the highlight for fills, and
    // the window's text background where a glyph shows a page.
    const QPalette palette = QGuiApplication::palette();
    const QPalette::ColorGroup group = mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
    const QColor ink = palette.color(group, QPalette::ButtonText);
    const QColor face = palette.color(group, QPalette::Button);
    const QColor highlight = palette.color(group, QPalette::Highlight);
    const QColor fill =
        QColor::fromRgbF((face.redF() * 3 + highlight.redF()) / 4, (face.greenF() * 3 + highlight.greenF()) / 4,
                         (face.blueF() * 3 + highlight.blueF()) / 4);
    painter->setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(fill);
    paper_ = palette.color(group, QPalette::Base);
    draw(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return drawnPixmap(*this, size, mode, state, scale);
  }

  QIconEngine* clone() const override { return new GlyphEngine(glyph_); }

 private:
  void draw(QPainter& painter) const {
    switch (glyph_) {
      case ToolbarGlyph::back: arrow(painter, 1); break;
      case ToolbarGlyph::forward: arrow(painter, -1); break;
      case ToolbarGlyph::print:
        painter.drawRect(QRectF(4.5, 1.5, 7, 4));
        painter.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
        painter.setBrush(paper_);
        painter.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
      case ToolbarGlyph::cover:
        painter.drawRect(QRectF(3.5, 1.5, 9, 13));
        painter.drawLine(QPointF(5.5, 5), QPointF(10.5, 5));
        painter.drawLine(QPointF(5.5, 7.5), QPointF(9, 7.5));
        break;
      case ToolbarGlyph::contents:
        painter.drawRect(QRectF(2.5, 1.5, 11, 13));
        for (const qreal y : {5.0, 8.0, 11.0}) painter.drawLine(QPointF(5, y), QPointF(11, y));
        break;
      case ToolbarGlyph::search:
        painter.drawEllipse(QRectF(2, 2, 8, 8));
        painter.setPen(QPen(painter.pen().color(), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
        break;
      case ToolbarGlyph::frames:
        painter.drawRect(QRectF(1.5, 1.5, 13, 13));
        painter.drawLine(QPointF(1.5, 5.5), QPointF(14.5, 5.5));
        painter.drawLine(QPointF(6.5, 5.5), QPointF(6.5, 14.5));
        break;
      case ToolbarGlyph::speak:
        painter.drawPolygon(QPolygonF({QPointF(1.5, 5.5), QPointF(4.5, 5.5), QPointF(8.5, 2), QPointF(8.5, 14),
                                       QPointF(4.5, 10.5), QPointF(1.5, 10.5)}));
        painter.drawArc(QRectF(7, 5, 5, 6), -60 * 16, 120 * 16);
        painter.drawArc(QRectF(7, 2.5, 8, 11), -60 * 16, 120 * 16);
        break;
      case ToolbarGlyph::more:
        for (const qreal x : {4.0, 9.0}) {
          painter.drawLine(QPointF(x, 4), QPointF(x + 3.5, 8));
          painter.drawLine(QPointF(x + 3.5, 8), QPointF(x, 12));
        }
        break;
      case ToolbarGlyph::close:
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
      case ToolbarGlyph::file: {
        QPainterPath sheet;
        sheet.moveTo(3.5, 1.5);
        sheet.lineTo(9.5, 1.5);
        sheet.lineTo(12.5, 4.5);
        sheet.lineTo(12.5, 14.5);
        sheet.lineTo(3.5, 14.5);
        sheet.closeSubpath();
        painter.setBrush(paper_);
        painter.drawPath(sheet);
        break;
      }
      case ToolbarGlyph::open:
      case ToolbarGlyph::folder: {
        QPainterPath folder;
        folder.moveTo(1.5, 3.5);
        folder.lineTo(6, 3.5);
        folder.lineTo(7.5, 5);
        folder.lineTo(14.5, 5);
        folder.lineTo(14.5, 13.5);
        folder.lineTo(1.5, 13.5);
        folder.closeSubpath();
        painter.drawPath(folder);
        break;
      }
    }
  }

  // An arrow pointing left (direction 1) or right (-1).
  static void arrow(QPainter& painter, int direction) {
    QPainterPath path;
    const auto point = [direction](qreal x, qreal y) { return QPointF(8 + direction * (x - 8), y); };
    path.moveTo(point(14, 6));
    path.lineTo(point(8, 6));
    path.lineTo(point(8, 2.5));
    path.lineTo(point(2, 8));
    path.lineTo(point(8, 13.5));
    path.lineTo(point(8, 10));
    path.lineTo(point(14, 10));
    path.closeSubpath();
    painter.drawPath(path);
  }

  ToolbarGlyph glyph_;
  QColor paper_ = Qt::white;
};

// The reader's icon at any size, drawn when it is asked for.
class ReaderIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    paintReaderIcon(*painter, QRectF(rect));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return drawnPixmap(*this, size, mode, state, scale);
  }
  QIconEngine* clone() const override { return new ReaderIconEngine; }
};

}  // namespace

QIcon toolbarIcon(ToolbarGlyph glyph) { return QIcon(new GlyphEngine(glyph)); }

QIcon readerIcon() { return QIcon(new ReaderIconEngine); }

void paintReaderIcon(QPainter& painter, const QRectF& square) {
  // The shapes of brightfold.svg, on its 32 x 32 grid.
  constexpr qreal iconGrid = 32;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(square.topLeft());
  painter.scale(square.width() / iconGrid, square.height() / iconGrid);
  painter.setPen(QPen(QColor(0x28, 0x46, 0x82), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath page;
  page.moveTo(6, 2.5);
  page.lineTo(18, 2.5);
  page.lineTo(26, 10.5);
  page.lineTo(26, 29.5);
  page.lineTo(6, 29.5);
  page.closeSubpath();
  painter.setBrush(QColor(0xc8, 0xdc, 0xf5));
  painter.drawPath(page);
  QPainterPath fold;
  fold.moveTo(18, 2.5);
  fold.lineTo(18, 10.5);
  fold.lineTo(26, 10.5);
  fold.closeSubpath();
  painter.setBrush(QColor(0xf2, 0xb6, 0x32));
  painter.drawPath(fold);
  painter.drawLine(QPointF(10, 15), QPointF(22, 15));
  painter.drawLine(QPointF(10, 19.5), QPointF(22, 19.5));
  painter.drawLine(QPointF(10, 24), QPointF(17, 24));
  painter.restore();
}

QIcon ReaderStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton: return toolbarIcon(ToolbarGlyph::more);
    case SP_TitleBarCloseButton:
    case SP_DockWidgetCloseButton: return toolbarIcon(ToolbarGlyph::close);
    case SP_TitleBarNormalButton: return toolbarIcon(ToolbarGlyph::frames);
    case SP_FileIcon: return toolbarIcon(ToolbarGlyph::file);
    case SP_DirIcon:
    case SP_DirClosedIcon:
    case SP_DirOpenIcon: return toolbarIcon(ToolbarGlyph::folder);
    default: return QProxyStyle::standardIcon(icon, option, widget);
  }
}

QToolButton* addToolbarButton(QToolBar& toolbar, const ToolbarButtonDesign& design) {
  auto* button = new QToolButton(&toolbar);
  button->setObjectName(design.name);
  button->setText(QString::fromUtf8(design.text));
  button->setToolTip(QString::fromUtf8(design.hint));
  button->setIcon(toolbarIcon(design.icon));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  // Reachable with the Tab key, as every control of the window.
  button->setFocusPolicy(Qt::TabFocus);
  toolbar.addWidget(button)->setObjectName(QString::fromUtf8(design.name) + QStringLiteral("Place"));
  return button;
}

}  // namespace zeb
