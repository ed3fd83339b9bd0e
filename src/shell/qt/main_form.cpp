// The main window: its creation and destruction, what is installed into it, and what the
// reader's shell asks of it.
#include "shell/qt/main_form.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include "document/container.h"
#include "platform/qt/qt_dialog_units.h"
#include "platform/qt/qt_window_placement.h"
#include "platform/settings_store.h"
#include "shell/browsing_history.h"
#include "shell/contents_tree.h"
#include "shell/messages.h"
#include "shell/qt/accessible_names.h"
#include "shell/qt/confirmation_dialog.h"
#include "shell/qt/contents_sidebar.h"
#include "shell/qt/qt_texts.h"
#include "shell/qt/read_aloud_commands.h"
#include "shell/qt/window_changes.h"
#include "shell/settings_keys.h"
#include "text/text_box.h"
#include "texts/qt/window_texts.h"
#include "view/program_metrics.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

constexpr std::string_view windowName = "MainForm";
constexpr int splashMilliseconds = 1000;
constexpr int minimumTrackingSize = 100;
// In pixels of the design font.
constexpr int designedWidth = 960;
constexpr int designedHeight = 680;
constexpr int narrowStatusPanel = 30;
// The container's stored defaults.
constexpr int undoDepth = 20;
// The frame set's stored settings.
constexpr int lineStep = 10;
constexpr int barWidth = 10;
constexpr std::string_view hintMoveToCreate = "Muovi per creare cornici";

using shell::unicodeOf;

}  // namespace

