// The e-mail settings window.
#include "transfer/qt/femail.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "platform/qt/book_text.h"
#include "platform/qt/qt_dialog_units.h"
#include "texts/qt/window_texts.h"
#include "transfer/mail_settings.h"
#include "transfer/messages.h"

namespace zeb {
namespace {

// In pixels of the design font.
constexpr int designedMinimumWidth = 420;

}  // namespace

TFemail::TFemail(SettingsStore& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName("Femail");
  setWindowTitle(fromBookText(messages::mailSettingsDesignCaption));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  Label1_ = new QLabel(this);
  Label1_->setObjectName("Label1");
  Esmtp_ = new QLineEdit(this);
  Esmtp_->setObjectName("Esmtp");
  Label1_->setBuddy(Esmtp_);
  Label2_ = new QLabel(this);
  Label2_->setObjectName("Label2");
  Email_ = new QLineEdit(this);
  Email_->setObjectName("Email");
  Label2_->setBuddy(Email_);
  Label3_ = new QLabel(this);
  Label3_->setObjectName("Label3");
  Label3_->setWordWrap(true);
  Button1_ = new QPushButton(this);
  Button1_->setObjectName("Button1");
  Button1_->setDefault(true);
  for (QWidget* control :
       {static_cast<QWidget*>(Label1_), static_cast<QWidget*>(Esmtp_), static_cast<QWidget*>(Label2_),
        static_cast<QWidget*>(Email_), static_cast<QWidget*>(Label3_)})
    layout->addWidget(control);
  layout->addWidget(Button1_, 0, Qt::AlignHCenter);
  connect(Button1_, &QPushButton::clicked, this, [this] { Button1Click(); });

  Label1_->setText(fromBookText(messages::mailSettingsDesignServerLabel));
  Label2_->setText(fromBookText(messages::mailSettingsDesignAddressLabel));
  Label3_->setText(fromBookText(messages::mailSettingsDesignOneTimeNote));
  Button1_->setText(fromBookText(messages::mailSettingsDesignOk));
  applyEnglishTable(*this, WindowTable::email);
  setMinimumWidth(designScaleOf(font()).x(designedMinimumWidth));
}

void TFemail::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFemail::FormShow() {
  const MailSettings values = readMailSettings(settings_);
  Email_->setText(fromBookText(values.sender));
  Esmtp_->setText(fromBookText(values.server));
}

void TFemail::Button1Click() {
  writeMailSettings(settings_, MailSettings{toBookText(Email_->text()), toBookText(Esmtp_->text())});
  accept();
}

void showMailSettings(SettingsStore& settings, QWidget* parent) {
  TFemail window(settings, parent);
  window.exec();
}

std::function<void()> mailSettingsPrompt(SettingsStore& settings, QWidget* parent) {
  return [&settings, guarded = QPointer<QWidget>(parent), hadParent = parent != nullptr] {
    if (hadParent && guarded.isNull()) return;
    showMailSettings(settings, guarded.data());
  };
}

}  // namespace zeb
