// Markers: the 18-pixel icons that stand for objects with no visible form of their own (panel
// elements, hidden fields, dynamic fields, form starts), and the icons of custom objects.
// Which icon, popup and width each gets, when it is drawn, and its hint.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

class TZEBoggetto;

enum class MarkerPopup { PopupComment, PopupInput, PopupFormStart };

struct MarkerLook {
  std::string_view icon;  // empty: drawn as a rectangle in the control's colour
  MarkerPopup popup = MarkerPopup::PopupComment;
  int width = 18;
};

// The marker of a panel element (kind 11, subtypes 5, 10 to 15, 21 to 28), hidden field
// (kind 20, subtype 5), dynamic field (kind 21, subtypes 11 and 12) or form start (kind 23);
// none for any other object.
std::optional<MarkerLook> markerLookOf(const TZEBoggetto& object);

// In read-only mode a marker paints nothing, except a panel element of subtype 15, always
// drawn, and one of subtype 14 (an anchor) while the frame set's AnchorPreview is on.
bool markerDrawn(const TZEBoggetto& object, bool readOnly, bool anchorPreview);
// Whether switching ReadOnly refreshes the marker: never for subtype 15, not for subtype 14
// while AnchorPreview is on, otherwise as asked.
bool markerRefreshesOnModeChange(const TZEBoggetto& object, bool asked, bool anchorPreview);
// A click on an anchor follows its object while the frame set is read-only.
bool markerFollowsOnClick(const TZEBoggetto& object, bool frameSetReadOnly);

// The hint: the object's description, or for subtype 28 what the frame set's OnGetHint
// answers for the object (when it has such a handler).
using GetHintHandler = std::function<std::string(const TZEBoggetto&)>;
std::string markerHint(const TZEBoggetto& object, const GetHintHandler& onGetHint);
// What a marker wider than 36 pixels writes beside its icon: the hint after its first ": ",
// or all of it when it has none.
std::string_view markerCaption(std::string_view hint);
inline constexpr int markerCaptionFromWidth = 36;

// Custom objects (multimedia subtype 7): the icon of an icon code, and the control's width.
std::string_view customIconName(int iconCode);
int customIconWidth(int iconCode);
// Audio played in the background shows this icon (in authoring mode).
inline constexpr std::string_view backgroundMediaIcon = "nota";

}  // namespace zeb
