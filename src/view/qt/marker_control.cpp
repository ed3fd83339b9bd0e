// Markers.
#include "view/qt/marker_control.h"

#include <QPainter>

#include "document/book_object.h"
#include "platform/qt/qt_canvas.h"
#include "text/embedded_object.h"
#include "text/measurement_cache.h"
#include "text/nested_boxes.h"
#include "text/text_box.h"
#include "view/marker_rules.h"
#include "view/page_view.h"
#include "view/qt/night_painting.h"
#include "view/qt/zoom_painting.h"
#include "view/visual_kinds.h"
#include "view/visual_painting.h"

namespace zeb {
namespace {

constexpr std::uint8_t previewSubtype = 13;
constexpr std::uint8_t anchorSubtype = 14;

std::optional<PanelRole> panelRoleOf(const TZEBoggetto& object) {
  if (object.Kind() != TOggettiHel::shortObj) return std::nullopt;
  if (object.state() == anchorSubtype) return PanelRole::anchor;
  if (object.state() == previewSubtype) return PanelRole::preview;
  return std::nullopt;
}

}  // namespace

TMyyBelPanel::TMyyBelPanel(EmbeddedObject& sizing, TZEBbox& box, TZEBpage& page, QWidget* parent)
    : TMyyVisual(sizing, box, page, parent) {
  // Nothing is painted behind an invisible marker: the text under it shows.
  setAttribute(Qt::WA_NoSystemBackground);
}

TMyyBelPanel::~TMyyBelPanel() { leavePage(); }

void TMyyBelPanel::leavePage() {
  if (role_ && Object() != nullptr) page().unregisterPanel(*role_, *Object());
  role_.reset();
}

void TMyyBelPanel::Rebuild() {
  leavePage();
  if (Object() == nullptr) return;
  if (const auto role = panelRoleOf(*Object())) {
    if (const auto place = objectPlace(box(), sizing())) {
      page().registerPanel(*role, PagePanel{Object(), &box(), place->paragraph, place->character});
      role_ = role;
    }
  }
  Refresh();
}

void TMyyBelPanel::Refresh() {
  if (Object() == nullptr) return;
  GetHintHandler onGetHint;
  if (TZEBCustomFrameSet* frames = frameSet())
    onGetHint = [frames](const TZEBoggetto& object) { return frames->GetHint(const_cast<TZEBoggetto&>(object)); };
  setHint(markerHint(*Object(), onGetHint));
  FitWidth(0);
  update();
}

FramePopup TMyyBelPanel::popupKind() const {
  const auto marker = Object() != nullptr ? markerLookOf(*Object()) : std::nullopt;
  switch (marker ? marker->popup : MarkerPopup::PopupComment) {
    case MarkerPopup::PopupInput: return FramePopup::PopupInput;
    case MarkerPopup::PopupFormStart: return FramePopup::PopupFormStart;
    case MarkerPopup::PopupComment: break;
  }
  return FramePopup::PopupComment;
}

void TMyyBelPanel::ClickAction() {
  if (Object() == nullptr || frameSet() == nullptr) return;
  if (markerFollowsOnClick(*Object(), frameSet()->ReadOnly())) postFollowLink(Object());
}

bool TMyyBelPanel::RefreshOnModeChange(bool mode) const {
  return Object() != nullptr &&
         markerRefreshesOnModeChange(*Object(), TMyyVisual::RefreshOnModeChange(mode), page().AnchorPreview());
}

bool TMyyBelPanel::drawn() const {
  return Object() != nullptr && markerDrawn(*Object(), ReadOnly(), page().AnchorPreview());
}

void TMyyBelPanel::paintEvent(QPaintEvent*) {
  if (!drawn()) return;
  QPainter painter(this);
  zoomPainter(painter, Zoom());
  const QRect area = bookRect();
  WindowCanvas canvas(*this, painter, area, box().measures().pixelsPerInch());
  paintMarker(*Object(), Hint(), canvas, {0, 0, area.width(), area.height()}, {ReadOnly(), page().AnchorPreview()});
  paintSelectedLook(painter);
}

}  // namespace zeb
