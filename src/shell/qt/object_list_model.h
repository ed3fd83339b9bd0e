// The Qt item model over object list items: five columns, icons, and the list's comparison
// for sorting.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "shell/object_list.h"

namespace zeb {

class ObjectListModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ObjectListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  // Ascending by the column with the list's comparison; a descending order is never asked.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  void setItems(std::vector<ObjectListItem> items);
  const std::vector<ObjectListItem>& items() const { return items_; }
  void removeItem(int row);

 private:
  std::vector<ObjectListItem> items_;
};

}  // namespace zeb
