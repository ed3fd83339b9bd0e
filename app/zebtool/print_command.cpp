// zebtool print: prints pages of a book into a PDF file with the default page set-up, as
// the reader prints them on paper.
#include <cstdio>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_printer.h"
#include "shell/print/print_job.h"

namespace zeb::tool {
namespace {

constexpr std::string_view allPages = "--all";

int print(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() < 3) return usageError;
  const bool all = arguments.size() == 3 && arguments[2] == allPages;
  std::vector<int> named;
  for (std::size_t i = 2; i < arguments.size() && !all; ++i) {
    const auto number = parsePageNumber(arguments[i]);
    if (!number) return usageError;
    named.push_back(*number);
  }

  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  PrintRequest request;
  if (all) {
    request.pages = pagesInStoredOrder(*set);
  } else {
    for (const int number : named) {
      if (livePage(*set, number) == nullptr) return failure;
      request.pages.push_back(number);
    }
  }
  if (request.pages.empty()) {
    std::fputs("zebtool: the book has no pages\n", stderr);
    return failure;
  }

  request.setup.device = pdfPrinterName;
  request.setup.port = arguments[1];
  int sheets = 0;
  // The printer measures text itself, at its own resolution.
  withQtMeasurer([&](TextMeasurer&) {
    QtPrinter printer;
    sheets = printPages(*set, printer, request);
  });
  if (sheets == 0) return failure;
  printUtf8Line("pages: " + std::to_string(request.pages.size()));
  printUtf8Line("sheets: " + std::to_string(sheets));
  return success;
}

}  // namespace

const std::vector<Command>& printCommands() {
  static const std::vector<Command> commands = {
      {"print", "print BOOK OUT.pdf PAGE... | print BOOK OUT.pdf --all", print},
  };
  return commands;
}

}  // namespace zeb::tool
