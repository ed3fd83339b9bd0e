// The library window: its controls, the jobs it gives its two threads, and what it does with
// their answers (posted back to the window's thread).
#include "shell/qt/library_window.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "document/container.h"
#include "library/library_folders.h"
#include "library/library_scanner.h"
#include "library/messages.h"
#include "library/sqlite_database.h"
#include "platform/headless/recording_message_boxes.h"
#include "platform/settings_store.h"
#include "shell/qt/library_worker.h"
#include "shell/qt/qt_texts.h"
#include "view/qt/cover_picture.h"

namespace zeb::shell {
namespace {

namespace texts = library::messages;

// Covers are drawn from pages of the reader's default size, this many pixels on their longer
// side; the grid shows them at that size.
constexpr int coverSide = 160;
constexpr QSize coverPageSize(800, 600);
// Results a search shows at most.
constexpr int resultLimit = 200;
// The pause after the last key before a search starts.
constexpr int searchPauseMilliseconds = 200;
// The snippet's marks around matched words: bytes no page text holds.
constexpr char openMark = '\x01';
constexpr char closeMark = '\x02';

enum BookRole { pathRole = Qt::UserRole + 1, idRole };
enum HitRole { hitPathRole = Qt::UserRole + 1, hitPageRole, hitWordRole, snippetHtmlRole };
enum BookColumn { titleColumn, authorColumn, pagesColumn, pathColumn, bookColumns };
enum HitColumn { bookColumn, pageColumn, snippetColumn };

QString utf8(const std::string& text) { return QString::fromStdString(text); }

// The snippet as HTML, the matched words in bold, and the first of them.
QString snippetHtml(const std::string& snippet, QString* firstWord) {
  QString html;
  QString word;
  bool inWord = false;
  bool firstDone = false;
  std::string run;
  auto flush = [&] {
    const QString text = utf8(run);
    html += text.toHtmlEscaped();
    if (inWord && !firstDone) word += text;
    run.clear();
  };
  for (const char c : snippet) {
    if (c == openMark) {
      flush();
      html += "<b style=\"background-color:#ffe97a\">";
      inWord = true;
    } else if (c == closeMark) {
      flush();
      html += "</b>";
      inWord = false;
      if (!word.isEmpty()) firstDone = true;
    } else {
      run += c;
    }
  }
  flush();
  if (firstWord != nullptr) *firstWord = word;
  return html;
}

// Draws a result's snippet as the rich text it holds.
class SnippetDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QString html = index.data(snippetHtmlRole).toString();
    if (html.isEmpty()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
    QTextDocument document;
    document.setDefaultFont(option.font);
    document.setDocumentMargin(1);
    document.setHtml(html);
    painter->save();
    painter->translate(option.rect.topLeft());
    painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = option.palette;
    if (option.state & QStyle::State_Selected)
      context.palette.setColor(QPalette::Text, option.palette.color(QPalette::HighlightedText));
    document.documentLayout()->draw(painter, context);
    painter->restore();
  }
};

}  // namespace

LibraryWindow::LibraryWindow(const PlatformServices& services, std::filesystem::path indexPath, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), indexPath_(std::move(indexPath)) {
  setObjectName("LibraryWindow");
  setWindowTitle(unicodeOf(texts::windowCaption));
  buildControls();
  refreshFolders();
  indexer_ = std::make_unique<LibraryWorker>(
      indexPath_, LibraryWorker::Opening::checked, [this](const std::string& problem, bool rebuilt) {
        QMetaObject::invokeMethod(
            this, [this, problem = utf8(problem), rebuilt] { opened(problem, rebuilt); }, Qt::QueuedConnection);
      });
  scanFoldersLater(library::libraryFolders(*services_.settings));
  resize(900, 680);
}

LibraryWindow::~LibraryWindow() {
  // The threads stop before anything they post to goes.
  searcher_.reset();
  indexer_.reset();
}