TMainForm::TMainForm(const PlatformServices& services, std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      arguments_(std::move(arguments)),
      screenshotFile_(qEnvironmentVariable("BRIGHTFOLD_SCREENSHOT")),
      quitAfterFirstPaint_(!qEnvironmentVariableIsEmpty("BRIGHTFOLD_QUIT_AFTER_FIRST_PAINT")),
      reportPages_(!qEnvironmentVariableIsEmpty("BRIGHTFOLD_REPORT_PAGES")) {
  setObjectName(QString::fromUtf8(windowName.data(), static_cast<qsizetype>(windowName.size())));
  pagePaintPending_ = quitAfterFirstPaint_ || !screenshotFile_.isEmpty();
  setWindowTitle(QStringLiteral("Brightfold - caricamento"));
  setAcceptDrops(true);
  setMinimumSize(minimumTrackingSize, minimumTrackingSize);
  // A large font must not make the window larger than the screen.
  QSize designed = scaledSize(designScaleOf(font()), designedWidth, designedHeight);
  if (screen() != nullptr) designed = designed.boundedTo(screen()->availableGeometry().size());
  resize(designed);

  editor_ = new TInsiemeCornici(this);
  editor_->setObjectName("Editor");
  setCentralWidget(editor_);
  buildMenus();
  buildToolbars();
  buildStatusBar();
  buildPopups();
  sidebar_ = new ContentsSidebar(this);
  addDockWidget(Qt::LeftDockWidgetArea, sidebar_);
  sidebar_->hide();
  sidebar_->setLoadingHeld(true);

  // FormCreate.
  applyEnglishTable(*this, WindowTable::mainWindow);
  if (QMenu* book = findChild<QMenu*>("Ipertesto1")) book->setTitle(unicodeOf(shell::messages::ebookMenu));
  item("Ripetinellipertesto1")->setText(unicodeOf(shell::messages::searchAgainInEbook));
  item("FileOpenItem")->setToolTip(QString());
  item("FileOpenItem")->setStatusTip(QString());
  readAloud_->refresh();
  splashTimer_ = new QTimer(this);
  splashTimer_->setSingleShot(true);
  splashTimer_->setInterval(splashMilliseconds);
  connect(splashTimer_, &QTimer::timeout, this, &TMainForm::closeSplash);
  setUpEditor();

  shell_ = std::make_unique<shell::ReaderShell>(services_, *this);
  TZEBset& set = shell_->mainZEBset();
  set.setUndoDeep(undoDepth);
  set.OnBeforeNew = [this] { listeners_.resetting(); };
  set.OnAfterNew = [this] { listeners_.reset(); };
  editor_->setLinkedZEBset(&set);
  sidebar_->setLinkedZEBset(&set);
  listeners_.join(*sidebar_);
  connect(sidebar_, &ContentsSidebar::pageChosen, this, [this](std::int32_t page) { setMainPageNumber(page); });
  connect(item("Alberoindice1"), &QAction::toggled, sidebar_, &QWidget::setVisible);
  connect(sidebar_->toggleViewAction(), &QAction::toggled, item("Alberoindice1"), &QAction::setChecked);

  publishPrototypeMetrics();
  publishAccessibleNames(*this);
  updateCommandStates();
  restorePlacement(*this, *services_.settings, shell::settings::formsKey, windowName);
}

TMainForm::~TMainForm() {
  // One save of the settings file for all of it.
  const SettingsBatch batch(*services_.settings);
  savePlacement(*this, *services_.settings, shell::settings::formsKey, windowName);
  shell_->saveSettings();
  // The views let go of the container before it goes with the shell.
  listeners_.leave(*sidebar_);
  delete sidebar_;
  delete editor_;
  search_.reset();
  print_.reset();
  linkDispatcher_.reset();
}

void TMainForm::setFormTransfer(FormTransfer* transfer) {
  formTransfer_ = transfer;
  if (editor_ != nullptr) editor_->setFormTransfer(transfer);
}

void TMainForm::setEmailSettings(std::function<void()> show) {
  emailSettings_ = std::move(show);
  item("Opzioniemail1")->setVisible(emailSettings_ != nullptr);
  findChild<QMenu*>("Opzioni1")->menuAction()->setVisible(emailSettings_ != nullptr);
}

void TMainForm::Opzioniemail1Click() {
  if (emailSettings_) emailSettings_();
}

void TMainForm::setUpEditor() {
  editor_->setSaveOnExit(false);
  editor_->setAnimated(true);
  editor_->setShowNested(true);
  editor_->setShowBoundaries(true);
  editor_->setActivePreview(true);
  editor_->setAutoJump(false);
  editor_->setLineStep(lineStep);
  editor_->setBarWidth(barWidth);
  editor_->setHintMoveToCreate(std::string(hintMoveToCreate));
  editor_->confirmOpenAddress = [this](const std::string& address) {
    TZEBset* set = editor_->LinkedZEBset();
    return set != nullptr && shell::confirmFormAddress(this, *set->services().settings, set->ZEBFileName(), address);
  };
  editor_->printOnClick = [this](TZEBbox& box) {
    if (print_) print_->printBox(*editor_, box);
  };
  connect(editor_, &TZEBCustomFrameSet::OnDoLink, this, &TMainForm::EditorDoLink);
  connect(editor_, &TZEBCustomFrameSet::OnPageChanged, this, &TMainForm::EditorPageChanged);
  connect(editor_, &TZEBCustomFrameSet::OnDropFile, this,
          [this](std::vector<std::string> files, TZEBbox*) { EditorDropFile(files); });
  editor_->installEventFilter(this);
}

// Edit1 and ListBox1 stay hidden: they only give the sizes of a one-line edit field and of
// a list box in the window's font, which the page's form controls take.
void TMainForm::publishPrototypeMetrics() {
  auto* edit = new QLineEdit(this);
  edit->setObjectName("Edit1");
  edit->hide();
  auto* list = new QListWidget(this);
  list->setObjectName("ListBox1");
  list->hide();
  ProgramMetrics metrics;
  metrics.editHeight = edit->sizeHint().height();
  metrics.listItemHeight = list->fontMetrics().height();
  metrics.listWidth = list->sizeHint().width();
  metrics.letterWidth = fontMetrics().horizontalAdvance(QLatin1Char('h'));
  publishProgramMetrics(metrics);
}

QToolButton* TMainForm::button(const char* name) const { return findChild<QToolButton*>(QString::fromUtf8(name)); }
QAction* TMainForm::item(const char* name) const { return findChild<QAction*>(QString::fromUtf8(name)); }
QMenu* TMainForm::popup(const char* name) const { return findChild<QMenu*>(QString::fromUtf8(name)); }

// A toolbar follows the action that places a button: the button takes its state.
void TMainForm::setButtonEnabled(const char* name, bool enabled) {
  item((std::string(name) + "Place").c_str())->setEnabled(enabled);
  button(name)->setEnabled(enabled);
}

void TMainForm::showStatusText(std::string_view text) {
  setStatusBarSimple(true);
  statusSimpleText_->setText(shell::unicodeOf(text));
}

void TMainForm::setStatusBarSimple(bool simple) {
  statusSimple_ = simple;
  statusSimpleText_->setVisible(simple);
  for (QLabel* panel : statusPanels_) panel->setVisible(!simple);
}

// --- What is installed from outside.

void TMainForm::setSearchService(std::unique_ptr<shell::SearchService> search) {
  search_ = std::move(search);
  updateCommandStates();
}

void TMainForm::setPrintingService(std::unique_ptr<shell::PrintingService> print) {
  print_ = std::move(print);
  updateCommandStates();
}

void TMainForm::setExportService(std::unique_ptr<shell::ExportService> exporter) {
  export_ = std::move(exporter);
  updateCommandStates();
}

void TMainForm::setLinkDispatcher(std::unique_ptr<shell::LinkDispatcher> dispatcher) {
  linkDispatcher_ = std::move(dispatcher);
}

void TMainForm::updateCommandStates() {
  const bool searching = search_ != nullptr;
  for (const char* name : {"Cercasostituisci1", "Ripetiultimaricerca1", "Ripetinellipertesto1", "Cercaperparolachiave1",
                           "Cercaconoperatori1"})
    item(name)->setEnabled(searching);
  setButtonEnabled("CercaKeyButton", searching);

  // The print commands wait for printing and for a book.
  const bool printing = print_ != nullptr && bookOpenedOnce_;
  for (const char* name : {"Impostastampante1", "Impostamargini1", "FilePrintItem", "Stampacorrente1", "Stampatutte1"})
    item(name)->setEnabled(printing);
  setButtonEnabled("PrintButton", printing);
  // So do the export commands, for an export.
  for (const char* name : {"EsportaEpub1", "EsportaHtml1"})
    item(name)->setEnabled(export_ != nullptr && bookOpenedOnce_);
  item("PrintButtonPlace")->setVisible(bookOpenedOnce_);
}

// --- ReaderView.

void TMainForm::clearView() { editor_->ClearView(); }
void TMainForm::showCover() { editor_->ShowCover(); }
std::int32_t TMainForm::mainPageNumber() const { return editor_->MainPageNumber(); }
void TMainForm::setMainPageNumber(std::int32_t page) { editor_->setMainPageNumber(page); }
bool TMainForm::showingTemporaryFrameSet() const { return editor_->IsShowingTmpFrameSet(); }
void TMainForm::setReadOnly(bool readOnly) { editor_->setReadOnly(readOnly); }
void TMainForm::focusCurrentBox() { editor_->FocusCurrentBox(); }
void TMainForm::setCaption(const std::string& captionUtf8) { setWindowTitle(QString::fromStdString(captionUtf8)); }

void TMainForm::enableBookCommands() {
  findChild<QMenu*>("EditMenu")->setEnabled(true);
  for (QAction* action : bookItems_) action->setEnabled(true);
  bookOpenedOnce_ = true;
  updateCommandStates();
}

void TMainForm::resetReaderUI() {
  editor_->clearFocus();
  // The reader never edits a book: what only authoring offers stays hidden.
  for (const char* name : {"Mostracornici1", "Vaiapagina1", "Proprietaipertesto1", "N5", "HelpContentsItem",
                           "HelpSearchItem", "Opzioniprogramma1", "Skin1"})
    item(name)->setVisible(false);
  // Of the Tools menu only the e-mail settings serve a reader: the mail sent by forms goes
  // from the address they hold, and the window that asks for it says where to change it.
  findChild<QMenu*>("Opzioni1")->menuAction()->setVisible(emailSettings_ != nullptr);
  editor_->setReadOnly(true);
  setStatusBarSimple(true);
  statusPanels_[0]->clear();
  statusPanels_[1]->setFixedWidth(designScaleOf(font()).x(narrowStatusPanel));
  statusPanels_[2]->setText(unicodeOf(shell::messages::statusLine));
  editor_->clearFocus();
}

void TMainForm::recentFilesChanged(const std::vector<shell::RecentMenuChange>& changes, bool separatorVisible) {
  const auto itemOf = [this](const std::string& path) -> QAction* {
    for (QAction* action : fileMenu_->actions())
      if (action->property("recentPath").toString().toStdString() == path) return action;
    return nullptr;
  };
  for (const shell::RecentMenuChange& change : changes) {
    QAction* action = itemOf(change.path);
    if (change.kind == shell::RecentMenuChange::Kind::remove) {
      delete action;
    } else if (change.kind == shell::RecentMenuChange::Kind::moveToEnd && action != nullptr) {
      fileMenu_->removeAction(action);
      fileMenu_->addAction(action);
    } else if (change.kind == shell::RecentMenuChange::Kind::append) {
      const QString path = QString::fromStdString(change.path);
      // The caption is the path itself: an ampersand in it is no mnemonic.
      auto* entry = new QAction(QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")), fileMenu_);
      entry->setProperty("recentPath", path);
      connect(entry, &QAction::triggered, this,
              [this, entry] { shell_->OpenEbook(entry->property("recentPath").toString().toStdString()); });
      fileMenu_->addAction(entry);
    }
  }
  recentSeparator_->setVisible(separatorVisible);
}

void TMainForm::historyChanged(const shell::BrowsingHistory& history) {
  // Setting the combo box never counts as a choice: only the user's choices are handled.
  historyCombo_->clear();
  for (const std::string& entry : history.entries()) historyCombo_->addItem(unicodeOf(entry));
  historyCombo_->setCurrentIndex(history.ItemIndex());
  setButtonEnabled("BPrecedente", history.previousEnabled());
  setButtonEnabled("Bseguente", history.nextEnabled());
  item("Paginaprecedente1")->setEnabled(history.previousEnabled());
  item("Paginasuccessiva1")->setEnabled(history.nextEnabled());
}

void TMainForm::applyWindowChanges(const std::vector<shell::WindowChange>& changes) {
  shell::applyWindowChanges(*this, changes);
}

void TMainForm::moveOffScreen() { shell::moveOffScreen(*this); }

void TMainForm::setResizeChecked(bool checked) {
  for (QAction* action : resizeItems_) action->setChecked(checked);
}

void TMainForm::closeSplash() {
  splashTimer_->stop();
  if (splash_) splash_->close();
}

void TMainForm::bookOpened() {
  if (search_) {
    try {
      search_->bookOpened();
    } catch (...) {
      // The dialog's refresh never keeps a book from opening.
    }
  }
  sidebar_->bookOpened(hasStoredContents(mainZEBset()));
  sidebar_->showPage(editor_->MainPageNumber());
}

void TMainForm::textEncodingChanged() {
  editor_->PostReload(-1);
  listeners_.textEncodingChanged();
  bookOpened();
}

void TMainForm::pageShown() {
  if (search_) search_->pageShown();
  sidebar_->showPage(editor_->MainPageNumber());
}

}  // namespace zeb
