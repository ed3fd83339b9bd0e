// Where the reader keeps its settings: key paths and value names of the user's store.
#pragma once

#include <string_view>

namespace zeb::shell::settings {

inline constexpr std::string_view optionsKey = "\\SOFTWARE\\KX\\Quillmark_E\\options\\";
inline constexpr std::string_view lastFile = "LastFile";
inline constexpr std::string_view atStartBlank = "AtStartBlank";
inline constexpr std::string_view maxCacheImg = "maxCacheImg";
// How many times the setup registered the program, less the times it removed it.
inline constexpr std::string_view installCount = "inst";

inline constexpr std::string_view recentFilesKey = "\\SOFTWARE\\KX\\Quillmark_E\\RecentFile\\";
inline constexpr std::string_view formsKey = "\\SOFTWARE\\KX\\Quillmark_E\\forms\\";

}  // namespace zeb::shell::settings
