// TFFiles, the file-link dialog: names a file kept in a book and lets the user open it or save
// a copy, unless the file's extension is set to do one of them without asking.
#pragma once

#include <QDialog>
#include <functional>

#include "shell/file_link.h"

class QLabel;
class QPushButton;

namespace zeb::shell {

class TFFiles final : public QDialog, public FileLinkWindow {
  Q_OBJECT

 public:
  TFFiles(TZEBoggetto* object, BookStarter& starter, QWidget* parent = nullptr);

  // The extension's setting, or the dialog shown modally.
  void Run() { link_.Run(*this); }
  // 1 after open or save, 2 after cancel.
  int linkResult() const { return link_.result(); }

  // The save dialog, proposing the name; tests put their own answer here.
  std::function<std::optional<std::filesystem::path>(const QString& proposedName)> chooseSaveFile;

  // FileLinkWindow.
  void showModal() override;
  std::optional<std::filesystem::path> chooseSavePath(const std::string& proposedNameUtf8) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  FileLink link_;
  QLabel* pointsTo_;
  QLabel* labelFile_;
  QLabel* chooseAction_;
  QPushButton* execute_;
  QPushButton* save_;
  QPushButton* advanced_;
  QPushButton* cancel_;
};

}  // namespace zeb::shell
