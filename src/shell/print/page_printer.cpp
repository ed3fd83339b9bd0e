// Printing a page: its flow laid out at the printable width, then printed sheet by sheet.
// Each sheet shows a window of the flow as high as the printable area; a paragraph that
// goes on below the window moves the window down by whole printable heights, to the one
// that holds what comes next, on a new sheet.
#include "shell/print/page_printer.h"

#include <algorithm>
#include <optional>

#include "document/container.h"
#include "document/object_copy.h"
#include "document/page_object.h"
#include "platform/message_boxes.h"
#include "platform/text_measurer.h"
#include "shell/messages.h"
#include "shell/print/print_box.h"
#include "shell/print/print_job.h"
#include "shell/print/print_objects.h"
#include "text/line_layout.h"
#include "text/text_box.h"
#include "view/page_text.h"

namespace zeb {
namespace {

// The flow on the sheets of a job: each sheet's canvas shows the window with the flow's
// origin moved to the printable area's corner.
class SheetPrinter {
 public:
  SheetPrinter(PrintJob& job, TZEBset& set, const PrintScale& scale, const PrintOptions& options, TZEBboxP& flow)
      : job_(job), set_(set), scale_(scale), options_(options), flow_(flow) {}

  // Prints the whole flow; returns the sheets used.
  int print();

 private:
  bool startSheet();
  template <typename Work>
  void onSheet(Work work) {
    Canvas& canvas = job_.printer().canvas();
    const PrintSheet sheet{canvas, set_, scale_, options_};
    CanvasState state(canvas);
    canvas.translate(scale_.leftMargin(), scale_.topMargin() - window_.top);
    work(sheet);
  }

  PrintJob& job_;
  TZEBset& set_;
  const PrintScale& scale_;
  const PrintOptions& options_;
  TZEBboxP& flow_;
  CanvasRect window_;
  int sheets_ = 0;
};

bool SheetPrinter::startSheet() {
  if (!job_.nextSheet()) return false;
  ++sheets_;
  if (options_.background) {
    onSheet([&](const PrintSheet& sheet) { printBackground(sheet, flow_.Background(), window_, 0, 0); });
  }
  return true;
}

int SheetPrinter::print() {
  const int height = scale_.printableHeight();
  window_ = {0, 0, scale_.printableWidth(), height};
  if (!startSheet()) return sheets_;
  for (int i = 0; i < flow_.paragraphCount();) {
    onSheet([&](const PrintSheet& sheet) { flow_.printParagraph(sheet, i, window_); });
    const std::optional<int> next = flow_.nextBelow(i, window_);
    if (!next) {
      ++i;
      continue;
    }
    if (sheets_ >= limits::maxSheetsPerPage) break;
    const std::int64_t steps = std::max<std::int64_t>(1, (std::int64_t{*next} - window_.top) / height);
    const int top = saturated(window_.top + steps * height);
    window_ = {window_.left, top, window_.right, saturated(std::int64_t{top} + height)};
    if (!startSheet()) break;
  }
  return sheets_;
}

}  // namespace

std::unique_ptr<TZEBtesto> printablePageOf(const TZEBbox& box, TZEBtesto& shownPage) {
  std::unique_ptr<TZEBtesto> printed(static_cast<TZEBtesto*>(copyOf(shownPage).release()));
  box.SaveTo(*printed);
  // The box's tags name the working copies of the page shown, whose text it reads.
  if (const TZEBtesto* working = box.TextObject())
    printed->setText(withStoredTags(*working, std::string(printed->textView())));
  return printed;
}

std::string jobTitleOf(const TZEBtesto& page) {
  return std::string(shell::messages::applicationTitle) + std::string(shell::messages::jobTitlePage) + page.Name();
}

TZEBpageP::TZEBpageP(TZEBset& set, Printer& printer) : set_(set), printer_(printer) {}

void TZEBpageP::setImageScale(int scale) {
  options_.imageScale = std::clamp(scale, PrintOptions::minimumImageScale, PrintOptions::maximumImageScale);
}

void TZEBpageP::setOptions(const PrintOptions& options) {
  options_ = options;
  setImageScale(options.imageScale);
}

TZEBtesto* TZEBpageP::PrintPage(TZEBtesto* page, const PageSetup* pageSetup) {
  if (pageSetup == nullptr) {
    set_.messages().error(shell::messages::noPageSetup);
    return page;
  }
  if (page == nullptr) {
    set_.messages().information(shell::messages::noPageToPrint);
    return nullptr;
  }
  PrintJob job(printer_, set_.messages());
  if (!job.begin(jobTitleOf(*page), *pageSetup)) return page;
  printInto(job, *page);
  job.end();
  return page;
}

int TZEBpageP::printInto(PrintJob& job, TZEBtesto& page) {
  const std::unique_ptr<TZEBtesto> working = openPageWithHeaderAndFooter(set_, page);
  if (working->textFormat() == markupFormat::older) {
    set_.messages().error(shell::messages::oldVersionTextForPrinting);
    return 0;
  }
  const PrintScale scale(job.printer().page(), job.setup(), options_.imageScale,
                         set_.services().measurer->pixelsPerInch());
  PrintObjectFactory objects(scale, ControlMetrics::measuredWith(*set_.services().measurer));
  TZEBboxP flow(set_, *working, job.measures(), objects, scale);
  flow.Background().colour = page.record().u32(field::pageBackgroundColour);
  flow.Background().picture = page.ReferencedPicture();
  flow.layOut(scale.printableWidth());
  return SheetPrinter(job, set_, scale, options_, flow).print();
}

}  // namespace zeb
