// zebtool info and pages: what a book holds.
#include <string>

#include "app/zebtool/tool.h"
#include "document/container.h"
#include "document/page_object.h"

namespace zeb::tool {
namespace {

int info(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 1) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  const BookHeader& header = set->header();
  printLine("title: " + header.title(), set->codePage());
  printLine("version: " + std::to_string(header.version()));
  printLine("revision: " + std::to_string(header.revision()));
  printLine("cover: " + std::to_string(header.i32(header::coverPage)));
  printLine("summary: " + std::to_string(header.i32(header::summaryPage)));
  printLine("author: " + header.shortString(header::author, header::textFieldMax), set->codePage());
  printLine("pages: " + std::to_string(set->count(kindNumber(TOggettiHel::testoHtml))));
  for (int k = 0; k < kindCount; ++k) {
    if (const int count = set->count(k); count != 0)
      printLine("kind " + std::string(kindName(kindOf(k))) + ": " + std::to_string(count));
  }
  return success;
}

int pages(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 1) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  const int count = set->count(kindNumber(TOggettiHel::testoHtml));
  for (int i = 0; i < count; ++i) {
    const TZEBoggetto* page = set->slot(TOggettiHel::testoHtml, i);
    if (page != nullptr && !page->isReleased())
      printLine(std::to_string(i) + "\t" + page->Name(), set->codePageOf(*page));
  }
  return success;
}

}  // namespace

const std::vector<Command>& bookCommands() {
  static const std::vector<Command> commands = {
      {"info", "info BOOK", info},
      {"pages", "pages BOOK", pages},
  };
  return commands;
}

}  // namespace zeb::tool
