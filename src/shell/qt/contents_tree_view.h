// TZEBorderedTree: the contents tree of a book in a Qt tree view, with the order editor's
// operations, in-place renaming and dragging under the tree's rules.
#pragma once

#include <QTreeView>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/contents_tree.h"

namespace zeb {

class ContentsModel;

class TZEBorderedTree : public QTreeView {
  Q_OBJECT

 public:
  explicit TZEBorderedTree(QWidget* parent = nullptr);
  ~TZEBorderedTree() override;

  // --- Published properties.
  // The kind ordered: pages (testoHtml, the default) or prototypes (custom).
  TOggettiHel Objects() const { return tree_.Objects(); }
  void setObjects(TOggettiHel kind);
  // Allows chapters, moving, deleting, dragging and renaming chapters and prototypes.
  bool Editable() const { return tree_.Editable(); }
  void setEditable(bool editable);
  // The container; changing it clears the tree. Before the container is cleared or loads
  // another book, set it again (or call containerCleared): nodes point into it.
  TZEBset* LinkedZEBset() const { return tree_.LinkedZEBset(); }
  void setLinkedZEBset(TZEBset* set);
  // A left press selects the node under the mouse before the click (default true).
  bool LeftMouseSelect() const { return leftMouseSelect_; }
  void setLeftMouseSelect(bool select) { leftMouseSelect_ = select; }
  // No renaming and no drops at all.
  bool ReadOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly);
  // Asked before a node of a tree of another kind than pages is deleted; allow starts false.
  std::function<void(TZEBorderedTree& sender, const ContentsNode& node, bool& allow)> OnDel;

  // --- Operations.
  void LoadContents();
  void SaveContents() { tree_.SaveContents(); }
  void DiscardContents() { tree_.DiscardContents(); }
  std::string WriteContents() const { return tree_.WriteContents(); }
  std::vector<TZEBoggetto*> ListObjects() const { return tree_.ListObjects(); }
  // A chapter next to the selection (see ContentsTree), selected and opened for renaming.
  void AddChapter(std::string_view title, bool before);
  // An object node next to the selection, selected.
  void AddObjectNode(std::uint32_t identifier, bool before);
  void MoveUp();
  void MoveDown();
  void DeleteNode(ContentsNode* node);
  std::string SelectedChapterTitle() const { return ContentsTree::chapterTitleOf(selectedNode()); }
  TZEBoggetto* SelectedObject() const { return ContentsTree::objectOf(selectedNode()); }

  ContentsNode* selectedNode() const;
  // Selects the node and scrolls it into view; none clears the selection.
  void selectNode(const ContentsNode* node);
  // The first object node of the object, in tree order; none when the tree lacks it.
  const ContentsNode* nodeOfObject(const TZEBoggetto* object) const;
  // Forgets every node (the container was cleared); the container stays linked.
  void containerCleared();
  const ContentsTree& tree() const { return tree_; }

 signals:
  void OnAfterDel();
  // After an object node's title was changed by in-place editing.
  void OnRenameItem();
  // A drop from another view (a list of objects): left to the owner.
  void OnForeignDrop(QObject* source, ContentsNode* target);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Drags come from a tree or list view, into an editable tree that is not read-only.
  bool acceptsDragFrom(const QDropEvent& event) const;
  // The node a drag may drop on: one that carries data; none otherwise.
  ContentsNode* dropTarget(const QDropEvent& event) const;
  void applyEditTriggers();

  ContentsTree tree_;
  ContentsModel* model_;
  bool leftMouseSelect_ = true;
  bool readOnly_ = false;
};

}  // namespace zeb
