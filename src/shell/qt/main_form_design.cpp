// The main window as it is designed: menus, toolbars, status bar and popup menus with their
// names, Italian texts, shortcuts and handlers. The English table replaces the texts.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/code_pages.h"
#include "platform/qt/qt_dialog_units.h"
#include "shell/qt/main_form.h"
#include "shell/qt/night_commands.h"
#include "shell/qt/read_aloud_commands.h"
#include "shell/qt/toolbar_icons.h"
#include "shell/qt/zoom_commands.h"
#include "view/popup_target.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

// Designed lengths, in pixels of the design font.
constexpr int historyComboWidth = 283;
constexpr std::array<int, 3> statusPanelWidths = {75, 250, 50};

template <typename Handler>
QAction* addItem(QMenu& menu, TMainForm* owner, const char* name, const char* text, Handler handler,
                 QKeySequence shortcut = {}) {
  auto* action = new QAction(QString::fromUtf8(text), owner);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  QObject::connect(action, &QAction::triggered, owner, handler);
  menu.addAction(action);
  return action;
}

QAction* addSeparator(QMenu& menu, const char* name) {
  QAction* separator = menu.addSeparator();
  separator->setObjectName(name);
  return separator;
}

QMenu* addMenu(QMenuBar& bar, const char* name, const char* text) {
  QMenu* menu = bar.addMenu(QString::fromUtf8(text));
  menu->setObjectName(name);
  return menu;
}

// The name, design text and handler of a popup item.
struct PopupItemDesign {
  const char* kind;
  const char* text;
  void (TMainForm::*handler)();
};

PopupItemDesign designOf(PopupItem item) {
  switch (item) {
    case PopupItem::copy: return {"Copia", "&Copia", &TMainForm::EditCopy};
    case PopupItem::selectTextInCell:
      return {"Selezionatesto", "&Seleziona testo nella cella", &TMainForm::Selezionatutto3Click};
    case PopupItem::selectAll: return {"Selezionatutto", "Seleziona &tutto", &TMainForm::Selezionatutto3Click};
    case PopupItem::copyBackground:
      return {"CopiaSfondo", "Copia &sfondo negli appunti", &TMainForm::CopiaSfondoincartellaappuntiClick};
    case PopupItem::followZone: return {"SeguiCollZone", "&Segui collegamento", &TMainForm::SeguiCollZoneClick};
    case PopupItem::followImage: return {"Segui", "&Segui collegamento", &TMainForm::Segui1Click};
    case PopupItem::followButton:
      return {"SeguicollegamentoBtn", "&Segui collegamento...", &TMainForm::SeguicollegamentoBtnClick};
    case PopupItem::followSpecialLink:
      return {"Seguicollegamento", "Segui colle&gamento", &TMainForm::Seguicollegamento1Click};
    case PopupItem::previousFloating: return {"PrecedenteFloat", "P&recedente...", &TMainForm::PrecedenteFloatClick};
    case PopupItem::resize: return {"Ridimensiona", "&Ridimensiona", &TMainForm::Resize1Click};
    case PopupItem::exit: return {"Esci", "&Esci", &TMainForm::FileExit};
    case PopupItem::info: return {"Info", "&Info...", &TMainForm::Info1Click};
    case PopupItem::programInfo: return {"Brightfold", "Brightfold", &TMainForm::Info1Click};
  }
  return {"", "", nullptr};
}

}  // namespace

