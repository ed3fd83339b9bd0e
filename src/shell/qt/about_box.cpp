// The about box.
#include "shell/qt/about_box.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "texts/qt/window_texts.h"

namespace zeb::shell {
namespace {

QLabel* namedLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TFabout::TFabout(QWidget* parent)
    : QDialog(parent),
      programName_(namedLabel("LProgramName", this)),
      version_(namedLabel("LVersion", this)),
      description_(namedLabel("LDescription", this)),
      copyright_(namedLabel("LCopyright", this)),
      ok_(new QPushButton(this)) {
  setObjectName("Fabout");
  ok_->setObjectName("BOk");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  QFont large = programName_->font();
  large.setPointSize(large.pointSize() * 2);
  large.setBold(true);
  programName_->setFont(large);
  copyright_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 16);
  for (QWidget* widget : {static_cast<QWidget*>(programName_), static_cast<QWidget*>(version_),
                          static_cast<QWidget*>(description_), static_cast<QWidget*>(copyright_)})
    layout->addWidget(widget);
  layout->addSpacing(12);
  layout->addWidget(ok_, 0, Qt::AlignCenter);
  applyTexts();
}

// The box is designed in Italian; its English table gives the texts shown.
void TFabout::applyTexts() {
  setWindowTitle(QStringLiteral("Informazioni su Brightfold"));
  programName_->setText(QStringLiteral("Brightfold"));
  version_->setText(QStringLiteral("Versione " BRIGHTFOLD_VERSION));
  description_->setText(QStringLiteral("Un lettore di ipertesti .zeb"));
  copyright_->setText(QStringLiteral("Software libero, per leggere ebook su ogni desktop."));
  ok_->setText(QStringLiteral("OK"));
  applyEnglishTable(*this, WindowTable::about);
  for (QLabel* label : {programName_, version_, description_, copyright_}) label->setAccessibleName(label->text());
  ok_->setAccessibleName(ok_->text());
}

void TFabout::showAsSplash() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  ok_->hide();
  show();
  repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zeb::shell
