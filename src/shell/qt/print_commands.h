// PrintCommands: what the main window's print items and a frame set's print-on-click do, with
// the page set-up kept in the settings: the print dialog, printing the page shown, printing
// every page in the book's order, and the printer and margin settings.
#pragma once

#include <functional>
#include <memory>

#include "platform/printer.h"

class QWidget;

namespace zeb {

class SettingsStore;
class TZEBCustomFrameSet;
class TZEBbox;
class TZEBset;

// Makes the printer every command prints on.
using PrinterFactory = std::function<std::unique_ptr<Printer>()>;

class PrintCommands {
 public:
  struct Services {
    TZEBset& set;
    SettingsStore& settings;
    // The main window's frame set: the page it shows is the current page.
    TZEBCustomFrameSet& editor;
    // The parent of the dialogs; not owned.
    QWidget* parent = nullptr;
    // Empty: printers of Qt Print Support (the system's and the PDF file printer).
    PrinterFactory makePrinter;
  };

  explicit PrintCommands(Services services);
  ~PrintCommands();
  PrintCommands(const PrintCommands&) = delete;
  PrintCommands& operator=(const PrintCommands&) = delete;

  // "&Print...": the print dialog, modal.
  void printWithDialog();
  // "Print &current": the page the main window shows, with the default options.
  void printCurrent();
  // "Print all": every page in the book's order, through the print dialog.
  void printAll();
  // "Printer se&ttings..." and "&Margin settings...": the stored page set-up in a dialog,
  // stored again when the user confirms it (true).
  bool printerSettings();
  bool marginSettings();

  // Print-on-click: the page holding the box in the frame set prints after the printer
  // settings are confirmed; the focus then goes back to the frame set's current box. A box
  // that shows no page of the book prints nothing.
  void printOnClick(TZEBCustomFrameSet& frames, TZEBbox& box);
  // Gives the frame set print-on-click through these commands, which must outlive it.
  void installPrintOnClick(TZEBCustomFrameSet& frames);

  // The page set-up as the last command loaded or stored it.
  const PageSetup& pageSetup() const { return setup_; }
  Printer& printer() const { return *printer_; }

 private:
  void loadSetup();

  Services services_;
  std::unique_ptr<Printer> printer_;
  PageSetup setup_;
};

}  // namespace zeb
