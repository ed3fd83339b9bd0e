// The search dialog's construction: its pages and components with their design texts (then
// the English table), showing, activation, keys, and the options kept in the settings.
#include "shell/qt/search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qt/book_text.h"
#include "platform/qt/qt_dialog_units.h"
#include "platform/qt/qt_window_placement.h"
#include "shell/keyword_search.h"
#include "shell/messages.h"
#include "shell/qt/accessible_names.h"
#include "shell/qt/object_list_view.h"
#include "shell/qt/search_progress.h"
#include "shell/qt/toolbar_icons.h"
#include "shell/settings_keys.h"
#include "texts/qt/window_texts.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

constexpr std::string_view windowName = "Fcerca";
// In pixels of the design font: the smallest size the dialog can be dragged to, and the
// size it opens with, wide enough for the result list's titles, page numbers and contexts.
constexpr int smallestWidth = 242;
constexpr int smallestHeight = 350;
constexpr int designedWidth = 560;
constexpr int designedHeight = 440;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* label(const char* name, const char* text, QWidget* parent) {
  return named(new QLabel(QString::fromUtf8(text), parent), name);
}

// A label that names the field after it, for the keyboard and for accessibility tools.
QLabel* labelOf(QWidget* field, const char* name, const char* text, QWidget* parent) {
  QLabel* created = label(name, text, parent);
  created->setBuddy(field);
  return created;
}

// Buttons never take Enter for themselves: Enter belongs to the term boxes.
QPushButton* button(const char* name, const char* text, QWidget* parent) {
  auto* pushButton = named(new QPushButton(QString::fromUtf8(text), parent), name);
  pushButton->setAutoDefault(false);
  pushButton->setDefault(false);
  return pushButton;
}

QComboBox* termBox(const char* name, QWidget* parent, bool grey) {
  auto* box = named(new QComboBox(parent), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(12);
  if (grey) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
  }
  return box;
}

}  // namespace

TFcerca::TFcerca(SearchDialogHost host, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      host_(std::move(host)),
      view_(*host_.Editor, host_.view),
      search_([this](std::function<void()> work) {
        // Any thread may post; the work runs on the dialog's thread, never after it is gone.
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
      }),
      flushTimer_(new QTimer(this)),
      PageControl1_(named(new QTabWidget(this), "PageControl1")),
      TSkey_(named(new QWidget, "TSkey")),
      TSparola_(named(new QWidget, "TSparola")),
      TSsost_(named(new QWidget, "TSsost")),
      progress_(new SearchProgressIndicator(this)) {
  setObjectName(QString::fromUtf8(windowName.data(), static_cast<qsizetype>(windowName.size())));
  setWindowTitle(QStringLiteral("Cerca:"));
  const DesignScale scale = designScaleOf(font());
  setMinimumSize(scaledSize(scale, smallestWidth, smallestHeight));
  resize(scaledSize(scale, designedWidth, designedHeight));
  setSizeGripEnabled(true);

  PageControl1_->addTab(TSkey_, QStringLiteral("Pagina per parola chiave"));
  PageControl1_->addTab(TSparola_, QStringLiteral("Parola"));
  PageControl1_->addTab(TSsost_, QStringLiteral("Sostituisci"));
  for (const char* name : {"TSdove", "TSlista"})
    PageControl1_->setTabVisible(PageControl1_->addTab(named(new QWidget, name), QStringLiteral("Dove")), false);
  buildKeywordPage();
  buildWordPage();
  buildReplacePage();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1_, 1);
  layout->addWidget(progress_);
  if (host_.placeProgressIndicator) host_.placeProgressIndicator(*progress_);

  applyEnglishTable(*this, WindowTable::search);
  BContinuaNellIpertesto_->setText(fromBookText(messages::searchInTheEbook));
  publishAccessibleNames(*this);
  PageControl1_->setTabVisible(PageControl1_->indexOf(TSsost_), false);
  PageControl1_->setCurrentWidget(TSparola_);
  connectComponents();
}

TFcerca::~TFcerca() {
  // The worker posts to this object: it must be stopped before the object goes.
  search_.cancel();
}

