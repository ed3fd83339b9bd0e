// Every text the reader shell shows or writes, in one place: the main window and its start-up,
// the contents tree, object lists, searches and printing
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

// What the main window's creation changes after its table: the book menu's caption and the
// command that searches the whole book.
inline constexpr std::string_view ebookMenu = "&Ebook";
inline constexpr std::string_view searchAgainInEbook = "Search again in the ebook...";

// The status bar's note for a book in the language of a double-byte code page: before and
// after the code page's number.
inline constexpr std::string_view doubleByteBefore = "This book's language is written in code page ";
inline constexpr std::string_view doubleByteAfter =
    ", which the reader cannot show: its text is read as Windows-1252 and may not show right.";

// Opening books and presentation modes.
inline constexpr std::string_view fileNotFound = "File not found: ";
inline constexpr std::string_view isAFolder = " is a folder, not an ebook";
inline constexpr std::string_view disabledByAuthor = "This function was disabled by the ebook author.";
inline constexpr std::string_view openFilter = "Quorvant ZEB ebook (*.zeb)|*.zeb";

// Reading comfort: bookmarks and going to a page.
// The name of a bookmark on a page without a title, before the page's number.
inline constexpr std::string_view pageNumbered = "Page ";
inline constexpr std::string_view bookmarkAdded = "Bookmark added: ";
// The Bookmarks menu of a book without any.
inline constexpr std::string_view noBookmarks = "(none)";
inline constexpr std::string_view bookmarksCaption = "Bookmarks";
inline constexpr std::string_view bookmarksHint = "Double-click a name, or press F2, to rename it.";
inline constexpr std::string_view goToBookmark = "&Go to";
inline constexpr std::string_view renameBookmark = "&Rename";
inline constexpr std::string_view deleteBookmark = "&Delete";
inline constexpr std::string_view closeWindow = "Close";
inline constexpr std::string_view goToPageCaption = "Go to page";
inline constexpr std::string_view goToPagePrompt = "Page &number, or part of its title:";
inline constexpr std::string_view noSuchPage = "No page has that number or title.";

// Setup switches.
inline constexpr std::string_view deinstallQuestion = "Are you sure you want to deinstall?";
inline constexpr std::string_view canIDelete = "Can I delete ";
inline constexpr std::string_view canIDeleteEnd = "?";
inline constexpr std::string_view removeManually = "Something to remove manually!";
inline constexpr std::string_view setupFailed = "Setup error: ";
inline constexpr std::string_view pleaseReinstall = " Please reinstall.";
// "/INIT" and "/DEINST" of the program a package installed.
inline constexpr std::string_view packageRegisters =
    "Brightfold was installed as a package, which already registers it with the desktop: there is nothing to "
    "register.";
inline constexpr std::string_view packageDeregisters =
    "Brightfold was installed as a package, which registers it with the desktop: removing the package removes "
    "the registration.";

// The type name books are registered with on the desktop.
inline constexpr std::string_view bookTypeComment = "Nexo hypertext/ebook";

// Following links.
inline constexpr std::string_view undefinedOrUnsupported = "Undefined or unsupported.";
inline constexpr std::string_view errorInFileOpening = "Error in file opening: ";
inline constexpr std::string_view keyNotFound = "Key not found in registry:";
inline constexpr std::string_view keyNotFoundValue = ", (string \"";
inline constexpr std::string_view keyNotFoundEnd = "\")";
inline constexpr std::string_view registryKeyEmpty = "The registry key is empty! (";
inline constexpr std::string_view registryKeyEmptyEnd = ")";
// The program an empty "prog:" setting falls back to: the desktop's text editor here.
inline constexpr std::string_view notepad = "c:\\windows\\notepad.exe";
inline constexpr std::string_view parameterFile = "params.txt";
inline constexpr std::string_view parameterFilePrefix = "params";
// A file of the book that could not be saved where the user chose: the path and, in
// brackets, why.
inline constexpr std::string_view fileNotSaved = "The file could not be saved: ";
inline constexpr std::string_view windowsProgramsUnavailable =
    "Nothing on this computer is set up to run Windows programs: ";
// An address the desktop could not open: "Cannot open " + the address + what is missing.
inline constexpr std::string_view cannotOpen = "Cannot open ";
inline constexpr std::string_view noWebBrowser = ": no web browser was found to show it.";
inline constexpr std::string_view noMailProgram = ": no mail program was found to write the message.";
inline constexpr std::string_view noProgramForAddress = ": no program was found for addresses of this kind.";

// Separate page windows.
inline constexpr std::string_view closeOtherWindows = "Chiudere le altre finestre attive e riprovare!";
inline constexpr std::string_view newWindowName = "<<<new";
inline constexpr std::string_view popupWindowName = "<<<pop";

