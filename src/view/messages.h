// Every text the page presentation shows, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

inline constexpr std::string_view anchorNotFound = "Anchor not found: a";

// Visual page objects.
// The subject of a form sent by e-mail: this, the book's file name, and ")".
inline constexpr std::string_view formMailSubject = "Email from: (";
inline constexpr std::string_view formMailSubjectEnd = ")";
// An image's hint in authoring mode: its name, this line, then its description.
inline constexpr std::string_view imageHintRule = "\r\n----------\r\n";

}  // namespace zeb::messages
