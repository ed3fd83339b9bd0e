// Printing installed into the main window: its print items and the frame set's print-on-click
// run the print commands, with the page set-up kept in the settings. The commands (and the
// printer they open) are made when something is first printed, not when the reader starts.
#pragma once

#include <memory>

#include "shell/printing_service.h"
#include "shell/qt/print_commands.h"

namespace zeb {

class TMainForm;

namespace shell {

class MainWindowPrinting final : public PrintingService {
 public:
  // Prints on the printers of Qt Print Support unless a printer factory is given.
  explicit MainWindowPrinting(TMainForm& window, PrinterFactory makePrinter = {});

  void printDialog() override { commands().printWithDialog(); }
  void printCurrent() override { commands().printCurrent(); }
  void printAll() override { commands().printAll(); }
  void printerSetup() override { commands().printerSettings(); }
  void marginSetup() override { commands().marginSettings(); }
  void printBox(TZEBCustomFrameSet& frames, TZEBbox& box) override;

  PrintCommands& commands();

 private:
  TMainForm& window_;
  PrinterFactory makePrinter_;
  std::unique_ptr<PrintCommands> commands_;
};

}  // namespace shell
}  // namespace zeb