void TMainForm::buildMenus() {
  QMenuBar& bar = *menuBar();
  bar.setObjectName("MainMenu");

  fileMenu_ = addMenu(bar, "FileMenu", "&File");
  QAction* open =
      addItem(*fileMenu_, this, "FileOpenItem", "&Apri...", &TMainForm::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_F12));
  open->setToolTip(QStringLiteral("Apri"));
  // Besides the designed keys, those every desktop program answers to.
  open->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F12), QKeySequence(Qt::CTRL | Qt::Key_O)});
  addItem(*fileMenu_, this, "Biblioteca1", "&Biblioteca...", &TMainForm::Biblioteca1Click,
          QKeySequence(Qt::CTRL | Qt::Key_L));
  addSeparator(*fileMenu_, "N1");
  addItem(*fileMenu_, this, "Impostastampante1", "Impos&tazioni stampante...", &TMainForm::Impostastampante1Click);
  addItem(*fileMenu_, this, "Impostamargini1", "&Margini...", &TMainForm::Impostamargini1Click);
  addItem(*fileMenu_, this, "FilePrintItem", "&Stampa...", &TMainForm::FilePrint, QKeySequence(Qt::CTRL | Qt::Key_P));
  addItem(*fileMenu_, this, "Stampacorrente1", "Stampa &corrente", &TMainForm::Stampacorrente1Click);
  addItem(*fileMenu_, this, "Stampatutte1", "Stampa tutte", &TMainForm::Stampatutte1Click);
  QMenu* exportMenu = fileMenu_->addMenu(QStringLiteral("Es&porta"));
  exportMenu->setObjectName("Esporta1");
  addItem(*exportMenu, this, "EsportaEpub1", "E&PUB...", &TMainForm::EsportaEpub1Click);
  addItem(*exportMenu, this, "EsportaHtml1", "&HTML...", &TMainForm::EsportaHtml1Click);
  addSeparator(*fileMenu_, "N2");
  addItem(*fileMenu_, this, "FileExitItem", "&Esci", &TMainForm::FileExit, QKeySequence(Qt::ALT | Qt::Key_X))
      ->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
  recentSeparator_ = addSeparator(*fileMenu_, "Nrecent");

  QMenu* copy = addMenu(bar, "EditMenu", "C&opia");
  addItem(*copy, this, "EditCopyItem", "&Copia", &TMainForm::EditCopy, QKeySequence(Qt::CTRL | Qt::Key_Insert))
      ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_C)});
  addItem(*copy, this, "Selezionabrano1", "&Seleziona tutto", &TMainForm::Selezionabrano1Click,
          QKeySequence(Qt::CTRL | Qt::Key_F2))
      ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_A)});
  copy->setEnabled(false);

  QMenu* search = addMenu(bar, "Cerca1", "&Cerca");
  addItem(*search, this, "Cercasostituisci1", "&Cerca...", &TMainForm::Cercasostituisci1Click,
          QKeySequence(Qt::CTRL | Qt::Key_F));
  addItem(*search, this, "Ripetiultimaricerca1", "&Ripeti ricerca nella pagina", &TMainForm::Ripetiultimaricerca1Click,
          QKeySequence(Qt::Key_F3));
  addItem(*search, this, "Ripetinellipertesto1", "Ripeti ricerca nell'&ipertesto",
          &TMainForm::Ripetinellipertesto1Click, QKeySequence(Qt::Key_F4));
  addItem(*search, this, "Cercaperparolachiave1", "Cerca per parola &chiave...", &TMainForm::Cercaperparolachiave1Click,
          QKeySequence(Qt::CTRL | Qt::Key_F3));
  addItem(*search, this, "Cercaconoperatori1", "Ricerca &booleana...", &TMainForm::Cercaconoperatori1Click);

  QMenu* book = addMenu(bar, "Ipertesto1", "I&pertesto");
  addItem(*book, this, "Copertina1", "&Copertina", &TMainForm::CoverButtonClick);
  addItem(*book, this, "Sommario1", "&Sommario", &TMainForm::SummaryButtonClick);
  addSeparator(*book, "N3");
  addItem(*book, this, "Paginaprecedente1", "Pagina p&recedente", &TMainForm::BPrecedenteClick,
          QKeySequence(Qt::ALT | Qt::Key_Left))
      ->setEnabled(false);
  addItem(*book, this, "Paginasuccessiva1", "Pagina &successiva", &TMainForm::BseguenteClick,
          QKeySequence(Qt::ALT | Qt::Key_Right))
      ->setEnabled(false);
  // The reader's own places in a book: a page by number or title, and the bookmarks.
  addItem(*book, this, "Vaiallapagina1", "&Vai a pagina...", &TMainForm::Vaiallapagina1Click,
          QKeySequence(Qt::CTRL | Qt::Key_G));
  addSeparator(*book, "NSegnalibri");
  addItem(*book, this, "Aggiungisegnalibro1", "Aggiungi &segnalibro", &TMainForm::Aggiungisegnalibro1Click,
          QKeySequence(Qt::CTRL | Qt::Key_D));
  bookmarksMenu_ = book->addMenu(QStringLiteral("Segnali&bri"));
  bookmarksMenu_->setObjectName("SegnalibriMenu");
  addSeparator(*bookmarksMenu_, "NSegnalibri2");
  addItem(*bookmarksMenu_, this, "Organizzasegnalibri1", "&Organizza segnalibri...",
          &TMainForm::Organizzasegnalibri1Click);
  connect(bookmarksMenu_, &QMenu::aboutToShow, this, &TMainForm::fillBookmarksMenu);
  addSeparator(*book, "N4");
  QAction* frames = addItem(*book, this, "Mostracornici1", "&Mostra cornici", [this] {
    nestedButton_->setChecked(item("Mostracornici1")->isChecked());
    NestedButtonClick();
  });
  frames->setCheckable(true);
  frames->setChecked(true);
  addItem(*book, this, "Vaiapagina1", "&Vai a pagina...", [] {});
  addItem(*book, this, "Proprietaipertesto1", "Proprietà &ipertesto corrente...", [] {});
  addSeparator(*book, "N5");
  QAction* contents = addItem(*book, this, "Alberoindice1", "&Albero dell'indice", [] {});
  contents->setCheckable(true);

  // View: the text encoding a book is read in, one of a group of exclusive choices.
  QMenu* view = addMenu(bar, "ViewMenu", "&Visualizza");
  QMenu* encodings = view->addMenu(QString::fromUtf8("&Codifica del testo"));
  encodings->setObjectName("TextEncodingMenu");
  auto* encodingGroup = new QActionGroup(this);
  std::vector<std::uint16_t> codePages{codePage::automatic};
  for (const std::uint16_t number : readableCodePages()) codePages.push_back(number);
  for (const std::uint16_t codePage : codePages) {
    const std::string name = "TextEncoding" + std::to_string(codePage);
    const std::string text =
        codePage == codePage::automatic ? std::string("Automatica (dal libro)") : std::string(codePageTitle(codePage));
    QAction* action = addItem(*encodings, this, name.c_str(), text.c_str(), [this, codePage] {
      if (shell_->textEncoding() != codePage) shell_->setTextEncoding(codePage);
    });
    action->setCheckable(true);
    encodingGroup->addAction(action);
  }
  connect(encodings, &QMenu::aboutToShow, this, [this, encodings] {
    const QString checked = QStringLiteral("TextEncoding%1").arg(shell_->textEncoding());
    for (QAction* action : encodings->actions()) action->setChecked(action->objectName() == checked);
  });
  addNightItems(*view, *this, *services_.settings);
  addZoomItems(*view, *this);
  // The page alone on the screen; F11 or Escape brings the menus back.
  addItem(*view, this, "Schermointero1", "Schermo &intero", &TMainForm::Schermointero1Click, QKeySequence(Qt::Key_F11))
      ->setCheckable(true);
  // A caret in the read-only pages, moved by the keys as in an editor.
  addItem(*view, this, "CaretBrowsing1", "Navigazione con il &cursore", &TMainForm::CaretBrowsing1Click,
          QKeySequence(Qt::Key_F7))
      ->setCheckable(true);
  readAloud_ = new ReadAloudCommands(*this, *view, *services_.settings);

  QMenu* tools = addMenu(bar, "Opzioni1", "S&trumenti");
  addItem(*tools, this, "Opzioniprogramma1", "&Opzioni programma...", [] {});
  addItem(*tools, this, "Skin1", "&Aspetto", [] {});
  addItem(*tools, this, "Opzioniemail1", "Opzioni &email...", &TMainForm::Opzioniemail1Click)->setVisible(false);

  QMenu* help = addMenu(bar, "HelpMenu", "&?");
  addItem(*help, this, "HelpContentsItem", "&Sommario", [] {});
  addItem(*help, this, "HelpSearchItem", "&Cerca aiuto su...", [] {});
  addItem(*help, this, "HelpAboutItem", "&Info...", &TMainForm::helpAbout);
}

