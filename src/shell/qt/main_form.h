// TMainForm, the reader's main window: the container mainZEBset shown by the frame set
// Editor, with the menus, the toolbars "Main" and "Browsed pages", the status bar, the
// popup menus the frame set shows, and the contents sidebar. Its decisions are ReaderShell's;
// the window applies them (ReaderView) and forwards its events. Searching, printing, link
// following and form transfers are installed into it from outside; until they are, their
// commands are present and disabled.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/container_listeners.h"
#include "shell/export_service.h"
#include "shell/link_dispatcher.h"
#include "shell/printing_service.h"
#include "shell/qt/library_window.h"
#include "shell/reader_shell.h"
#include "shell/reader_view.h"
#include "shell/search_service.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;

namespace zeb {

class ContentsSidebar;
class FormTransfer;
class PopupTarget;
class ReadAloudCommands;
class Speech;
class TInsiemeCornici;
class TZEBbox;
class TZEBoggetto;

// The items of the popup menus, each carried by some of the menus.
enum class PopupItem : std::uint8_t {
  copy,
  selectTextInCell,
  selectAll,
  copyBackground,
  followZone,
  followImage,
  followButton,
  followSpecialLink,
  previousFloating,
  resize,
  exit,
  info,
  programInfo,
};

class TMainForm final : public QMainWindow, public shell::ReaderView {
  Q_OBJECT

 public:
  // FormCreate. The arguments are the program's, without its name; the window opens their
  // book when it first shows.
  TMainForm(const PlatformServices& services, std::vector<std::string> arguments, QWidget* parent = nullptr);
  // FormDestroy: "LastFile", the recent-file list and the window's placement are written.
  ~TMainForm() override;

  // --- Components.
  shell::ReaderShell& readerShell() { return *shell_; }
  TZEBset& mainZEBset() { return shell_->mainZEBset(); }
  TInsiemeCornici* Editor() const { return editor_; }
  QComboBox* HistoryCombo() const { return historyCombo_; }
  QToolButton* NestedButton() const { return nestedButton_; }
  // A toolbar button or menu item by its component name; none when the window has none.
  QToolButton* button(const char* name) const;
  QAction* item(const char* name) const;
  QMenu* popup(const char* name) const;
  ContentsSidebar* contentsSidebar() const { return sidebar_; }
  // The status bar's three panels (75, 250 centred and 50 pixels wide) and the text of its
  // single-text form, which shows after every open.
  QLabel* statusPanel(int index) const { return statusPanels_[static_cast<std::size_t>(index)]; }
  bool statusBarSimple() const { return statusSimple_; }
  void setStatusBarSimple(bool simple);
  // The single-text form showing the text (Windows-1252).
  void showStatusText(std::string_view text);

  // --- What is installed from outside. The window owns the search, printing and link
  // following it is given; the form transfers and the splash belong to the program.
  void setSearchService(std::unique_ptr<shell::SearchService> search);
  void setPrintingService(std::unique_ptr<shell::PrintingService> print);
  void setLinkDispatcher(std::unique_ptr<shell::LinkDispatcher> dispatcher);
  shell::SearchService* searchService() const { return search_.get(); }
  shell::PrintingService* printingService() const { return print_.get(); }
  void setExportService(std::unique_ptr<shell::ExportService> exporter);
  void setFormTransfer(FormTransfer* transfer);
  FormTransfer* formTransfer() const { return formTransfer_; }
  // Shows the e-mail settings window. Until it is given, "Email options..." and the Tools
  // menu that holds it stay hidden.
  void setEmailSettings(std::function<void()> show);
  // Told before and after mainZEBset is reset (separate page windows join here).
  shell::ContainerListeners& containerListeners() { return listeners_; }
  // The voice View > Read aloud speaks with; until it is given the reading items are disabled.
  void setSpeech(std::unique_ptr<Speech> speech);
  ReadAloudCommands* readAloudCommands() const { return readAloud_; }
  // The about box shown while the program starts; closed a second after the first showing.
  void setSplash(QWidget* splash) { splash_ = splash; }

  // --- Handlers of the menus, toolbars and popups.
  void FileOpen();
  void FilePrint();
  void Impostastampante1Click();
  void Impostamargini1Click();
  void Stampacorrente1Click();
  void Stampatutte1Click();
  void EsportaEpub1Click();
  void EsportaHtml1Click();
  void FileExit();
  void EditCopy();
  void Selezionabrano1Click();
  void Cercasostituisci1Click();
  void Ripetiultimaricerca1Click();
  void Ripetinellipertesto1Click();
  // The toolbar's Search: the keyword page, or the word page when the book has no keywords.
  void CercaKeyButtonClick();
  // "Search by keyword...": the keyword page, keywords or not.
  void Cercaperparolachiave1Click();
  void Cercaconoperatori1Click();
  void CoverButtonClick();
  void SummaryButtonClick();
  void BPrecedenteClick();
  void BseguenteClick();
  void NestedButtonClick();
  void helpAbout();
  void Opzioniemail1Click();
  void HistoryComboClick(int index);
  void Selezionatutto3Click();
  void CopiaSfondoincartellaappuntiClick();
  void SeguiCollZoneClick();
  void Segui1Click();
  void SeguicollegamentoBtnClick();
  void Seguicollegamento1Click();
  void PrecedenteFloatClick();
  void Resize1Click();
  void Info1Click();
  // Reading comfort (main_form_reading.cpp): View > Full screen, Ebook > Go to page, Add
  // bookmark, the Bookmarks menu and its window.
  void Schermointero1Click();
  void Vaiallapagina1Click();
  void Aggiungisegnalibro1Click();
  void Organizzasegnalibri1Click();
  // File > Library...: the library window, made on first use and kept.
  void Biblioteca1Click();
  shell::LibraryWindow* libraryWindow() const { return library_; }
  // A book the library window asks for: opened (unless it is the open one) at the page, with
  // the word found there selected.
  void openFromLibrary(const QString& path, int page, const QString& word);
  // View > Caret browsing (F7): the pages of this window and of the separate windows.
  void CaretBrowsing1Click();

