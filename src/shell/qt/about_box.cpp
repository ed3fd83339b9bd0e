// The about box.
#include "shell/qt/about_box.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/windows1252.h"
#include "shell/messages.h"

namespace zeb::shell {
namespace {

QString unicodeOf(std::string_view windows1252) { return QString::fromStdString(windows1252ToUtf8(windows1252)); }

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

void TFabout::applyTexts() {
  setWindowTitle(unicodeOf(messages::about::caption));
  programName_->setText(unicodeOf(messages::about::programName));
  version_->setText(unicodeOf(messages::about::versionPrefix) + QStringLiteral(BRIGHTFOLD_VERSION));
  description_->setText(unicodeOf(messages::about::description));
  copyright_->setText(unicodeOf(messages::about::copyright));
  ok_->setText(unicodeOf(messages::about::ok));
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