void TMainForm::buildToolbars() {
  toolbarFile_ = addToolBar(QStringLiteral("Principale"));
  toolbarFile_->setObjectName("ToolbarFile");
  toolbarFile_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  struct ButtonDesign {
    ToolbarButtonDesign button;
    void (TMainForm::*handler)();
  };
  for (const ButtonDesign& design : {
           ButtonDesign{{"BPrecedente", "Indietro", "Pagina precedente", ToolbarGlyph::back},
                        &TMainForm::BPrecedenteClick},
           ButtonDesign{{"Bseguente", "Avanti", "Pagina successiva", ToolbarGlyph::forward},
                        &TMainForm::BseguenteClick},
           ButtonDesign{{"BFileOpen", "Apri", "Apri un ipertesto", ToolbarGlyph::open}, &TMainForm::FileOpen},
           ButtonDesign{{"PrintButton", "Stampa", "Stampa", ToolbarGlyph::print}, &TMainForm::FilePrint},
           ButtonDesign{{"CoverButton", "Copertina", "Copertina", ToolbarGlyph::cover}, &TMainForm::CoverButtonClick},
           ButtonDesign{{"SummaryButton", "Sommario", "Sommario", ToolbarGlyph::contents},
                        &TMainForm::SummaryButtonClick},
           ButtonDesign{{"CercaKeyButton", "Cerca", "Cerca per parola chiave", ToolbarGlyph::search},
                        &TMainForm::CercaKeyButtonClick},
           ButtonDesign{{"NestedButton", "Mostra cornici", "Mostra cornici", ToolbarGlyph::frames},
                        &TMainForm::NestedButtonClick},
       })
    connect(addToolbarButton(*toolbarFile_, design.button), &QToolButton::clicked, this, design.handler);
  readAloud_->addButton(*toolbarFile_);
  setButtonEnabled("BPrecedente", false);
  setButtonEnabled("Bseguente", false);
  nestedButton_ = button("NestedButton");
  nestedButton_->setCheckable(true);
  nestedButton_->setChecked(true);

  toolbarHistory_ = addToolBar(QStringLiteral("Pagine visitate"));
  toolbarHistory_->setObjectName("ToolbarHistory");
  historyCombo_ = new QComboBox(toolbarHistory_);
  historyCombo_->setObjectName("HistoryCombo");
  historyCombo_->setToolTip(QStringLiteral("URL"));
  historyCombo_->setFixedWidth(designScaleOf(font()).x(historyComboWidth));
  historyCombo_->installEventFilter(this);
  connect(historyCombo_, &QComboBox::activated, this, &TMainForm::HistoryComboClick);
  toolbarHistory_->addWidget(historyCombo_);
}