  // --- Events of the frame set and of the program.
  void EditorDoLink(LinkSource source, TZEBoggetto* link);
  void EditorPageChanged();
  void EditorDropFile(const std::vector<std::string>& files);
  // An inter-process macro ("SHOW path|page").
  void NeedHelpExecuteMacro(const std::string& macro);

  // --- ReaderView.
  void clearView() override;
  void showCover() override;
  std::int32_t mainPageNumber() const override;
  void setMainPageNumber(std::int32_t page) override;
  bool showingTemporaryFrameSet() const override;
  void setReadOnly(bool readOnly) override;
  void focusCurrentBox() override;
  void setCaption(const std::string& captionUtf8) override;
  void enableBookCommands() override;
  void resetReaderUI() override;
  void recentFilesChanged(const std::vector<shell::RecentMenuChange>& changes, bool separatorVisible) override;
  void historyChanged(const shell::BrowsingHistory& history) override;
  void applyWindowChanges(const std::vector<shell::WindowChange>& changes) override;
  void moveOffScreen() override;
  void setResizeChecked(bool checked) override;
  void closeSplash() override;
  void bookOpened() override;
  void pageShown() override;
  void showStatusNote(const std::string& text) override { showStatusText(text); }
  void textEncodingChanged() override;
  std::int32_t scrollPosition() const override;
  void setScrollPosition(std::int32_t position) override;
  int zoomPercent() const override;
  void applyZoom(int percent) override;
  void setFullScreen(bool on) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window as designed (main_form_design.cpp): menus, toolbars, status bar, popups.
  void buildMenus();
  void buildToolbars();
  void buildStatusBar();
  void buildPopups();
  QMenu* buildPopup(int number, const char* name, std::initializer_list<PopupItem> items);
  QAction* popupItem(QMenu& menu, int number, PopupItem item);
  // The creation handler's steps after the table (FormCreate).
  void setUpEditor();
  void publishPrototypeMetrics();
  void setButtonEnabled(const char* name, bool enabled);
  // Enables the commands that need an installed service or an opened book.
  void updateCommandStates();
  // FormClose: the view lets go of its pages before the window goes.
  void FormClose();
  // FormKeyDown: page keys scroll the page even when another control of the window has
  // the focus. True when the key was handed to the page.
  bool FormKeyDown(QObject* watched, QKeyEvent& event);
  // Escape leaves the presentation mode that frames the window; true when it did.
  bool leavesPresentation(QObject* watched, const QKeyEvent& event);
  void followLinkItself(const LinkSource& source, TZEBoggetto& link);
  // The control a popup menu is opened on: the one under the mouse, else the focused one.
  QWidget* popupSource() const;
  // The visual object holding the control, or none.
  static PopupTarget* popupTargetOf(QWidget* control);
  // The page area was painted after a page change: reported, or the end of a timed start.
  void pagePainted();
  // The bookmarks of the open book, before the menu's own items.
  void fillBookmarksMenu();

  PlatformServices services_;
  std::vector<std::string> arguments_;
  std::unique_ptr<shell::ReaderShell> shell_;
  shell::ContainerListeners listeners_;
  std::unique_ptr<shell::SearchService> search_;
  std::unique_ptr<shell::PrintingService> print_;
  std::unique_ptr<shell::ExportService> export_;
  std::unique_ptr<shell::LinkDispatcher> linkDispatcher_;
  FormTransfer* formTransfer_ = nullptr;
  std::function<void()> emailSettings_;

  TInsiemeCornici* editor_ = nullptr;
  ContentsSidebar* sidebar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QToolBar* toolbarFile_ = nullptr;
  QToolBar* toolbarHistory_ = nullptr;
  QComboBox* historyCombo_ = nullptr;
  QToolButton* nestedButton_ = nullptr;
  std::array<QLabel*, 3> statusPanels_{};
  QLabel* statusSimpleText_ = nullptr;
  std::vector<QAction*> resizeItems_;
  std::vector<QAction*> bookItems_;  // enabled by the first open
  QMenu* bookmarksMenu_ = nullptr;
  QPointer<shell::LibraryWindow> library_;
  ReadAloudCommands* readAloud_ = nullptr;  // a child
  // What full screen hid, shown again when it ends, and the window's state before it.
  std::vector<QWidget*> hiddenForFullScreen_;
  Qt::WindowStates stateBeforeFullScreen_;
  QPointer<QWidget> splash_;
  QTimer* splashTimer_ = nullptr;
  QPointer<QWidget> popupSource_;
  bool statusSimple_ = false;
  bool bookOpenedOnce_ = false;
  // BRIGHTFOLD_SCREENSHOT: the screen is saved there once the first page shows.
  QString screenshotFile_;
  bool quitAfterFirstPaint_ = false;
  bool reportPages_ = false;
  bool pagePaintPending_ = false;
  bool windowPainted_ = false;
};

}  // namespace zeb
