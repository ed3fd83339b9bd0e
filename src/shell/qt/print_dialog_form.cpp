// The print dialog's controls, as the window is designed: Italian texts, which the window's
// English table replaces when it is created.
#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "document/book_object.h"
#include "platform/qt/qt_dialog_units.h"
#include "shell/qt/contents_tree_view.h"
#include "shell/qt/print_dialog.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

// Designed lengths, in pixels of the design font.
constexpr int nameColumnWidth = 300;
constexpr int minimumSide = 400;
constexpr int designedWidth = 780;
constexpr int designedHeight = 540;
constexpr int leftPanelWidth = 330;

template <typename Control>
Control* named(Control* control, const char* name) {
  control->setObjectName(QLatin1String(name));
  return control;
}

QToolButton* iconButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& hint) {
  auto* button = named(new QToolButton(parent), name);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolTip(hint);
  return button;
}

}  // namespace

void TFprint::buildForm() {
  setObjectName(QStringLiteral("Fprint"));
  setWindowTitle(QStringLiteral("Stampa"));
  const DesignScale scale = designScaleOf(font());
  setMinimumSize(scaledSize(scale, minimumSide, minimumSide));
  resize(scaledSize(scale, designedWidth, designedHeight));
  setSizeGripEnabled(true);

  Splitter1_ = named(new QSplitter(Qt::Horizontal, this), "Splitter1");
  PageControl1_ = named(new QTabWidget(Splitter1_), "PageControl1");
  PageControl1_->addTab(buildPagesTab(), QStringLiteral("Pagine da stampare"));
  PageControl1_->addTab(buildOrderTab(), QStringLiteral("Ordina ipertesto"));
  PageControl1_->addTab(buildOptionsTab(), QStringLiteral("Opzioni"));
  Splitter1_->addWidget(PageControl1_);
  Splitter1_->addWidget(buildPreviewPanel());
  Splitter1_->setStretchFactor(1, 1);
  Splitter1_->setSizes({scale.x(leftPanelWidth), scale.x(designedWidth - leftPanelWidth)});

  ProgressBar1_ = named(new QProgressBar(this), "ProgressBar1");
  ProgressBar1_->hide();
  BOk_ = named(new QPushButton(QStringLiteral("&Stampa"), this), "BOk");
  BOk_->setDefault(true);
  BAnnulla_ = named(new QPushButton(QStringLiteral("&Annulla"), this), "BAnnulla");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(ProgressBar1_, 1);
  bottom->addStretch();
  bottom->addWidget(BOk_);
  bottom->addWidget(BAnnulla_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Splitter1_, 1);
  layout->addLayout(bottom);
  connectControls();
}

QWidget* TFprint::buildPagesTab() {
  auto* tab = named(new QWidget, "TSpagine");
  Label1_ = named(new QLabel(QStringLiteral("Pagine da stampare:"), tab), "Label1");
  PagScelte_ = named(new QTreeWidget(tab), "PagScelte");
  PagScelte_->setColumnCount(1);
  PagScelte_->setHeaderLabels({QStringLiteral("Nome")});
  PagScelte_->header()->resizeSection(0, designScaleOf(font()).x(nameColumnWidth));
  PagScelte_->setRootIsDecorated(false);
  PagScelte_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  PagScelte_->installEventFilter(this);
  Label1_->setBuddy(PagScelte_);

  Bup_ = iconButton(tab, "Bup", QStyle::SP_ArrowUp, QStringLiteral("Sposta su"));
  Bdown_ = iconButton(tab, "Bdown", QStyle::SP_ArrowDown, QStringLiteral("Sposta giù"));
  BdelPage_ = iconButton(tab, "BdelPage", QStyle::SP_TrashIcon, QStringLiteral("Elimina selezionate"));
  auto* moves = new QVBoxLayout;
  for (QToolButton* button : {Bup_, Bdown_, BdelPage_}) moves->addWidget(button);
  moves->addStretch();
  auto* list = new QHBoxLayout;
  list->addWidget(PagScelte_, 1);
  list->addLayout(moves);

  BAggiungiPagina_ = named(new QPushButton(QStringLiteral("Aggiungi pagina da destra"), tab), "BAggiungiPagina");
  Btutte_ = named(new QPushButton(QStringLiteral("Tutte, in ordine predefinito"), tab), "Btutte");
  BCorrente_ = named(new QPushButton(QStringLiteral("Corrente"), tab), "BCorrente");
  CBsegna_ = named(new QCheckBox(QStringLiteral("Aggiungi pagine alla lista navigando"), tab), "CBsegna");
  CBsegna_->setChecked(true);
  CBprev_ = named(new QCheckBox(QStringLiteral("anteprima al clic sulla lista"), tab), "CBprev");

  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(Label1_);
  layout->addLayout(list, 1);
  for (QWidget* control : std::initializer_list<QWidget*>{BAggiungiPagina_, Btutte_, BCorrente_, CBsegna_, CBprev_})
    layout->addWidget(control);
  return tab;
}

