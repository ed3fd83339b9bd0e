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
// An image's hint in authoring mode: its name, this line, then its description.
inline constexpr std::string_view imageHintRule = "\r\n----------\r\n";
// A control bound to its object before it knows its frame set.
inline constexpr std::string_view parentFrameSetMissing = "Parent insieme?";
// A page asked for a control of a page object.
inline constexpr std::string_view noControlForPages = "Non si deve usare questo!";
// A form's address (method 1) could not be handed to the desktop.
inline constexpr std::string_view formOpenFailed = "Cannot access your email client or browser.";
// Media that cannot be opened: no working device, or a file another player holds. Each is
// shown once in a run of the program; other failures show the player's own text.
inline constexpr std::string_view mediaDeviceNotWorking =
    "MS-Windows reader for this object appears to be not properly working.\n";
inline constexpr std::string_view mediaFileInUse =
    "Selected multimedia file already in use for this page.\nYou may want to choose another file.";

}  // namespace zeb::messages