void LibraryWindow::buildControls() {
  // Folders.
  auto* folderBox = new QGroupBox(unicodeOf(texts::foldersTitle), this);
  folders_ = new QListWidget(folderBox);
  folders_->setObjectName("LibraryFolders");
  addFolderButton_ = new QPushButton(unicodeOf(texts::addFolder), folderBox);
  addFolderButton_->setObjectName("LibraryAddFolder");
  removeFolderButton_ = new QPushButton(unicodeOf(texts::removeFolder), folderBox);
  removeFolderButton_->setObjectName("LibraryRemoveFolder");
  rescanButton_ = new QPushButton(unicodeOf(texts::rescan), folderBox);
  rescanButton_->setObjectName("LibraryRescan");
  progress_ = new QProgressBar(folderBox);
  progress_->setObjectName("LibraryProgress");
  progress_->setTextVisible(true);
  // Shown only while a scan runs: an empty bar would read as a scan that stands still.
  progress_->setVisible(false);
  status_ = new QLabel(folderBox);
  status_->setObjectName("LibraryStatus");
  status_->setWordWrap(true);
  auto* folderLayout = new QVBoxLayout(folderBox);
  folderLayout->addWidget(folders_, 1);
  folderLayout->addWidget(addFolderButton_);
  folderLayout->addWidget(removeFolderButton_);
  folderLayout->addWidget(rescanButton_);
  folderLayout->addWidget(progress_);
  folderLayout->addWidget(status_);
  connect(addFolderButton_, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(this, unicodeOf(texts::chooseFolder));
    if (!folder.isEmpty()) addFolder(folder);
  });
  connect(removeFolderButton_, &QPushButton::clicked, this, [this] {
    if (QListWidgetItem* item = folders_->currentItem()) removeFolder(item->text());
  });
  connect(rescanButton_, &QPushButton::clicked, this, &LibraryWindow::rescan);

  // Books.
  auto* bookBox = new QGroupBox(unicodeOf(texts::booksTitle), this);
  filter_ = new QLineEdit(bookBox);
  filter_->setObjectName("LibraryFilter");
  filter_->setPlaceholderText(unicodeOf(texts::filterHint));
  filter_->setClearButtonEnabled(true);
  layoutChoice_ = new QComboBox(bookBox);
  layoutChoice_->setObjectName("LibraryLayout");
  layoutChoice_->addItems({unicodeOf(texts::showCovers), unicodeOf(texts::showList)});
  sortChoice_ = new QComboBox(bookBox);
  sortChoice_->setObjectName("LibrarySort");
  const QStringList columns = {unicodeOf(texts::columnTitle), unicodeOf(texts::columnAuthor),
                               unicodeOf(texts::columnPages), unicodeOf(texts::columnPath)};
  sortChoice_->addItems(columns);
  books_ = new QStandardItemModel(0, bookColumns, this);
  books_->setHorizontalHeaderLabels(columns);
  shownBooks_ = new QSortFilterProxyModel(this);
  shownBooks_->setSourceModel(books_);
  shownBooks_->setFilterKeyColumn(-1);
  shownBooks_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  shownBooks_->setSortCaseSensitivity(Qt::CaseInsensitive);
  shownBooks_->sort(titleColumn);
  covers_ = new QListView(bookBox);
  covers_->setObjectName("LibraryCovers");
  covers_->setViewMode(QListView::IconMode);
  covers_->setIconSize(QSize(coverSide, coverSide * 3 / 4));
  covers_->setGridSize(QSize(coverSide + 24, coverSide * 3 / 4 + 44));
  covers_->setResizeMode(QListView::Adjust);
  covers_->setMovement(QListView::Static);
  covers_->setWordWrap(true);
  covers_->setUniformItemSizes(true);
  covers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  covers_->setModel(shownBooks_);
  list_ = new QTreeView(bookBox);
  list_->setObjectName("LibraryList");
  list_->setRootIsDecorated(false);
  list_->setSortingEnabled(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setModel(shownBooks_);
  list_->sortByColumn(titleColumn, Qt::AscendingOrder);
  list_->setIconSize(QSize(32, 24));
  bookViews_ = new QStackedWidget(bookBox);
  bookViews_->addWidget(covers_);
  bookViews_->addWidget(list_);
  auto* bookBar = new QHBoxLayout;
  bookBar->addWidget(filter_, 1);
  bookBar->addWidget(new QLabel(unicodeOf(texts::sortBy), bookBox));
  bookBar->addWidget(sortChoice_);
  bookBar->addWidget(layoutChoice_);
  auto* bookLayout = new QVBoxLayout(bookBox);
  bookLayout->addLayout(bookBar);
  bookLayout->addWidget(bookViews_, 1);
  connect(filter_, &QLineEdit::textChanged, shownBooks_, &QSortFilterProxyModel::setFilterFixedString);
  connect(layoutChoice_, &QComboBox::currentIndexChanged, this, &LibraryWindow::showBooksAs);
  connect(sortChoice_, &QComboBox::currentIndexChanged, this,
          [this](int column) { list_->sortByColumn(column, Qt::AscendingOrder); });
  connect(list_->header(), &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder) {
    const QSignalBlocker quiet(sortChoice_);
    sortChoice_->setCurrentIndex(column);
  });
  connect(covers_, &QListView::activated, this, &LibraryWindow::activateBook);
  connect(list_, &QTreeView::activated, this, &LibraryWindow::activateBook);

  // Search.
  auto* searchBox = new QGroupBox(unicodeOf(texts::searchTitle), this);
  searchField_ = new QLineEdit(searchBox);
  searchField_->setObjectName("LibrarySearch");
  searchField_->setPlaceholderText(unicodeOf(texts::searchHint));
  searchField_->setClearButtonEnabled(true);
  searchStatus_ = new QLabel(searchBox);
  searchStatus_->setObjectName("LibrarySearchStatus");
  results_ = new QTreeWidget(searchBox);
  results_->setObjectName("LibraryResults");
  results_->setRootIsDecorated(false);
  results_->setHeaderLabels(
      {unicodeOf(texts::columnBook), unicodeOf(texts::columnPage), unicodeOf(texts::columnSnippet)});
  results_->setItemDelegateForColumn(snippetColumn, new SnippetDelegate(results_));
  results_->header()->setStretchLastSection(true);
  results_->setColumnWidth(bookColumn, 160);
  results_->setColumnWidth(pageColumn, 160);
  auto* searchBar = new QHBoxLayout;
  searchBar->addWidget(searchField_, 1);
  searchBar->addWidget(searchStatus_);
  auto* searchLayout = new QVBoxLayout(searchBox);
  searchLayout->addLayout(searchBar);
  searchLayout->addWidget(results_, 1);
  searchPause_ = new QTimer(this);
  searchPause_->setSingleShot(true);
  searchPause_->setInterval(searchPauseMilliseconds);
  connect(searchField_, &QLineEdit::textChanged, searchPause_, qOverload<>(&QTimer::start));
  connect(searchPause_, &QTimer::timeout, this, [this] { search(searchField_->text()); });
  connect(searchField_, &QLineEdit::returnPressed, this, [this] {
    searchPause_->stop();
    search(searchField_->text());
  });
  connect(results_, &QTreeWidget::itemActivated, this, &LibraryWindow::activateHit);

  coverTimer_ = new QTimer(this);
  coverTimer_->setInterval(0);
  connect(coverTimer_, &QTimer::timeout, this, &LibraryWindow::drawNextCover);

  auto* top = new QSplitter(Qt::Horizontal, this);
  top->addWidget(folderBox);
  top->addWidget(bookBox);
  top->setStretchFactor(1, 1);
  top->setSizes({220, 680});
  auto* whole = new QSplitter(Qt::Vertical, this);
  whole->addWidget(top);
  whole->addWidget(searchBox);
  whole->setSizes({380, 300});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(whole);
}