void TFcerca::buildKeywordPage() {
  Edit1_ = named(new QLineEdit(TSkey_), "Edit1");
  BCerca_ = named(new QToolButton(TSkey_), "BCerca");
  BCerca_->setIcon(toolbarIcon(ToolbarGlyph::search));
  BCerca_->setToolTip(QStringLiteral("Cerca"));
  ZEBListViewKW_ = named(new TZEBListView, "ZEBListViewKW");
  ZEBListViewKW_->setObjects(TOggettiHel::keyword);
  ZEBListViewKW_->setLinkedZEBset(host_.mainZEBset);
  // A plain list of the titles.
  ZEBListViewKW_->setHeaderHidden(true);
  for (int column = 1; column < objectListColumns; ++column) ZEBListViewKW_->hideColumn(column);
  ZEBListViewKW_->setDragEnabled(false);
  Label3_ = label("Label3", "Pagine contenenti la parola chiave selezionata:", nullptr);
  ZEBListViewPag_ = named(new TZEBListView, "ZEBListViewPag");
  ZEBListViewPag_->setObjects(TOggettiHel::testoHtml);
  ZEBListViewPag_->setLinkedZEBset(host_.mainZEBset);
  ZEBListViewPag_->setRightMouseSelect(true);
  ZEBListViewPag_->OnFilter = [this](TZEBListView&, TZEBoggetto& page, bool& accept) {
    accept = accept && pageCarriesKeyword(page, keywordFilter_);
  };

  auto* search = new QHBoxLayout;
  search->addWidget(Edit1_, 1);
  search->addWidget(BCerca_);
  auto* pages = new QWidget;
  auto* pagesLayout = new QVBoxLayout(pages);
  pagesLayout->setContentsMargins(0, 0, 0, 0);
  pagesLayout->addWidget(Label3_);
  pagesLayout->addWidget(ZEBListViewPag_, 1);
  auto* splitter = named(new QSplitter(Qt::Vertical), "Splitter1");
  splitter->addWidget(ZEBListViewKW_);
  splitter->addWidget(pages);
  splitter->setChildrenCollapsible(false);

  auto* layout = new QVBoxLayout(TSkey_);
  layout->addWidget(labelOf(Edit1_, "Label1", "Cerca per parola chiave:", TSkey_));
  layout->addLayout(search);
  layout->addWidget(label("Label2", "Parole chiave disponibili:", TSkey_));
  layout->addWidget(splitter, 1);
}

void TFcerca::buildWordPage() {
  Edit2_ = termBox("Edit2", TSparola_, false);
  Edit3_ = termBox("Edit3", TSparola_, true);
  Edit5_ = termBox("Edit5", TSparola_, true);
  Edit6_ = termBox("Edit6", TSparola_, true);
  SpeedButton1_ = button("SpeedButton1", "Tutte le pagine che soddisfano i criteri", TSparola_);
  SpeedButton1_->setToolTip(QStringLiteral("Cerca"));
  BCNellaPagina_ = button("BCNellaPagina", "Cerca nella &pagina...", TSparola_);
  BContinuaNellIpertesto_ = button("BContinuaNellIpertesto", "Continua nell'ipertesto", TSparola_);
  Bcancel_ = button("Bcancel", "<", TSparola_);
  Bcancel_->setToolTip(QStringLiteral("Azzera"));
  Bcancel_->setMaximumWidth(Bcancel_->fontMetrics().horizontalAdvance(QStringLiteral("<<<<")) + 12);
  CBcaps1_ = named(new QCheckBox(QStringLiteral("ignora maiuscole"), TSparola_), "CBcaps1");
  CBcaps1_->setChecked(true);
  CBcomp1_ = named(new QCheckBox(QStringLiteral("solo parole intere"), TSparola_), "CBcomp1");
  ZEBListViewPagPar_ = named(new TZEBListView(TSparola_), "ZEBListViewPagPar");
  ZEBListViewPagPar_->setObjects(TOggettiHel::testoHtml);
  ZEBListViewPagPar_->setLinkedZEBset(host_.mainZEBset);
  ZEBListViewPagPar_->setSnippetColumn(true);
  // Results are read by their titles and snippets: the title gets room for a few words and
  // the hexadecimal page number for its six digits; the snippet takes the rest.
  const QFontMetrics metrics = ZEBListViewPagPar_->fontMetrics();
  ZEBListViewPagPar_->header()->resizeSection(0, 16 * metrics.averageCharWidth() + 24);
  ZEBListViewPagPar_->header()->resizeSection(4, metrics.horizontalAdvance(QStringLiteral("000000")) + 12);
  LabelNoResults_ = named(new QLabel(fromBookText(messages::noPageMeetsCriteria)), "LabelNoResults");
  LabelNoResults_->setAlignment(Qt::AlignCenter);
  LabelNoResults_->setWordWrap(true);
  LabelNoResults_->setFrameShape(QFrame::StyledPanel);
  ResultsPlace_ = named(new QStackedWidget(TSparola_), "ResultsPlace");
  ResultsPlace_->addWidget(ZEBListViewPagPar_);
  ResultsPlace_->addWidget(LabelNoResults_);

  auto* terms = new QGridLayout;
  terms->addWidget(labelOf(Edit3_, "Label5", "e:", TSparola_), 0, 0);
  terms->addWidget(Edit3_, 0, 1);
  terms->addWidget(labelOf(Edit5_, "Label6", "Oppure:", TSparola_), 1, 0);
  terms->addWidget(Edit5_, 1, 1);
  terms->addWidget(labelOf(Edit6_, "Label7", "e:", TSparola_), 2, 0);
  terms->addWidget(Edit6_, 2, 1);
  terms->setColumnStretch(1, 1);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(CBcaps1_);
  boxes->addWidget(CBcomp1_);
  boxes->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BCNellaPagina_, 1);
  buttons->addWidget(BContinuaNellIpertesto_, 1);
  buttons->addWidget(Bcancel_);

  auto* layout = new QVBoxLayout(TSparola_);
  layout->addWidget(labelOf(Edit2_, "Label4", "Cerca la parola (dalla posizione del cursore):", TSparola_));
  layout->addWidget(Edit2_);
  layout->addLayout(terms);
  layout->addLayout(boxes);
  layout->addLayout(buttons);
  layout->addWidget(SpeedButton1_);
  layout->addWidget(ResultsPlace_, 1);
}

