// The bookmark window.
#include "shell/qt/bookmarks_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "shell/messages.h"
#include "shell/qt/qt_texts.h"

namespace zeb::shell {

BookmarksDialog::BookmarksDialog(BookmarkList bookmarks, QWidget* parent)
    : QDialog(parent), bookmarks_(std::move(bookmarks)), list_(new QListWidget(this)) {
  setObjectName("BookmarksDialog");
  setWindowTitle(unicodeOf(messages::bookmarksCaption));
  list_->setObjectName("BookmarkList");
  list_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  for (const Bookmark& bookmark : bookmarks_.entries()) {
    auto* item = new QListWidgetItem(QString::fromStdString(bookmark.name), list_);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
  }
  if (list_->count() > 0) list_->setCurrentRow(0);

  auto* buttons = new QDialogButtonBox(this);
  goTo_ = buttons->addButton(unicodeOf(messages::goToBookmark), QDialogButtonBox::AcceptRole);
  rename_ = buttons->addButton(unicodeOf(messages::renameBookmark), QDialogButtonBox::ActionRole);
  delete_ = buttons->addButton(unicodeOf(messages::deleteBookmark), QDialogButtonBox::ActionRole);
  buttons->addButton(unicodeOf(messages::closeWindow), QDialogButtonBox::RejectRole);
  goTo_->setDefault(true);
  connect(goTo_, &QPushButton::clicked, this, [this] {
    if (list_->currentRow() < 0) return;
    chosen_ = static_cast<std::size_t>(list_->currentRow());
    accept();
  });
  connect(list_, &QListWidget::itemActivated, goTo_, &QPushButton::click);
  connect(rename_, &QPushButton::clicked, this, [this] {
    if (QListWidgetItem* item = list_->currentItem()) list_->editItem(item);
  });
  connect(delete_, &QPushButton::clicked, this, &BookmarksDialog::deleteCurrent);
  connect(buttons, &QDialogButtonBox::rejected, this, &BookmarksDialog::reject);
  connect(list_, &QListWidget::itemChanged, this, &BookmarksDialog::renamed);
  connect(list_, &QListWidget::currentRowChanged, this, &BookmarksDialog::updateButtons);
  auto* deleteKey = new QShortcut(QKeySequence(QKeySequence::Delete), list_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(deleteKey, &QShortcut::activated, this, &BookmarksDialog::deleteCurrent);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(new QLabel(unicodeOf(messages::bookmarksHint), this));
  layout->addWidget(buttons);
  updateButtons();
}

void BookmarksDialog::renamed(QListWidgetItem* item) {
  const int row = list_->row(item);
  if (row < 0 || static_cast<std::size_t>(row) >= bookmarks_.entries().size()) return;
  // A name of blanks only keeps the old one; the item shows the name kept.
  bookmarks_.rename(static_cast<std::size_t>(row), item->text().toStdString());
  const QSignalBlocker quiet(list_);
  item->setText(QString::fromStdString(bookmarks_.entries()[static_cast<std::size_t>(row)].name));
}

void BookmarksDialog::deleteCurrent() {
  const int row = list_->currentRow();
  if (row < 0) return;
  bookmarks_.remove(static_cast<std::size_t>(row));
  delete list_->takeItem(row);
  updateButtons();
}

void BookmarksDialog::updateButtons() {
  const bool chosen = list_->currentRow() >= 0;
  goTo_->setEnabled(chosen);
  rename_->setEnabled(chosen);
  delete_->setEnabled(chosen);
}

}  // namespace zeb::shell