// The question asked before anything a book names is started or opened.
namespace confirmation {
inline constexpr std::string_view caption = "Brightfold - start a program?";
inline constexpr std::string_view startQuestion = "This ebook asks to start a program:";
inline constexpr std::string_view openQuestion = "This ebook asks to open:";
inline constexpr std::string_view textEditorQuestion = "This ebook asks to open in the text editor:";
inline constexpr std::string_view windowsQuestion = "This ebook asks to start a Windows program:";
inline constexpr std::string_view arguments = "Arguments:";
inline constexpr std::string_view noArguments = "(none)";
inline constexpr std::string_view book = "Ebook:";
inline constexpr std::string_view warning = "Only allow this if you trust the ebook and its author.";
inline constexpr std::string_view alwaysAllow = "&Always allow for this ebook";
inline constexpr std::string_view allow = "&Allow";
inline constexpr std::string_view refuse = "&Don't allow";
}  // namespace confirmation

// Printing: asked to print without a page set-up, or without a page; a text still in the
// older markup; the printer failed (these two around the printer's own error text); a print
// job's title (the product, this, and the page's title).
inline constexpr std::string_view noPageSetup = "pagesetupdialog=NIL";
inline constexpr std::string_view noPageToPrint = "Invalid use of TZEBpageP.Riempi";
inline constexpr std::string_view oldVersionTextForPrinting = "baco; testo ver 1 ancora pres in zebBox P!";
inline constexpr std::string_view noPrinterBefore =
    "The printer could not print.\rChoose another printer, or \"PDF file\" to print into a file, in File > Printer "
    "settings... (";
inline constexpr std::string_view noPrinterAfter = ")";
inline constexpr std::string_view jobTitlePage = ", pag: ";

// The printer and margin settings dialogs.
namespace printSetup {
inline constexpr std::string_view printerCaption = "Printer settings";
inline constexpr std::string_view marginCaption = "Margin settings";
inline constexpr std::string_view printer = "&Printer:";
inline constexpr std::string_view pdfFile = "PDF &file:";
inline constexpr std::string_view browse = "&Browse...";
inline constexpr std::string_view pdfFileTitle = "Print into the PDF file";
inline constexpr std::string_view pdfFileFilter = "PDF files (*.pdf)";
inline constexpr std::string_view paper = "Paper &size:";
inline constexpr std::string_view a4Paper = "A4";
inline constexpr std::string_view letterPaper = "Letter";
inline constexpr std::string_view legalPaper = "Legal";
inline constexpr std::string_view a3Paper = "A3";
inline constexpr std::string_view a5Paper = "A5";
inline constexpr std::string_view ownPaperSize = "Own size";
inline constexpr std::string_view paperGroup = "Paper";
inline constexpr std::string_view orientation = "Orientation:";
inline constexpr std::string_view portrait = "P&ortrait";
inline constexpr std::string_view landscape = "&Landscape";
inline constexpr std::string_view copies = "&Copies:";
inline constexpr std::string_view colour = "Colo&ur";
inline constexpr std::string_view duplex = "&Two-sided:";
inline constexpr std::string_view oneSided = "Off";
inline constexpr std::string_view longEdge = "Long edge";
inline constexpr std::string_view shortEdge = "Short edge";
inline constexpr std::string_view margins = "Margins (millimetres)";
inline constexpr std::string_view leftMargin = "L&eft:";
inline constexpr std::string_view topMargin = "&Top:";
inline constexpr std::string_view rightMargin = "&Right:";
inline constexpr std::string_view bottomMargin = "&Bottom:";
}  // namespace printSetup

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

// The search dialog's word page.
inline constexpr std::string_view searchInPageReady = "&Search in page  F3";
inline constexpr std::string_view continueInPage = "&Continue in page  F3";
inline constexpr std::string_view pageSearchComplete = "Page search complete";
inline constexpr std::string_view hypertextSearchComplete = "Hypertext search complete";
inline constexpr std::string_view searchInTheEbook = "In the Ebook  F4";
// In place of the list of matching pages when none matches.
inline constexpr std::string_view noPageMeetsCriteria = "No page meets the criteria.";
// The result list's column of the matched term with the words around it.
inline constexpr std::string_view snippetColumn = "Context";
// The progress indicator of a search through the pages: Qt's %v (pages examined) and %m
// (pages to examine) are filled in.
inline constexpr std::string_view searchProgress = "Searching: %v of %m pages";
inline constexpr std::string_view cancelSearch = "Cancel";
inline constexpr std::string_view cancelSearchHint = "Stop the search";

// The hint of View > Read aloud when the desktop has no speech engine.
inline constexpr std::string_view noSpeechEngine =
    "Read aloud|No speech engine was found: install speech-dispatcher with the espeak-ng voices and Qt's "
    "speech-dispatcher plugin (Debian packages speech-dispatcher, speech-dispatcher-espeak-ng and "
    "qt6-speech-speechd-plugin)";

}  // namespace zeb::messages