void TFcerca::buildReplacePage() {
  CBcaps_ = named(new QCheckBox(QStringLiteral("ignora maiuscole"), TSsost_), "CBcaps");
  CBcaps_->setChecked(true);
  CBcomp_ = named(new QCheckBox(QStringLiteral("solo parole intere"), TSsost_), "CBcomp");
  CBconferma_ = named(new QCheckBox(QStringLiteral("conferma ogni sostituzione"), TSsost_), "CBconferma");
  CBconfT_ = named(new QCheckBox(QStringLiteral("conferma sostituisci tutto"), TSsost_), "CBconfT");
  auto* group = named(new QGroupBox(QStringLiteral("Inizia da:"), TSsost_), "RGparti");
  RBpage0_ = named(new QRadioButton(QStringLiteral("Pagina 0"), group), "RBpage0");
  RBpresentPage_ = named(new QRadioButton(QStringLiteral("pagina attuale"), group), "RBpresentPage");
  RBpage0_->setChecked(true);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(RBpage0_);
  groupLayout->addWidget(RBpresentPage_);
  auto* layout = new QVBoxLayout(TSsost_);
  for (QWidget* widget : std::initializer_list<QWidget*>{CBcaps_, CBcomp_, CBconferma_, CBconfT_, group})
    layout->addWidget(widget);
  layout->addStretch(1);
}

void TFcerca::connectComponents() {
  connect(BCNellaPagina_, &QPushButton::clicked, this, &TFcerca::BCNellaPaginaClick);
  connect(BContinuaNellIpertesto_, &QPushButton::clicked, this, &TFcerca::BContinuaNellIpertestoClick);
  connect(SpeedButton1_, &QPushButton::clicked, this, &TFcerca::SpeedButton1Click);
  connect(Bcancel_, &QPushButton::clicked, this, &TFcerca::BcancelClick);
  connect(BCerca_, &QToolButton::clicked, this, &TFcerca::BCercaClick);
  connect(Edit1_, &QLineEdit::returnPressed, this, &TFcerca::BCercaClick);
  connect(Edit2_->lineEdit(), &QLineEdit::returnPressed, this, &TFcerca::BCNellaPaginaClick);
  connect(Edit2_, &QComboBox::editTextChanged, this, [this] { BCNellaPagina_->setEnabled(true); });
  for (QComboBox* box : {Edit3_, Edit5_, Edit6_})
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box] { termTyped(*box); });
  // The stored copies follow the word page's boxes.
  connect(CBcaps1_, &QCheckBox::clicked, CBcaps_, &QCheckBox::setChecked);
  connect(CBcomp1_, &QCheckBox::clicked, CBcomp_, &QCheckBox::setChecked);

  connect(ZEBListViewKW_, &TZEBListView::clicked, this, &TFcerca::chooseKeyword);
  connect(ZEBListViewPag_, &TZEBListView::clicked, this, [this] { showChosenPage(*ZEBListViewPag_); });
  connect(ZEBListViewPagPar_, &TZEBListView::clicked, this, &TFcerca::showResult);
  for (TZEBListView* list : {ZEBListViewKW_, ZEBListViewPag_, ZEBListViewPagPar_}) list->installEventFilter(this);

  connect(progress_.data(), &SearchProgressIndicator::cancelRequested, this, &TFcerca::cancelSearch);
  flushTimer_->setSingleShot(true);
  connect(flushTimer_, &QTimer::timeout, this, &TFcerca::flushResults);

  // The dialog sees F3 and F4 before its components do; they act on the word page only.
  auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
  auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
  connect(f3, &QShortcut::activated, this, [this] {
    if (PageControl1_->currentWidget() == TSparola_) BCNellaPaginaClick();
  });
  connect(f4, &QShortcut::activated, this, [this] {
    if (PageControl1_->currentWidget() == TSparola_) BContinuaNellIpertestoClick();
  });
}

