// Printing a whole book into a PDF file: the 200 pages of a synthetic book of about 5,000
// characters a page, printed as one job with the Qt printer (offscreen), A4 with 25 mm
// margins. Prints the median time of several runs, sheets per second and the file's size
// per sheet; once plain, once with the page background option and a tiled picture behind
// every page.
//
//   build/bench/print [--runs N]
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "document/container.h"
#include "document/page_object.h"
#include "platform/headless/quiet_platform.h"
#include "platform/qt/qt_printer.h"
#include "shell/print/print_job.h"

namespace {

constexpr int pages = 200;
constexpr int pageBytes = 5000;

void measure(const char* label, zeb::TZEBset& set, const zeb::PrintRequest& request, int runs) {
  zeb::QtPrinter printer;
  int sheets = 0;
  const double seconds = zeb::bench::medianSeconds(runs, [&] { sheets = zeb::printPages(set, printer, request); });
  const auto bytes = static_cast<double>(std::filesystem::file_size(request.setup.port));
  std::printf("%-11s %d pages, %d sheets: %.2f s, %.0f sheets/s, %.1f kB a sheet\n", label,
              static_cast<int>(request.pages.size()), sheets, seconds, sheets / seconds, bytes / sheets / 1000);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = zeb::bench::runsArgument(argc, argv, 5);
  zeb::bench::preferOffscreenPlatform();
  QGuiApplication application(argc, argv);

  zeb::QuietPlatform platform;
  zeb::TZEBset set(platform.services());
  if (!set.Load(zeb::bench::syntheticBook(pages, pageBytes).string())) return 1;

  zeb::PrintRequest request;
  request.pages = zeb::pagesInStoredOrder(set);
  request.setup.device = zeb::pdfPrinterName;
  request.setup.port = (std::filesystem::temp_directory_path() / "brightfold-print-bench.pdf").string();
  measure("plain", set, request, runs);

  // Every page gets the book's first picture (32 x 24 pixels) as its background.
  for (const std::int32_t number : request.pages) {
    set.slot(zeb::TOggettiHel::testoHtml, number)->record().setI32(zeb::field::pageBackgroundPicture, 0);
  }
  request.options.background = true;
  measure("background", set, request, runs);
  std::filesystem::remove(request.setup.port);
  return 0;
}
