// TZEBorderedTree: the tree view, its keys, mouse and drops, applying the contents tree's rules.
#include "shell/qt/contents_tree_view.h"

#include <QAbstractItemView>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/qt/contents_model.h"

namespace zeb {

TZEBorderedTree::TZEBorderedTree(QWidget* parent) : QTreeView(parent), model_(new ContentsModel(tree_, this)) {
  setModel(model_);
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setDropIndicatorShown(true);
  applyEditTriggers();
  connect(model_, &ContentsModel::objectRenamed, this, &TZEBorderedTree::OnRenameItem);
}

TZEBorderedTree::~TZEBorderedTree() = default;

void TZEBorderedTree::applyEditTriggers() {
  setEditTriggers(readOnly_ ? QAbstractItemView::NoEditTriggers
                            : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
  setDragEnabled(tree_.Editable() && !readOnly_);
  setAcceptDrops(!readOnly_);
}

void TZEBorderedTree::setObjects(TOggettiHel kind) {
  model_->resetWith([&] { tree_.setObjects(kind); });
}

void TZEBorderedTree::setEditable(bool editable) {
  model_->resetWith([&] { tree_.setEditable(editable); });
  applyEditTriggers();
}

void TZEBorderedTree::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  applyEditTriggers();
}

void TZEBorderedTree::setLinkedZEBset(TZEBset* set) {
  model_->resetWith([&] { tree_.setLinkedZEBset(set); });
}

void TZEBorderedTree::containerCleared() {
  model_->resetWith([&] { tree_.clear(); });
}

void TZEBorderedTree::LoadContents() {
  // One update bracket for all the nodes, closed even when loading fails.
  model_->resetWith([&] { tree_.LoadContents(); });
  // Top-level nodes show their children, as a contents page does.
  for (int row = 0; row < model_->rowCount(); ++row) expand(model_->index(row, 0));
}

ContentsNode* TZEBorderedTree::selectedNode() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? nullptr : model_->nodeAt(selected.front());
}

void TZEBorderedTree::selectNode(const ContentsNode* node) {
  const QModelIndex index = model_->indexOf(node);
  if (!index.isValid()) {
    selectionModel()->clearSelection();
    return;
  }
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
}

const ContentsNode* TZEBorderedTree::nodeOfObject(const TZEBoggetto* object) const {
  const ContentsNode* found = nullptr;
  if (object == nullptr) return found;
  tree_.forEach([&](const ContentsNode& node) {
    if (found == nullptr && node.object() == object) found = &node;
  });
  return found;
}

void TZEBorderedTree::AddChapter(std::string_view title, bool before) {
  ContentsNode* added = nullptr;
  model_->editWith([&] { return (added = tree_.AddChapter(title, before, selectedNode())) != nullptr; });
  if (added == nullptr) return;
  selectNode(added);
  edit(model_->indexOf(added));
}

void TZEBorderedTree::AddObjectNode(std::uint32_t identifier, bool before) {
  ContentsNode* added = nullptr;
  model_->editWith([&] { return (added = tree_.AddObjectNode(identifier, before, selectedNode())) != nullptr; });
  if (added != nullptr) selectNode(added);
}

void TZEBorderedTree::MoveUp() {
  ContentsNode* node = selectedNode();
  model_->editWith([&] { return tree_.MoveUp(node); });
  selectNode(node);
}

void TZEBorderedTree::MoveDown() {
  ContentsNode* node = selectedNode();
  model_->editWith([&] { return tree_.MoveDown(node); });
  selectNode(node);
}

void TZEBorderedTree::DeleteNode(ContentsNode* node) {
  auto allow = [this](const ContentsNode& asked) {
    bool allowed = false;
    if (OnDel) OnDel(*this, asked, allowed);
    return allowed;
  };
  if (model_->editWith([&] { return tree_.DeleteNode(node, allow); }, node)) emit OnAfterDel();
}

void TZEBorderedTree::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !leftMouseSelect_) {
    // The press only starts a drag or a click; the selection stays.
    const QModelIndex current = currentIndex();
    QTreeView::mousePressEvent(event);
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    return;
  }
  QTreeView::mousePressEvent(event);
}

void TZEBorderedTree::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && state() != EditingState) {
    DeleteNode(selectedNode());
    event->accept();
    return;
  }
  QTreeView::keyPressEvent(event);
}

bool TZEBorderedTree::acceptsDragFrom(const QDropEvent& event) const {
  return tree_.Editable() && !readOnly_ && qobject_cast<QAbstractItemView*>(event.source()) != nullptr;
}

ContentsNode* TZEBorderedTree::dropTarget(const QDropEvent& event) const {
  ContentsNode* target = model_->nodeAt(indexAt(event.position().toPoint()));
  return acceptsDragFrom(event) && target != nullptr && target->carriesData() ? target : nullptr;
}

void TZEBorderedTree::dragEnterEvent(QDragEnterEvent* event) {
  if (acceptsDragFrom(*event))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TZEBorderedTree::dragMoveEvent(QDragMoveEvent* event) {
  QTreeView::dragMoveEvent(event);  // autoscroll and the drop indicator
  if (dropTarget(*event) != nullptr)
    event->acceptProposedAction();
  else
    event->ignore();
}

void TZEBorderedTree::dropEvent(QDropEvent* event) {
  stopAutoScroll();
  setState(NoState);
  viewport()->update();
  ContentsNode* target = dropTarget(*event);
  if (target == nullptr) {
    event->ignore();
    return;
  }
  // The move is made here (or by the owner): the dragging view must not remove rows itself.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  if (event->source() != this) {
    emit OnForeignDrop(event->source(), target);
    return;
  }
  ContentsNode* dragged = selectedNode();
  if (model_->editWith([&] { return tree_.drop(dragged, target); })) selectNode(dragged);
}

}  // namespace zeb
