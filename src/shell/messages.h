// Every text the reader shell shows or writes, in one place: the main window and its start-up,
// the contents tree, object lists and searches
// (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::shell::messages {

// The application's title: the caption of yes/no questions and part of the window caption.
inline constexpr std::string_view applicationTitle = "Brightfold";
inline constexpr std::string_view captionSuffix = "hypertext ebook reader";
inline constexpr std::string_view loadingCaption = "Brightfold - loading";
inline constexpr std::string_view untitled = "Untitled";
// The status bar's last panel while a book is read.
inline constexpr std::string_view statusLine = "Brightfold reads .zeb ebooks";

// Opening books and presentation modes.
inline constexpr std::string_view fileNotFound = "File not found: ";
inline constexpr std::string_view disabledByAuthor = "This function was disabled by the ebook author.";
inline constexpr std::string_view openFilter = "Quorvant ZEB ebook (*.zeb)|*.zeb";

// Setup switches.
inline constexpr std::string_view deinstallQuestion = "Are you sure you want to deinstall?";
inline constexpr std::string_view canIDelete = "Can I delete ";
inline constexpr std::string_view canIDeleteEnd = "?";
inline constexpr std::string_view removeManually = "Something to remove manually!";
inline constexpr std::string_view setupFailed = "Setup error: ";
inline constexpr std::string_view pleaseReinstall = " Please reinstall.";

// The type name books are registered with on the desktop.
inline constexpr std::string_view bookTypeComment = "Nexo hypertext/ebook";

// The about box (TFabout).
namespace about {
inline constexpr std::string_view caption = "About Brightfold";
inline constexpr std::string_view programName = "Brightfold";
inline constexpr std::string_view versionPrefix = "Version ";
inline constexpr std::string_view description = "A reader for .zeb hypertext ebooks";
inline constexpr std::string_view copyright = "Free software, for reading ebooks on any desktop.";
inline constexpr std::string_view ok = "OK";
}  // namespace about

}  // namespace zeb::shell::messages

namespace zeb::messages {

// Reading a contents stream.
inline constexpr std::string_view errorDecodingNodes = "error decoding nodes";
inline constexpr std::string_view errorLoadingNodes = "error loading nodes";
// The title the order editor gives a new chapter.
inline constexpr std::string_view newChapter = "New chapter";

// Column captions of an object list; the fifth column has none.
inline constexpr std::string_view titleColumn = "Title";
inline constexpr std::string_view sizeColumn = "Size";
inline constexpr std::string_view fileNameColumn = "File name";
inline constexpr std::string_view pageColumn = "# page";

// Keyword search.
inline constexpr std::string_view noKeywordsDefined = "No keywords defined.";
inline constexpr std::string_view pagesContaining = "Pages containing ";

}  // namespace zeb::messages
