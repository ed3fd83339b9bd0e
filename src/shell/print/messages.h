// Every text printing shows or gives a print job, in one place (Windows-1252 bytes).
#pragma once

#include <string_view>

namespace zeb::shell::messages {

// Asked to print without a page set-up, or without a page.
inline constexpr std::string_view noPageSetup = "pagesetupdialog=NIL";
inline constexpr std::string_view noPageToPrint = "Invalid use of TZEBpageP.Riempi";
// A text still in the older markup.
inline constexpr std::string_view oldVersionTextForPrinting = "baco; testo ver 1 ancora pres in zebBox P!";
// The printer failed: these two around the printer's own error text.
inline constexpr std::string_view noPrinterBefore =
    "No printers available in Windows.\rPlease exit from the application and use Control Panel in order to add "
    "printers. (";
inline constexpr std::string_view noPrinterAfter = ")";
// A print job's title: the product, this, and the page's title.
inline constexpr std::string_view jobTitleProduct = "Brightfold";
inline constexpr std::string_view jobTitlePage = ", pag: ";

}  // namespace zeb::shell::messages
