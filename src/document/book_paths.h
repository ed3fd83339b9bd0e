// Paths stored in books were written on Windows: "\" separates folders, "C:" names a drive,
// and letter case does not matter. These helpers find such paths on Linux.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zeb {

// Whether a stored path starts with a drive letter and a colon ("C:", "d:\books").
bool hasDrive(std::string_view stored);
// The last part of a stored path: what follows its last "\" or "/" (and any drive).
std::string_view storedFileName(std::string_view stored);
// The stored path (bytes in the book's code page) as a native path: UTF-8, with "/" between
// folders.
std::filesystem::path nativePath(std::string_view stored, std::uint16_t codePage = 1252);

// The path as it exists: the exact spelling when there is such a file, otherwise, part by
// part, the first entry of each folder whose name matches ignoring letter case (in name
// order; letters of any script, by the Unicode tables). Parts that match nothing are kept
// as they are.
std::filesystem::path findIgnoringCase(const std::filesystem::path& path);

// Where a stored path names a file on this machine. A path without a drive is relative to
// the book's folder. A path with a drive (the author's machine) is tried as an absolute path
// without its drive, and otherwise taken to be the file of that name in the book's folder.
std::filesystem::path resolveStoredPath(std::string_view stored, const std::filesystem::path& bookFolder,
                                        std::uint16_t codePage = 1252);

}  // namespace zeb
