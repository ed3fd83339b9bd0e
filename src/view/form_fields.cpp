// List items and field states.
#include "view/form_fields.h"

#include "document/book_object.h"
#include "platform/windows1252.h"
#include "view/visual_kinds.h"

namespace zeb {
namespace {

constexpr std::string_view checkedWord = "checked";

bool isChecked(std::string_view text) { return lowerWindows1252(text) == checkedWord; }

std::string dataOf(const TZEBoggetto& object) {
  std::vector<std::uint8_t> bytes;
  if (!object.readPrimary(bytes)) return {};
  if (bytes.size() > limits::maxFieldData) bytes.resize(limits::maxFieldData);
  return {bytes.begin(), bytes.end()};
}

// The data's lines, each without the carriage return before its line feed.
template <typename Visit>
void forEachLine(std::string_view data, Visit visit) {
  for (std::size_t start = 0; start <= data.size();) {
    std::size_t end = data.find('\n', start);
    if (end == std::string_view::npos) end = data.size();
    std::string_view line = data.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!visit(line) || end == data.size()) return;
    start = end + 1;
  }
}

}  // namespace

std::vector<ListItem> decodeListItems(std::string_view data) {
  std::vector<ListItem> items;
  if (data.empty()) return items;
  int line = 0;
  forEachLine(data, [&](std::string_view text) {
    switch (line++ % 3) {
      case 0:
        if (items.size() == static_cast<std::size_t>(limits::maxListItems)) return false;
        items.push_back({std::string(text), {}, false});
        break;
      case 1: items.back().value = text; break;
      default: items.back().selected = !(text.empty() || text == "n" || text == "N"); break;
    }
    return true;
  });
  // A final line feed ends the last item; it starts none.
  if (!items.empty() && line % 3 == 1 && items.back().text.empty() && data.back() == '\n') items.pop_back();
  return items;
}

FieldState initialFieldState(const TZEBoggetto& object) {
  FieldState field;
  switch (visualKindOf(object)) {
    case VisualKind::edit:
      field.kind = object.state() == 2 ? FieldKind::password : FieldKind::edit;
      field.text = object.attribute(controlAttribute::value);
      break;
    case VisualKind::memo:
      field.kind = FieldKind::memo;
      if (object.Kind() == TOggettiHel::inputStat) {
        bool first = true;
        forEachLine(dataOf(object), [&](std::string_view line) {
          if (!first) field.text += "\r\n";
          field.text += line;
          first = false;
          return true;
        });
      }
      break;
    case VisualKind::listBox:
    case VisualKind::comboBox:
      field.kind = visualKindOf(object) == VisualKind::listBox ? FieldKind::listBox : FieldKind::comboBox;
      field.items = decodeListItems(dataOf(object));
      field.multiSelect = field.kind == FieldKind::listBox && !object.attribute(controlAttribute::multiple).empty();
      field.selected.assign(field.items.size(), false);
      for (std::size_t i = 0; i < field.items.size(); ++i) {
        if (!field.items[i].selected) continue;
        field.current = static_cast<int>(i);
        if (field.multiSelect) field.selected[i] = true;
      }
      if (!field.multiSelect && field.current >= 0) field.selected[static_cast<std::size_t>(field.current)] = true;
      break;
    case VisualKind::radioButton:
    case VisualKind::checkBox:
      field.kind = visualKindOf(object) == VisualKind::radioButton ? FieldKind::radioButton : FieldKind::checkBox;
      field.checked = isChecked(object.attribute(controlAttribute::checked));
      field.storedValue = object.attribute(controlAttribute::value);
      break;
    default: break;
  }
  return field;
}

std::string fieldValue(const FieldState& field) {
  switch (field.kind) {
    case FieldKind::edit:
    case FieldKind::password:
    case FieldKind::memo: return field.text;
    case FieldKind::listBox:
    case FieldKind::comboBox:
      if (field.current < 0 || field.current >= static_cast<int>(field.items.size())) return {};
      return field.items[static_cast<std::size_t>(field.current)].value;
    case FieldKind::radioButton:
    case FieldKind::checkBox: return field.checked ? field.storedValue : std::string();
    case FieldKind::none: return {};
  }
  return {};
}

std::string fieldDisplayText(const FieldState& field) {
  switch (field.kind) {
    case FieldKind::edit:
    case FieldKind::password:
    case FieldKind::memo: return field.text;
    case FieldKind::comboBox:
      if (field.current < 0 || field.current >= static_cast<int>(field.items.size())) return {};
      return field.items[static_cast<std::size_t>(field.current)].text;
    default: return {};
  }
}

std::string shownText(const FieldState& field) {
  if (field.kind == FieldKind::password) return std::string(field.text.size(), '#');
  return fieldDisplayText(field);
}

void setFieldValue(FieldState& field, std::string_view text) {
  switch (field.kind) {
    case FieldKind::edit:
    case FieldKind::password:
    case FieldKind::memo: field.text = text; break;
    case FieldKind::radioButton:
    case FieldKind::checkBox: field.checked = isChecked(text); break;
    default: break;
  }
}

void clickCheckControl(FieldState& field) {
  if (field.kind == FieldKind::radioButton) field.checked = true;
  if (field.kind == FieldKind::checkBox) field.checked = !field.checked;
}

}  // namespace zeb
