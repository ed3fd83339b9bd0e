// The library window (File > Library...): the folders of books (add, remove, rescan), the
// books as a grid of covers or a list (title, author, pages, path), sorted and filtered as
// the user types, and a search over every book whose results stream in; activating a result
// asks for its book to be opened at its page. Indexing and searching run on threads of their
// own, each with its connection to the index: the window never waits on either.
#pragma once

#include <QHash>
#include <QImage>
#include <QModelIndex>
#include <QString>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "library/library_index.h"
#include "platform/platform_services.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QStackedWidget;
class QStandardItemModel;
class QTimer;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace zeb::shell {

class LibraryWorker;

class LibraryWindow final : public QWidget {
  Q_OBJECT

 public:
  // Opens the index at the path (checked on the indexing thread) and rescans the folders the
  // settings list. Covers are drawn on this thread, a book at a time between events, with
  // the services' measurer.
  LibraryWindow(const PlatformServices& services, std::filesystem::path indexPath, QWidget* parent = nullptr);
  ~LibraryWindow() override;

  // What the folder buttons do once a folder is chosen.
  void addFolder(const QString& folder);
  void removeFolder(const QString& folder);
  void rescan();
  // Starts the search at once (typing starts it after a pause).
  void search(const QString& text);
  // Whether indexing, a search or cover drawing is under way.
  bool busy() const;

 signals:
  // A result was activated: its book at the page, the word to highlight there (UTF-8 as the
  // snippet shows it); page -1 for a book chosen in the grid or list.
  void openRequested(const QString& path, int page, const QString& word);

 private:
  void buildControls();
  void opened(const QString& problem, bool rebuilt);
  void scanFoldersLater(std::vector<std::string> folders);
  void showBooks(const std::vector<library::BookRecord>& books, const QHash<qint64, QImage>& covers);
  void showProgress(int done, int total, const QString& path);
  void drawNextCover();
  void addHit(int generation, const library::SearchHit& hit);
  void searchEnded(int generation, library::SearchEnd end, int hits);
  void activateHit(QTreeWidgetItem* item);
  void activateBook(const QModelIndex& index);
  void showBooksAs(int layout);
  void refreshFolders();

  PlatformServices services_;
  std::filesystem::path indexPath_;
  std::unique_ptr<LibraryWorker> indexer_;
  std::unique_ptr<LibraryWorker> searcher_;
  std::atomic<int> generation_{0};
  bool openFailed_ = false;
  bool searching_ = false;
  int scansRunning_ = 0;
  QString searchAfterOpening_;
  std::vector<library::BookRecord> coversToDraw_;

  QListWidget* folders_ = nullptr;
  QPushButton* addFolderButton_ = nullptr;
  QPushButton* removeFolderButton_ = nullptr;
  QPushButton* rescanButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QComboBox* layoutChoice_ = nullptr;
  QComboBox* sortChoice_ = nullptr;
  QStandardItemModel* books_ = nullptr;
  QSortFilterProxyModel* shownBooks_ = nullptr;
  QStackedWidget* bookViews_ = nullptr;
  QListView* covers_ = nullptr;
  QTreeView* list_ = nullptr;
  QLineEdit* searchField_ = nullptr;
  QTimer* searchPause_ = nullptr;
  QTreeWidget* results_ = nullptr;
  QLabel* searchStatus_ = nullptr;
  QTimer* coverTimer_ = nullptr;
};

}  // namespace zeb::shell
