// The contents tree: the author's order of a book's pages (or prototypes) as nodes with
// levels: the root, chapters that carry only a title, and object nodes. It is read from and
// written to a small text stream kept in the book, and edited by the order editor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/object_kinds.h"
#include "shell/item_icon.h"

namespace zeb {

class MessageBoxes;
class TZEBoggetto;
class TZEBset;

namespace limits {
// A contents stream is untrusted: a tree never holds more nodes, or nodes deeper than this.
// Real trees hold one node per page and a few chapters, a handful of levels deep.
inline constexpr std::size_t maxContentsNodes = 500'000;
inline constexpr int maxContentsLevel = 100;
}  // namespace limits

// The numbers a stream line stores for nodes that carry no object.
namespace contentsNumber {
inline constexpr std::int32_t none = -1;
inline constexpr std::int32_t root = -2;
inline constexpr std::int32_t chapter = -3;
}  // namespace contentsNumber

enum class ContentsNodeType : std::uint8_t {
  root,     // carries the container; titled with the book's file name
  chapter,  // carries only its title
  object,   // carries a live object of the tree's kind (not owned)
  none,     // carries nothing: a stored -1, or an identifier that names no live object of the kind
};

class ContentsNode {
 public:
  ~ContentsNode();
  ContentsNode(const ContentsNode&) = delete;
  ContentsNode& operator=(const ContentsNode&) = delete;

  ContentsNodeType type() const { return type_; }
  // Everything but a node without data carries something (the container, a chapter marker
  // or an object).
  bool carriesData() const { return type_ != ContentsNodeType::none; }
  // The object of an object node; none for the others.
  TZEBoggetto* object() const { return object_; }
  // The title shown: an object node's current object title, else the stored text.
  std::string title() const;
  // The stored text (object nodes store "x").
  const std::string& text() const { return text_; }
  // Whether the node shows the icon of the tree's kind: object nodes, and nodes whose line
  // named an object of the tree's kind that is gone.
  bool showsKindIcon() const { return kindIcon_; }

  // The parent; none for a top-level node.
  ContentsNode* parent() const;
  // Depth: 0 for a top-level node.
  int level() const { return level_; }
  // Position among the siblings.
  int row() const { return row_; }
  std::size_t childCount() const { return children_.size(); }
  ContentsNode* child(std::size_t row) const { return children_[row].get(); }
  // Whether the node is this node or lies below it.
  bool contains(const ContentsNode& other) const;

 private:
  friend class ContentsTree;
  ContentsNode() = default;

  std::vector<std::unique_ptr<ContentsNode>> children_;
  std::string text_;
  ContentsNode* parent_ = nullptr;  // the tree's holder of top-level nodes for those
  TZEBoggetto* object_ = nullptr;
  std::int32_t level_ = 0;
  std::int32_t row_ = 0;
  ContentsNodeType type_ = ContentsNodeType::none;
  bool kindIcon_ = false;
};

// The tree of one object kind of one container. Only pages (testoHtml) and prototypes
// (custom) have a stored order; for other kinds loading does nothing. Object pointers
// belong to the container: when the container is cleared or loads another book, call
// setLinkedZEBset (or clear) before anything else touches the tree.
class ContentsTree {
 public:
  explicit ContentsTree(TOggettiHel kind = TOggettiHel::testoHtml);
  ~ContentsTree();
  ContentsTree(const ContentsTree&) = delete;
  ContentsTree& operator=(const ContentsTree&) = delete;

  TOggettiHel Objects() const { return kind_; }
  // Changing the kind clears the tree.
  void setObjects(TOggettiHel kind);
  TZEBset* LinkedZEBset() const { return set_; }
  // Changing the container clears the tree and forgets the contents object.
  void setLinkedZEBset(TZEBset* set);
  bool Editable() const { return editable_; }
  void setEditable(bool editable) { editable_ = editable; }

  // --- The nodes.
  bool empty() const { return top_.children_.empty(); }
  std::size_t topLevelCount() const { return top_.children_.size(); }
  ContentsNode* topLevel(std::size_t row) const { return top_.children_[row].get(); }
  std::size_t nodeCount() const { return nodeCount_; }
  // Removes every node; the contents object stays known.
  void clear();
  // Calls the visitor for every node in depth-first pre-order.
  void forEach(const std::function<void(const ContentsNode&)>& visit) const;

