// The print commands of the main window and print-on-click.
#include "shell/qt/print_commands.h"

#include <QPointer>

#include "document/container.h"
#include "platform/qt/qt_printer.h"
#include "shell/print/page_printer.h"
#include "shell/print/page_setup_store.h"
#include "shell/print/print_job.h"
#include "shell/qt/print_dialog.h"
#include "shell/qt/printer_setup_dialogs.h"
#include "shell/qt/wait_cursor.h"
#include "view/page_view.h"
#include "view/qt/frame_set.h"

namespace zeb {

PrintCommands::PrintCommands(Services services)
    : services_(std::move(services)),
      printer_(services_.makePrinter ? services_.makePrinter() : std::make_unique<QtPrinter>()) {
  loadSetup();
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::loadSetup() { setup_ = loadPageSetup(services_.settings); }

void PrintCommands::printWithDialog() {
  loadSetup();
  TFprint dialog({services_.set, services_.settings, &services_.editor, &setup_, printer_.get()}, services_.parent);
  dialog.exec();
}

void PrintCommands::printCurrent() {
  loadSetup();
  const WaitCursor wait;
  TZEBpageP(services_.set, *printer_)
      .PrintPage(findLivePage(services_.set, services_.editor.MainPageNumber()), &setup_);
}

void PrintCommands::printAll() {
  loadSetup();
  TFprint dialog({services_.set, services_.settings, &services_.editor, &setup_, printer_.get()}, services_.parent);
  dialog.show();
  dialog.BtutteClick();
  dialog.BOkClick();
  dialog.hide();
}

bool PrintCommands::printerSettings() {
  loadSetup();
  PrinterSettingsDialog dialog(setup_, printerChoice(*printer_, setup_), services_.parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  setup_ = dialog.pageSetup();
  savePageSetup(services_.settings, setup_);
  return true;
}

bool PrintCommands::marginSettings() {
  loadSetup();
  MarginSettingsDialog dialog(setup_, services_.parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  setup_ = dialog.pageSetup();
  savePageSetup(services_.settings, setup_);
  return true;
}

void PrintCommands::printOnClick(TZEBCustomFrameSet& frames, TZEBbox& box) {
  // The page is remembered by its number: while the settings dialog runs, the frame set may
  // show another page and free the box.
  const TZEBpage* page = frames.pageShowing(&box);
  if (page == nullptr || page->ShownPage() == nullptr) return;
  const std::int32_t number = page->PageIndex();
  const QPointer<TZEBCustomFrameSet> guarded(&frames);
  if (!printerSettings()) return;
  TZEBtesto* printed = findLivePage(services_.set, number);
  if (printed == nullptr) return;
  {
    const WaitCursor wait;
    TZEBpageP(services_.set, *printer_).PrintPage(printed, &setup_);
  }
  if (!guarded.isNull()) guarded->FocusCurrentBox();
}

void PrintCommands::installPrintOnClick(TZEBCustomFrameSet& frames) {
  frames.printOnClick = [this, &frames](TZEBbox& box) { printOnClick(frames, box); };
}

}  // namespace zeb
