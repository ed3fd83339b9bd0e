// The file-link dialog.
#include "shell/qt/file_link_dialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "shell/qt/qt_texts.h"
#include "texts/qt/window_texts.h"

namespace zeb::shell {
namespace {

template <typename Control>
Control* named(const char* name, QWidget* parent) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  return control;
}

}  // namespace

TFFiles::TFFiles(TZEBoggetto* object, BookStarter& starter, QWidget* parent)
    : QDialog(parent),
      link_(object, starter),
      pointsTo_(named<QLabel>("Label1", this)),
      labelFile_(named<QLabel>("LabelFile", this)),
      chooseAction_(named<QLabel>("Label2", this)),
      execute_(named<QPushButton>("Besegui", this)),
      save_(named<QPushButton>("Bsalva", this)),
      advanced_(named<QPushButton>("Bavanzate", this)),
      cancel_(named<QPushButton>("BAnnulla", this)) {
  setObjectName("FFiles");
  labelFile_->setTextFormat(Qt::PlainText);
  QFont bold = labelFile_->font();
  bold.setBold(true);
  labelFile_->setFont(bold);

  connect(execute_, &QPushButton::clicked, this, [this] {
    link_.open();
    accept();
  });
  connect(save_, &QPushButton::clicked, this, [this] {
    link_.save(*this);
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    link_.cancel();
    reject();
  });
  // Enter saves a copy, which asks where first: it never starts anything by itself.
  execute_->setAutoDefault(false);
  save_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {execute_, save_, advanced_, cancel_}) buttons->addWidget(button);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pointsTo_);
  layout->addWidget(labelFile_);
  layout->addSpacing(8);
  layout->addWidget(chooseAction_);
  layout->addLayout(buttons);
  applyEnglishTable(*this, WindowTable::fileLink);
  advanced_->hide();

  chooseSaveFile = [this](const QString& proposedName) -> std::optional<std::filesystem::path> {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = QFileDialog::getSaveFileName(this, QString(), folder + "/" + proposedName);
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(chosen.toStdString());
  };
}

void TFFiles::showEvent(QShowEvent* event) {
  advanced_->hide();
  labelFile_->setText(unicodeOf(link_.labelText()));
  QDialog::showEvent(event);
  save_->setFocus(Qt::OtherFocusReason);
}

void TFFiles::showModal() { exec(); }

std::optional<std::filesystem::path> TFFiles::chooseSavePath(const std::string& proposedNameUtf8) {
  return chooseSaveFile ? chooseSaveFile(QString::fromStdString(proposedNameUtf8)) : std::nullopt;
}

}  // namespace zeb::shell