void TMainForm::buildStatusBar() {
  QStatusBar& bar = *statusBar();
  bar.setObjectName("StatusBar");
  statusSimpleText_ = new QLabel(&bar);
  statusSimpleText_->setObjectName("StatusSimpleText");
  bar.addWidget(statusSimpleText_, 1);
  const DesignScale scale = designScaleOf(font());
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    auto* panel = new QLabel(&bar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    // The last panel reaches to the end of the bar, as the last part of a status bar does.
    const bool last = i + 1 == statusPanels_.size();
    if (last)
      panel->setMinimumWidth(scale.x(statusPanelWidths[i]));
    else
      panel->setFixedWidth(scale.x(statusPanelWidths[i]));
    bar.addPermanentWidget(panel, last ? 1 : 0);
    statusPanels_[i] = panel;
  }
  statusPanels_[1]->setAlignment(Qt::AlignCenter);
}

QAction* TMainForm::popupItem(QMenu& menu, int number, PopupItem item) {
  const PopupItemDesign design = designOf(item);
  auto* action = new QAction(QString::fromUtf8(design.text), &menu);
  action->setObjectName(QString::fromUtf8(design.kind) + QString::number(number));
  connect(action, &QAction::triggered, this, design.handler);
  menu.addAction(action);
  if (item == PopupItem::resize) {
    action->setCheckable(true);
    resizeItems_.push_back(action);
  }
  if (item == PopupItem::copy || item == PopupItem::selectTextInCell || item == PopupItem::selectAll ||
      item == PopupItem::copyBackground) {
    action->setEnabled(false);
    bookItems_.push_back(action);
  }
  return action;
}

