// zebtool contents and keywords: the contents tree and the keyword list as the reader loads them.
#include <string>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "platform/code_pages.h"
#include "shell/contents_tree.h"
#include "shell/keyword_search.h"

namespace zeb::tool {
namespace {

std::string_view typeName(ContentsNodeType type) {
  switch (type) {
    case ContentsNodeType::root: return "book";
    case ContentsNodeType::chapter: return "chapter";
    case ContentsNodeType::object: return "object";
    case ContentsNodeType::none: break;
  }
  return "none";
}

std::int32_t identifierOf(const ContentsNode& node) {
  switch (node.type()) {
    case ContentsNodeType::root: return contentsNumber::root;
    case ContentsNodeType::chapter: return contentsNumber::chapter;
    case ContentsNodeType::object: return static_cast<std::int32_t>(node.object()->ID());
    case ContentsNodeType::none: break;
  }
  return contentsNumber::none;
}

int contents(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 1) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  ContentsTree tree(TOggettiHel::testoHtml);
  tree.setLinkedZEBset(set.get());
  tree.LoadContents();
  tree.forEach([&set](const ContentsNode& node) {
    printLine(std::to_string(node.level()) + "\t" + std::string(typeName(node.type())) + "\t" +
                  std::to_string(identifierOf(node)) + "\t" + node.title(),
              set->codePage());
  });
  return success;
}

int keywords(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.empty() || arguments.size() > 2) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  const std::vector<ObjectListItem> list = keywordListItems(*set);
  const std::uint16_t codePage = set->codePage();
  // A prefix with a letter the code page lacks begins no keyword.
  const std::optional<std::string> prefix =
      arguments.size() == 2 ? CodePage::of(codePage).encode(arguments[1]) : std::optional<std::string>("");
  if (!prefix) return success;
  for (const std::size_t index : keywordsBeginningWith(list, *prefix, codePage)) {
    std::string line = list[index].caption + "\t";
    bool first = true;
    for (const std::int32_t page : pagesWithKeyword(*set, keywordFilterValue(list[index].identifier))) {
      if (!first) line += ',';
      line += std::to_string(page);
      first = false;
    }
    printLine(line, codePage);
  }
  return success;
}

}  // namespace

const std::vector<Command>& contentsCommands() {
  static const std::vector<Command> commands = {
      {"contents", "contents BOOK", contents},
      {"keywords", "keywords BOOK [PREFIX]", keywords},
  };
  return commands;
}

}  // namespace zeb::tool
