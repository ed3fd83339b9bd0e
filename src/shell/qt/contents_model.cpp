// The contents tree as a Qt item model.
#include "shell/qt/contents_model.h"

#include <QMimeData>

#include "document/container.h"
#include "platform/qt/book_text.h"
#include "shell/qt/file_type_icons.h"

namespace zeb {
namespace {

// Ends the bracket even when the change throws.
template <typename Begin, typename End>
struct Bracket {
  Bracket(Begin begin, End end) : end_(end) { begin(); }
  ~Bracket() { end_(); }
  End end_;
};

}  // namespace

const char* const ContentsModel::nodeMimeType = "application/x-brightfold-contents-node";

ContentsModel::ContentsModel(ContentsTree& tree, QObject* parent) : QAbstractItemModel(parent), tree_(tree) {}

ContentsNode* ContentsModel::nodeAt(const QModelIndex& index) const {
  return index.isValid() ? static_cast<ContentsNode*>(index.internalPointer()) : nullptr;
}

QModelIndex ContentsModel::indexOf(const ContentsNode* node) const {
  if (node == nullptr) return {};
  for (const ContentsNode* above = node->parent(); above != nullptr; above = above->parent())
    if (above->type() == ContentsNodeType::object) return {};
  return createIndex(node->row(), 0, const_cast<ContentsNode*>(node));
}

QModelIndex ContentsModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || row >= rowCount(parent)) return {};
  const ContentsNode* above = nodeAt(parent);
  ContentsNode* node =
      above != nullptr ? above->child(static_cast<std::size_t>(row)) : tree_.topLevel(static_cast<std::size_t>(row));
  return createIndex(row, 0, node);
}

QModelIndex ContentsModel::parent(const QModelIndex& child) const {
  const ContentsNode* node = nodeAt(child);
  return node != nullptr ? indexOf(node->parent()) : QModelIndex();
}

int ContentsModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  const ContentsNode* node = nodeAt(parent);
  if (node == nullptr) return static_cast<int>(tree_.topLevelCount());
  return node->type() == ContentsNodeType::object ? 0 : static_cast<int>(node->childCount());
}

int ContentsModel::columnCount(const QModelIndex&) const { return 1; }

std::uint16_t ContentsModel::codePage() const {
  return tree_.LinkedZEBset() != nullptr ? tree_.LinkedZEBset()->codePage() : codePage::windows1252;
}

QVariant ContentsModel::data(const QModelIndex& index, int role) const {
  const ContentsNode* node = nodeAt(index);
  if (node == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return fromBookText(node->title(), codePage());
    case Qt::DecorationRole: {
      const QIcon icon = iconOf(tree_.iconOf(*node));
      return icon.isNull() ? QVariant() : QVariant(icon);
    }
    default: return {};
  }
}

bool ContentsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  ContentsNode* node = nodeAt(index);
  if (role != Qt::EditRole || !tree_.canRename(node)) return false;
  const bool intoObject = tree_.rename(node, toBookText(value.toString(), codePage()));
  emit dataChanged(index, index);
  if (intoObject) emit objectRenamed();
  return true;
}

Qt::ItemFlags ContentsModel::flags(const QModelIndex& index) const {
  const ContentsNode* node = nodeAt(index);
  if (node == nullptr) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (tree_.canRename(node)) flags |= Qt::ItemIsEditable;
  if (tree_.Editable() && node->type() != ContentsNodeType::root) flags |= Qt::ItemIsDragEnabled;
  if (node->carriesData()) flags |= Qt::ItemIsDropEnabled;
  if (node->type() == ContentsNodeType::object) flags |= Qt::ItemNeverHasChildren;
  return flags;
}

QStringList ContentsModel::mimeTypes() const { return {nodeMimeType}; }

QMimeData* ContentsModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) return nullptr;
  // The tree drops its own selection; the data only says where the drag comes from.
  auto* data = new QMimeData;
  data->setData(nodeMimeType, {});
  return data;
}

void ContentsModel::resetWith(const std::function<void()>& change) {
  Bracket bracket([this] { beginResetModel(); }, [this] { endResetModel(); });
  change();
}

bool ContentsModel::editWith(const std::function<bool()>& edit, const ContentsNode* doomed) {
  Bracket bracket([this] { emit layoutAboutToBeChanged(); }, [this] { emit layoutChanged(); });
  const QModelIndexList before = persistentIndexList();
  // Whether a node lies inside doomed is asked before the edit: afterwards it may be freed.
  std::vector<std::pair<const ContentsNode*, bool>> nodes;
  nodes.reserve(static_cast<std::size_t>(before.size()));
  for (const QModelIndex& index : before) {
    const ContentsNode* node = nodeAt(index);
    nodes.emplace_back(node, doomed != nullptr && node != nullptr && doomed->contains(*node));
  }
  const bool changed = edit();
  for (qsizetype i = 0; i < before.size(); ++i) {
    const auto [node, inside] = nodes[static_cast<std::size_t>(i)];
    changePersistentIndex(before[i], indexOf(changed && inside ? nullptr : node));
  }
  return changed;
}

}  // namespace zeb
