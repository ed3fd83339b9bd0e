// zebtool link, describe, extract and search: the document services from the command line.
#include <charconv>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>

#include "app/zebtool/tool.h"
#include "document/book_search.h"
#include "document/container.h"
#include "document/describe_object.h"
#include "document/link_target.h"
#include "platform/code_pages.h"
#include "shell/search_snippet.h"
#include "shell/word_search.h"

namespace zeb::tool {
namespace {

const char* yesNo(bool value) { return value ? "yes" : "no"; }

int link(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 2) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  const LinkTarget target = parseLinkTarget(*set, utf8ToBookText(arguments[1], set->codePage()));
  printUtf8Line(std::string("book-link: ") + yesNo(target.bookLink));
  printUtf8Line("path: " + target.path.string());
  printUtf8Line(std::string("same-book: ") + yesNo(target.sameBook));
  printUtf8Line("id: " + std::to_string(target.id));
  return success;
}

// Runs the work on the object that the book (first argument) and the ID (second) name;
// the usage is wrong without exactly that many arguments.
int onObject(const PlatformServices& services, const Arguments& arguments, std::size_t argumentCount,
             const std::function<int(TZEBset&, TZEBoggetto&)>& work) {
  if (arguments.size() != argumentCount) return usageError;
  const auto id = parseId(arguments[1]);
  if (!id) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  TZEBoggetto* object = set->objectById(*id);
  if (object == nullptr) {
    std::fprintf(stderr, "zebtool: the book has no object 0x%08x\n", *id);
    return failure;
  }
  return work(*set, *object);
}

int describe(const PlatformServices& services, const Arguments& arguments) {
  return onObject(services, arguments, 2, [](TZEBset& set, TZEBoggetto& object) {
    printLine(describeObject(set, object), set.codePageOf(object));
    return success;
  });
}

int extract(const PlatformServices& services, const Arguments& arguments) {
  return onObject(services, arguments, 3, [&](TZEBset& set, TZEBoggetto& object) {
    if (object.primaryBlob().empty()) {
      std::fprintf(stderr, "zebtool: object 0x%08x holds no file\n", object.ID());
      return failure;
    }
    const std::string written = set.writeFileOfObject(object, arguments[2]);
    if (written.empty()) return failure;
    printUtf8Line(written);
    return success;
  });
}

// search BOOK [--match-case] [--snippets] [--after PAGE] [--first] T1 [T2 [T3 [T4]]]
int search(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.empty()) return usageError;
  Arguments rest(arguments.begin() + 1, arguments.end());
  int options = 0;
  bool snippets = false;
  bool firstOnly = false;
  std::int32_t firstPage = 0;
  while (!rest.empty() && rest.front().starts_with("--")) {
    const std::string flag = rest.front();
    rest.erase(rest.begin());
    if (flag == "--match-case") {
      options |= searchMatchCase;
    } else if (flag == "--snippets") {
      snippets = true;
    } else if (flag == "--first") {
      firstOnly = true;
    } else if (flag == "--after" && !rest.empty()) {
      const std::optional<int> shown = parseNumber(rest.front(), -1, std::numeric_limits<int>::max() - 1);
      if (!shown) return usageError;
      firstPage = firstPageAfter(*shown);
      rest.erase(rest.begin());
    } else {
      return usageError;
    }
  }
  if (rest.empty() || rest.size() > 4) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  SearchTerms terms;
  std::string* slots[] = {&terms.a, &terms.b, &terms.c, &terms.d};
  // As typed: each page is searched in its own code page.
  for (std::size_t i = 0; i < rest.size(); ++i) *slots[i] = rest[i];
  const bool matchCase = (options & searchMatchCase) != 0;
  forEachMatchingPage(*set, terms, options, firstPage, [&](const PageMatch& match) {
    std::string line = std::to_string(match.page) + "\t" + std::string(match.term);
    if (snippets) line += "\t" + pageSnippet(match.text, match.textFormat, match.term, matchCase, match.codePage);
    printLine(line, match.codePage);
    return !firstOnly;
  });
  return success;
}

}  // namespace

const std::vector<Command>& serviceCommands() {
  static const std::vector<Command> commands = {
      {"link", "link BOOK TARGET", link},
      {"describe", "describe BOOK ID", describe},
      {"extract", "extract BOOK ID DIR", extract},
      {"search", "search BOOK [--match-case] [--snippets] [--after PAGE] [--first] T1 [T2 [T3 [T4]]]", search},
  };
  return commands;
}

}  // namespace zeb::tool
