// The contents tree's nodes and the order editor's operations on them.
#include "shell/contents_tree.h"

#include <algorithm>

#include "document/book_object.h"
#include "document/container.h"

namespace zeb {
namespace {

// Titles are single stream lines: a line break in a new title would split its line.
std::string singleLine(std::string_view title) {
  std::string line(title);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

// The deepest level below the node, counted from the node (0 for a leaf).
int heightOf(const ContentsNode& node) {
  int height = 0;
  std::vector<std::pair<const ContentsNode*, int>> pending{{&node, 0}};
  while (!pending.empty()) {
    const auto [current, depth] = pending.back();
    pending.pop_back();
    height = std::max(height, depth);
    for (std::size_t i = 0; i < current->childCount(); ++i) pending.push_back({current->child(i), depth + 1});
  }
  return height;
}

std::size_t sizeOf(const ContentsNode& node) {
  if (node.childCount() == 0) return 1;
  std::size_t size = 0;
  std::vector<const ContentsNode*> pending{&node};
  while (!pending.empty()) {
    const ContentsNode* current = pending.back();
    pending.pop_back();
    ++size;
    for (std::size_t i = 0; i < current->childCount(); ++i) pending.push_back(current->child(i));
  }
  return size;
}

}  // namespace

// --- Nodes.

ContentsNode::~ContentsNode() {
  // Deep trees are freed without recursion.
  std::vector<std::unique_ptr<ContentsNode>> pending = std::move(children_);
  while (!pending.empty()) {
    std::unique_ptr<ContentsNode> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->children_) pending.push_back(std::move(child));
    node->children_.clear();
  }
}

std::string ContentsNode::title() const { return object_ != nullptr ? object_->Name() : text_; }

ContentsNode* ContentsNode::parent() const { return parent_ != nullptr && parent_->level_ >= 0 ? parent_ : nullptr; }

bool ContentsNode::contains(const ContentsNode& other) const {
  for (const ContentsNode* node = &other; node != nullptr; node = node->parent_)
    if (node == this) return true;
  return false;
}

// --- The tree.

ContentsTree::ContentsTree(TOggettiHel kind) : kind_(kind) { top_.level_ = -1; }

ContentsTree::~ContentsTree() = default;

void ContentsTree::setObjects(TOggettiHel kind) {
  if (kind == kind_) return;
  clear();
  kind_ = kind;
  holder_ = nullptr;
}

void ContentsTree::setLinkedZEBset(TZEBset* set) {
  clear();
  set_ = set;
  holder_ = nullptr;
}

void ContentsTree::clear() {
  top_.children_.clear();
  nodeCount_ = 0;
}

void ContentsTree::forEach(const std::function<void(const ContentsNode&)>& visit) const {
  std::vector<const ContentsNode*> pending;
  for (std::size_t i = top_.children_.size(); i-- > 0;) pending.push_back(top_.children_[i].get());
  while (!pending.empty()) {
    const ContentsNode* node = pending.back();
    pending.pop_back();
    visit(*node);
    for (std::size_t i = node->children_.size(); i-- > 0;) pending.push_back(node->children_[i].get());
  }
}

std::vector<TZEBoggetto*> ContentsTree::ListObjects() const {
  std::vector<TZEBoggetto*> objects;
  forEach([&](const ContentsNode& node) {
    if (node.object() != nullptr) objects.push_back(node.object());
  });
  return objects;
}

ContentsNode& ContentsTree::insert(ContentsNode& parent, std::size_t row, std::unique_ptr<ContentsNode> node) {
  row = std::min(row, parent.children_.size());
  node->parent_ = &parent;
  // The levels of the moved subtree follow its new place.
  const int shift = parent.level_ + 1 - node->level_;
  if (node->children_.empty()) {
    node->level_ += shift;
  } else if (shift != 0) {
    std::vector<ContentsNode*> pending{node.get()};
    while (!pending.empty()) {
      ContentsNode* current = pending.back();
      pending.pop_back();
      current->level_ += shift;
      for (auto& child : current->children_) pending.push_back(child.get());
    }
  }
  nodeCount_ += sizeOf(*node);
  ContentsNode& placed = *node;
  parent.children_.insert(parent.children_.begin() + static_cast<std::ptrdiff_t>(row), std::move(node));
  for (std::size_t i = row; i < parent.children_.size(); ++i) parent.children_[i]->row_ = static_cast<std::int32_t>(i);
  return placed;
}

ContentsNode& ContentsTree::append(ContentsNode& parent, std::unique_ptr<ContentsNode> node) {
  return insert(parent, parent.children_.size(), std::move(node));
}

std::unique_ptr<ContentsNode> ContentsTree::detach(ContentsNode& node) {
  ContentsNode& parent = *node.parent_;
  const auto row = static_cast<std::size_t>(node.row_);
  std::unique_ptr<ContentsNode> detached = std::move(parent.children_[row]);
  parent.children_.erase(parent.children_.begin() + static_cast<std::ptrdiff_t>(row));
  for (std::size_t i = row; i < parent.children_.size(); ++i) parent.children_[i]->row_ = static_cast<std::int32_t>(i);
  nodeCount_ -= sizeOf(*detached);
  detached->parent_ = nullptr;
  return detached;
}

TZEBoggetto* ContentsTree::liveObject(std::uint32_t identifier) const {
  if (set_ == nullptr || kindOfId(identifier) != kindNumber(kind_)) return nullptr;
  TZEBoggetto* object = set_->objectById(identifier);
  return object != nullptr && object->Kind() == kind_ && !object->isReleased() ? object : nullptr;
}

std::unique_ptr<ContentsNode> ContentsTree::objectNode(TZEBoggetto& object) const {
  std::unique_ptr<ContentsNode> node(new ContentsNode);
  node->type_ = ContentsNodeType::object;
  node->object_ = &object;
  node->text_.push_back('x');  // what object lines store
  node->kindIcon_ = true;
  return node;
}

// --- Editing.

ContentsNode* ContentsTree::referenceFor(ContentsNode* selection) const {
  if (selection == nullptr) return nullptr;
  ContentsNode* reference = selection->type() == ContentsNodeType::object ? selection->parent() : selection;
  if (reference == nullptr) return nullptr;
  const ContentsNodeType type = reference->type();
  return type == ContentsNodeType::chapter || type == ContentsNodeType::root ? reference : nullptr;
}

ContentsNode* ContentsTree::placeNew(std::unique_ptr<ContentsNode> node, bool before, ContentsNode* reference) {
  if (before) return &insert(*reference->parent_, static_cast<std::size_t>(reference->row_), std::move(node));
  if (reference->level_ >= limits::maxContentsLevel) return nullptr;
  return &append(*reference, std::move(node));
}

ContentsNode* ContentsTree::AddChapter(std::string_view title, bool before, ContentsNode* selection) {
  ContentsNode* reference = referenceFor(selection);
  if (!editable_ || reference == nullptr || nodeCount_ >= limits::maxContentsNodes) return nullptr;
  std::unique_ptr<ContentsNode> node(new ContentsNode);
  node->type_ = ContentsNodeType::chapter;
  node->text_ = singleLine(title);
  return placeNew(std::move(node), before, reference);
}

ContentsNode* ContentsTree::AddObjectNode(std::uint32_t identifier, bool before, ContentsNode* selection) {
  ContentsNode* reference = referenceFor(selection);
  TZEBoggetto* object = liveObject(identifier);
  if (!editable_ || reference == nullptr || object == nullptr || nodeCount_ >= limits::maxContentsNodes) return nullptr;
  return placeNew(objectNode(*object), before, reference);
}

bool ContentsTree::MoveUp(ContentsNode* node) {
  if (!editable_ || node == nullptr || node->type() == ContentsNodeType::root || node->row_ == 0) return false;
  ContentsNode& parent = *node->parent_;
  const std::size_t row = static_cast<std::size_t>(node->row_);
  insert(parent, row - 1, detach(*node));
  return true;
}

bool ContentsTree::MoveDown(ContentsNode* node) {
  if (!editable_ || node == nullptr || node->type() == ContentsNodeType::root) return false;
  ContentsNode& parent = *node->parent_;
  const std::size_t row = static_cast<std::size_t>(node->row_);
  if (row + 1 >= parent.children_.size()) return false;
  insert(parent, row + 1, detach(*node));
  return true;
}

bool ContentsTree::DeleteNode(ContentsNode* node, const std::function<bool(const ContentsNode&)>& allow) {
  if (!editable_ || node == nullptr || node->type() == ContentsNodeType::root) return false;
  if (kind_ != TOggettiHel::testoHtml && !(allow && allow(*node))) return false;
  detach(*node);
  return true;
}

bool ContentsTree::canDrop(const ContentsNode* dragged, const ContentsNode* target) const {
  if (!editable_ || dragged == nullptr || target == nullptr) return false;
  if (dragged->type() == ContentsNodeType::root || !target->carriesData() || dragged->contains(*target)) return false;
  // The dragged subtree must stay within the levels a stream may hold.
  const int newLevel = target->type() == ContentsNodeType::object ? target->level() : target->level() + 1;
  return newLevel + heightOf(*dragged) <= limits::maxContentsLevel;
}

bool ContentsTree::drop(ContentsNode* dragged, ContentsNode* target) {
  if (!canDrop(dragged, target)) return false;
  std::unique_ptr<ContentsNode> node = detach(*dragged);
  if (target->type() == ContentsNodeType::object)
    insert(*target->parent_, static_cast<std::size_t>(target->row_), std::move(node));
  else
    insert(*target, 0, std::move(node));
  return true;
}

bool ContentsTree::canRename(const ContentsNode* node) const {
  if (node == nullptr) return false;
  switch (node->type()) {
    case ContentsNodeType::root:
    case ContentsNodeType::none: return true;
    case ContentsNodeType::chapter: return editable_;
    case ContentsNodeType::object: return editable_ && kind_ == TOggettiHel::custom;
  }
  return false;
}

bool ContentsTree::rename(ContentsNode* node, std::string_view title) {
  if (!canRename(node)) return false;
  if (node->object_ != nullptr) {
    node->object_->setName(singleLine(title));
    return true;
  }
  node->text_ = singleLine(title);
  return false;
}

ItemIcon ContentsTree::iconOf(const ContentsNode& node) const {
  switch (node.type()) {
    case ContentsNodeType::root: return ItemIcon::ofFileType(".zeb");
    case ContentsNodeType::chapter: return ItemIcon::ofFileType(".hlp");
    case ContentsNodeType::object:
    case ContentsNodeType::none: break;
  }
  if (!node.showsKindIcon()) return {};
  return ItemIcon::ofFileType(kind_ == TOggettiHel::custom ? ".ini" : ".txt");
}

std::string ContentsTree::chapterTitleOf(const ContentsNode* node) {
  return node != nullptr && node->type() == ContentsNodeType::chapter ? node->text() : std::string();
}

TZEBoggetto* ContentsTree::objectOf(const ContentsNode* node) { return node != nullptr ? node->object() : nullptr; }

}  // namespace zeb

namespace zeb {

bool hasStoredContents(const TZEBset& set) {
  const std::int32_t id = set.header().i32(header::pagesTreeHolder);
  if (id <= 0) return false;
  const TZEBoggetto* holder = set.objectById(static_cast<std::uint32_t>(id));
  return holder != nullptr && holder->Kind() == TOggettiHel::shortObj && !holder->isReleased() &&
         holder->primaryBlob().size() > 0;
}

}  // namespace zeb
