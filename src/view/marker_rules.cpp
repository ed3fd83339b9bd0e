// The marker table and the markers' rules.
#include "view/marker_rules.h"

#include <array>

#include "document/book_object.h"
#include "view/visual_kinds.h"

namespace zeb {
namespace {

namespace panel {
inline constexpr std::uint8_t anchor = 14;
inline constexpr std::uint8_t alwaysShown = 15;
inline constexpr std::uint8_t fileHint = 28;
}  // namespace panel

struct PanelMarker {
  std::uint8_t subtype;
  std::string_view icon;
  int width;
};

constexpr std::array<PanelMarker, 15> panelMarkers = {{
    {5, "", 18},
    {10, "notepad", 18},
    {11, "html", 18},
    {12, "binary", 18},
    {13, "lancia", 18},
    {14, "ancora", 18},
    {15, "triang", 18},
    {21, "imagelk", 36},
    {22, "fogliolk", 36},
    {23, "foglio", 36},
    {24, "fond", 36},
    {25, "xcoord", 36},
    {26, "ycoord", 36},
    {27, "par", 90},
    {28, "fond", 90},
}};

bool isPanel(const TZEBoggetto& object, std::uint8_t subtype) {
  return object.Kind() == TOggettiHel::shortObj && object.state() == subtype;
}

}  // namespace

std::optional<MarkerLook> markerLookOf(const TZEBoggetto& object) {
  const std::uint8_t subtype = object.state();
  switch (object.Kind()) {
    case TOggettiHel::shortObj:
      for (const PanelMarker& marker : panelMarkers) {
        if (marker.subtype == subtype) return MarkerLook{marker.icon, MarkerPopup::PopupComment, marker.width};
      }
      return std::nullopt;
    case TOggettiHel::inputStat:
      if (subtype == 5) return MarkerLook{"hidden", MarkerPopup::PopupInput, 18};
      return std::nullopt;
    case TOggettiHel::inputDin:
      if (subtype == 11) return MarkerLook{"dinlist", MarkerPopup::PopupInput, 18};
      if (subtype == 12) return MarkerLook{"dinhtml", MarkerPopup::PopupInput, 18};
      return std::nullopt;
    case TOggettiHel::inizioForm: return MarkerLook{"iniziof", MarkerPopup::PopupFormStart, 18};
    default: return std::nullopt;
  }
}

bool markerDrawn(const TZEBoggetto& object, bool readOnly, bool anchorPreview) {
  if (!readOnly || isPanel(object, panel::alwaysShown)) return true;
  return anchorPreview && isPanel(object, panel::anchor);
}

bool markerRefreshesOnModeChange(const TZEBoggetto& object, bool asked, bool anchorPreview) {
  if (isPanel(object, panel::alwaysShown)) return false;
  if (anchorPreview && isPanel(object, panel::anchor)) return false;
  return asked;
}

bool markerFollowsOnClick(const TZEBoggetto& object, bool frameSetReadOnly) {
  return frameSetReadOnly && isPanel(object, panel::anchor);
}

std::string markerHint(const TZEBoggetto& object, const GetHintHandler& onGetHint) {
  if (isPanel(object, panel::fileHint) && onGetHint) return onGetHint(object);
  return descriptionOf(object);
}

std::string_view markerCaption(std::string_view hint) {
  const std::size_t colon = hint.find(": ");
  return colon == std::string_view::npos ? hint : hint.substr(colon + 2);
}

std::string_view customIconName(int iconCode) {
  switch (iconCode) {
    case 9: return "dbtesto";
    case 10: return "dbdb";
    case 12: return "dbquery";
    case 13: return "dbbegin";
    case 14: return "dbend";
    case 15: return "dbcount";
    case 16: return "dbfirst";
    case 17: return "dblast";
    case 19: return "dbrep";
    case 21: return "dbsalto";
    default: return {};
  }
}

int customIconWidth(int iconCode) {
  switch (iconCode) {
    case 9:
    case 21: return 36;
    case 19: return 27;
    default: return 18;
  }
}

}  // namespace zeb