QWidget* TFprint::buildOrderTab() {
  auto* tab = named(new QWidget, "TSordine");
  Ordine_ = named(new TZEBorderedTree(tab), "Ordine");
  Ordine_->setReadOnly(true);
  CBanteprima_ = named(new QCheckBox(QStringLiteral("anteprima al clic sull'albero"), tab), "CBanteprima");
  // Designed for the authoring tool; they do nothing in the reader.
  BScegli_ = named(new QPushButton(QStringLiteral("Scegli..."), tab), "BScegli");
  BTutteNum_ = named(new QPushButton(QStringLiteral("Tutte"), tab), "BTutteNum");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BScegli_);
  buttons->addWidget(BTutteNum_);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(Ordine_, 1);
  layout->addWidget(CBanteprima_);
  layout->addLayout(buttons);
  return tab;
}

QWidget* TFprint::buildOptionsTab() {
  auto* tab = named(new QWidget, "TSopzioni");
  CBsfondo_ = named(new QCheckBox(QStringLiteral("sfondo"), tab), "CBsfondo");
  CBsfondoTab_ = named(new QCheckBox(QStringLiteral("sfondo tabelle"), tab), "CBsfondoTab");
  Label2_ = named(new QLabel(QStringLiteral("Scala immagini:"), tab), "Label2");
  Escale_ = named(new QSpinBox(tab), "Escale");
  Escale_->setRange(PrintOptions::minimumImageScale, PrintOptions::maximumImageScale);
  Escale_->setValue(PrintOptions{}.imageScale);
  Label2_->setBuddy(Escale_);
  auto* scale = new QHBoxLayout;
  scale->addWidget(Label2_);
  scale->addWidget(Escale_);
  scale->addStretch();
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(CBsfondo_);
  layout->addWidget(CBsfondoTab_);
  layout->addLayout(scale);
  layout->addStretch();
  return tab;
}

QWidget* TFprint::buildPreviewPanel() {
  auto* panel = named(new QWidget, "PanelPreview");
  BIndietro_ = iconButton(panel, "BIndietro", QStyle::SP_ArrowBack, QStringLiteral("Indietro"));
  BCurPag_ = iconButton(panel, "BCurPag", QStyle::SP_FileIcon, QStringLiteral("Pagina della finestra principale"));
  BSummary_ = iconButton(panel, "BSummary", QStyle::SP_FileDialogContentsView, QStringLiteral("Sommario"));
  BCover_ = iconButton(panel, "BCover", QStyle::SP_DirHomeIcon, QStringLiteral("Copertina"));
  auto* buttons = new QHBoxLayout;
  for (QToolButton* button : {BIndietro_, BCurPag_, BSummary_, BCover_}) buttons->addWidget(button);
  buttons->addStretch();

  Preview_ = named(new TInsiemeCornici(panel), "Preview");
  Preview_->setMinimumSize(scaledSize(designScaleOf(font()), minimumSide / 2, minimumSide / 2));
  Preview_->setReadOnly(true);
  PopupPreview_ = named(new QMenu(this), "PopupPreview");
  Nextslide1_ = named(PopupPreview_->addAction(QStringLiteral("Diapositiva seguente...")), "Nextslide1");
  // A right click on a reading box that shows no link.
  Preview_->setPopup(FramePopup::PopupInactive, PopupPreview_);

  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(buttons);
  layout->addWidget(Preview_, 1);
  return panel;
}

void TFprint::connectControls() {
  connect(BAggiungiPagina_, &QPushButton::clicked, this, [this] { BAggiungiPaginaClick(); });
  connect(Btutte_, &QPushButton::clicked, this, [this] { BtutteClick(); });
  connect(BCorrente_, &QPushButton::clicked, this, [this] { BCorrenteClick(); });
  connect(Bup_, &QToolButton::clicked, this, [this] { BupClick(); });
  connect(Bdown_, &QToolButton::clicked, this, [this] { BdownClick(); });
  connect(BdelPage_, &QToolButton::clicked, this, [this] { BdelPageClick(); });
  connect(PagScelte_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { PagScelteClick(item); });
  connect(Ordine_, &QTreeView::clicked, this, [this] { OrdineClick(); });
  connect(BIndietro_, &QToolButton::clicked, this, [this] { BIndietroClick(); });
  connect(BCurPag_, &QToolButton::clicked, this, [this] { BCurPagClick(); });
  connect(BSummary_, &QToolButton::clicked, this, [this] { BSummaryClick(); });
  connect(BCover_, &QToolButton::clicked, this, [this] { BCoverClick(); });
  connect(Nextslide1_, &QAction::triggered, this, [this] { Nextslide1Click(); });
  connect(Preview_, &TZEBCustomFrameSet::OnDoLink, this,
          [this](LinkSource source, TZEBoggetto* link) { PreviewDoLink(source, link); });
  connect(BOk_, &QPushButton::clicked, this, [this] { BOkClick(); });
  connect(BAnnulla_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace zeb
