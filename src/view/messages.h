// Every text the page presentation shows, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::messages {

inline constexpr std::string_view anchorNotFound = "Anchor not found: a";

// A page change failed; the frame set shows no other page until it is recreated.
inline constexpr std::string_view pageChangeFailed = "Unknown error. Better to save and exit. You might have to reboot.";
// The page being left is no longer in the book.
inline constexpr std::string_view leftPageMissing =
    "Nessuna cornice \xE8 stata registrata come master per la mappa cornici!";
// A frame map without data: the page is shown in one frame.
inline constexpr std::string_view mapProblem = "Map problem.";
// The text a frame shows for an object that is not a page, before the link to it.
inline constexpr std::string_view objectPlaceholder = "Here an object will be shown. Click here to display:";
// A splitter refuses a target that is aligned to no side.
inline constexpr std::string_view targetAlignMustDiffer = "L'allineamento del target deve essere diverso!";
inline constexpr std::string_view targetAlignMustBeSide = "TargetControl's align must be left, right, top or bottom";

// Visual page objects.
// The subject of a form sent by e-mail: this, the book's file name, and ")".
inline constexpr std::string_view formMailSubject = "Email from: (";
inline constexpr std::string_view formMailSubjectEnd = ")";
// An image's hint in authoring mode: its name, this line, then its description.
inline constexpr std::string_view imageHintRule = "\r\n----------\r\n";

}  // namespace zeb::messages
