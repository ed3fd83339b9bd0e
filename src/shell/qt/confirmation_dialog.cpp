// The question before a book starts something.
#include "shell/qt/confirmation_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_dialog_units.h"
#include "platform/windows1252.h"
#include "shell/messages.h"
#include "shell/qt/qt_texts.h"

namespace zeb::shell {
namespace {

namespace text = messages::confirmation;

// In pixels of the design font.
constexpr int designedMinimumWidth = 460;

std::string_view questionFor(StartRequest::How how) {
  switch (how) {
    case StartRequest::How::windowsProgram: return text::windowsQuestion;
    case StartRequest::How::program: return text::startQuestion;
    case StartRequest::How::textEditor: return text::textEditorQuestion;
    case StartRequest::How::file:
    case StartRequest::How::address: return text::openQuestion;
  }
  return text::startQuestion;
}

// Texts from books and paths are shown as they are, never as rich text.
QLabel* plainLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

ConfirmationDialog::ConfirmationDialog(const ConfirmationRequest& request, QWidget* parent)
    : QDialog(parent),
      question_(plainLabel("LQuestion", this)),
      program_(plainLabel("LProgram", this)),
      arguments_(plainLabel("LArguments", this)),
      book_(plainLabel("LBook", this)),
      always_(new QCheckBox(this)),
      allow_(new QPushButton(this)),
      refuse_(new QPushButton(this)) {
  setObjectName("FConfirmation");
  setWindowTitle(unicodeOf(text::caption));
  always_->setObjectName("CAlways");
  allow_->setObjectName("BAllow");
  refuse_->setObjectName("BRefuse");

  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  question_->setText(unicodeOf(questionFor(request.start.how)));
  QFont bold = question_->font();
  bold.setBold(true);
  question_->setFont(bold);
  program_->setFont(fixed);
  program_->setText(QString::fromStdString(request.start.target));
  QStringList words;
  for (const std::string& argument : request.start.arguments) words << QString::fromStdString(argument);
  arguments_->setFont(fixed);
  arguments_->setText(unicodeOf(text::arguments) + "\n" +
                      (words.isEmpty() ? unicodeOf(text::noArguments) : words.join("\n")));
  arguments_->setVisible(request.start.how == StartRequest::How::windowsProgram ||
                         request.start.how == StartRequest::How::program);
  book_->setText(unicodeOf(text::book) + " " + QString::fromStdString(request.book));
  auto* warning = plainLabel("LWarning", this);
  warning->setText(unicodeOf(text::warning));
  always_->setText(unicodeOf(text::alwaysAllow));
  allow_->setText(unicodeOf(text::allow));
  refuse_->setText(unicodeOf(text::refuse));
  // Enter refuses: allowing takes a deliberate choice.
  refuse_->setDefault(true);
  refuse_->setFocus();
  connect(allow_, &QPushButton::clicked, this, &QDialog::accept);
  connect(refuse_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(allow_, QDialogButtonBox::AcceptRole);
  buttons->addButton(refuse_, QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question_);
  layout->addWidget(program_);
  layout->addWidget(arguments_);
  layout->addSpacing(6);
  layout->addWidget(book_);
  layout->addWidget(warning);
  layout->addWidget(always_);
  layout->addWidget(buttons);
  setMinimumWidth(designScaleOf(font()).x(designedMinimumWidth));
}

Consent ConfirmationDialog::consent() const {
  if (result() != QDialog::Accepted) return Consent::refused;
  return always_->isChecked() ? Consent::always : Consent::once;
}

Consent QtConfirmation::confirm(const ConfirmationRequest& request) {
  ConfirmationDialog dialog(request, parent_);
  dialog.exec();
  return dialog.consent();
}

bool confirmFormAddress(QWidget* parent, SettingsStore& settings, const std::string& bookPath,
                        const std::string& address) {
  StartRequest start;
  start.how = StartRequest::How::address;
  start.target = windows1252ToUtf8(address);
  if (!asksBeforeStarting(settings, bookPath, start)) return true;
  const Consent consent = QtConfirmation(parent).confirm({bookPath, start});
  if (consent == Consent::always) allowAlways(settings, bookPath);
  return consent != Consent::refused;
}

}  // namespace zeb::shell
