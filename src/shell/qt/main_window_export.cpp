// File > Export.
#include "shell/qt/main_window_export.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressDialog>
#include <QStatusBar>

#include "document/container.h"
#include "export/book/export_messages.h"
#include "shell/qt/main_form.h"

namespace zeb::shell {
namespace {

constexpr std::string_view exportTitle = "Export";
constexpr std::string_view epubFilter = "EPUB books (*.epub)";
constexpr std::string_view progressText = "Exporting the book...";
constexpr std::string_view cancelText = "Cancel";
constexpr std::string_view replaceQuestion = " exists already. Replace it?";
constexpr std::string_view exportedText = "Exported to ";

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())); }

// The book's file name with another extension, beside the book.
QString proposedTarget(const TZEBset& set, const QString& extension) {
  const QFileInfo book(QString::fromStdString(set.ZEBFileName()));
  return book.dir().filePath(book.completeBaseName() + extension);
}

}  // namespace

MainWindowExport::MainWindowExport(TMainForm& window)
    : window_(window), worker_([this](std::function<void()> work) {
        // Queued onto the window's thread; the export object outlives every delivery, as
        // its destructor cancels and joins the worker first.
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
      }) {}

MainWindowExport::~MainWindowExport() { worker_.cancel(); }

void MainWindowExport::exportEpub() {
  if (running()) return;
  const QString target =
      QFileDialog::getSaveFileName(&window_, text(exportTitle), proposedTarget(window_.mainZEBset(), ".epub"),
                                   text(epubFilter), nullptr, QFileDialog::DontConfirmOverwrite);
  if (target.isEmpty()) return;
  bool replace = false;
  if (QFileInfo::exists(target)) {
    if (QMessageBox::question(&window_, text(exportTitle), target + text(replaceQuestion)) != QMessageBox::Yes) return;
    replace = true;
  }
  startExport(BookExportFormat::epub, target, replace);
}

void MainWindowExport::exportHtml() {
  if (running()) return;
  const QString target =
      QFileDialog::getSaveFileName(&window_, text(exportTitle), proposedTarget(window_.mainZEBset(), QString()),
                                   QString(), nullptr, QFileDialog::DontConfirmOverwrite);
  if (target.isEmpty()) return;
  const QFileInfo info(target);
  bool replace = false;
  if (info.exists() && !(info.isDir() && QDir(target).isEmpty())) {
    if (QMessageBox::question(&window_, text(exportTitle), target + text(replaceQuestion)) != QMessageBox::Yes) return;
    replace = true;
  }
  startExport(BookExportFormat::htmlFolder, target, replace);
}

void MainWindowExport::startExport(BookExportFormat format, const QString& target, bool replaceExisting) {
  if (running()) return;
  TZEBset& set = window_.mainZEBset();
  BookExportRequest request;
  request.format = format;
  request.target = std::filesystem::path(target.toStdString());
  request.replaceExisting = replaceExisting;

  progress_ = new QProgressDialog(text(progressText), text(cancelText), 0, 0, &window_);
  progress_->setObjectName("ExportProgress");
  progress_->setWindowTitle(text(exportTitle));
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  progress_->setMinimumDuration(0);
  connect(progress_, &QProgressDialog::canceled, this, [this] {
    worker_.cancel();
    if (progress_) progress_->deleteLater();
    emit exportEnded(static_cast<int>(BookExportResult::Outcome::cancelled), text(messages::exportCancelled));
  });
  progress_->show();

  BackgroundBookExport::Events events;
  events.onProgress = [this](int done, int total) {
    if (!progress_) return;
    progress_->setMaximum(total);
    progress_->setValue(done);
  };
  events.onFinished = [this](const BookExportResult& result) { finished(result); };
  worker_.start(set.ZEBFileName(), set.codePageOverride(), std::move(request), std::move(events));
}

void MainWindowExport::finished(const BookExportResult& result) {
  if (progress_) {
    progress_->blockSignals(true);
    progress_->deleteLater();
  }
  const QString message = QString::fromStdString(result.message);
  if (result.outcome == BookExportResult::Outcome::failed)
    QMessageBox::critical(&window_, text(exportTitle), message);
  else if (result.outcome == BookExportResult::Outcome::written)
    window_.statusBar()->showMessage(text(exportedText) + QString::number(result.pages));
  emit exportEnded(static_cast<int>(result.outcome), message);
}

}  // namespace zeb::shell
