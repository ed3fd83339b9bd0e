// The controls of a page's objects.
#include "view/qt/page_controls.h"

#include <QPainter>
#include <QWidget>

#include "document/book_object.h"
#include "document/container.h"
#include "platform/message_boxes.h"
#include "platform/qt/qt_canvas.h"
#include "text/embedded_object.h"
#include "text/nested_boxes.h"
#include "text/paragraph.h"
#include "text/table_cells.h"
#include "text/text_box.h"
#include "view/messages.h"
#include "view/page_objects.h"
#include "view/page_view.h"
#include "view/qt/form_controls.h"
#include "view/qt/image_control.h"
#include "view/qt/marker_control.h"
#include "view/qt/media_control.h"
#include "view/visual_kinds.h"
#include "view/visual_object.h"
#include "view/visual_painting.h"

namespace zeb {
namespace {

// A state for objects whose control holds none (pictures).
const FieldState noField;

}  // namespace

TMyyVisual* createVisualControl(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* window) {
  TZEBoggetto& object = sizing.object();
  if (object.Kind() == TOggettiHel::testoHtml) {
    box.set().messages().error(messages::noControlForPages);
    return nullptr;
  }
  switch (visualKindOf(object)) {
    case VisualKind::image: return new TMyyImage(sizing, box, page, window);
    case VisualKind::marker: return new TMyyBelPanel(sizing, box, page, window);
    case VisualKind::formStart: return new TMyyInizioForm(sizing, box, page, window);
    case VisualKind::button: return new TMyyButton(sizing, box, page, window);
    case VisualKind::edit: return new TMyyEdit(sizing, box, page, window);
    case VisualKind::memo: return new TMyyMemo(sizing, box, page, window);
    case VisualKind::listBox: return new TMyyListBox(sizing, box, page, window);
    case VisualKind::comboBox: return new TMyyComboBox(sizing, box, page, window);
    case VisualKind::radioButton: return new TMyyRadioButton(sizing, box, page, window);
    case VisualKind::checkBox: return new TMyyCheckBox(sizing, box, page, window);
    case VisualKind::multimedia: return new TMyyMultimedia(sizing, box, page, window);
    case VisualKind::floating: return new TMyyFloating(sizing, box, page, window);
    case VisualKind::table:
    case VisualKind::none: break;
  }
  return nullptr;
}

// Tables are painted with their cells; an object with a control is only placed.
class PageControls::Placement final : public DrawingObjectPlacement {
 public:
  explicit Placement(PageControls& controls) : controls_(controls) {}

  void place(TZEBbox& box, EmbeddedObject& object, int left, int top, bool selected, Canvas& canvas) override {
    TMyyVisual* control = controls_.controlOf(object);
    if (control == nullptr) {
      DrawingObjectPlacement::place(box, object, left, top, selected, canvas);
      return;
    }
    object.placeAt(left, top, selected);
    control->setSelected(selected);
  }

 private:
  PageControls& controls_;
};

PageControls::PageControls(TZEBpage& page, QWidget& window)
    : page_(page), window_(window), placement_(std::make_unique<Placement>(*this)) {}

ObjectPlacement& PageControls::placement() { return *placement_; }

PageControls::~PageControls() {
  for (TMyyVisual* control : controls_) delete control;
}

void PageControls::build() {
  for (TZEBbox* box : page_.boxes()) {
    for (int p = 0; p < box->paragraphCount(); ++p) {
      for (const EmbeddedRef& ref : box->paragraph(p).Objects) {
        if (ref.object == nullptr || ref.visual == nullptr || ref.visual->tableCells() != nullptr) continue;
        TMyyVisual* control = createVisualControl(*ref.visual, *box, page_, &window_);
        if (control == nullptr) continue;
        control->setPageControls(this);
        controls_.push_back(control);
        bySizing_.emplace(ref.visual, control);
        control->setReadOnly(page_.ReadOnly());
        control->setAnimated(page_.Animated());
        control->SetObject(ref.object);
      }
    }
  }
}

void PageControls::place(QPoint origin, const PageZoom& zoom) {
  for (TMyyVisual* control : controls_) {
    const auto bounds = objectBounds(control->sizing());
    if (!bounds) {
      control->hide();
      continue;
    }
    const BoxOffset offset = offsetInOutermostBox(control->box());
    const int left = bounds->left + offset.x - origin.x();
    const int top = bounds->top + offset.y - origin.y();
    control->setZoom(zoom);
    control->setGeometry(toQRect(
        zoom.toWindow(CanvasRect{left, top, left + control->sizing().width(), top + control->sizing().height()})));
    control->show();
  }
}

TMyyVisual* PageControls::controlOf(const EmbeddedObject& sizing) const {
  const auto found = bySizing_.find(&sizing);
  return found != bySizing_.end() ? found->second : nullptr;
}

TMyyVisual* PageControls::controlOf(const TZEBoggetto& object) const {
  for (TMyyVisual* control : controls_)
    if (control->Object() == &object) return control;
  return nullptr;
}

void PageControls::setReadOnly(bool readOnly) {
  for (TMyyVisual* control : controls_) control->setReadOnly(readOnly);
}

void PageControls::setAnimated(bool animated) {
  for (TMyyVisual* control : controls_) control->setAnimated(animated);
}

std::vector<FormField> PageControls::formFields() const {
  std::vector<FormField> fields;
  TZEBbox* box = page_.TextBox();
  if (box == nullptr) return fields;
  forEachObject(*box, [&](TZEBbox&, TZEBoggetto& object, EmbeddedObject& sizing) {
    const FieldState* state = nullptr;
    if (controlOf(sizing) != nullptr) {
      auto* visual = dynamic_cast<VisualObject*>(&sizing);
      state = visual != nullptr ? &visual->field() : &noField;
    }
    fields.push_back({&object, state});
  });
  return fields;
}

std::optional<std::size_t> PageControls::indexOf(const TZEBoggetto& object, const std::vector<FormField>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (fields[i].object == &object) return i;
  return std::nullopt;
}

}  // namespace zeb
