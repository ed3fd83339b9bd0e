// Ebook > Bookmarks > Organize bookmarks: the bookmarks of the open book, to go to, rename
// (in place: double-click or F2) or delete.
#pragma once

#include <QDialog>
#include <cstddef>
#include <optional>
#include <vector>

#include "shell/bookmarks.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zeb::shell {

class BookmarksDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit BookmarksDialog(BookmarkList bookmarks, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  // The bookmarks as the user left them.
  const BookmarkList& bookmarks() const { return bookmarks_; }
  // The bookmark to go to, when "Go to" ended the dialog (an index in bookmarks()).
  std::optional<std::size_t> chosen() const { return chosen_; }

 private:
  void renamed(QListWidgetItem* item);
  void deleteCurrent();
  void updateButtons();

  BookmarkList bookmarks_;
  QListWidget* list_;
  QPushButton* goTo_;
  QPushButton* rename_;
  QPushButton* delete_;
  std::optional<std::size_t> chosen_;
};

}  // namespace zeb::shell
