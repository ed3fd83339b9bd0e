// TMyyVisual: the common base of the controls that show the objects of a page (pictures,
// markers, buttons, form fields, media, independent frames): the object it is bound to, the
// box that lays it out, its modes, the operations every control answers, and the mouse rules
// of the reader (clicks run the control's action, a right click opens its popup menu).
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>

#include "view/page_zoom.h"
#include "view/qt/frame_set.h"

namespace zeb {

class EmbeddedObject;
class PageControls;
class TZEBbox;
class TZEBoggetto;
class TZEBpage;

class TMyyVisual : public QWidget {
  Q_OBJECT

 public:
  // A control starts this large until its object is laid out.
  static constexpr int initialSize = 105;

  // The control of an object that layout sized (`sizing`, owned by the box), in the window
  // that shows the page's boxes. It caches the frame set it lies in and starts hidden: the
  // page shows it when it places it. Binding it to its object is SetObject's work.
  TMyyVisual(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent);
  ~TMyyVisual() override;

  // The object bound (none before SetObject), its sizing object and the box that holds it.
  TZEBoggetto* Object() const { return object_; }
  EmbeddedObject& sizing() const { return *sizing_; }
  TZEBbox& box() const { return *box_; }
  TZEBpage& page() const { return *page_; }
  // The frame set the control lies in, found once by walking up the parents; none outside one.
  TZEBCustomFrameSet* frameSet() const { return frameSet_; }
  // The controls of the page, among which a form is found; none for a control on its own.
  PageControls* pageControls() const { return controls_; }
  void setPageControls(PageControls* controls) { controls_ = controls; }

  // Modes. Reader (read-only) mode: clicks run ClickAction; switching it refreshes the
  // control when RefreshOnModeChange says so.
  bool ReadOnly() const { return readOnly_; }
  virtual void setReadOnly(bool readOnly);
  // Animated pictures and media play while this is on.
  bool Animated() const { return animated_; }
  virtual void setAnimated(bool animated);
  // The object's own inactive state: the control acts as in read-only mode.
  bool Locked() const { return locked_; }
  void setLocked(bool locked) { locked_ = locked; }
  // Its character lies in the selection the box shows: the control is drawn selected.
  bool Selected() const { return selected_; }
  virtual void setSelected(bool selected);
  // The zoom the page shows the control at: its window is the object's size at the zoom,
  // and it paints book pixels scaled (zoomPainter); the standard controls inside write in
  // the zoomed control font.
  const PageZoom& Zoom() const { return zoom_; }
  virtual void setZoom(const PageZoom& zoom);
  // The object's rectangle in book pixels, from the control's top left.
  QRect bookRect() const;
  // "short|long"; the tooltip shows the short part.
  const std::string& Hint() const { return hint_; }
  void setHint(std::string hint);

  // --- The operations every control answers.
  // Binds the object and rebuilds the control; without a frame set it says "Parent insieme?"
  // and binds nothing.
  void SetObject(TZEBoggetto* object);
  // The value a form submits for the control; what it shows; setting it from text.
  virtual std::string GetValue() const { return {}; }
  virtual std::string GetDisplayText() const { return {}; }
  virtual void SetValue(std::string_view) {}
  // Re-creates the control's content from its object.
  virtual void Rebuild() {}
  // Sizes the object for the width offered (0: the width layout offered it last) and takes
  // its size.
  virtual void FitWidth(int width);
  // Reads the settings (size, hint, value) from the object again.
  virtual void Refresh() {}
  // What a click does in read-only (or locked) state.
  virtual void ClickAction() {}
  // The control's double-click handling; the inner standard controls send theirs here.
  virtual void DblClickAction() {}
  // Selects the object in its box and copies the box's selection.
  virtual void CopyObject();
  // Whether switching ReadOnly to `mode` refreshes the control: the mode given, masked by a
  // flag that no control of the reader sets.
  virtual bool RefreshOnModeChange(bool) const { return false; }

  // The popup menu a right click opens: the frame set's menu for the control's kind, or
  // PopupInactive for a locked control outside read-only mode; none when it has none.
  QMenu* popupMenu() const;

 protected:
  // The frame set's menu of this kind of control.
  virtual FramePopup popupKind() const { return FramePopup::PopupInactive; }
  // Double clicks of this kind raise OnProperties before the control's handling.
  virtual bool propertiesOnDoubleClick() const { return false; }
  // Posts the follow-link message with the link, from this control's box.
  void postFollowLink(TZEBoggetto* link);
  // Opens the control's popup menu at the global point, the control becoming the frame
  // set's current control.
  void openPopup(QPoint global);
  // Draws the selected look over the whole control.
  void paintSelectedLook(QPainter& painter) const;
  // The link cursor, for a control that leads somewhere.
  void setLinkCursor(bool link);

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

  // The last mouse position over the control; (-1, -1) after the mouse left.
  QPoint lastMousePosition_{-1, -1};

 private:
  EmbeddedObject* sizing_;
  TZEBbox* box_;
  TZEBpage* page_;
  TZEBoggetto* object_ = nullptr;
  TZEBCustomFrameSet* frameSet_ = nullptr;
  PageControls* controls_ = nullptr;
  std::string hint_;
  PageZoom zoom_;
  bool readOnly_ = false;
  bool animated_ = true;
  bool locked_ = false;
  bool selected_ = false;
  // The release that follows a double click is not a click.
  bool doubleClickGuard_ = false;
};

// The frame set a widget lies in: the nearest frame set among its parents.
TZEBCustomFrameSet* frameSetAround(const QWidget* widget);

}  // namespace zeb
