// The reader's main window until the frame set is assembled into it.
#include "app/brightfold/placeholder_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <filesystem>

#include "document/book_header.h"
#include "document/book_object.h"
#include "platform/qt/qt_window_placement.h"
#include "platform/windows1252.h"
#include "shell/browsing_history.h"
#include "shell/messages.h"
#include "shell/qt/about_box.h"
#include "shell/qt/window_changes.h"
#include "shell/settings_keys.h"

namespace zeb {
namespace {

constexpr std::string_view windowName = "MainForm";
constexpr int splashMilliseconds = 1000;

QString unicodeOf(std::string_view windows1252) { return QString::fromStdString(windows1252ToUtf8(windows1252)); }

QAction* namedAction(QObject* parent, const char* name, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setObjectName(name);
  return action;
}

}  // namespace

PlaceholderWindow::PlaceholderWindow(const PlatformServices& services, std::vector<std::string> arguments)
    : services_(services),
      arguments_(std::move(arguments)),
      quitAfterFirstPaint_(!qEnvironmentVariableIsEmpty("BRIGHTFOLD_QUIT_AFTER_FIRST_PAINT")),
      reportPages_(!qEnvironmentVariableIsEmpty("BRIGHTFOLD_REPORT_PAGES")) {
  setObjectName("MainForm");
  setWindowTitle(unicodeOf(shell::messages::loadingCaption));
  setAcceptDrops(true);
  setMinimumSize(100, 100);
  resize(800, 600);

  editor_ = new QLabel(this);
  editor_->setObjectName("Editor");
  editor_->setAccessibleName("Editor");
  editor_->setAlignment(Qt::AlignCenter);
  editor_->installEventFilter(this);
  setCentralWidget(editor_);
  buildMenus();
  buildToolbar();
  buildStatusBar();

  shell_ = std::make_unique<shell::ReaderShell>(services_, *this);
  restorePlacement(*this, *services_.settings, shell::settings::formsKey, windowName);
}

PlaceholderWindow::~PlaceholderWindow() {
  savePlacement(*this, *services_.settings, shell::settings::formsKey, windowName);
  shell_->saveSettings();
}

void PlaceholderWindow::buildMenus() {
  fileMenu_ = menuBar()->addMenu("&File");
  fileMenu_->setObjectName("FileMenu");
  QAction* open = namedAction(this, "FileOpen", "&Open...");
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12));
  connect(open, &QAction::triggered, this, &PlaceholderWindow::openWithDialog);
  fileMenu_->addAction(open);
  QAction* exit = namedAction(this, "FileExit", "&Exit");
  exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
  connect(exit, &QAction::triggered, this, &QWidget::close);
  fileMenu_->addAction(exit);
  recentSeparator_ = fileMenu_->addSeparator();
  recentSeparator_->setObjectName("Nrecent");

  copyMenu_ = menuBar()->addMenu("C&opy");
  copyMenu_->setObjectName("EditMenu");
  copyMenu_->setEnabled(false);

  QMenu* ebook = menuBar()->addMenu("&Ebook");
  ebook->setObjectName("Ipertesto1");
  QAction* cover = namedAction(this, "Copertina1", "&Cover");
  connect(cover, &QAction::triggered, this, &PlaceholderWindow::showCover);
  previous_ = namedAction(this, "Paginaprecedente1", "P&revious page");
  connect(previous_, &QAction::triggered, this, [this] { shell_->previousClicked(); });
  next_ = namedAction(this, "Paginasuccessiva1", "&Next page");
  connect(next_, &QAction::triggered, this, [this] { shell_->nextClicked(); });
  ebook->addActions({cover, previous_, next_});
  previous_->setEnabled(false);
  next_->setEnabled(false);

  QMenu* help = menuBar()->addMenu("&?");
  help->setObjectName("HelpMenu");
  QAction* info = namedAction(this, "Info1", "&Info...");
  connect(info, &QAction::triggered, this, [this] { shell::TFabout(this).exec(); });
  help->addAction(info);
}

void PlaceholderWindow::buildToolbar() {
  QToolBar* main = addToolBar("Main");
  main->setObjectName("ToolbarFile");
  main->addAction(previous_);
  main->addAction(next_);
  QToolBar* browsed = addToolBar("Browsed pages");
  browsed->setObjectName("ToolbarHistory");
  historyCombo_ = new QComboBox(browsed);
  historyCombo_->setObjectName("HistoryCombo");
  historyCombo_->setToolTip("URL");
  historyCombo_->setAccessibleName("URL");
  historyCombo_->setFixedWidth(283);
  connect(historyCombo_, &QComboBox::activated, this, [this](int index) { shell_->historyChosen(index); });
  browsed->addWidget(historyCombo_);
}

void PlaceholderWindow::buildStatusBar() {
  statusBar()->setObjectName("StatusBar");
  for (const int width : {75, 250, 50}) {
    auto* panel = new QLabel(statusBar());
    panel->setMinimumWidth(width);
    statusBar()->addPermanentWidget(panel);
    statusPanels_.push_back(panel);
  }
  statusPanels_[1]->setAlignment(Qt::AlignCenter);
}

