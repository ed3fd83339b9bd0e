// The folders of the library, kept with the user's settings (the index is only a cache and
// may be deleted): the values "0", "1", ... of one key, in the order they were added.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeb {
class SettingsStore;
}

namespace zeb::library {

inline constexpr std::string_view foldersKey = "\\SOFTWARE\\KX\\Quillmark_E\\library\\";

std::vector<std::string> libraryFolders(const SettingsStore& settings);
// The folder is added once, as an absolute path without a trailing separator.
void addLibraryFolder(SettingsStore& settings, std::string_view folder);
void removeLibraryFolder(SettingsStore& settings, std::string_view folder);
// The absolute, normal form of a folder, the way the list keeps it.
std::string normalFolder(std::string_view folder);
// Whether the path lies in the folder or below it.
bool isInFolder(std::string_view path, std::string_view folder);

}  // namespace zeb::library
