// Print jobs: one job for the pages of one print command, the pages a print command
// prints, and printing them with a page set-up and options on a printer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/printer.h"
#include "shell/print/print_scale.h"

namespace zeb {

class ContentsTree;
class MeasurementCache;
class MessageBoxes;
class TZEBset;
class TZEBtesto;

// Items of the print dialog's list from this value up name objects that are not pages.
inline constexpr std::int64_t firstNonPageItem = 16777216;

// The book's page with that number, when it holds one that is not released.
TZEBtesto* findLivePage(const TZEBset& set, std::int64_t number);

namespace limits {
// A page prints on at most this many sheets; a damaged page that asks for more stops there.
inline constexpr int maxSheetsPerPage = 1000;
}  // namespace limits

// One job on a printer. Its first sheet comes with it; every further sheet is started on the
// printer. Text is measured on the printer's canvas once for all the job's pages.
class PrintJob {
 public:
  PrintJob(Printer& printer, MessageBoxes& messages);
  // Ends the job when it is still open.
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Begins the job; a printer that cannot print (or describes no usable sheet) shows the
  // no-printer message with its error text, and the job stays closed.
  bool begin(std::string_view title, const PageSetup& setup);
  bool active() const { return active_; }
  // Moves on to the next sheet: the job's first one the first time. A printer failure shows
  // the no-printer message and closes the job.
  bool nextSheet();
  // Ends the job; false (after the no-printer message) when the printer could not finish it.
  bool end();

  Printer& printer() const { return printer_; }
  const PageSetup& setup() const { return setup_; }
  MeasurementCache& measures();
  int sheetCount() const { return sheets_; }

 private:
  void fail();

  Printer& printer_;
  MessageBoxes& messages_;
  PageSetup setup_;
  std::unique_ptr<MeasurementCache> measures_;
  bool active_ = false;
  int sheets_ = 0;
};

// A print command: the pages in print order, the page set-up and the options; told after
// each page printed, with how many of them are done.
struct PrintRequest {
  std::vector<std::int32_t> pages;
  PageSetup setup;
  PrintOptions options;
  std::function<void(int printed, int total)> onPagePrinted;
};

// Prints the pages as one job, its title naming the first page; pages the book no longer
// holds are passed over. Returns the sheets printed (0 when nothing could be printed).
int printPages(TZEBset& set, Printer& printer, const PrintRequest& request);

// What the print dialog's list prints: the page numbers of its items in order, items that
// name other objects (16777216 and above) passed over; the page shown in the preview when
// the list is empty.
std::vector<std::int32_t> pagesToPrint(const std::vector<std::int64_t>& listed, std::int32_t previewPage);

// Every live page of the book: those of its contents tree first, in tree order (the book's
// stored order of its pages, number order when it stores none), then those the tree leaves
// out, in number order. Loading the tree may report a damaged stream.
std::vector<std::int32_t> pagesInStoredOrder(TZEBset& set);
// The same order from a tree already loaded (its pages, then those it leaves out).
std::vector<std::int32_t> pagesInTreeOrder(const ContentsTree& tree, const TZEBset& set);
// The book's live pages that are not listed, in number order.
std::vector<std::int32_t> pagesLeftOut(const TZEBset& set, const std::vector<std::int32_t>& listed);

// The name (UTF-8) proposed for the PDF file a book prints into: its title, else its file's
// name, else "Untitled", with ".pdf".
std::string pdfFileNameFor(const TZEBset& set);

}  // namespace zeb
