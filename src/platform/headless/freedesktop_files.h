// The texts of the freedesktop files that register the reader: the desktop entry, the
// shared-mime-info package, the thumbnailer entry, and the default-application lists
// (mimeapps.list).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zeb::freedesktop {

// The Exec value that runs the program on one file: the program quoted as desktop entries
// want it, then "%f". None for a path that no desktop entry can hold (a line break in it).
std::optional<std::string> execLine(const std::filesystem::path& program);

// The Exec value of a thumbnailer: the program quoted, then "thumbnail %i %o %s". None for a
// path no entry can hold.
std::optional<std::string> thumbnailerExecLine(const std::filesystem::path& program);

// A thumbnailer entry: file managers run the Exec line to draw a picture of each file of the
// MIME type.
std::string thumbnailerEntry(std::string_view exec, std::string_view mimeType);

// A desktop entry for an application that opens files of the MIME type.
std::string desktopEntry(std::string_view name, std::string_view exec, std::string_view mimeType);

// A shared-mime-info package that gives files matching the glob ("*.zeb") the MIME type.
std::string mimePackage(std::string_view mimeType, std::string_view comment, std::string_view glob);

// The MIME type a "globs2" file ("weight:type:glob" lines) gives the glob, letter case
// ignored; none when it names none.
std::optional<std::string> typeOfGlob(std::string_view globs2, std::string_view glob);

// The mimeapps.list text with the desktop entry as the default application of the type, in
// its "[Default Applications]" group; every other line is kept.
std::string withDefaultApplication(std::string_view mimeapps, std::string_view mimeType, std::string_view desktopId);
// The text with the desktop entry no longer the default of the type (other defaults stay).
std::string withoutDefaultApplication(std::string_view mimeapps, std::string_view mimeType, std::string_view desktopId);

}  // namespace zeb::freedesktop
