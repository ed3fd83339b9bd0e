// PageWidget: the page control's window: a page (TZEBpage) shown through a viewport with
// scroll bars. The bars follow the page's scroll-bar rule and the box's ranges and scroll
// positions; keys, a selection dragged past the edge, a found text and an anchor move the
// view through the box; a resize lays the text out again to the new width.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "text/box_surface.h"
#include "view/page_view.h"

class QMenu;
class QScrollBar;

namespace zeb {

class MeasurementCache;
class PageControls;
class TextBoxWidget;
class TZEBset;
class TZEBtesto;

class PageWidget : public QWidget, public PageWindow {
  Q_OBJECT

 public:
  // Arrow buttons of the bars move the view by this many pixels.
  static constexpr int barStep = 10;

  PageWidget(TZEBset& set, MeasurementCache& measures, PageOwner& owner, QWidget* parent = nullptr);
  ~PageWidget() override;

  TZEBpage& page() const { return *page_; }

  // Takes the page's background before its text is loaded.
  void ShowBackground(TZEBtesto* page);
  // Loads the page (a blank text for none) and shows it from its top.
  void ShowText(TZEBtesto* page);
  // Shows a text that is not part of the book (see TZEBpage::ShowTemporaryText).
  void ShowTemporaryText(std::unique_ptr<TZEBtesto> text);
  // Before the page is freed: keeps the edits in the book, or drops them.
  void leave(bool keepEdits);

  // The modes of the page; the bars are arranged again.
  void setReadOnly(bool readOnly);
  void setAnimated(bool animated);
  void setScrollBarMode(int mode);
  void setFramesOnly(bool framesOnly);
  // A single-line border around the page, or none.
  bool hasBorder() const { return border_; }
  void setBorder(bool border);

  // The page's popup menu, which its text box shows as its own; not owned.
  void setOwnPopupMenu(QMenu* menu);

  // Scrolls the page's view (keys of the frame set), in book pixels.
  void scrollBy(int dx, int dy);
  // The frame set around changed its zoom: the page takes it, lays its text out again to
  // the window in book pixels, and its controls follow.
  void zoomChanged();

  // The controls of the page's objects (none before a text is shown).
  PageControls* controls() const { return controls_.get(); }
  // Puts the controls where layout put their objects, in the view's scroll position.
  void placeControls();

  // The window of the text box (none before a text is shown) and the bars.
  TextBoxWidget* viewport() const { return viewport_; }
  QScrollBar* verticalBar() const { return vertical_; }
  QScrollBar* horizontalBar() const { return horizontal_; }
  // The part of the page the text is shown in: the widget less border and shown bars.
  QRect clientRect() const { return client_; }

  // PageWindow.
  void pageLaidOut() override;
  void pageScrolled() override;

 signals:
  // The text box asks for one of the frame set's popup menus at the global position.
  void popupRequested(zeb::PopupMenuChoice choice, QPoint globalPosition);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Loads a text into the page and makes the viewport of its box.
  void load(const std::function<void()>& showText);
  void arrange();
  void syncBars();
  void barsMoved();
  void dropViewport();

  std::unique_ptr<TZEBpage> page_;
  int pixelsPerInch_;
  QPointer<QMenu> ownMenu_;
  TextBoxWidget* viewport_ = nullptr;
  std::unique_ptr<PageControls> controls_;
  QScrollBar* vertical_;
  QScrollBar* horizontal_;
  QRect client_;
  bool border_ = false;
  bool arranging_ = false;
  bool loading_ = false;
  // Ctrl+wheel turns not yet a whole notch.
  int zoomWheel_ = 0;
};

}  // namespace zeb
