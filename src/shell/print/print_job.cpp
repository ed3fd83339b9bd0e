// Print jobs and the pages they print.
#include "shell/print/print_job.h"

#include <filesystem>
#include <set>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/message_boxes.h"
#include "platform/windows1252.h"
#include "shell/contents_tree.h"
#include "shell/messages.h"
#include "shell/print/page_printer.h"
#include "text/measurement_cache.h"

namespace zeb {

TZEBtesto* findLivePage(const TZEBset& set, std::int64_t number) {
  if (number < 0 || number >= firstNonPageItem) return nullptr;
  TZEBoggetto* object = set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), number);
  return object != nullptr && !object->isReleased() ? static_cast<TZEBtesto*>(object) : nullptr;
}

PrintJob::PrintJob(Printer& printer, MessageBoxes& messages) : printer_(printer), messages_(messages) {}

PrintJob::~PrintJob() {
  if (active_) printer_.endDocument();
}

void PrintJob::fail() {
  messages_.error(std::string(shell::messages::noPrinterBefore) + printer_.errorText() +
                  std::string(shell::messages::noPrinterAfter));
}

bool PrintJob::begin(std::string_view title, const PageSetup& setup) {
  if (active_) return false;
  setup_ = setup;
  sheets_ = 0;
  if (!printer_.beginDocument(title, setup)) {
    fail();
    return false;
  }
  active_ = true;
  if (!PrintScale::usable(printer_.page())) {
    printer_.endDocument();
    active_ = false;
    fail();
    return false;
  }
  measures_ = std::make_unique<MeasurementCache>(printer_.measurer());
  return true;
}

bool PrintJob::nextSheet() {
  if (!active_) return false;
  if (sheets_ > 0 && !printer_.newPage()) {
    fail();
    printer_.endDocument();
    active_ = false;
    return false;
  }
  ++sheets_;
  return true;
}

bool PrintJob::end() {
  if (!active_) return false;
  active_ = false;
  if (printer_.endDocument()) return true;
  fail();
  return false;
}

MeasurementCache& PrintJob::measures() { return *measures_; }

int printPages(TZEBset& set, Printer& printer, const PrintRequest& request) {
  std::vector<TZEBtesto*> pages;
  for (const std::int32_t number : request.pages) {
    if (TZEBtesto* page = findLivePage(set, number)) pages.push_back(page);
  }
  if (pages.empty()) return 0;
  PrintJob job(printer, set.messages());
  if (!job.begin(jobTitleOf(*pages.front()), request.setup)) return 0;
  TZEBpageP pagePrinter(set, printer);
  pagePrinter.setOptions(request.options);
  int printed = 0;
  for (TZEBtesto* page : pages) {
    pagePrinter.printInto(job, *page);
    if (!job.active()) break;
    ++printed;
    if (request.onPagePrinted) request.onPagePrinted(printed, static_cast<int>(pages.size()));
  }
  const int sheets = job.sheetCount();
  return job.end() ? sheets : 0;
}

std::vector<std::int32_t> pagesToPrint(const std::vector<std::int64_t>& listed, std::int32_t previewPage) {
  std::vector<std::int32_t> pages;
  if (listed.empty()) {
    if (previewPage >= 0) pages.push_back(previewPage);
    return pages;
  }
  for (const std::int64_t item : listed) {
    if (item >= 0 && item < firstNonPageItem) pages.push_back(static_cast<std::int32_t>(item));
  }
  return pages;
}

std::vector<std::int32_t> pagesInStoredOrder(TZEBset& set) {
  ContentsTree tree(TOggettiHel::testoHtml);
  tree.setLinkedZEBset(&set);
  tree.LoadContents();
  return pagesInTreeOrder(tree, set);
}

std::vector<std::int32_t> pagesInTreeOrder(const ContentsTree& tree, const TZEBset& set) {
  std::vector<std::int32_t> pages;
  for (const TZEBoggetto* object : tree.ListObjects()) {
    if (object->Kind() == TOggettiHel::testoHtml) pages.push_back(object->Index());
  }
  const std::vector<std::int32_t> leftOut = pagesLeftOut(set, pages);
  pages.insert(pages.end(), leftOut.begin(), leftOut.end());
  return pages;
}

std::vector<std::int32_t> pagesLeftOut(const TZEBset& set, const std::vector<std::int32_t>& listed) {
  const std::set<std::int32_t> known(listed.begin(), listed.end());
  std::vector<std::int32_t> pages;
  const auto slots = static_cast<std::int64_t>(set.slotCount(TOggettiHel::testoHtml));
  for (std::int64_t number = 0; number < slots && number < firstNonPageItem; ++number) {
    const auto page = static_cast<std::int32_t>(number);
    if (!known.contains(page) && findLivePage(set, page) != nullptr) pages.push_back(page);
  }
  return pages;
}

std::string pdfFileNameFor(const TZEBset& set) {
  std::string name = windows1252ToUtf8(set.header().title());
  if (name.find_first_not_of(' ') == std::string::npos) name = std::filesystem::path(set.ZEBFileName()).stem().string();
  if (name.empty()) name = windows1252ToUtf8(shell::messages::untitled);
  // The title names a file in the folder proposed, not a folder of its own.
  for (char& c : name)
    if (c == '/' || c == '\0') c = '_';
  return name + ".pdf";
}

}  // namespace zeb
