// The separate page window: its creation as designed, the geometry a description and a
// kind give it, pop-up placement, closing, and the main container's reset.
#include "shell/qt/separate_window_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qt/qt_dialog_units.h"
#include "shell/qt/main_form.h"
#include "shell/qt/main_window_links.h"
#include "shell/qt/separate_window_links.h"
#include "shell/qt/toolbar_icons.h"
#include "texts/qt/window_texts.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

constexpr int historyComboWidth = 283;  // in pixels of the design font
constexpr int popupOutline = 1;

struct ButtonDesign {
  ToolbarButtonDesign button;
  void (TFseparato::*handler)();
};

}  // namespace

TFseparato::TFseparato(shell::MainWindowLinks& owner)
    : QWidget(&owner.mainWindow(), Qt::Window),
      owner_(owner),
      mainWindow_(owner.mainWindow()),
      ZEBset1_(owner.mainWindow().mainZEBset().services()) {
  setObjectName("Fseparato");
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The described sizes are the window's, whatever its bars would ask for.
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  buildMenu();
  layout->setMenuBar(mainMenu_);
  buildToolbars();
  layout->addWidget(panel_);
  preview_ = new TZEBframeSet(this);
  preview_->setObjectName("Preview");
  layout->addWidget(preview_, 1);
  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName("StatusBar");
  layout->addWidget(statusBar_);
  links_ = std::make_unique<shell::SeparateWindowLinks>(*this, owner_);

  // FormCreate.
  applyEnglishTable(*this, WindowTable::separatePage);
  for (const char* name : {"PrintButtonPlace", "PrintSeparator", "FilePrintItem", "CercaKeyButtonPlace"})
    findChild<QAction*>(name)->setVisible(false);
  toolbarHistory_->hide();
  preview_->setReadOnly(true);
  preview_->setAnimated(true);
  preview_->setAutoJump(false);
  preview_->setActivePreview(true);
  preview_->setNightView(mainWindow_.Editor()->nightView());
  preview_->setCaretBrowsing(mainWindow_.Editor()->CaretBrowsing());
  preview_->setLinkedZEBset(&mainWindow_.mainZEBset());
  // Links asking to print print with the main window's printer and page set-up.
  preview_->printOnClick = [this](TZEBbox& box) {
    if (shell::PrintingService* print = mainWindow_.printingService()) print->printBox(*preview_, box);
  };
  core_.history().OnChanged = [this] { historyChanged(); };
  connect(preview_, &TZEBCustomFrameSet::OnDoLink, this, &TFseparato::PreviewDoLink);
  connect(preview_, &TZEBCustomFrameSet::OnPageChanged, this, &TFseparato::PreviewPageChanged);
  connect(preview_, &TZEBCustomFrameSet::OnClick, this, &TFseparato::PreviewClick);
}

TFseparato::~TFseparato() {
  // FormDestroy.
  releasePages();
  delete preview_;
  preview_ = nullptr;
}

void TFseparato::buildMenu() {
  mainMenu_ = new QMenuBar(this);
  mainMenu_->setObjectName("MainMenu");
  QMenu* file = mainMenu_->addMenu(QStringLiteral("&File"));
  file->setObjectName("FileMenu");
  const auto add = [this](QMenu& menu, const char* name, const QString& text, auto handler) {
    QAction* action = menu.addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
  };
  add(*file, "FilePrintItem", QStringLiteral("&Stampa..."), [this] { printClick(); });
  add(*file, "Impostastampante1", QStringLiteral("&Imposta stampante..."),
      [this] { mainWindow_.Impostastampante1Click(); });
  add(*file, "Impostamargini1", QStringLiteral("Imposta &margini..."), [this] { mainWindow_.Impostamargini1Click(); });
  file->addSeparator();
  add(*file, "FileExitItem", QStringLiteral("&Chiudi"), [this] { FileExitItemClick(); });
  QMenu* help = mainMenu_->addMenu(QStringLiteral("&?"));
  help->setObjectName("HelpMenu");
  add(*help, "HelpAboutItem", QStringLiteral("&Informazioni..."), [this] { HelpAboutItemClick(); });
}