QMenu* TMainForm::buildPopup(int number, const char* name, std::initializer_list<PopupItem> items) {
  auto* menu = new QMenu(this);
  menu->setObjectName(name);
  for (const PopupItem item : items) {
    // The window-framing and about items stand apart from the copy and link items.
    if ((item == PopupItem::resize || item == PopupItem::info) && !menu->actions().isEmpty()) menu->addSeparator();
    popupItem(*menu, number, item);
  }
  connect(menu, &QMenu::aboutToShow, this, [this] { popupSource_ = popupSource(); });
  return menu;
}

void TMainForm::buildPopups() {
  using enum PopupItem;
  const auto framed = {copy, selectTextInCell, selectAll, copyBackground, resize, exit, info, programInfo};
  QMenu* table = buildPopup(1, "PopupMenuTabella", framed);
  QMenu* childFrame = buildPopup(2, "PopupMenuCorniceFiglia", framed);
  QMenu* frame = buildPopup(3, "PopupMenuCornice", framed);
  QMenu* specialLink =
      buildPopup(4, "PopupMenuSpecLink",
                 {copy, selectTextInCell, selectAll, copyBackground, followSpecialLink, info, programInfo});
  QMenu* zone = buildPopup(5, "PopupMenuZona", {copy, followZone});
  QMenu* image = buildPopup(6, "PopupMenuImmagine", {copy, followImage, resize, exit, info, programInfo});
  QMenu* buttonMenu = buildPopup(7, "PopupMenuBottone", {copy, followButton});
  QMenu* floating = buildPopup(8, "PopupMenuFloat", {copy, previousFloating, resize, exit, info, programInfo});
  QMenu* fileLink = buildPopup(9, "PopupMenuGenLink", {copy});
  QMenu* inactive = buildPopup(10, "PopupMenuInattivo", {copy});
  QMenu* media = buildPopup(11, "PopupMenuMultimedia", {copy});

  // PopupMenuImmaginePopup: following is offered only for an image that has a link.
  connect(image, &QMenu::aboutToShow, this, [this] {
    const PopupTarget* target = popupTargetOf(popupSource_);
    item("Segui6")->setEnabled(target != nullptr && target->HasLink());
  });

  editor_->setPopup(FramePopup::PopupTable, table);
  editor_->setPopup(FramePopup::PopupTableChild, table);
  editor_->setPopup(FramePopup::PopupFrameChild, childFrame);
  editor_->setPopup(FramePopup::PopupFrame, frame);
  editor_->setPopup(FramePopup::PopupSpecLink, specialLink);
  editor_->setPopup(FramePopup::PopupMapZone, zone);
  editor_->setPopup(FramePopup::PopupImage, image);
  editor_->setPopup(FramePopup::PopupButton, buttonMenu);
  editor_->setPopup(FramePopup::PopupFloating, floating);
  editor_->setPopup(FramePopup::PopupGenLink, fileLink);
  editor_->setPopup(FramePopup::PopupInactive, inactive);
  editor_->setPopup(FramePopup::PopupMultimedia, media);
}

}  // namespace zeb