void LibraryWindow::refreshFolders() {
  folders_->clear();
  for (const std::string& folder : library::libraryFolders(*services_.settings)) folders_->addItem(utf8(folder));
  if (folders_->count() > 0) folders_->setCurrentRow(0);
  removeFolderButton_->setEnabled(folders_->count() > 0);
}

void LibraryWindow::showBooksAs(int layout) { bookViews_->setCurrentIndex(layout); }

void LibraryWindow::addFolder(const QString& folder) {
  library::addLibraryFolder(*services_.settings, folder.toStdString());
  refreshFolders();
  scanFoldersLater({library::normalFolder(folder.toStdString())});
}

void LibraryWindow::removeFolder(const QString& folder) {
  library::removeLibraryFolder(*services_.settings, folder.toStdString());
  refreshFolders();
  scanFoldersLater({});
}

void LibraryWindow::rescan() { scanFoldersLater(library::libraryFolders(*services_.settings)); }

void LibraryWindow::scanFoldersLater(std::vector<std::string> folders) {
  ++scansRunning_;
  rescanButton_->setEnabled(false);
  progress_->setRange(0, 0);
  progress_->setVisible(true);
  std::vector<std::string> all = library::libraryFolders(*services_.settings);
  indexer_->add(
      [this, folders = std::move(folders), all = std::move(all)](library::LibraryIndex& index, std::stop_token stop) {
        library::ScanObserver observer;
        observer.onProgress = [this](const library::ScanProgress& progress) {
          QMetaObject::invokeMethod(
              this,
              [this, done = int(progress.done), total = int(progress.total), path = utf8(progress.path)] {
                showProgress(done, total, path);
              },
              Qt::QueuedConnection);
        };
        library::ScanCounts counts;
        try {
          counts = library::scanFolders(index, folders, all, observer, stop);
        } catch (const library::DatabaseError&) {
          // What was stored before the failure stays; the list below shows it.
        }
        std::vector<library::BookRecord> books = index.books();
        QHash<qint64, QImage> covers;
        for (const library::BookRecord& book : books) {
          if (book.cover != library::CoverState::stored) continue;
          const std::vector<std::uint8_t> png = index.coverOf(book.id);
          covers.insert(book.id, QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG"));
        }
        QMetaObject::invokeMethod(
            this,
            [this, books = std::move(books), covers = std::move(covers), counts] {
              --scansRunning_;
              rescanButton_->setEnabled(scansRunning_ == 0);
              progress_->setVisible(scansRunning_ != 0);
              status_->setText(unicodeOf(texts::scanDone) + QString("%1 added, %2 updated, %3 unchanged, %4 failed")
                                                                .arg(counts.added)
                                                                .arg(counts.updated)
                                                                .arg(counts.unchanged)
                                                                .arg(counts.failed));
              showBooks(books, covers);
            },
            Qt::QueuedConnection);
      });
}

void LibraryWindow::opened(const QString& problem, bool rebuilt) {
  if (!problem.isEmpty()) {
    status_->setText(unicodeOf(texts::indexFailed) + problem);
    scansRunning_ = 0;
    progress_->setVisible(false);
    openFailed_ = true;
    return;
  }
  if (rebuilt) status_->setText(unicodeOf(texts::indexRebuilt));
  searcher_ = std::make_unique<LibraryWorker>(indexPath_, LibraryWorker::Opening::trusted, nullptr);
  // The first search is then as quick as the others; a search typed meanwhile replaces this.
  searcher_->add([](library::LibraryIndex& index, std::stop_token) { index.prepareSearch(); });
  if (!searchAfterOpening_.isEmpty()) search(std::exchange(searchAfterOpening_, QString()));
}

void LibraryWindow::showProgress(int done, int total, const QString& path) {
  progress_->setMaximum(std::max(total, 1));
  progress_->setValue(done);
  status_->setText(unicodeOf(texts::scanning) + path);
}

void LibraryWindow::showBooks(const std::vector<library::BookRecord>& books, const QHash<qint64, QImage>& covers) {
  books_->removeRows(0, books_->rowCount());
  coversToDraw_.clear();
  QPixmap blank(coverSide, coverSide * 3 / 4);
  blank.fill(palette().color(QPalette::Button));
  for (const library::BookRecord& book : books) {
    QList<QStandardItem*> row;
    auto* title = new QStandardItem(book.damaged ? unicodeOf(texts::damagedBook) + utf8(book.title) : utf8(book.title));
    title->setData(utf8(book.path), pathRole);
    title->setData(qint64(book.id), idRole);
    title->setToolTip(book.damaged ? utf8(book.message) : utf8(book.summary));
    const auto cover = covers.find(book.id);
    title->setIcon(cover != covers.end() && !cover->isNull() ? QIcon(QPixmap::fromImage(*cover)) : QIcon(blank));
    auto* pages = new QStandardItem;
    pages->setData(book.pageCount, Qt::DisplayRole);
    row << title << new QStandardItem(utf8(book.author)) << pages << new QStandardItem(utf8(book.path));
    books_->appendRow(row);
    if (book.cover == library::CoverState::missing && !book.damaged) coversToDraw_.push_back(book);
  }
  list_->resizeColumnToContents(titleColumn);
  if (!coversToDraw_.empty()) coverTimer_->start();
}

// One cover per turn of the event loop: the book is read and its cover page drawn here, where
// Qt may draw; the picture is stored by the indexing thread.
void LibraryWindow::drawNextCover() {
  if (coversToDraw_.empty()) {
    coverTimer_->stop();
    return;
  }
  const library::BookRecord book = coversToDraw_.front();
  coversToDraw_.erase(coversToDraw_.begin());
  RecordingMessageBoxes quiet;
  PlatformServices services = services_;
  services.messages = &quiet;
  QImage cover;
  {
    TZEBset set(services);
    if (set.Load(book.path)) cover = drawCover(set, coverPageSize, coverSide);
  }
  std::vector<std::uint8_t> png;
  if (!cover.isNull()) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    cover.save(&buffer, "PNG");
    png.assign(bytes.begin(), bytes.end());
    for (int row = 0; row < books_->rowCount(); ++row)
      if (books_->item(row, titleColumn)->data(idRole).toLongLong() == book.id)
        books_->item(row, titleColumn)->setIcon(QIcon(QPixmap::fromImage(cover)));
  }
  indexer_->add([id = book.id, png = std::move(png)](library::LibraryIndex& index, std::stop_token) {
    index.storeCover(id, png);
  });
  if (coversToDraw_.empty()) coverTimer_->stop();
}

