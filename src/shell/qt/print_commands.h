// PrintCommands: what the main window's print items and a frame set's print-on-click do, with
// the page set-up kept in the settings: the print dialog, printing the page shown, printing
// every page in the book's order, and the printer and margin settings.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

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

  // Print-on-click: what the box in the frame set holds (a page's text, or a table cell's)
  // prints after the printer settings are confirmed, with the record of the page holding it;
  // the focus then goes back to the frame set's current box. A box that shows no page prints
  // nothing.
  void printOnClick(TZEBCustomFrameSet& frames, TZEBbox& box);
  // Gives the frame set print-on-click through these commands, which must outlive it.
  void installPrintOnClick(TZEBCustomFrameSet& frames);

  // Asks where the PDF printer writes when a job would print into a PDF file that the page
  // set-up names none for (with no printer installed, the PDF printer is the default): the
  // path proposed (UTF-8) in, the path chosen out, none when the user cancelled. The file
  // dialog unless a test puts its own answer here.
  std::function<std::optional<std::string>(const std::string& proposed)> choosePdfFile;
  // The page set-up as a job of the book prints with it: the PDF file asked for when the
  // job needs one. False when the user chose none: nothing prints.
  bool completeSetup(const TZEBset& book, PageSetup& setup);

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
