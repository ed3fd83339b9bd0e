// The Qt item model over a contents tree: one column of titles with icons; object nodes do
// not expand, so children a stream put under them stay hidden.
#pragma once

#include <QAbstractItemModel>
#include <functional>

#include "shell/contents_tree.h"

namespace zeb {

class ContentsModel final : public QAbstractItemModel {
  Q_OBJECT

 public:
  ContentsModel(ContentsTree& tree, QObject* parent = nullptr);

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // In-place renaming through the tree's rules; renaming an object node emits objectRenamed.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;

  ContentsNode* nodeAt(const QModelIndex& index) const;
  // The node's index; invalid for a node hidden under an object node.
  QModelIndex indexOf(const ContentsNode* node) const;

  // Runs a change of the whole tree (loading) as a reset.
  void resetWith(const std::function<void()>& change);
  // Runs an edit of the tree so that the views keep their expanded nodes and selection, and
  // returns what the edit returns. When it returns true, the nodes inside doomed (the subtree
  // the edit deleted) are dropped from the views.
  bool editWith(const std::function<bool()>& edit, const ContentsNode* doomed = nullptr);

  // The type views drag nodes with.
  static const char* const nodeMimeType;

 signals:
  void objectRenamed();

 private:
  // The code page of the titles: the book's.
  std::uint16_t codePage() const;

  ContentsTree& tree_;
};

}  // namespace zeb
