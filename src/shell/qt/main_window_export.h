// The export of whole books installed into the main window: File > Export > EPUB... and
// HTML... ask for the target (and before replacing one that exists), then export the open
// book on a worker thread while a progress window shows how far it got and can cancel it;
// the window itself never waits.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "export/book/background_export.h"
#include "shell/export_service.h"

class QProgressDialog;

namespace zeb {

class TMainForm;

namespace shell {

class MainWindowExport final : public QObject, public ExportService {
  Q_OBJECT

 public:
  explicit MainWindowExport(TMainForm& window);
  ~MainWindowExport() override;

  void exportEpub() override;
  void exportHtml() override;

  // Starts an export to the target without asking anything (the menu commands ask first).
  void startExport(BookExportFormat format, const QString& target, bool replaceExisting);
  bool running() const { return worker_.running(); }

 signals:
  // After an export ended, was cancelled or failed; with what it said (empty when written).
  void exportEnded(int outcome, const QString& message);

 private:
  void finished(const BookExportResult& result);

  TMainForm& window_;
  BackgroundBookExport worker_;
  QPointer<QProgressDialog> progress_;
};

}  // namespace shell
}  // namespace zeb
