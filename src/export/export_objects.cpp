// Kinds, fields and texts of the objects the converters write.
#include "export/export_objects.h"

#include <array>

#include "document/book_object.h"
#include "export/messages.h"
#include "text/markup_stream.h"

namespace zeb {
namespace {

namespace subtype {
inline constexpr std::uint8_t note = 10;
inline constexpr std::uint8_t firstField = 21;
inline constexpr std::uint8_t lastField = 27;
inline constexpr std::uint8_t storedText = 28;
}  // namespace subtype

constexpr std::array<std::string_view, 7> fieldMarkers = {
    messages::imageReferenceField, messages::linkReferenceField, messages::pageTextField, messages::masterObjectField,
    messages::xSizeField,          messages::ySizeField,         messages::fileField};

// A note's first line is looked for in this many bytes.
constexpr std::size_t noteAuthorMax = 50;

// A table's rows x columns, from its record.
int tableRows(const TZEBoggetto& table) { return table.record().u8(field::tableRows); }
int tableColumns(const TZEBoggetto& table) { return table.record().u8(field::tableColumns); }

// How many cell texts follow a table that opens inside `openTables` others.
std::int64_t tableCellsToRead(const TZEBoggetto& table, std::size_t openTables) {
  if (openTables >= static_cast<std::size_t>(limits::maxTableNesting)) return 0;
  return std::int64_t{tableRows(table)} * tableColumns(table);
}

}  // namespace

ExportObjectKind exportKindOf(const TZEBoggetto& object) {
  if (object.Kind() == TOggettiHel::tabellaHtml) return ExportObjectKind::table;
  if (object.Kind() != TOggettiHel::shortObj) return ExportObjectKind::nothing;
  const std::uint8_t kind = object.state();
  if (kind == subtype::note) return ExportObjectKind::note;
  if (kind >= subtype::firstField && kind <= subtype::lastField) return ExportObjectKind::field;
  if (kind == subtype::storedText) return ExportObjectKind::storedTextField;
  return ExportObjectKind::nothing;
}

std::string_view fieldMarker(const TZEBoggetto& object) {
  const int index = object.state() - subtype::firstField;
  return index >= 0 && index < static_cast<int>(fieldMarkers.size()) ? fieldMarkers[static_cast<std::size_t>(index)]
                                                                     : std::string_view();
}

std::uint32_t fieldValue(const TZEBoggetto& object) { return object.record().u32(field::panelReference); }

std::string_view objectText(TZEBoggetto& object) {
  const auto bytes = object.primaryData();
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return text.substr(0, text.find('\0'));
}

NoteParts splitNote(std::string_view note) {
  const std::size_t lineEnd = note.substr(0, noteAuthorMax).find('\r');
  if (lineEnd == std::string_view::npos) return {messages::defaultNoteAuthor, note};
  std::size_t textStart = lineEnd + 1;
  if (textStart < note.size() && note[textStart] == '\n') ++textStart;
  return {note.substr(0, lineEnd), note.substr(textStart)};
}

std::optional<OpenTable> openTable(const TZEBoggetto& table, std::size_t openTables) {
  const std::int64_t cells = tableCellsToRead(table, openTables);
  if (cells == 0) return std::nullopt;
  return OpenTable{tableColumns(table), cells};
}

}  // namespace zeb
