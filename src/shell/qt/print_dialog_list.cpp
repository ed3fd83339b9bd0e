// The print dialog's list of pages (adding, moving, deleting) and printing it.
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "document/container.h"
#include "document/page_object.h"
#include "platform/message_boxes.h"
#include "platform/qt/book_text.h"
#include "shell/messages.h"
#include "shell/print/print_job.h"
#include "shell/qt/contents_tree_view.h"
#include "shell/qt/print_dialog.h"
#include "shell/qt/wait_cursor.h"
#include "view/qt/frame_set.h"

namespace zeb {
namespace {

constexpr int dataRole = Qt::UserRole;

}  // namespace

std::vector<std::int64_t> TFprint::listedItems() const {
  std::vector<std::int64_t> items;
  for (int row = 0; row < PagScelte_->topLevelItemCount(); ++row)
    items.push_back(PagScelte_->topLevelItem(row)->data(0, dataRole).toLongLong());
  return items;
}

bool TFprint::addItem(std::int64_t data) {
  const TZEBoggetto* object = nullptr;
  if (data >= 0 && data < firstNonPageItem) {
    object = findLivePage(services_.set, data);
  } else if (data >= firstNonPageItem && data <= UINT32_MAX) {
    object = services_.set.objectById(static_cast<std::uint32_t>(data));
    if (object != nullptr && object->isReleased()) object = nullptr;
  }
  if (object == nullptr) return false;
  auto* item = new QTreeWidgetItem(PagScelte_, {fromBookText(object->Name(), services_.set.codePageOf(*object))});
  item->setData(0, dataRole, QVariant::fromValue<qlonglong>(data));
  PagScelte_->scrollToItem(item);
  return true;
}

void TFprint::BAggiungiPaginaClick() { addItem(Preview_->MainPageNumber()); }

void TFprint::BCorrenteClick() { addItem(mainPageNumber()); }

void TFprint::BtutteClick() {
  PagScelte_->clear();
  if (Ordine_->LinkedZEBset() == nullptr) {
    Ordine_->setLinkedZEBset(&services_.set);
    Ordine_->LoadContents();
  }
  std::vector<std::int32_t> listed;
  for (const TZEBoggetto* object : Ordine_->ListObjects()) {
    addItem(object->ID());
    if (object->Kind() == TOggettiHel::testoHtml) listed.push_back(object->Index());
  }
  // Pages the tree leaves out print too, after those it holds.
  for (const std::int32_t page : pagesLeftOut(services_.set, listed)) addItem(page);
}

void TFprint::swapCurrentWith(int offset) {
  QTreeWidgetItem* item = PagScelte_->currentItem();
  if (item == nullptr || !item->isSelected()) {
    const QList<QTreeWidgetItem*> selected = PagScelte_->selectedItems();
    item = nullptr;
    for (QTreeWidgetItem* candidate : selected)
      if (item == nullptr || PagScelte_->indexOfTopLevelItem(candidate) < PagScelte_->indexOfTopLevelItem(item))
        item = candidate;
  }
  if (item == nullptr) return;
  const int row = PagScelte_->indexOfTopLevelItem(item);
  const int other = row + offset;
  if (other < 0 || other >= PagScelte_->topLevelItemCount()) return;
  PagScelte_->takeTopLevelItem(row);
  PagScelte_->insertTopLevelItem(other, item);
  PagScelte_->clearSelection();
  PagScelte_->setCurrentItem(item);
  item->setSelected(true);
}

void TFprint::BupClick() { swapCurrentWith(-1); }

void TFprint::BdownClick() { swapCurrentWith(1); }

void TFprint::BdelPageClick() { qDeleteAll(PagScelte_->selectedItems()); }

void TFprint::BOkClick() {
  BOk_->setEnabled(false);
  if (PagScelte_->topLevelItemCount() == 0) addItem(Preview_->MainPageNumber());
  Ordine_->SaveContents();

  PrintRequest request;
  request.pages = pagesToPrint(listedItems(), Preview_->MainPageNumber());
  request.options = printOptions();
  // The bar moves on twice for each page.
  const int steps = 2 * static_cast<int>(request.pages.size());
  ProgressBar1_->setRange(0, std::max(steps, 1));
  ProgressBar1_->setValue(0);
  ProgressBar1_->show();
  request.onPagePrinted = [this](int printed, int) {
    ProgressBar1_->setValue(2 * printed);
    ProgressBar1_->repaint();
  };
  printedSheets_ = 0;
  if (services_.pageSetup == nullptr) {
    services_.set.messages().error(shell::messages::noPageSetup);
  } else if (!request.pages.empty() && services_.printer != nullptr) {
    request.setup = *services_.pageSetup;
    if (services_.completeSetup && !services_.completeSetup(request.setup)) {
      ProgressBar1_->hide();
      BOk_->setEnabled(true);
      return;
    }
    const WaitCursor wait;
    printedSheets_ = printPages(services_.set, *services_.printer, request);
  }
  accept();
  ProgressBar1_->hide();
  BOk_->setEnabled(true);
}

}  // namespace zeb
