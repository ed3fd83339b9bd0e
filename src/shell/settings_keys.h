// Where the reader keeps its settings: key paths and value names of the user's store.
#pragma once

#include <string_view>

namespace zeb::shell::settings {

inline constexpr std::string_view optionsKey = "\\SOFTWARE\\KX\\Quillmark_E\\options\\";
inline constexpr std::string_view lastFile = "LastFile";
inline constexpr std::string_view atStartBlank = "AtStartBlank";
inline constexpr std::string_view maxCacheImg = "maxCacheImg";
// View > Night mode and View > Dim pictures at night, "1" or "0"; absent until the user chose.
inline constexpr std::string_view nightMode = "NightMode";
inline constexpr std::string_view dimPictures = "DimPictures";
// The zoom, in percent from 50 to 400, of a book the reader has no remembered zoom for.
inline constexpr std::string_view defaultZoom = "DefaultZoom";
// View > Read aloud: the voice's name and the speed (-1 to 1, "0" normal); absent until chosen.
inline constexpr std::string_view readingVoice = "ReadingVoice";
inline constexpr std::string_view readingRate = "ReadingRate";
// How many times the setup registered the program, less the times it removed it.
inline constexpr std::string_view installCount = "inst";
// The print dialog: a click on a page of its list, or on a node of its order tree, shows the
// page in its preview (on unless "0").
inline constexpr std::string_view previewOnListClick = "clicprintprev";
inline constexpr std::string_view previewOnTreeClick = "anteprintprev";

// Per-extension answers of the file-link dialog: a subkey per extension (".pdf") under this
// one, with the values "comp" and "appPath".
inline constexpr std::string_view fileExtensionsKey = "\\SOFTWARE\\KX\\Quillmark_E\\options\\ext\\";
inline constexpr std::string_view fileBehaviour = "comp";
inline constexpr std::string_view fileProgram = "appPath";

// Books whose programs and documents the user always allows: one value per book, named
// after the book's path and size, holding the path.
inline constexpr std::string_view allowedBooksKey = "\\SOFTWARE\\KX\\Quillmark_E\\allowedBooks\\";

// View > Text encoding: the code page chosen for a book, one value per book named after its
// path and size (bookSettingName), holding the code page's number.
inline constexpr std::string_view encodingsKey = "\\SOFTWARE\\KX\\Quillmark_E\\encodings\\";

// Where each book was left (last_positions.h): the values "0" to "199", oldest first.
inline constexpr std::string_view positionsKey = "\\SOFTWARE\\KX\\Quillmark_E\\positions\\";
// The bookmarks of each book: a subkey per book named after its path and size
// (bookSettingName), holding the values "0", "1", ... in the order they were added.
inline constexpr std::string_view bookmarksKey = "\\SOFTWARE\\KX\\Quillmark_E\\bookmarks\\";

inline constexpr std::string_view recentFilesKey = "\\SOFTWARE\\KX\\Quillmark_E\\RecentFile\\";
inline constexpr std::string_view formsKey = "\\SOFTWARE\\KX\\Quillmark_E\\forms\\";

// The search dialog's options.
inline constexpr std::string_view findsKey = "\\SOFTWARE\\KX\\Quillmark_E\\finds\\";
inline constexpr std::string_view wholeWord = "wholeword";
inline constexpr std::string_view ignoreCaps = "ignorecaps";
inline constexpr std::string_view confirmOne = "conf1";
inline constexpr std::string_view confirmAll = "confAll";
inline constexpr std::string_view startFrom = "startFrom";

}  // namespace zeb::shell::settings
