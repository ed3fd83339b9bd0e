// The splitters: TWVoSplit resizes the control it targets when dragged, TZEBSplit is the
// splitter between frames (it sits right after its target), TTigerSplit the striped bar.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <string_view>

#include "view/qt/control_align.h"

class QRubberBand;

namespace zeb {

// What the splitters share: the target, the limits and the drag. A drag starts with a
// left-button press (no other button or key held) on a sizeable splitter that has a target
// and a parent; the feedback line follows the mouse, the target's size stays within
// Mintargetlimit and the parent's extent less MaxTargetLimit, and the release gives the
// target its new size. OnBeginSplit, OnMoveSplit (each move), OnEndingSplit (before the
// target is resized) and OnEndSplit (after) report the drag.
class SplitterBase : public QWidget {
  Q_OBJECT

 public:
  ~SplitterBase() override;

  QWidget* TargetControl() const { return target_; }
  // None, or the splitter itself, detaches the splitter (alignment none, the default
  // cursor). A target aligned to no side (none or client) is refused: the splitter is
  // detached and the refusal text returned. Otherwise the splitter takes the target's
  // alignment and the split cursor of its orientation. The target is not owned; when it is
  // destroyed, a drag in progress ends and the target is cleared.
  std::optional<std::string_view> setTargetControl(QWidget* target);

  bool Sizeable() const { return sizeable_; }
  void setSizeable(bool sizeable);
  int Mintargetlimit() const { return minTargetLimit_; }
  void setMintargetlimit(int limit) { minTargetLimit_ = limit; }
  int MaxTargetLimit() const { return maxTargetLimit_; }
  void setMaxTargetLimit(int limit) { maxTargetLimit_ = limit; }
  bool Locked() const { return locked_; }
  void setLocked(bool locked) { locked_ = locked; }
  // The background; by default the parent's.
  void setColor(const QColor& colour);

  // The splitter's own alignment, taken from its target.
  ControlAlign Align() const { return align_; }
  // True when the splitter moves sideways (aligned left or right), false when it moves up
  // and down (top or bottom); meaningless while detached.
  bool movesSideways() const { return align_ == ControlAlign::left || align_ == ControlAlign::right; }
  bool isDragging() const { return dragging_; }
  // The feedback line's position in the parent during a drag.
  int linePosition() const { return linePosition_; }

 signals:
  void OnBeginSplit();
  void OnMoveSplit();
  void OnEndingSplit();
  void OnEndSplit();

 protected:
  SplitterBase(QWidget* parent, QSize initialSize, std::string_view refusal);
  // Called when the target was set or resized by a drag.
  virtual void followTarget() {}

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void detach();
  void updateCursor();
  void showLine();
  void stopDragging();
  int along(QPoint point) const { return movesSideways() ? point.x() : point.y(); }

  std::string_view refusal_;
  QPointer<QWidget> target_;
  QMetaObject::Connection targetDestroyed_;
  QRubberBand* line_ = nullptr;
  ControlAlign align_ = ControlAlign::none;
  bool sizeable_ = true;
  bool locked_ = false;
  int minTargetLimit_ = 0;
  int maxTargetLimit_ = 0;
  bool dragging_ = false;
  int startEdge_ = 0;    // the splitter's left or top when the drag started
  int pressOffset_ = 0;  // where in the splitter the mouse was pressed
  int linePosition_ = 0;
  int newSize_ = 0;
};

// A splitter of 3 × 100 pixels that resizes any side-aligned control.
class TWVoSplit : public SplitterBase {
  Q_OBJECT

 public:
  explicit TWVoSplit(QWidget* parent = nullptr);
};

// The splitter after a frame: 3 × 3 pixels, placed right after its target (left = target
// left + width, or top = target top + height) when the target is set and after each drag.
class TZEBSplit : public SplitterBase {
  Q_OBJECT

 public:
  explicit TZEBSplit(QWidget* parent = nullptr);

 protected:
  void followTarget() override;
};

enum class Bevel { none, lowered, raised, space };

// The striped bar used to create frames when authoring: stripes every LineStep pixels from
// Trucco while Tiger is on, a raised edge with TigerBevel raised.
class TTigerSplit : public TWVoSplit {
  Q_OBJECT

 public:
  explicit TTigerSplit(QWidget* parent = nullptr);

  bool Tiger() const { return tiger_; }
  void setTiger(bool tiger);
  Bevel TigerBevel() const { return bevel_; }
  void setTigerBevel(Bevel bevel);
  int LineStep() const { return lineStep_; }
  // Values of 0 or less are ignored.
  void setLineStep(int step);
  int Trucco() const { return trucco_; }
  void setTrucco(int offset);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool tiger_ = true;
  Bevel bevel_ = Bevel::raised;
  int lineStep_ = 10;
  int trucco_ = 0;
};

}  // namespace zeb
