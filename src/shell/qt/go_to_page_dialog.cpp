// The Go to page dialog.
#include "shell/qt/go_to_page_dialog.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "shell/messages.h"
#include "shell/qt/qt_texts.h"

namespace zeb::shell {

GoToPageDialog::GoToPageDialog(std::vector<PageTitle> pages, QWidget* parent)
    : QDialog(parent), pages_(std::move(pages)), entry_(new QLineEdit(this)), note_(new QLabel(this)) {
  setObjectName("GoToPageDialog");
  setWindowTitle(unicodeOf(messages::goToPageCaption));
  auto* prompt = new QLabel(unicodeOf(messages::goToPagePrompt), this);
  prompt->setBuddy(entry_);
  entry_->setObjectName("PageEntry");
  QStringList titles;
  for (const PageTitle& page : pages_)
    if (!page.title.empty() && !titles.contains(QString::fromStdString(page.title)))
      titles << QString::fromStdString(page.title);
  auto* completer = new QCompleter(titles, entry_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  entry_->setCompleter(completer);
  // A title chosen among those offered is where to go.
  connect(completer, qOverload<const QString&>(&QCompleter::activated), this, [this](const QString& title) {
    entry_->setText(title);
    accept();
  });
  note_->setObjectName("PageNote");
  note_->hide();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &GoToPageDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &GoToPageDialog::reject);
  connect(entry_, &QLineEdit::textEdited, note_, &QWidget::hide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(entry_);
  layout->addWidget(note_);
  layout->addWidget(buttons);
  entry_->setMinimumWidth(entry_->fontMetrics().averageCharWidth() * 40);
}

void GoToPageDialog::accept() {
  chosen_ = pageNamedBy(pages_, entry_->text().toStdString());
  if (!chosen_) {
    note_->setText(unicodeOf(messages::noSuchPage));
    note_->show();
    entry_->selectAll();
    entry_->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace zeb::shell
