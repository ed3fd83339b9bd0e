// Which control shows an object on a page, by its kind and subtype, and the settings the
// controls read from their objects.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zeb {

class TZEBoggetto;

enum class VisualKind : std::uint8_t {
  none,        // the object has no control
  table,       // TMyyTable
  marker,      // TMyyBelPanel: an 18-pixel icon (hidden fields among them)
  formStart,   // TMyyInizioForm
  image,       // TMyyImage
  multimedia,  // TMyyMultimedia
  edit,        // TMyyEdit
  memo,        // TMyyMemo
  listBox,     // TMyyListBox
  comboBox,    // TMyyComboBox
  radioButton,
  checkBox,
  floating,  // TMyyFloating: an independent frame
  button,    // TMyyButton
};

VisualKind visualKindOf(const TZEBoggetto& object);

// The vertical placement of the object on its line (verticalPlacement values of
// embedded_object.h; any other value stands on the baseline).
int verticalPlacementOf(const TZEBoggetto& object);

// The settings a control reads besides its record fields are attributes of the object's
// secondary blob, named in lower case:
namespace controlAttribute {
inline constexpr std::string_view description = "description";  // the hint
inline constexpr std::string_view value = "value";        // default text or value, the value a check control submits
inline constexpr std::string_view caption = "caption";    // of buttons and check controls
inline constexpr std::string_view size = "size";          // width in characters of edits and combo boxes
inline constexpr std::string_view columns = "cols";       // of memos
inline constexpr std::string_view rows = "rows";          // lines of memos and list boxes
inline constexpr std::string_view checked = "checked";    // "checked" (any case) checks a check control
inline constexpr std::string_view multiple = "multiple";  // not empty: a list box selects several items
inline constexpr std::string_view width = "width";        // pixels, or percent when relative
inline constexpr std::string_view height = "height";
inline constexpr std::string_view relative = "relative";      // "1": width and height are percents
inline constexpr std::string_view background = "background";  // "1": media play with the bar hidden
inline constexpr std::string_view customType = "type";        // of custom objects (multimedia subtypes 6, 7)
inline constexpr std::string_view iconCode = "icon";          // of custom objects of subtype 7
inline constexpr std::string_view picture = "picture";        // kind-5 index a custom object's icon shows
inline constexpr std::string_view repeat = "repeat";  // media playing in the background: plays again (-1 for ever)
inline constexpr std::string_view jump = "jump";      // "1": an independent frame follows its links itself
inline constexpr std::string_view nested = "nested";  // "0": an independent frame shows no frame map's frames
}  // namespace controlAttribute

// A whole number attribute within [lowest, highest]; the fallback when it is absent or
// not a number.
int numberAttribute(const TZEBoggetto& object, std::string_view name, int fallback, int lowest, int highest);
// An attribute that is "1".
bool flagAttribute(const TZEBoggetto& object, std::string_view name);

// A button's caption, or its value when it has no caption.
std::string buttonCaption(const TZEBoggetto& button);

// The hint of a control: its object's description, or its name when it has none; empty when
// that is a field never written.
std::string descriptionOf(const TZEBoggetto& object);

}  // namespace zeb
