// The control of each object kind and subtype, and reading control settings.
#include "view/visual_kinds.h"

#include <algorithm>
#include <charconv>

#include "document/book_object.h"

namespace zeb {

VisualKind visualKindOf(const TZEBoggetto& object) {
  const std::uint8_t subtype = object.state();
  switch (object.Kind()) {
    case TOggettiHel::tabellaHtml: return VisualKind::table;
    case TOggettiHel::shortObj:
      if (subtype == 5 || (subtype >= 10 && subtype <= 15) || (subtype >= 21 && subtype <= 28))
        return VisualKind::marker;
      return VisualKind::none;
    case TOggettiHel::dbloc:
    case TOggettiHel::multiMedia: return VisualKind::multimedia;
    case TOggettiHel::immagineNew: return VisualKind::image;
    case TOggettiHel::inputStat:
      switch (subtype) {
        case 1:
        case 2:
        case 3: return VisualKind::edit;
        case 4: return VisualKind::memo;
        case 5: return VisualKind::marker;
        case 6: return VisualKind::radioButton;
        case 7: return VisualKind::checkBox;
        case 8: return VisualKind::listBox;
        case 9: return VisualKind::comboBox;
        case 18: return VisualKind::floating;
        default: return VisualKind::none;
      }
    case TOggettiHel::inputDin:
      switch (subtype) {
        case 2: return VisualKind::memo;
        case 6: return VisualKind::listBox;
        case 7: return VisualKind::comboBox;
        case 11:
        case 12: return VisualKind::marker;
        default: return VisualKind::none;
      }
    case TOggettiHel::bottoneCGI: return VisualKind::button;
    case TOggettiHel::inizioForm: return VisualKind::formStart;
    default: return VisualKind::none;
  }
}

int verticalPlacementOf(const TZEBoggetto& object) {
  switch (object.Kind()) {
    case TOggettiHel::immagineNew: return object.record().u8(field::placementVertical);
    case TOggettiHel::dbloc:
    case TOggettiHel::inputStat:
    case TOggettiHel::inputDin:
    case TOggettiHel::bottoneCGI:
    case TOggettiHel::inizioForm:
    case TOggettiHel::multiMedia: return object.record().u8(field::controlVertical);
    default: return 0;
  }
}

int numberAttribute(const TZEBoggetto& object, std::string_view name, int fallback, int lowest, int highest) {
  const std::string text = object.attribute(name);
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return fallback;
  return static_cast<int>(std::clamp<std::int64_t>(value, lowest, highest));
}

bool flagAttribute(const TZEBoggetto& object, std::string_view name) { return object.attribute(name) == "1"; }

std::string buttonCaption(const TZEBoggetto& button) {
  std::string caption = button.attribute(controlAttribute::caption);
  return caption.empty() ? button.attribute(controlAttribute::value) : caption;
}

namespace {

// A record is filled with 0xFF bytes before it is read: a name field nobody wrote reads as
// nothing but 0xFF characters, and says nothing.
bool neverWritten(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == '\xFF'; });
}

}  // namespace

std::string descriptionOf(const TZEBoggetto& object) {
  std::string description = object.attribute(controlAttribute::description);
  if (description.empty()) description = object.Name();
  return neverWritten(description) ? std::string() : description;
}

}  // namespace zeb