void TFseparato::buildToolbars() {
  panel_ = new QWidget(this);
  panel_->setObjectName("Panel1");
  auto* dock = new QWidget(panel_);
  dock->setObjectName("TopDock");
  auto* panelLayout = new QHBoxLayout(panel_);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(dock);
  auto* dockLayout = new QHBoxLayout(dock);
  dockLayout->setContentsMargins(0, 0, 0, 0);

  toolbarFile_ = new QToolBar(QStringLiteral("Principale"), dock);
  toolbarFile_->setObjectName("ToolbarFile");
  toolbarFile_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (const ButtonDesign& design :
       {ButtonDesign{{"BPrecedente", "Indietro", "Pagina precedente", ToolbarGlyph::back},
                     &TFseparato::BPrecedenteClick},
        ButtonDesign{{"Bseguente", "Avanti", "Pagina successiva", ToolbarGlyph::forward}, &TFseparato::BseguenteClick},
        ButtonDesign{{"PrintButton", "Stampa", "Stampa", ToolbarGlyph::print}, &TFseparato::printClick},
        ButtonDesign{{"CoverButton", "Copertina", "Copertina", ToolbarGlyph::cover}, &TFseparato::CoverButtonClick},
        ButtonDesign{{"SummaryButton", "Sommario", "Sommario", ToolbarGlyph::contents},
                     &TFseparato::SummaryButtonClick},
        ButtonDesign{{"CercaKeyButton", "Cerca", "Cerca per parola chiave", ToolbarGlyph::search},
                     &TFseparato::CercaKeyButtonClick}}) {
    connect(addToolbarButton(*toolbarFile_, design.button), &QToolButton::clicked, this, design.handler);
    if (design.handler == &TFseparato::printClick) toolbarFile_->addSeparator()->setObjectName("PrintSeparator");
  }
  button("BPrecedente")->setEnabled(false);
  button("Bseguente")->setEnabled(false);
  dockLayout->addWidget(toolbarFile_);

  toolbarHistory_ = new QToolBar(QStringLiteral("Pagine visitate"), dock);
  toolbarHistory_->setObjectName("ToolbarHistory");
  historyCombo_ = new QComboBox(toolbarHistory_);
  historyCombo_->setObjectName("HistoryCombo");
  historyCombo_->setToolTip(QStringLiteral("URL"));
  historyCombo_->setFixedWidth(designScaleOf(font()).x(historyComboWidth));
  // Enter on the box goes to the entry shown, as a choice does.
  connect(historyCombo_, &QComboBox::activated, this, &TFseparato::HistoryComboClick);
  toolbarHistory_->addWidget(historyCombo_);
  dockLayout->addWidget(toolbarHistory_, 1);
}

QToolButton* TFseparato::button(const char* name) const { return findChild<QToolButton*>(QString::fromUtf8(name)); }

shell::WindowSize TFseparato::mainWindowSize() const { return {mainWindow_.width(), mainWindow_.height()}; }

// --- Geometry.

void TFseparato::Prepare(std::string_view name, const std::optional<shell::WindowDescription>& description) {
  if (core_.closing()) return;
  const bool border = !windowFlags().testFlag(Qt::FramelessWindowHint);
  applyLayout(core_.Prepare(name, description, border, mainWindowSize()));
}

void TFseparato::applyLayout(const shell::WindowLayout& layout) {
  if (layout.fixedSize) {
    setFixedSize(layout.fixedSize->width, layout.fixedSize->height);
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  if (layout.size) resize(layout.size->width, layout.size->height);
  if (layout.position) move(layout.position->x, layout.position->y);
  maximised_ = layout.maximised;
  panel_->setVisible(layout.panelVisible);
  toolbarHistory_->setVisible(layout.historyToolbar);
  toolbarFile_->setVisible(layout.mainToolbar);
  statusBar_->setVisible(layout.statusBar);
  if (layout.mainMenu) mainMenu_->setVisible(*layout.mainMenu);
  if (windowFlags().testFlag(Qt::WindowMaximizeButtonHint) != layout.maximiseButton) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowMaximizeButtonHint, layout.maximiseButton);
    if (visible) show();
  }
}

