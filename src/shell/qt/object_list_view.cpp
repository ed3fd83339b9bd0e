// TZEBListView: reloads, selection, header clicks, the right button and the Delete key.
#include "shell/qt/object_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "document/book_object.h"
#include "document/container.h"
#include "shell/qt/object_list_model.h"

namespace zeb {

TZEBListView::TZEBListView(QWidget* parent) : QTreeView(parent), model_(new ObjectListModel(this)) {
  setModel(model_);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header()->setSectionsClickable(true);
  // Every column starts as wide as its caption; the last one takes the rest of the width.
  header()->setStretchLastSection(true);
  for (int column = 0; column < objectListColumns; ++column) {
    const QString caption = model_->headerData(column, Qt::Horizontal).toString();
    header()->resizeSection(column,
                            fontMetrics().horizontalAdvance(caption) + 2 * fontMetrics().averageCharWidth() + 8);
  }
  connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
    if (column >= 0 && column <= 3) sortByListColumn(column);
  });
}

TZEBListView::~TZEBListView() = default;

void TZEBListView::setLinkedZEBset(TZEBset* set) {
  set_ = set;
  model_->setItems({});
}

void TZEBListView::containerCleared() { model_->setItems({}); }

const std::vector<ObjectListItem>& TZEBListView::items() const { return model_->items(); }

void TZEBListView::Reload() {
  model_->setItems({});
  if (set_ == nullptr) return;
  ObjectFilter filter;
  if (OnFilter) filter = [this](TZEBoggetto& object, bool& accept) { OnFilter(*this, object, accept); };
  model_->setItems(listObjectItems(*set_, kind_, filter));
  emit OnReload();
}

void TZEBListView::sortByListColumn(int column) { model_->sort(column); }

int TZEBListView::selectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.front().row();
}

std::int32_t TZEBListView::SelectedIdentifier() const {
  const int row = selectedRow();
  if (row < 0 || set_ == nullptr) return -1;
  const std::uint32_t identifier = items()[static_cast<std::size_t>(row)].identifier;
  const TZEBoggetto* object = set_->objectById(identifier);
  return object != nullptr && !object->isReleased() ? static_cast<std::int32_t>(identifier) : -1;
}

TZEBoggetto* TZEBListView::SelectedObject() const {
  const std::int32_t identifier = SelectedIdentifier();
  return identifier < 0 ? nullptr : set_->objectById(static_cast<std::uint32_t>(identifier));
}

bool TZEBListView::selectIdentifier(std::uint32_t identifier) {
  const auto& list = items();
  for (std::size_t row = 0; row < list.size(); ++row) {
    if (list[row].identifier != identifier) continue;
    const QModelIndex index = model_->index(static_cast<int>(row), 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    return true;
  }
  return false;
}

void TZEBListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QTreeView::mousePressEvent(event);
    return;
  }
  if (!rightMouseSelect_) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid())
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  emit clicked(index);
}

void TZEBListView::keyPressEvent(QKeyEvent* event) {
  const int row = selectedRow();
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && row >= 0) {
    bool allow = false;
    if (OnDel) OnDel(*this, items()[static_cast<std::size_t>(row)], allow);
    if (allow) {
      model_->removeItem(row);
      emit OnAfterDel();
    }
    event->accept();
    return;
  }
  QTreeView::keyPressEvent(event);
}

}  // namespace zeb
