// Every text the page presentation shows, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

inline constexpr std::string_view anchorNotFound = "Anchor not found: a";

// Visual page objects.
// A control bound to its object while it has no frame set.
inline constexpr std::string_view parentFrameSetMissing = "Parent insieme?";
// A form's data could not be handed to the desktop.
inline constexpr std::string_view cannotOpenMailOrBrowser = "Cannot access your email client or browser.";
// The subject of a form sent by e-mail: this, the book's file name, and ")".
inline constexpr std::string_view formMailSubject = "Email from: (";
inline constexpr std::string_view formMailSubjectEnd = ")";
// An image's hint in authoring mode: its name, this line, then its description.
inline constexpr std::string_view imageHintRule = "\r\n----------\r\n";

}  // namespace zeb::messages
