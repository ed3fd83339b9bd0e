// Macros of the inter-process commands: "SHOW" or "VISUALIZZA", a blank and a link target
// without its scheme, for example "SHOW /books/guide.zeb|12".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeb::shell {

// At most this many characters after the verb's blank make the target.
inline constexpr std::size_t maxMacroTargetLength = 127;

// The target a macro asks to show: "nexo://" + the text after the first blank of its first
// line. The verb (the text before that blank) is compared in upper case; any other verb,
// and a line without a blank, asks for nothing. Windows-1252 in and out.
std::optional<std::string> targetOfMacro(std::string_view macro);

// What a reader that starts tells one already running: if a link hid that reader's main
// window, the window comes back. A verb of its own, which readers that do not know it
// ignore like any verb but "SHOW" and "VISUALIZZA".
inline constexpr std::string_view comeBackMacro = "RESTORE";
// Whether the macro's first line is that verb alone, in any letter case.
bool asksToComeBack(std::string_view macro);

// The macro that asks a running reader to show a target given on the command line as
// "<book>|<page>" (UTF-8). A relative book path that names a file here is made absolute,
// since the running reader has another working folder.
std::string showMacro(std::string_view bookAndPage);

}  // namespace zeb::shell
