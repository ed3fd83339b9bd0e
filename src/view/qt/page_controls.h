// PageControls: the controls of a page's objects in the window that shows the page's boxes:
// one per object that has a control (in every box, table cells included), placed where
// layout put the object and shown from then on, told of the page's modes, and freed with the
// page. Its placement() is how that window paints the boxes: objects with a control are only
// placed (the control draws itself), tables are painted with their cells.
#pragma once

#include <QPoint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "text/object_placement.h"
#include "view/form_submit.h"
#include "view/page_zoom.h"

class QWidget;

namespace zeb {

class EmbeddedObject;
class TMyyVisual;
class TZEBbox;
class TZEBoggetto;
class TZEBpage;

// The control of an object of the box, a child of the window; none for an object without
// one (and, with "Non si deve usare questo!", for a page object).
TMyyVisual* createVisualControl(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* window);

class PageControls {
 public:
  // The window shows the page's boxes from an origin (its scroll position).
  PageControls(TZEBpage& page, QWidget& window);
  ~PageControls();
  PageControls(const PageControls&) = delete;
  PageControls& operator=(const PageControls&) = delete;

  // Makes the controls of every object of the page's boxes, in the order of the boxes, so
  // that the controls of objects in a table's cells lie over the table.
  void build();
  // Puts every control where layout put its object (less the origin, at the zoom) and shows
  // it; a control whose object is not laid out stays hidden.
  void place(QPoint origin, const PageZoom& zoom);

  const std::vector<TMyyVisual*>& controls() const { return controls_; }
  TMyyVisual* controlOf(const EmbeddedObject& sizing) const;
  TMyyVisual* controlOf(const TZEBoggetto& object) const;

  // The page's modes, passed to every control.
  void setReadOnly(bool readOnly);
  void setAnimated(bool animated);

  // The page's objects in text order (a table's cells where the table stands), with the
  // field state of those that have a control: the list a form's run is found in.
  std::vector<FormField> formFields() const;
  // Where the object stands in that list.
  static std::optional<std::size_t> indexOf(const TZEBoggetto& object, const std::vector<FormField>& fields);

  ObjectPlacement& placement();

 private:
  class Placement;

  TZEBpage& page_;
  QWidget& window_;
  std::vector<TMyyVisual*> controls_;  // children of the window
  // The same controls by their sizing object, which painting asks for with every object.
  std::unordered_map<const EmbeddedObject*, TMyyVisual*> bySizing_;
  std::unique_ptr<Placement> placement_;
};

}  // namespace zeb
