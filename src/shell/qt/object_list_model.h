// The Qt item model over object list items: five columns (six with a snippet column), icons,
// and the list's comparison for sorting.
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

  // Items as a reload gives them: sorted by column 1, the order new items are merged into.
  void setItems(std::vector<ObjectListItem> items);
  const std::vector<ObjectListItem>& items() const { return items_; }
  void removeItem(int row);
  // Merges the items into the list's order (the column it was sorted by last); among items
  // that compare equal, those already listed come first, then the new ones in their order.
  void mergeItems(std::vector<ObjectListItem> items);
  // A sixth column showing each item's fifth sub-item (the snippet of a search result).
  void setSnippetColumn(bool shown);

 private:
  // Moves the rows by the permutation (old row of each new row), keeping the selection.
  void reorder(const std::vector<std::size_t>& oldRows);

  std::vector<ObjectListItem> items_;
  int sortColumn_ = 1;
  bool snippetColumn_ = false;
};

}  // namespace zeb
