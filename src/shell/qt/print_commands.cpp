// The print commands of the main window and print-on-click.
#include "shell/qt/print_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>
#include <QStandardPaths>
#include <filesystem>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/qt/qt_printer.h"
#include "shell/messages.h"
#include "shell/print/page_printer.h"
#include "shell/print/page_setup_store.h"
#include "shell/print/print_job.h"
#include "shell/qt/print_dialog.h"
#include "shell/qt/printer_setup_dialogs.h"
#include "shell/qt/qt_texts.h"
#include "shell/qt/wait_cursor.h"
#include "view/page_view.h"
#include "view/qt/frame_set.h"

namespace zeb {

PrintCommands::PrintCommands(Services services)
    : services_(std::move(services)),
      printer_(services_.makePrinter ? services_.makePrinter() : std::make_unique<QtPrinter>()) {
  loadSetup();
  choosePdfFile = [this](const std::string& proposed) -> std::optional<std::string> {
    const QString chosen = QFileDialog::getSaveFileName(
        services_.parent, shell::unicodeOf(shell::messages::printSetup::pdfFileTitle), QString::fromStdString(proposed),
        shell::unicodeOf(shell::messages::printSetup::pdfFileFilter));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
  };
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::loadSetup() { setup_ = loadPageSetup(services_.settings); }

bool PrintCommands::completeSetup(const TZEBset& book, PageSetup& setup) {
  if (!printsIntoUnnamedPdf(*printer_, setup)) return true;
  // The documents folder when the user has one, else the home folder: a folder that does
  // not exist would leave the file dialog in whatever folder it was last in.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(folder).exists()) folder = QDir::homePath();
  const std::string proposed = (std::filesystem::path(folder.toStdString()) / pdfFileNameFor(book)).string();
  const std::optional<std::string> chosen = choosePdfFile ? choosePdfFile(proposed) : std::nullopt;
  if (!chosen) return false;
  setup.device = pdfPrinterName;
  setup.port = *chosen;
  return true;
}

void PrintCommands::printWithDialog() {
  loadSetup();
  TFprint dialog({services_.set, services_.settings, &services_.editor, &setup_, printer_.get(),
                  [this](PageSetup& setup) { return completeSetup(services_.set, setup); }},
                 services_.parent);
  dialog.exec();
}

void PrintCommands::printCurrent() {
  loadSetup();
  TZEBtesto* page = findLivePage(services_.set, services_.editor.MainPageNumber());
  PageSetup setup = setup_;
  if (page != nullptr && !completeSetup(services_.set, setup)) return;
  const WaitCursor wait;
  TZEBpageP(services_.set, *printer_).PrintPage(page, &setup);
}

void PrintCommands::printAll() {
  loadSetup();
  TFprint dialog({services_.set, services_.settings, &services_.editor, &setup_, printer_.get(),
                  [this](PageSetup& setup) { return completeSetup(services_.set, setup); }},
                 services_.parent);
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
  // What the box holds is taken now: while the settings dialog runs, the frame set may show
  // another page and free the box.
  const TZEBpage* page = frames.pageShowing(&box);
  auto* shown = page != nullptr ? dynamic_cast<TZEBtesto*>(page->ShownPage()) : nullptr;
  if (shown == nullptr) return;
  TZEBset& book = page->set();
  const std::unique_ptr<TZEBtesto> printed = printablePageOf(box, *shown);
  const QPointer<TZEBCustomFrameSet> guarded(&frames);
  if (!printerSettings()) return;
  // The book went from the frame set meanwhile (its window closed, another book opened).
  if (guarded.isNull() || guarded->LinkedZEBset() != &book) return;
  PageSetup setup = setup_;
  if (!completeSetup(book, setup)) return;
  {
    const WaitCursor wait;
    TZEBpageP(book, *printer_).PrintPage(printed.get(), &setup);
  }
  if (!guarded.isNull()) guarded->FocusCurrentBox();
}

void PrintCommands::installPrintOnClick(TZEBCustomFrameSet& frames) {
  frames.printOnClick = [this, &frames](TZEBbox& box) { printOnClick(frames, box); };
}

}  // namespace zeb
