// Form fields as values: the items of list boxes and drop-down lists, and the state of each
// field control with what it submits (GetValue), shows (GetDisplayText) and accepts
// (SetValue). The Qt controls hold one of these and only draw it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

class TZEBoggetto;

namespace limits {
// Items a list or drop-down list reads from its data; further lines are ignored.
inline constexpr int maxListItems = 10000;
// Bytes of field data (list items, memo lines) a control reads.
inline constexpr std::size_t maxFieldData = 1 << 20;
}  // namespace limits

// A list item is three lines of the data: the text shown, the value submitted, and a flag
// that selects it unless it is empty, "n" or "N".
struct ListItem {
  std::string text;
  std::string value;
  bool selected = false;
  bool operator==(const ListItem&) const = default;
};
// Lines are separated by line feeds (a carriage return before one is dropped); a last item
// short of lines has an empty value and is not selected.
std::vector<ListItem> decodeListItems(std::string_view data);

enum class FieldKind : std::uint8_t { none, edit, password, memo, listBox, comboBox, radioButton, checkBox };

struct FieldState {
  FieldKind kind = FieldKind::none;
  std::string text;         // of edits and memos
  bool checked = false;     // of check controls
  std::string storedValue;  // what a checked control submits
  std::vector<ListItem> items;
  std::vector<bool> selected;  // of a list box that selects several items
  int current = -1;            // the current item; -1 none
  bool multiSelect = false;
};

// The state a field control takes from its object (its Refresh): an edit's default value, a
// memo's lines from the object's data (kind 20 only), the items of a list with the last
// flagged one current (every flagged one selected when it selects several), a check
// control checked when its default says "checked".
FieldState initialFieldState(const TZEBoggetto& object);

// GetValue: the text of edits and memos; the value of the current item of lists (empty when
// there is none); a check control's stored value while it is checked, else nothing.
std::string fieldValue(const FieldState& field);
// GetDisplayText: the text of edits and memos, the shown text of a drop-down list's current
// item; empty for the others.
std::string fieldDisplayText(const FieldState& field);
// What the control shows: a password field one "#" per character.
std::string shownText(const FieldState& field);
// SetValue: sets the text of edits and memos; checks a check control when the text is
// "checked" in any letter case and unchecks it otherwise; lists keep their state.
void setFieldValue(FieldState& field, std::string_view text);
// The mouse released inside a check control: a radio button is checked (never unchecked), a
// check box toggles.
void clickCheckControl(FieldState& field);

}  // namespace zeb