  // --- The contents object and its stream.
  // Fills the tree from the contents object of the kind (made in the container when the book
  // has none); without a stream, builds the default tree and saves it. Errors in the stream
  // are reported through the container's message boxes, each message once per load.
  void LoadContents();
  // Replaces the contents object's stream with the tree's lines.
  void SaveContents();
  // Drops the contents object's stream, so that the next load builds the default tree.
  void DiscardContents();
  // The lines of all nodes in pre-order, each ending CR LF; empty when there is no contents
  // object or no node.
  std::string WriteContents() const;
  // The object of every object node, in tree order.
  std::vector<TZEBoggetto*> ListObjects() const;

  // Replaces the nodes by those a stream describes (no container needed, though object
  // lines find nothing without one). Lines not starting with "a" and lines too deep for
  // their place add no node; each kind of error is shown once.
  void readStream(std::string_view stream, MessageBoxes& messages);
  // The root (file name of the book without folder) and one node per live object of the kind.
  void buildDefaultTree();

  // --- Editing; every operation does nothing without Editable. Root nodes are never moved,
  // dropped or deleted.
  // A chapter before the reference node, or as its last child: the reference is the
  // selection, or its parent when the selection is an object node, and must be a chapter or
  // the root. The new node, or none.
  ContentsNode* AddChapter(std::string_view title, bool before, ContentsNode* selection);
  // An object node for the live object of the tree's kind with that identifier, placed as a
  // chapter would be.
  ContentsNode* AddObjectNode(std::uint32_t identifier, bool before, ContentsNode* selection);
  // One place up or down among the siblings; false when the node cannot move.
  bool MoveUp(ContentsNode* node);
  bool MoveDown(ContentsNode* node);
  // Deletes the node with its subtree. Page trees delete at once; other trees only when
  // allow (asked with the node) says so. False when nothing was deleted.
  bool DeleteNode(ContentsNode* node, const std::function<bool(const ContentsNode&)>& allow = {});
  // Whether the dragged node (the selection) may be dropped on the target, and the drop:
  // on a chapter or the root it becomes the first child, on an object node it goes before it.
  bool canDrop(const ContentsNode* dragged, const ContentsNode* target) const;
  bool drop(ContentsNode* dragged, ContentsNode* target);
  // In-place renaming: always for the root and nodes without data, for chapters and
  // prototype nodes only when Editable, never for other object nodes.
  bool canRename(const ContentsNode* node) const;
  // Renames the node (line breaks become blanks); true when the title went into an object.
  bool rename(ContentsNode* node, std::string_view title);

  // The node's icon: the book ".zeb", chapters ".hlp", and for the tree's kind pages ".txt" and
  // prototypes ".ini"; none for nodes without data of another kind.
  ItemIcon iconOf(const ContentsNode& node) const;

  // The node's text when it is a chapter, else empty; the node's object, else none.
  static std::string chapterTitleOf(const ContentsNode* node);
  static TZEBoggetto* objectOf(const ContentsNode* node);

 private:
  ContentsNode* referenceFor(ContentsNode* selection) const;
  ContentsNode* placeNew(std::unique_ptr<ContentsNode> node, bool before, ContentsNode* reference);
  ContentsNode& append(ContentsNode& parent, std::unique_ptr<ContentsNode> node);
  ContentsNode& insert(ContentsNode& parent, std::size_t row, std::unique_ptr<ContentsNode> node);
  std::unique_ptr<ContentsNode> detach(ContentsNode& node);
  std::unique_ptr<ContentsNode> nodeForLine(std::int32_t number, std::string_view text) const;
  std::unique_ptr<ContentsNode> objectNode(TZEBoggetto& object) const;
  TZEBoggetto* liveObject(std::uint32_t identifier) const;
  TZEBoggetto* holder() const;

  ContentsNode top_;  // holds the top-level nodes; never shown or written
  TZEBset* set_ = nullptr;
  TZEBoggetto* holder_ = nullptr;  // the contents object found by the last load
  std::size_t nodeCount_ = 0;
  TOggettiHel kind_;
  bool editable_ = false;
};

// Whether the book stores a contents tree of its pages: the header names a holder object
// that exists and has a stream. Nothing is made in the container to find out.
bool hasStoredContents(const TZEBset& set);

}  // namespace zeb
