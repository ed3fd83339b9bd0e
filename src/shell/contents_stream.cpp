// The contents stream: one line per node in pre-order, "a" + level + "," + number + "," +
// text, read from and written to the book's contents object; and the default tree.
#include <charconv>
#include <filesystem>
#include <optional>
#include <span>

#include "document/book_object.h"
#include "document/container.h"
#include "platform/message_boxes.h"
#include "platform/windows1252.h"
#include "shell/contents_tree.h"
#include "shell/messages.h"

namespace zeb {
namespace {

// A decimal int32 filling the whole text; 1 for anything else, as the stored books expect.
std::int32_t numberOrOne(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return text.empty() || error != std::errc() || end != text.data() + text.size() ? 1 : value;
}

struct StoredLine {
  std::int32_t level = 0;
  std::int32_t number = 0;
  std::string_view text;
};

// "a" + level + "," + number + "," + text; the text is the rest of the line, commas and all.
// A missing comma leaves the fields after it empty.
std::optional<StoredLine> decodeLine(std::string_view line) {
  if (line.empty() || line.front() != 'a') return std::nullopt;
  line.remove_prefix(1);
  const std::size_t firstComma = line.find(',');
  StoredLine stored;
  stored.level = numberOrOne(line.substr(0, firstComma));
  std::string_view numberText;
  if (firstComma != std::string_view::npos) {
    const std::string_view rest = line.substr(firstComma + 1);
    const std::size_t secondComma = rest.find(',');
    numberText = rest.substr(0, secondComma);
    if (secondComma != std::string_view::npos) stored.text = rest.substr(secondComma + 1);
  }
  stored.number = numberOrOne(numberText);
  return stored;
}

// Calls the visitor for each line: lines end at CR LF, CR or LF; a break at the end makes no
// empty last line; a zero byte ends the text.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
  text = text.substr(0, text.find('\0'));
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      if (!visit(text.substr(start))) return;
      break;
    }
    if (!visit(text.substr(start, end - start))) return;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

// Shows each message at most once, so that a damaged stream of a million lines costs one box.
class OnceReporter {
 public:
  explicit OnceReporter(MessageBoxes& messages) : messages_(messages) {}
  void decodingError() { report(decodingShown_, messages::errorDecodingNodes); }
  void loadingError() { report(loadingShown_, messages::errorLoadingNodes); }

 private:
  void report(bool& shown, std::string_view text) {
    if (shown) return;
    shown = true;
    messages_.error(text);
  }
  MessageBoxes& messages_;
  bool decodingShown_ = false;
  bool loadingShown_ = false;
};

}  // namespace

std::unique_ptr<ContentsNode> ContentsTree::nodeForLine(std::int32_t number, std::string_view text) const {
  const auto identifier = static_cast<std::uint32_t>(number);
  if (number != contentsNumber::root && number != contentsNumber::chapter && number != contentsNumber::none) {
    if (TZEBoggetto* object = liveObject(identifier)) return objectNode(*object);
  }
  std::unique_ptr<ContentsNode> node(new ContentsNode);
  node->text_ = std::string(text);
  switch (number) {
    case contentsNumber::root: node->type_ = ContentsNodeType::root; break;
    case contentsNumber::chapter: node->type_ = ContentsNodeType::chapter; break;
    default:
      // A line naming an object of the tree's kind that is gone keeps the kind's icon.
      node->type_ = ContentsNodeType::none;
      node->kindIcon_ = number != contentsNumber::none && kindOfId(identifier) == kindNumber(kind_);
      break;
  }
  return node;
}

void ContentsTree::readStream(std::string_view stream, MessageBoxes& messages) {
  clear();
  OnceReporter report(messages);
  ContentsNode* previous = nullptr;
  forEachLine(stream, [&](std::string_view line) {
    if (nodeCount_ >= limits::maxContentsNodes) {
      report.loadingError();
      return false;
    }
    const std::optional<StoredLine> stored = decodeLine(line);
    if (!stored) {
      report.decodingError();
      return true;
    }
    ContentsNode* parent = &top_;
    if (previous != nullptr) {
      const int level = stored->level;
      const int previousLevel = previous->level_;
      if (level == previousLevel) {
        parent = previous->parent_;
      } else if (level == previousLevel + 1 && level <= limits::maxContentsLevel) {
        parent = previous;
      } else if (level > previousLevel) {
        report.loadingError();  // too deep for its place: no node, nothing changes
        return true;
      } else {
        // Up to the ancestor at the line's level; its parent takes the node as last child.
        // A negative level walks past the top and gives a top-level node.
        ContentsNode* ancestor = previous->parent_;
        while (ancestor != &top_ && ancestor->level_ > level) ancestor = ancestor->parent_;
        parent = ancestor == &top_ ? &top_ : ancestor->parent_;
      }
    }
    previous = &append(*parent, nodeForLine(stored->number, stored->text));
    return true;
  });
}

std::string ContentsTree::WriteContents() const {
  std::string stream;
  if (holder_ == nullptr) return stream;
  forEach([&](const ContentsNode& node) {
    std::int32_t number = contentsNumber::none;
    switch (node.type()) {
      case ContentsNodeType::root: number = contentsNumber::root; break;
      case ContentsNodeType::chapter: number = contentsNumber::chapter; break;
      case ContentsNodeType::object: number = static_cast<std::int32_t>(node.object()->ID()); break;
      case ContentsNodeType::none: break;
    }
    stream += 'a';
    stream += std::to_string(node.level());
    stream += ',';
    stream += std::to_string(number);
    stream += ',';
    // Object nodes store "x": their titles come from the objects when the stream is read.
    stream += node.type() == ContentsNodeType::object ? std::string_view("x") : std::string_view(node.text());
    stream += "\r\n";
  });
  return stream;
}

void ContentsTree::buildDefaultTree() {
  clear();
  if (set_ == nullptr) return;
  std::unique_ptr<ContentsNode> root(new ContentsNode);
  root->type_ = ContentsNodeType::root;
  root->text_ = utf8ToWindows1252(std::filesystem::path(set_->ZEBFileName()).filename().string());
  ContentsNode& placed = append(top_, std::move(root));
  const int count = set_->count(kindNumber(kind_));
  for (std::int32_t i = 0; i < count && nodeCount_ < limits::maxContentsNodes; ++i) {
    TZEBoggetto* object = set_->slot(kind_, i);
    if (object != nullptr && !object->isReleased()) append(placed, objectNode(*object));
  }
}

TZEBoggetto* ContentsTree::holder() const {
  if (set_ == nullptr) return nullptr;
  if (kind_ == TOggettiHel::testoHtml) return &set_->contentsHolderForPages();
  if (kind_ == TOggettiHel::custom) return &set_->contentsHolderForPrototypes();
  return nullptr;
}

void ContentsTree::LoadContents() {
  TZEBoggetto* found = holder();
  if (found == nullptr) return;
  holder_ = found;
  clear();
  const std::span<const std::uint8_t> stream = holder_->primaryData();
  if (!stream.empty()) {
    readStream({reinterpret_cast<const char*>(stream.data()), stream.size()}, set_->messages());
    return;
  }
  buildDefaultTree();
  SaveContents();
}

void ContentsTree::SaveContents() {
  if (holder_ == nullptr) return;
  const std::string stream = WriteContents();
  holder_->setPrimaryData({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()});
}

void ContentsTree::DiscardContents() {
  if (TZEBoggetto* found = holder()) found->setPrimaryData({});
}

}  // namespace zeb
