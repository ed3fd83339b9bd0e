// Every text the converters write or show, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

#include "text/messages.h"

namespace zeb::messages {

// Where file exports write; the clipboard conversions never touch files.
inline constexpr std::string_view defaultExportFileName = "C:\\temp\\temp";
inline constexpr std::string_view defaultExportPath = "C:\\temp";

// The author of a note whose text has no first line of its own.
inline constexpr std::string_view defaultNoteAuthor = "Nexo";
// The face of list bullets.
inline constexpr std::string_view bulletFace = "Symbol";

// Markers of field objects in plain text, each followed by the field's value.
inline constexpr std::string_view imageReferenceField = "!RefI:";
inline constexpr std::string_view linkReferenceField = "!RefL:";
inline constexpr std::string_view pageTextField = "!RefP:";
inline constexpr std::string_view masterObjectField = "!RefF:";
inline constexpr std::string_view xSizeField = "!RefX:";
inline constexpr std::string_view ySizeField = "!RefY:";
inline constexpr std::string_view fileField = "!ReCF:";
// The stored-text field: the marker, the stored text, then the end mark.
inline constexpr std::string_view storedTextField = "!ReCP:";
inline constexpr std::string_view storedTextFieldEnd = "!";

// An attribute value that the end of the text cuts off: messages::truncatedLine, shared
// with the text reader.

}  // namespace zeb::messages