void PlaceholderWindow::openWithDialog() {
  const QString folder =
      QString::fromStdString(std::filesystem::path(shell_->mainZEBset().ZEBFileName()).parent_path().string());
  const QString file = QFileDialog::getOpenFileName(this, QString(), folder, "Quorvant ZEB ebook (*.zeb)");
  if (!file.isEmpty()) shell_->OpenEbook(file.toStdString());
}

void PlaceholderWindow::showPage(std::int32_t page) {
  page_ = page;
  const TZEBoggetto* object = page >= 0 ? shell_->mainZEBset().objectByKindAndIndex(0, page) : nullptr;
  const QString name = object != nullptr ? unicodeOf(object->Name()) : QString();
  editor_->setText(page < 0 ? QString() : QString("Page %1\n%2").arg(page).arg(name));
  editor_->setAccessibleDescription(editor_->text());
  if (reportPages_) {
    std::printf("page: %s|%d\n", shell_->mainZEBset().ZEBFileName().c_str(), page);
    std::fflush(stdout);
  }
  shell_->EditorPageChanged();
}

void PlaceholderWindow::clearView() {
  editor_->clear();
  page_ = -1;
}

void PlaceholderWindow::showCover() { showPage(std::max(shell_->mainZEBset().header().i32(header::coverPage), 0)); }

// As the frame set, the page shown already is not shown again.
void PlaceholderWindow::setMainPageNumber(std::int32_t page) {
  if (page != page_) showPage(page);
}

void PlaceholderWindow::focusCurrentBox() { editor_->setFocus(); }

void PlaceholderWindow::setCaption(const std::string& captionUtf8) {
  setWindowTitle(QString::fromStdString(captionUtf8));
}

void PlaceholderWindow::enableBookCommands() { copyMenu_->setEnabled(true); }

void PlaceholderWindow::resetReaderUI() {
  statusPanels_[0]->clear();
  statusPanels_[1]->setMinimumWidth(30);
  statusPanels_[2]->setText(unicodeOf(shell::messages::statusLine));
}

QAction* PlaceholderWindow::recentAction(const std::string& path) const {
  for (QAction* action : fileMenu_->actions())
    if (action->data().toString().toStdString() == path) return action;
  return nullptr;
}

void PlaceholderWindow::recentFilesChanged(const std::vector<shell::RecentMenuChange>& changes, bool separatorVisible) {
  for (const shell::RecentMenuChange& change : changes) {
    QAction* action = recentAction(change.path);
    if (change.kind == shell::RecentMenuChange::Kind::remove) {
      delete action;
    } else if (change.kind == shell::RecentMenuChange::Kind::moveToEnd && action != nullptr) {
      fileMenu_->removeAction(action);
      fileMenu_->addAction(action);
    } else if (change.kind == shell::RecentMenuChange::Kind::append) {
      QString caption = QString::fromStdString(change.path);
      auto* item = new QAction(caption.replace('&', "&&"), fileMenu_);
      item->setData(QString::fromStdString(change.path));
      connect(item, &QAction::triggered, this,
              [this, item] { shell_->OpenEbook(item->data().toString().toStdString()); });
      fileMenu_->addAction(item);
    }
  }
  recentSeparator_->setVisible(separatorVisible);
}

void PlaceholderWindow::historyChanged(const shell::BrowsingHistory& history) {
  historyCombo_->clear();
  for (const std::string& entry : history.entries()) historyCombo_->addItem(unicodeOf(entry));
  historyCombo_->setCurrentIndex(history.ItemIndex());
  previous_->setEnabled(history.previousEnabled());
  next_->setEnabled(history.nextEnabled());
}

void PlaceholderWindow::applyWindowChanges(const std::vector<shell::WindowChange>& changes) {
  shell::applyWindowChanges(*this, changes);
}

void PlaceholderWindow::moveOffScreen() { shell::moveOffScreen(*this); }

void PlaceholderWindow::closeSplash() {
  if (splash_) splash_->close();
}

void PlaceholderWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shell_->windowHasBeenShown() || shell_->switchPending()) return;
  shell_->windowShown(arguments_);
  if (splash_) QTimer::singleShot(splashMilliseconds, splash_, &QWidget::close);
}

void PlaceholderWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (shell_->keepsMaximised() && !isMaximized()) QTimer::singleShot(0, this, &QWidget::showMaximized);
}

void PlaceholderWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void PlaceholderWindow::dropEvent(QDropEvent* event) {
  std::vector<std::filesystem::path> files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files.emplace_back(url.toLocalFile().toStdString());
  event->acceptProposedAction();
  shell_->filesDropped(files);
}

bool PlaceholderWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_ && event->type() == QEvent::Paint && quitAfterFirstPaint_) {
    quitAfterFirstPaint_ = false;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace zeb
