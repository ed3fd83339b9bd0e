// TextBoxWidget: the window of a text box. It forwards its input to the box, paints the box
// through a QtCanvas, and shows the cursor, hint and popup menus the box asks for. As the
// viewport of a page it shows the box from a scroll origin. The mouse reaches the innermost
// box under it (a table cell's), keys the box the caret is in; such a cell is shown through
// this window too.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "text/box_surface.h"
#include "view/page_zoom.h"

class QMenu;

namespace zeb {

class ObjectPlacement;
class ReadingText;
class TZEBbox;

class TextBoxWidget : public QWidget, public BoxSurface {
  Q_OBJECT

 public:
  // The box is not owned and must outlive the widget. The widget becomes the box's surface;
  // its coordinates are the box's less the origin.
  explicit TextBoxWidget(TZEBbox& box, QWidget* parent = nullptr);
  ~TextBoxWidget() override;

  TZEBbox& box() const { return *box_; }
  // The box the keys go to: the box itself, or the table cell the caret was put in.
  TZEBbox& inputBox() const { return *inputBox_; }
  // Where painting puts embedded objects; by default they are drawn on the canvas.
  void setObjectPlacement(ObjectPlacement* placement) { placement_ = placement; }
  // The box's own popup menu (the page's); not owned.
  void setOwnPopupMenu(QMenu* menu);
  // The point of the box shown at the widget's top-left corner (the page's scroll positions).
  QPoint origin() const { return origin_; }
  void setOrigin(QPoint origin);
  // The zoom the box is shown at: the window shows book pixels scaled, the origin stays in
  // book pixels.
  const PageZoom& zoom() const { return zoom_; }
  void setZoom(PageZoom zoom);

  QSize sizeHint() const override;

  // The window's coordinate mapping, the one place where the view's scroll origin and zoom
  // apply: an area of the box (box coordinates) in the widget, and a point of the widget in
  // the box.
  QRect toWidget(const CanvasRect& boxArea) const;
  QPoint toBox(QPoint widgetPoint) const;

  // The text accessibility tools and reading aloud read, made when first asked for (the
  // window shows one loaded text for its whole life).
  const ReadingText& readingText() const;
  // The box the caret was last moved in: the window's box, or one of its table cells.
  TZEBbox& caretBox() const;
  // The caret and selection offsets last told to accessibility tools (-1: none yet).
  struct AnnouncedCaret {
    int caret = -1;
    int selectionStart = -1;
    int selectionEnd = -1;
  };
  AnnouncedCaret& announced() { return announced_; }

  // BoxSurface.
  void invalidate(const CanvasRect& area) override;
  void setMouseCursor(MouseCursor cursor) override;
  void hintChanged(std::string_view hint) override;
  bool hasFocus() const override;
  bool canFocus() const override;
  void takeFocus() override;
  void showPopup(PopupMenuChoice choice, int x, int y) override;
  // The caret or selection of the box (this window's or a cell's) moved.
  void caretMoved(TZEBbox& box) override;

 signals:
  // A popup menu of the frame set is asked for at the global position (the box's own menu
  // pops up by itself when one is set).
  void popupRequested(zeb::PopupMenuChoice choice, QPoint globalPosition);
  // The box's hint, "short|long" or empty; the tooltip shows the short part.
  void hintTextChanged(const QString& hint);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab goes from link to link of the page, those of its table cells among them, before it
  // leaves it.
  bool focusNextPrevChild(bool next) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class CellSurface;
  // The box under the point (the innermost one) and the point in its coordinates; a cell
  // gets this window as its surface.
  TZEBbox& routeTo(QPoint widgetPoint, QPoint& boxPoint);
  void attach(TZEBbox& cell);
  void mouseDoubleClickOrPress(QMouseEvent& event, bool doubleClick);
  // Whether the box is this window's box or one of the cells inside it.
  bool holds(const TZEBbox& box) const;

  TZEBbox* box_;
  TZEBbox* inputBox_;
  // The box a press went to: its moves and release go there too.
  TZEBbox* pressedBox_ = nullptr;
  std::vector<std::unique_ptr<CellSurface>> cellSurfaces_;
  mutable std::unique_ptr<ReadingText> readingText_;
  TZEBbox* caretBox_ = nullptr;
  AnnouncedCaret announced_;

  ObjectPlacement* placement_ = nullptr;
  QPointer<QMenu> ownMenu_;
  QPoint origin_;
  PageZoom zoom_;
};

}  // namespace zeb
