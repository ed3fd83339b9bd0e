// TFprint, the print dialog: the pages to print in print order, a preview that browses the
// book by itself, the print options, and printing the pages with the main window's page
// set-up as one print job.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/printer.h"
#include "shell/print/print_scale.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zeb {

class SettingsStore;
class TInsiemeCornici;
class TZEBCustomFrameSet;
class TZEBoggetto;
class TZEBorderedTree;
class TZEBset;
struct LinkSource;

// What the print dialog works with; nothing is owned.
struct PrintDialogServices {
  TZEBset& set;
  SettingsStore& settings;
  // The main window's frame set, whose page "Current" adds; none leaves it out.
  const TZEBCustomFrameSet* mainView = nullptr;
  // The main window's page set-up; without one nothing prints ("pagesetupdialog=NIL").
  const PageSetup* pageSetup = nullptr;
  // The printer the pages print on; none prints nothing.
  Printer* printer = nullptr;
  // Completes a copy of the page set-up before the pages print (the PDF file asked for when
  // the job needs one); false prints nothing and leaves the dialog open. Unset, the set-up
  // prints as it is.
  std::function<bool(PageSetup&)> completeSetup;
};

class TFprint final : public QDialog {
  Q_OBJECT

 public:
  // The tab of the list, the tab where the stored order is edited (hidden in the reader) and
  // the options tab.
  enum Tab { pagesTab = 0, orderTab = 1, optionsTab = 2 };

  explicit TFprint(PrintDialogServices services, QWidget* parent = nullptr);
  ~TFprint() override;

  // --- Controls.
  QTabWidget* PageControl1() const { return PageControl1_; }
  QTreeWidget* PagScelte() const { return PagScelte_; }
  QPushButton* BAggiungiPagina() const { return BAggiungiPagina_; }
  QPushButton* Btutte() const { return Btutte_; }
  QPushButton* BCorrente() const { return BCorrente_; }
  QToolButton* Bup() const { return Bup_; }
  QToolButton* Bdown() const { return Bdown_; }
  QToolButton* BdelPage() const { return BdelPage_; }
  QCheckBox* CBsegna() const { return CBsegna_; }
  QCheckBox* CBprev() const { return CBprev_; }
  TZEBorderedTree* Ordine() const { return Ordine_; }
  QCheckBox* CBanteprima() const { return CBanteprima_; }
  QCheckBox* CBsfondo() const { return CBsfondo_; }
  QCheckBox* CBsfondoTab() const { return CBsfondoTab_; }
  QSpinBox* Escale() const { return Escale_; }
  TInsiemeCornici* Preview() const { return Preview_; }
  QToolButton* BIndietro() const { return BIndietro_; }
  QToolButton* BCurPag() const { return BCurPag_; }
  QToolButton* BSummary() const { return BSummary_; }
  QToolButton* BCover() const { return BCover_; }
  QMenu* PopupPreview() const { return PopupPreview_; }
  QAction* Nextslide1() const { return Nextslide1_; }
  QProgressBar* ProgressBar1() const { return ProgressBar1_; }
  QPushButton* BOk() const { return BOk_; }
  QPushButton* BAnnulla() const { return BAnnulla_; }

  // The data of the list's items in order: page numbers, and IDs of other objects.
  std::vector<std::int64_t> listedItems() const;
  // The print options as the Options tab sets them.
  PrintOptions printOptions() const;
  // The sheets the last print printed.
  int printedSheets() const { return printedSheets_; }

  // --- Event handlers.
  void BAggiungiPaginaClick();
  void BtutteClick();
  void BCorrenteClick();
  void BupClick();
  void BdownClick();
  void BdelPageClick();
  // Prints the list (the preview's page when it is empty) and closes the dialog.
  void BOkClick();
  void BIndietroClick();
  void BCurPagClick();
  void BSummaryClick();
  void BCoverClick();
  void Nextslide1Click();
  void PreviewDoLink(const LinkSource& source, TZEBoggetto* link);

  // Writes the stored settings on the way out; refused while a title in the order tree is
  // being edited.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // print_dialog_form.cpp: the controls with their designed (Italian) texts.
  void buildForm();
  QWidget* buildPagesTab();
  QWidget* buildOrderTab();
  QWidget* buildOptionsTab();
  QWidget* buildPreviewPanel();
  void connectControls();

  void FormShow();
  void FormClose();
  void readStoredSettings();
  // Whether a title in the order tree is being edited.
  bool editingTitle() const;
  // Adds an item for the page number or object ID; false (nothing added) for a page or
  // object the book does not hold.
  bool addItem(std::int64_t data);
  void showInPreview(std::int64_t data);
  void PagScelteClick(QTreeWidgetItem* item);
  void OrdineClick();
  void swapCurrentWith(int offset);
  int mainPageNumber() const;

  PrintDialogServices services_;
  QTabWidget* PageControl1_ = nullptr;
  QSplitter* Splitter1_ = nullptr;
  QLabel* Label1_ = nullptr;
  QTreeWidget* PagScelte_ = nullptr;
  QPushButton* BAggiungiPagina_ = nullptr;
  QPushButton* Btutte_ = nullptr;
  QPushButton* BCorrente_ = nullptr;
  QToolButton* Bup_ = nullptr;
  QToolButton* Bdown_ = nullptr;
  QToolButton* BdelPage_ = nullptr;
  QCheckBox* CBsegna_ = nullptr;
  QCheckBox* CBprev_ = nullptr;
  TZEBorderedTree* Ordine_ = nullptr;
  QCheckBox* CBanteprima_ = nullptr;
  QPushButton* BScegli_ = nullptr;
  QPushButton* BTutteNum_ = nullptr;
  QCheckBox* CBsfondo_ = nullptr;
  QCheckBox* CBsfondoTab_ = nullptr;
  QLabel* Label2_ = nullptr;
  QSpinBox* Escale_ = nullptr;
  TInsiemeCornici* Preview_ = nullptr;
  QToolButton* BIndietro_ = nullptr;
  QToolButton* BCurPag_ = nullptr;
  QToolButton* BSummary_ = nullptr;
  QToolButton* BCover_ = nullptr;
  QMenu* PopupPreview_ = nullptr;
  QAction* Nextslide1_ = nullptr;
  QProgressBar* ProgressBar1_ = nullptr;
  QPushButton* BOk_ = nullptr;
  QPushButton* BAnnulla_ = nullptr;
  bool shownOnce_ = false;
  bool closed_ = false;
  int printedSheets_ = 0;
};

}  // namespace zeb