bool TFcerca::eventFilter(QObject* watched, QEvent* event) {
  // Releasing a key in a list chooses its selected item, as a click does.
  if (event->type() == QEvent::KeyRelease) {
    if (watched == ZEBListViewKW_) chooseKeyword();
    if (watched == ZEBListViewPag_) showChosenPage(*ZEBListViewPag_);
    if (watched == ZEBListViewPagPar_) showResult();
  }
  return QDialog::eventFilter(watched, event);
}

// --- What the main window calls.

void TFcerca::showOnWordPage() {
  PageControl1_->setCurrentWidget(TSparola_);
  show();
  raise();
  activateWindow();
}

void TFcerca::showOnKeywordPage() {
  PageControl1_->setCurrentWidget(TSkey_);
  show();
  raise();
  activateWindow();
}

bool TFcerca::showsReplacePage() const { return PageControl1_->currentWidget() == TSsost_; }

void TFcerca::searchAgainInPage() {
  if (!showsReplacePage()) BCNellaPaginaClick();
}

void TFcerca::searchAgainInBook() {
  if (!showsReplacePage()) {
    BContinuaNellIpertestoClick();
  } else if (host_.Editor->ReadOnly()) {
    showOnWordPage();
  }
}

void TFcerca::pageChanged() {
  words_.pageChanged();
  updatePageButton();
}

void TFcerca::updatePageButton() {
  BCNellaPagina_->setText(fromBookText(words_.buttonCaption()));
  BCNellaPagina_->setEnabled(true);
}

// --- Showing, activation, closing.

void TFcerca::showEvent(QShowEvent* event) {
  if (!placed_) {
    restorePlacement(*this, *host_.settings, shell::settings::formsKey, windowName);
    placed_ = true;
  }
  QDialog::showEvent(event);
  if (PageControl1_->currentWidget() == TSkey_)
    Edit1_->setFocus();
  else
    Edit2_->setFocus();
  try {
    ZEBListViewKW_->Reload();
    ZEBListViewKW_->sortByListColumn(0);
  } catch (...) {
    // The list stays as far as the reload got.
  }
  readOptions();
}

void TFcerca::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    if (showsReplacePage()) PageControl1_->setCurrentWidget(TSparola_);
    PageControl1_->setTabVisible(PageControl1_->indexOf(TSsost_), false);
  }
  words_.activationChanged();
  updatePageButton();
}

void TFcerca::reject() {
  writeOptions();
  savePlacement(*this, *host_.settings, shell::settings::formsKey, windowName);
  QDialog::reject();
}

void TFcerca::readOptions() {
  readFindOptions(*host_.settings, storedOptions_);
  CBcaps_->setChecked(storedOptions_.ignoreCaps);
  CBcomp_->setChecked(storedOptions_.wholeWord);
  // The word page shows the options it last searched with.
  CBcaps1_->setChecked(storedOptions_.ignoreCaps);
  CBcomp1_->setChecked(storedOptions_.wholeWord);
  CBconferma_->setChecked(storedOptions_.confirmOne);
  CBconfT_->setChecked(storedOptions_.confirmAll);
  (storedOptions_.startFrom == 1 ? RBpresentPage_ : RBpage0_)->setChecked(true);
}

void TFcerca::writeOptions() {
  storedOptions_.ignoreCaps = CBcaps_->isChecked();
  storedOptions_.wholeWord = CBcomp_->isChecked();
  storedOptions_.confirmOne = CBconferma_->isChecked();
  storedOptions_.confirmAll = CBconfT_->isChecked();
  storedOptions_.startFrom = RBpresentPage_->isChecked() ? 1 : 0;
  writeFindOptions(*host_.settings, storedOptions_);
}

}  // namespace zeb
