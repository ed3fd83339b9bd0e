// Link targets in the book's own syntax: "nexo:" or "nexo://", a path (possibly empty or
// beginning with "cddrive:"), then optionally "|" and a decimal object ID.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zeb {

class TZEBset;

struct LinkTarget {
  bool bookLink = false;
  // Where the book lies on this machine; empty for a link into the current book that names
  // no file.
  std::filesystem::path path;
  bool sameBook = false;
  // The object ID after "|": 0 without "|", -2 when nothing follows it, 0 for text that is
  // not a number or a negative one. -1 until a book link sets it.
  std::int64_t id = -1;
};

enum class AskForCdFolder { no, yes };

// Reads a link target. A text that does not begin with "nexo:" (the scheme is compared
// with its letter case) is no book link: the path is empty and the rest stays as it was.
void parseLinkTarget(TZEBset& set, std::string_view text, AskForCdFolder ask, LinkTarget& target);
LinkTarget parseLinkTarget(TZEBset& set, std::string_view text, AskForCdFolder ask = AskForCdFolder::no);

// Whether the program follows a hyperlink's target itself: a book link ("nexo:") or a program
// to start ("prog:", "run:"). Other targets are handed to the desktop.
bool followedByProgram(std::string_view target);

// Whether a target is a web or mail address ("http://", "https://", "mailto:", in any letter
// case), which opens on the desktop without asking; anything else a book names asks first.
bool isWebOrMailAddress(std::string_view target);

// The folder that "cddrive:" paths start from, as stored for the user. When none is stored
// and the caller asks for it, the user picks one ("Select CD path:"), which is stored.
std::string cdFolder(TZEBset& set, AskForCdFolder ask);

// Paths on the CD begin with this, in any letter case.
inline constexpr std::string_view cdDrivePrefix = "cddrive:";
// The schemes of targets that start a program: a settings value naming it, or a command.
inline constexpr std::string_view programScheme = "prog:";
inline constexpr std::string_view runScheme = "run:";
bool startsWithCdDrive(std::string_view path);

// A "cddrive:" path's rest put after the CD folder; when the folder ends with a separator
// and the rest begins with one, one of the two is dropped, and when neither has one, one is
// put between them.
std::string joinCdPath(std::string_view folder, std::string_view rest);

// Empties the stored CD folder when it names no existing folder, so that the user is asked
// again the next time a "cddrive:" path is followed.
void forgetMissingCdFolder(TZEBset& set);

}  // namespace zeb
