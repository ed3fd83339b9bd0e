// Object list items as a Qt table model.
#include "shell/qt/object_list_model.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "platform/qt/book_text.h"
#include "shell/messages.h"
#include "shell/qt/file_type_icons.h"

namespace zeb {
ObjectListModel::ObjectListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ObjectListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

int ObjectListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : objectListColumns + (snippetColumn_ ? 1 : 0);
}

QVariant ObjectListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ObjectListItem& item = items_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  if (role == Qt::DisplayRole) {
    if (column == 0) return fromBookText(item.caption, item.codePage);
    const auto sub = static_cast<std::size_t>(column - 1);
    return sub < item.subItems.size() ? fromBookText(item.subItems[sub], item.codePage) : QVariant();
  }
  if (role == Qt::DecorationRole && column == 0) {
    const QIcon icon = iconOf(item.icon);
    return icon.isNull() ? QVariant() : QVariant(icon);
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

QVariant ObjectListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case 0: return fromBookText(messages::titleColumn);
    case 1: return fromBookText(messages::sizeColumn);
    case 2: return fromBookText(messages::fileNameColumn);
    case 3: return fromBookText(messages::pageColumn);
    case objectListColumns: return snippetColumn_ ? fromBookText(messages::snippetColumn) : QString();
    default: return QString();
  }
}

void ObjectListModel::sort(int column, Qt::SortOrder) {
  sortColumn_ = column;
  std::vector<std::size_t> rows(items_.size());
  std::iota(rows.begin(), rows.end(), std::size_t{0});
  std::stable_sort(rows.begin(), rows.end(), [&](std::size_t left, std::size_t right) {
    return compareObjectListItems(items_[left], items_[right], column, items_[left].codePage) < 0;
  });
  reorder(rows);
}

void ObjectListModel::reorder(const std::vector<std::size_t>& oldRows) {
  emit layoutAboutToBeChanged();
  std::vector<int> newRowOf(oldRows.size());
  std::vector<ObjectListItem> moved;
  moved.reserve(items_.size());
  for (std::size_t row = 0; row < oldRows.size(); ++row) {
    moved.push_back(std::move(items_[oldRows[row]]));
    newRowOf[oldRows[row]] = static_cast<int>(row);
  }
  items_ = std::move(moved);
  for (const QModelIndex& before : persistentIndexList())
    changePersistentIndex(before, index(newRowOf[static_cast<std::size_t>(before.row())], before.column()));
  emit layoutChanged();
}

void ObjectListModel::mergeItems(std::vector<ObjectListItem> items) {
  if (items.empty()) return;
  sortObjectListItems(items, sortColumn_, items.front().codePage);
  const std::size_t listed = items_.size();
  beginInsertRows({}, static_cast<int>(listed), static_cast<int>(listed + items.size() - 1));
  std::move(items.begin(), items.end(), std::back_inserter(items_));
  endInsertRows();
  // The merge is stable: listed items stay before new ones that compare equal.
  std::vector<std::size_t> rows(items_.size());
  std::iota(rows.begin(), rows.end(), std::size_t{0});
  std::inplace_merge(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(listed), rows.end(),
                     [&](std::size_t left, std::size_t right) {
                       return compareObjectListItems(items_[left], items_[right], sortColumn_, items_[left].codePage) <
                              0;
                     });
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows[row] == row) continue;
    reorder(rows);
    return;
  }
}

void ObjectListModel::setSnippetColumn(bool shown) {
  if (shown == snippetColumn_) return;
  beginResetModel();
  snippetColumn_ = shown;
  endResetModel();
}

void ObjectListModel::setItems(std::vector<ObjectListItem> items) {
  beginResetModel();
  sortColumn_ = 1;
  items_ = std::move(items);
  endResetModel();
}

void ObjectListModel::removeItem(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows({}, row, row);
  items_.erase(items_.begin() + row);
  endRemoveRows();
}

}  // namespace zeb
