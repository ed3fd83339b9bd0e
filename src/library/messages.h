// The texts of the library window (Windows-1252, like every text of the program).
#pragma once

#include <string_view>

namespace zeb::library::messages {

inline constexpr std::string_view windowCaption = "Library";
inline constexpr std::string_view foldersTitle = "Folders";
inline constexpr std::string_view addFolder = "&Add folder...";
inline constexpr std::string_view removeFolder = "&Remove";
inline constexpr std::string_view rescan = "Re&scan";
inline constexpr std::string_view chooseFolder = "Folder of books";
inline constexpr std::string_view booksTitle = "Books";
inline constexpr std::string_view filterHint = "Filter books as you type";
inline constexpr std::string_view showCovers = "Covers";
inline constexpr std::string_view showList = "List";
inline constexpr std::string_view sortBy = "Sort by:";
inline constexpr std::string_view columnTitle = "Title";
inline constexpr std::string_view columnAuthor = "Author";
inline constexpr std::string_view columnPages = "Pages";
inline constexpr std::string_view columnPath = "Path";
inline constexpr std::string_view searchTitle = "Search all books";
inline constexpr std::string_view searchHint = "Words, \"a phrase\", word*, OR, NOT, title:word";
inline constexpr std::string_view columnBook = "Book";
inline constexpr std::string_view columnPage = "Page";
inline constexpr std::string_view columnSnippet = "Found";
inline constexpr std::string_view nothingToSearch = "Nothing to search";
inline constexpr std::string_view noHits = "Not found";
inline constexpr std::string_view hitsFound = " found";
inline constexpr std::string_view scanning = "Indexing ";
inline constexpr std::string_view scanDone = "Indexed: ";
inline constexpr std::string_view damagedBook = "Damaged: ";
inline constexpr std::string_view indexRebuilt = "The library index was damaged and has been made anew.";
inline constexpr std::string_view indexFailed = "The library index cannot be opened: ";

}  // namespace zeb::library::messages
