// What the converters make of the object an object tag ("<$...>") names.
//
//   kind 8, table             the table's cell texts follow the tag: for every row and
//                             column the cell's paragraphs and "<T>" (none when the tag is
//                             directly followed by "<@>")
//   kind 11, panel element, by its subtype (the record's byte 4):
//     10                      a note; its primary blob holds the note's text, whose first
//                             line (up to a carriage return within the first 50 bytes) is
//                             the author
//     21 to 27                a field, written in plain text as its marker and its value,
//                             the int32 at record offset 5, as 8 upper-case hexadecimal
//                             digits: 21 "!RefI:" image reference, 22 "!RefL:" page or link
//                             reference, 23 "!RefP:" text of a page, 24 "!RefF:" master
//                             object, 25 "!RefX:" X size, 26 "!RefY:" Y size, 27 "!ReCF:" file
//     28                      the stored-text field: "!ReCP:", its stored text (the primary
//                             blob up to a zero byte), "!"
//   everything else           nothing: links (kinds 1, 3, 10 and the like) leave the linked
//                             words as formatted text; pictures and controls have no text
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zeb {

class TZEBoggetto;

enum class ExportObjectKind : std::uint8_t { nothing, table, note, field, storedTextField };

ExportObjectKind exportKindOf(const TZEBoggetto& object);

// The marker of a field object (kind field), and its value.
std::string_view fieldMarker(const TZEBoggetto& object);
std::uint32_t fieldValue(const TZEBoggetto& object);

// The text of a note or of a stored-text field: the primary blob up to a zero byte.
std::string_view objectText(TZEBoggetto& object);

// A note's author and text. The author is the first line when a carriage return ends it
// within the first 50 bytes (a line feed after it belongs to the break); otherwise the
// author is "Nexo" and the text the whole note.
struct NoteParts {
  std::string_view author;
  std::string_view text;
};
NoteParts splitNote(std::string_view note);

// A table whose cell texts are being read, row by row.
struct OpenTable {
  int columns;
  std::int64_t cells;
  std::int64_t done = 0;

  // Counts the end of a cell; true when it also ends a row.
  bool endCell() { return ++done % columns == 0; }
  bool finished() const { return done == cells; }
};

// The table whose cell texts follow, when it opens inside `openTables` others: none when it
// has no cells, or when it lies deeper than the text box follows tables, whose cell texts it
// then reads as ordinary paragraphs; the converters do the same.
std::optional<OpenTable> openTable(const TZEBoggetto& table, std::size_t openTables);

}  // namespace zeb