void LibraryWindow::search(const QString& text) {
  const int generation = ++generation_;
  results_->clear();
  if (!searcher_) {
    searchAfterOpening_ = text;
    return;
  }
  searching_ = true;
  searchStatus_->clear();
  searcher_->replaceAll([this, generation, text = text.toStdString()](library::LibraryIndex& index, std::stop_token) {
    int hits = 0;
    library::SearchEnd end = library::SearchEnd::stopped;
    try {
      end = index.search({text, resultLimit, std::string(1, openMark), std::string(1, closeMark)},
                         [&](const library::SearchHit& hit) {
                           if (generation_ != generation) return false;
                           ++hits;
                           QMetaObject::invokeMethod(
                               this, [this, generation, hit] { addHit(generation, hit); }, Qt::QueuedConnection);
                           return true;
                         });
    } catch (const library::DatabaseError&) {
      end = library::SearchEnd::stopped;
    }
    QMetaObject::invokeMethod(
        this, [this, generation, end, hits] { searchEnded(generation, end, hits); }, Qt::QueuedConnection);
  });
}

void LibraryWindow::addHit(int generation, const library::SearchHit& hit) {
  if (generation != generation_) return;
  auto* item = new QTreeWidgetItem(results_);
  QString word;
  const QString html = snippetHtml(hit.snippet, &word);
  item->setText(bookColumn, utf8(hit.bookTitle));
  item->setText(pageColumn, QString("%1 (%2)").arg(utf8(hit.pageTitle)).arg(hit.page));
  item->setData(snippetColumn, snippetHtmlRole, html);
  item->setToolTip(snippetColumn, QTextDocumentFragment::fromHtml(html).toPlainText());
  item->setData(bookColumn, hitPathRole, utf8(hit.bookPath));
  item->setData(bookColumn, hitPageRole, hit.page);
  item->setData(bookColumn, hitWordRole, word);
}

void LibraryWindow::searchEnded(int generation, library::SearchEnd end, int hits) {
  if (generation != generation_) return;
  searching_ = false;
  if (end == library::SearchEnd::nothingToSearch)
    searchStatus_->setText(unicodeOf(texts::nothingToSearch));
  else if (hits == 0)
    searchStatus_->setText(unicodeOf(texts::noHits));
  else
    searchStatus_->setText(QString::number(hits) + unicodeOf(texts::hitsFound));
}

void LibraryWindow::activateHit(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  emit openRequested(item->data(bookColumn, hitPathRole).toString(), item->data(bookColumn, hitPageRole).toInt(),
                     item->data(bookColumn, hitWordRole).toString());
}

void LibraryWindow::activateBook(const QModelIndex& index) {
  const QModelIndex title = index.siblingAtColumn(titleColumn);
  emit openRequested(title.data(pathRole).toString(), -1, QString());
}

bool LibraryWindow::busy() const {
  if (openFailed_) return false;
  return scansRunning_ > 0 || searching_ || !coversToDraw_.empty() || (indexer_ && indexer_->busy()) ||
         (searcher_ && searcher_->busy());
}

}  // namespace zeb::shell
