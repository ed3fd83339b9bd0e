// Two small controls: TNoBgPaintPanel, the inner panel of a frame that lets what is behind
// it show, and TOutlLabel, a label written over its own outline.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace zeb {

// A panel without a bevel. While Transparent it neither erases nor paints its background;
// when opaque it paints its colour with a black outline and its caption in black. OnPaint
// follows every painting; OnMyClick a left-button press on the panel.
class TNoBgPaintPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TNoBgPaintPanel(QWidget* parent = nullptr);

  int Margin() const { return margin_; }
  // The client rectangle becomes the panel inset by the margin on every side; a margin of
  // 0 makes the panel transparent, any other opaque.
  void setMargin(int margin);
  bool Transparent() const { return transparent_; }
  void setTransparent(bool transparent);
  QColor Color() const { return colour_; }
  void setColor(const QColor& colour);
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  // Where children go: the panel less its margin.
  QRect clientRect() const { return contentsRect(); }

 signals:
  void OnPaint();
  void OnMyClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int margin_ = 0;
  bool transparent_ = true;
  QColor colour_;
  QString caption_;
};

// A label whose caption is written nine times in ColourShadow, one pixel apart around
// (1, 1), and once in the font's colour at (1, 1). Unless Transparent, the label's colour
// fills it first.
class TOutlLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TOutlLabel(QWidget* parent = nullptr);

  QColor ColourShadow() const { return shadow_; }
  void setColourShadow(const QColor& colour);
  bool Transparent() const { return transparent_; }
  void setTransparent(bool transparent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor shadow_{Qt::black};
  bool transparent_ = false;
};

}  // namespace zeb
