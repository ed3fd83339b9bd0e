// The print dialog: its creation, showing and closing with the stored settings, and the
// preview's navigation.
#include "shell/qt/print_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <charconv>

#include "document/container.h"
#include "document/page_sequence.h"
#include "platform/qt/qt_window_placement.h"
#include "platform/settings_store.h"
#include "shell/contents_tree.h"
#include "shell/print/print_job.h"
#include "shell/qt/accessible_names.h"
#include "shell/qt/contents_tree_view.h"
#include "shell/settings_keys.h"
#include "texts/qt/window_texts.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

constexpr std::string_view windowName = "Fprint";
// Kept with the dialog's placement: the width of the panel left of the preview.
constexpr std::string_view panelWidthValue = "PanelWidth";
constexpr int smallestPanelWidth = 50;
constexpr int largestPanelWidth = 1 << 14;

std::string placementKey() { return std::string(shell::settings::formsKey) + std::string(windowName); }

bool storedSwitch(const SettingsStore& settings, std::string_view name) {
  return settings.readString(shell::settings::optionsKey, name).value_or("") != "0";
}

std::string_view switchText(bool on) { return on ? "1" : "0"; }

}  // namespace

TFprint::TFprint(PrintDialogServices services, QWidget* parent) : QDialog(parent), services_(std::move(services)) {
  buildForm();
  applyEnglishTable(*this, WindowTable::print);
  publishAccessibleNames(*this);
  // The stored order is edited by the authoring tool only.
  PageControl1_->setTabVisible(orderTab, false);
  Preview_->setLinkedZEBset(&services_.set);
  readStoredSettings();
}

TFprint::~TFprint() {
  // The preview's pages go before the container they show can.
  Preview_->setLinkedZEBset(nullptr);
}

void TFprint::readStoredSettings() {
  CBprev_->setChecked(storedSwitch(services_.settings, shell::settings::previewOnListClick));
  CBanteprima_->setChecked(storedSwitch(services_.settings, shell::settings::previewOnTreeClick));
}

void TFprint::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
  QDialog::showEvent(event);
}

void TFprint::FormShow() {
  restorePlacement(*this, services_.settings, shell::settings::formsKey, windowName);
  const auto width = services_.settings.readString(placementKey(), panelWidthValue);
  int panel = 0;
  if (width && std::from_chars(width->data(), width->data() + width->size(), panel).ec == std::errc() &&
      panel >= smallestPanelWidth && panel <= largestPanelWidth) {
    const QList<int> sizes = Splitter1_->sizes();
    Splitter1_->setSizes({panel, std::max(smallestPanelWidth, sizes.value(0) + sizes.value(1) - panel)});
  }
  // The tree is loaded, root expanded and selected, so that "All" can follow it.
  Ordine_->setLinkedZEBset(&services_.set);
  Ordine_->LoadContents();
  if (!Ordine_->tree().empty()) Ordine_->selectNode(Ordine_->tree().topLevel(0));
  if (mainPageNumber() >= 0)
    Preview_->setMainPageNumber(mainPageNumber());
  else
    Preview_->ShowCover();
}

bool TFprint::editingTitle() const { return Ordine_->editingTitle(); }

void TFprint::done(int result) {
  if (editingTitle()) return;
  FormClose();
  QDialog::done(result);
}

void TFprint::closeEvent(QCloseEvent* event) {
  if (editingTitle()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TFprint::FormClose() {
  SettingsStore& settings = services_.settings;
  settings.writeString(shell::settings::optionsKey, shell::settings::previewOnListClick,
                       switchText(CBprev_->isChecked()));
  settings.writeString(shell::settings::optionsKey, shell::settings::previewOnTreeClick,
                       switchText(CBanteprima_->isChecked()));
  if (!shownOnce_) return;
  savePlacement(*this, settings, shell::settings::formsKey, windowName);
  settings.writeString(placementKey(), panelWidthValue, std::to_string(Splitter1_->sizes().value(0)));
}

bool TFprint::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PagScelte_) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
      BdelPageClick();
      return true;
    }
    // Moving through the list with the keys previews as a click does.
    if (event->type() == QEvent::KeyRelease) PagScelteClick(PagScelte_->currentItem());
  }
  return QDialog::eventFilter(watched, event);
}

int TFprint::mainPageNumber() const {
  return services_.mainView != nullptr ? services_.mainView->MainPageNumber() : -1;
}

PrintOptions TFprint::printOptions() const {
  PrintOptions options;
  options.background = CBsfondo_->isChecked();
  options.tableBackground = CBsfondoTab_->isChecked();
  options.imageScale = Escale_->value();
  return options;
}

void TFprint::showInPreview(std::int64_t data) {
  if (findLivePage(services_.set, data) != nullptr) Preview_->setMainPageNumber(static_cast<std::int32_t>(data));
}

void TFprint::PagScelteClick(QTreeWidgetItem* item) {
  if (item != nullptr && CBprev_->isChecked()) showInPreview(item->data(0, Qt::UserRole).toLongLong());
}

void TFprint::OrdineClick() {
  const TZEBoggetto* object = Ordine_->SelectedObject();
  if (object != nullptr && CBanteprima_->isChecked()) showInPreview(object->ID());
}

void TFprint::BIndietroClick() { Preview_->GoBack(); }

void TFprint::BCurPagClick() {
  if (mainPageNumber() >= 0) Preview_->setMainPageNumber(mainPageNumber());
}

void TFprint::BSummaryClick() { Preview_->ShowSummary(); }

void TFprint::BCoverClick() { Preview_->ShowCover(); }

void TFprint::Nextslide1Click() {
  const std::int32_t shown = Preview_->MainPageNumber();
  if (findLivePage(services_.set, shown) == nullptr) return;
  const std::int32_t next = nextPage(services_.set, shown);
  if (next != shown) showInPreview(next);
}

void TFprint::PreviewDoLink(const LinkSource&, TZEBoggetto* link) {
  // The preview followed a page link by itself; the page it shows now joins the list.
  if (link != nullptr && link->Kind() == TOggettiHel::testoHtml && CBsegna_->isChecked())
    addItem(Preview_->MainPageNumber());
}

}  // namespace zeb
