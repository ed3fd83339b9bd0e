// The contents sidebar.
#include "shell/qt/contents_sidebar.h"

#include <QTimer>
#include <utility>

#include "document/book_object.h"
#include "document/container.h"
#include "shell/qt/contents_tree_view.h"

namespace zeb {

ContentsSidebar::ContentsSidebar(QWidget* parent) : QDockWidget(parent), tree_(new TZEBorderedTree(this)) {
  setObjectName("ContentsDock");
  setWindowTitle(QStringLiteral("Indice"));
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  tree_->setObjectName("ContentsTree");
  tree_->setEditable(false);
  tree_->setReadOnly(true);
  tree_->setHeaderHidden(true);
  setWidget(tree_);
  connect(tree_, &QAbstractItemView::clicked, this, &ContentsSidebar::nodeActivated);
  connect(tree_, &QAbstractItemView::activated, this, &ContentsSidebar::nodeActivated);
}

void ContentsSidebar::setLinkedZEBset(TZEBset* set) {
  loaded_ = false;
  tree_->setLinkedZEBset(set);
}

void ContentsSidebar::bookOpened(bool storesContents) {
  loaded_ = false;
  tree_->setLinkedZEBset(tree_->LinkedZEBset());
  setVisible(storesContents);
  if (isVisible()) scheduleLoad();
}

// The tree is read once the page has been shown: the page comes first.
void ContentsSidebar::scheduleLoad() {
  if (held_) {
    loadWanted_ = true;
    return;
  }
  if (loadScheduled_) return;
  loadScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    loadScheduled_ = false;
    if (!loaded_ && isVisible()) load();
  });
}

void ContentsSidebar::setLoadingHeld(bool held) {
  held_ = held;
  if (!held_ && std::exchange(loadWanted_, false)) scheduleLoad();
}

void ContentsSidebar::load() {
  if (tree_->LinkedZEBset() == nullptr) return;
  tree_->LoadContents();
  tree_->expandAll();
  loaded_ = true;
  showPage(shownPage_);
}

void ContentsSidebar::showPage(std::int32_t page) {
  shownPage_ = page;
  if (!loaded_) return;
  TZEBset* set = tree_->LinkedZEBset();
  const TZEBoggetto* object =
      page >= 0 && set != nullptr ? set->objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), page) : nullptr;
  tree_->selectNode(object != nullptr ? tree_->nodeOfObject(object) : nullptr);
}

void ContentsSidebar::containerResetting() {
  loaded_ = false;
  shownPage_ = -1;
  // Linking again forgets the nodes and the contents object, both the container's.
  tree_->setLinkedZEBset(tree_->LinkedZEBset());
}

void ContentsSidebar::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  if (!loaded_) scheduleLoad();
}

void ContentsSidebar::nodeActivated(const QModelIndex&) {
  const TZEBoggetto* object = tree_->SelectedObject();
  if (object == nullptr || object->Kind() != TOggettiHel::testoHtml || object->isReleased()) return;
  const bool focused = tree_->hasFocus();
  emit pageChosen(object->Index());
  // Showing a page hands the keyboard to its text; the arrows go on moving through the tree.
  if (focused) tree_->setFocus(Qt::OtherFocusReason);
}

}  // namespace zeb