void TFseparato::applyKind(const shell::KindChanges& changes) {
  if (changes.size) resize(changes.size->width, changes.size->height);
  if (changes.hidePanel) panel_->hide();
  if (changes.removeBorder) setBorder(false);
}

void TFseparato::setBorder(bool border) {
  if (windowFlags().testFlag(Qt::FramelessWindowHint) != border) return;
  const bool visible = isVisible();
  setWindowFlag(Qt::FramelessWindowHint, !border);
  // Without the system's border a thin line of its own keeps the window apart from the
  // page under it, which often has the same background.
  const int line = border ? 0 : popupOutline;
  layout()->setContentsMargins(line, line, line, line);
  setAutoFillBackground(!border);
  QPalette outline = palette();
  if (!border) outline.setColor(QPalette::Window, palette().color(QPalette::Dark));
  setPalette(outline);
  if (visible) show();
}

void TFseparato::placeAsPopup(shell::ScreenPoint click) {
  if (core_.closing()) return;
  // The screen that holds the main window, whichever screen was clicked.
  const QScreen* screen = mainWindow_.screen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const shell::PopupPlacement placement =
      shell::popupPlacement(click, {width(), height()}, {area.x(), area.y(), area.width(), area.height()});
  if (placement.height) resize(width(), *placement.height);
  move(placement.position.x, placement.position.y);
}

void TFseparato::bringToFront() {
  const bool placed = testAttribute(Qt::WA_Moved);
  const QPoint kept = pos();
  if (maximised_)
    showMaximized();
  else
    show();
  if (placed && pos() != kept) move(kept);
  raise();
  activateWindow();
}

// --- Closing.

void TFseparato::requestClose() {
  if (core_.closing()) return;
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TFseparato::closeEvent(QCloseEvent* event) {
  if (linksHandled_ > 0) {
    // The link being handled still uses the window: it closes when the link is done.
    closeAfterLinks_ = true;
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TFseparato::FormClose() {
  if (!core_.startClosing()) return;
  releasePages();
  hide();
  owner_.windowClosed(*this);
}

void TFseparato::releasePages() {
  if (preview_ == nullptr) return;
  try {
    preview_->ClearView();
    preview_->setLinkedZEBset(nullptr);
    preview_->setEnabled(false);
    ZEBset1_.Clear();
  } catch (...) {
    // Closing goes on whatever fails.
  }
}

void TFseparato::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && core_.closesWhenLeft() && isVisible())
    requestClose();
}

void TFseparato::PreviewClick() {
  if (core_.closesWhenLeft()) requestClose();
}

// --- The main container's reset.

void TFseparato::beforeMainReset() {
  if (core_.closing()) return;
  TZEBset& main = mainWindow_.mainZEBset();
  showedMainBeforeReset_ = preview_->LinkedZEBset() == &main;
  pageBeforeReset_ = preview_->MainPageNumber();
  core_.beforeMainReset(main.ZEBFileName(), pageBeforeReset_);
  // The pages shown are objects of the container that is about to drop them.
  if (showedMainBeforeReset_) {
    preview_->ClearView();
    preview_->setLinkedZEBset(nullptr);
  }
}

void TFseparato::textEncodingChanged() {
  if (core_.closing() || preview_->LinkedZEBset() != &mainWindow_.mainZEBset()) return;
  preview_->PostReload(-1);
}

void TFseparato::afterMainReset() {
  if (core_.closing()) return;
  TZEBset& main = mainWindow_.mainZEBset();
  const std::optional<shell::SeparateWindowCore::Reopen> reopen =
      core_.afterMainReset(showedMainBeforeReset_, main.ZEBFileName());
  if (!showedMainBeforeReset_) return;
  showedMainBeforeReset_ = false;
  if (reopen && !reopen->book.empty()) {
    openOwn(reopen->book);
    if (reopen->page >= 0) preview_->setMainPageNumber(reopen->page);
    return;
  }
  // The same book again (or none before): the page comes back from the main container.
  preview_->setLinkedZEBset(&main);
  if (!reopen && pageBeforeReset_ >= 0) preview_->setMainPageNumber(pageBeforeReset_);
}

}  // namespace zeb
