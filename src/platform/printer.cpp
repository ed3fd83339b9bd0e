// The printers offered for a print job.
#include "platform/printer.h"

#include <algorithm>

namespace zeb {

PrinterChoice printerChoice(const Printer& printer, const PageSetup& setup) {
  PrinterChoice choice;
  choice.names = printer.installedPrinters();
  choice.names.emplace_back(pdfPrinterName);
  const auto indexOf = [&](std::string_view name) {
    return static_cast<std::size_t>(std::find(choice.names.begin(), choice.names.end(), name) - choice.names.begin());
  };
  choice.chosen = indexOf(setup.device);
  if (setup.device.empty() || choice.chosen == choice.names.size()) choice.chosen = indexOf(printer.defaultPrinter());
  if (choice.chosen == choice.names.size()) choice.chosen = choice.names.size() - 1;
  return choice;
}

bool printsIntoUnnamedPdf(const Printer& printer, const PageSetup& setup) {
  const PrinterChoice choice = printerChoice(printer, setup);
  return choice.names[choice.chosen] == pdfPrinterName && (setup.device != pdfPrinterName || setup.port.empty());
}

}  // namespace zeb
