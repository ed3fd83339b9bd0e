// What the reader opens when its window first shows: the book named on the command line
// (optionally at a page), the last book read, or nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {
class SettingsStore;
}

namespace zeb::shell {

// At most this many characters of a page switch's value are read.
inline constexpr std::size_t maxPageSwitchLength = 127;

// Whether a regular file (or a link to one) exists at the path; folders are no files.
bool fileExists(const std::filesystem::path& path);

// Whether a command-line argument is a switch: "/" and letters, then nothing or "=" and a
// value ("/INIT", "/PAGE=7"). On this system an absolute path begins with "/" too, so one
// that names anything existing is a path, not a switch.
bool isSwitch(std::string_view argument);

// The command-line argument that names the book: argument 1, or argument 2 when argument 1
// is a switch. Empty without arguments.
std::string bookArgument(const std::vector<std::string>& arguments);

// The page asked for by argument 2 when it is "/PAGE" (any letter case) with a "=": the text
// after the first "=", at most 127 characters.
std::optional<std::string> pageSwitchValue(const std::vector<std::string>& arguments);

// The values of the options key that start-up reads.
struct StartSettings {
  std::string lastFile;
  bool startBlank = false;             // "AtStartBlank" is "1"
  std::optional<int> maxCachedImages;  // "maxCacheImg", when it holds a decimal number
};
StartSettings readStartSettings(const SettingsStore& settings);

// A decimal integer with an optional sign and nothing else; none for any other text and for
// a value beyond the range of int.
std::optional<int> parseDecimal(std::string_view text);

struct StartPlan {
  enum class Kind {
    openFile,      // the book named by the arguments (which may not exist)
    openLastFile,  // after resetting the container to an empty book
    blank,         // after resetting the container to an empty book
  };
  Kind kind = Kind::blank;
  std::string file;  // the book to open, UTF-8; absolute for openFile
  // For openFile with a page switch: "nexo://" + file + "|" + page (Windows-1252).
  std::optional<std::string> pageTarget;
  bool operator==(const StartPlan&) const = default;
};

// Argument choice, program-folder fallback, page switch, "LastFile" and "AtStartBlank". A
// book argument is opened even when it names nothing or a folder, so that the user is told;
// the start then goes on as planned for no arguments.
StartPlan planStart(const std::vector<std::string>& arguments, const std::filesystem::path& programFolder,
                    const StartSettings& settings);

}  // namespace zeb::shell
