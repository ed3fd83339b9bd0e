// Object list items as a Qt table model.
#include "shell/qt/object_list_model.h"

#include "platform/qt/book_text.h"
#include "shell/messages.h"
#include "shell/qt/file_type_icons.h"

namespace zeb {
ObjectListModel::ObjectListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ObjectListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

int ObjectListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : objectListColumns; }

QVariant ObjectListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ObjectListItem& item = items_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  if (role == Qt::DisplayRole) {
    if (column == 0) return fromBookText(item.caption);
    const auto sub = static_cast<std::size_t>(column - 1);
    return sub < item.subItems.size() ? fromBookText(item.subItems[sub]) : QVariant();
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
    default: return QString();
  }
}

void ObjectListModel::sort(int column, Qt::SortOrder) {
  emit layoutAboutToBeChanged();
  const QModelIndexList before = persistentIndexList();
  std::vector<std::uint32_t> identifiers;
  for (const QModelIndex& index : before)
    identifiers.push_back(items_[static_cast<std::size_t>(index.row())].identifier);
  sortObjectListItems(items_, column);
  for (qsizetype i = 0; i < before.size(); ++i) {
    const auto found = std::find_if(items_.begin(), items_.end(), [&](const ObjectListItem& item) {
      return item.identifier == identifiers[static_cast<std::size_t>(i)];
    });
    changePersistentIndex(before[i], found == items_.end()
                                         ? QModelIndex()
                                         : index(static_cast<int>(found - items_.begin()), before[i].column()));
  }
  emit layoutChanged();
}

void ObjectListModel::setItems(std::vector<ObjectListItem> items) {
  beginResetModel();
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
