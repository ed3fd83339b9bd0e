// Drawing the controls of visual objects on a canvas, as the reader shows them in their
// initial state: where no window of their own exists (rendered pages, printouts) they are
// drawn in place by the box's painting.
#pragma once

#include <string_view>

#include "text/object_placement.h"
#include "view/visual_size.h"

namespace zeb {

class TZEBoggetto;
class TZEBpage;
class VisualObject;

// The mode the controls are shown in.
struct ControlLook {
  bool readOnly = true;
  // The frame set's AnchorPreview: anchors are drawn in read-only mode too.
  bool anchorPreview = false;
};

// Draws one control over the area: buttons, fields, lists and check controls as standard
// controls (lists with their selected items), markers by their rules (markerDrawn), media as
// their player bar or video area, independent frames as a sunken frame.
void paintVisualObject(const VisualObject& object, Canvas& canvas, const CanvasRect& area, const ControlLook& look,
                       const ControlMetrics& metrics);

// Draws a marker over the area by its rules (markerDrawn): its icon (a rectangle without
// one) and, when wider than 36 pixels, the hint's caption beside it.
void paintMarker(const TZEBoggetto& object, std::string_view hint, Canvas& canvas, const CanvasRect& area,
                 const ControlLook& look);
// Draws a check control in its state over the area: a radio button as a sunken circle with
// a dot, a check box as a sunken square with a tick; white inside except while the mouse
// button is down over it.
void paintCheckControl(const TZEBoggetto& object, bool radio, bool checked, Canvas& canvas, const CanvasRect& area,
                       const ControlMetrics& metrics, bool pressed = false);

// The placement a page paints its boxes with: tables and pictures as the text engine draws
// them, and every other control by paintVisualObject in the page's modes of the moment.
class VisualObjectPlacement final : public DrawingObjectPlacement {
 public:
  explicit VisualObjectPlacement(const TZEBpage& page) : page_(page) {}

 protected:
  void drawControl(TZEBbox& box, EmbeddedObject& object, const CanvasRect& area, Canvas& canvas) override;

 private:
  const TZEBpage& page_;
};

}  // namespace zeb
