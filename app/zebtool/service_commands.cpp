// zebtool link, describe, extract and search: the document services from the command line.
#include <charconv>
#include <cstdio>
#include <functional>
#include <optional>

#include "app/zebtool/tool.h"
#include "document/book_search.h"
#include "document/container.h"
#include "document/describe_object.h"
#include "document/link_target.h"
#include "platform/windows1252.h"

namespace zeb::tool {
namespace {

const char* yesNo(bool value) { return value ? "yes" : "no"; }

int link(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.size() != 2) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  const LinkTarget target = parseLinkTarget(*set, utf8ToWindows1252(arguments[1]));
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
    printLine(describeObject(set, object));
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

int search(const PlatformServices& services, const Arguments& arguments) {
  Arguments rest(arguments.begin() + (arguments.empty() ? 0 : 1), arguments.end());
  int options = 0;
  if (!rest.empty() && rest.front() == "--match-case") {
    options |= searchMatchCase;
    rest.erase(rest.begin());
  }
  if (arguments.empty() || rest.empty() || rest.size() > 4) return usageError;
  const auto set = loadBook(services, arguments[0]);
  if (!set) return failure;
  SearchTerms terms;
  std::string* slots[] = {&terms.a, &terms.b, &terms.c, &terms.d};
  for (std::size_t i = 0; i < rest.size(); ++i) *slots[i] = utf8ToWindows1252(rest[i]);
  for (const PageHit& hit : searchBook(*set, terms, options)) printLine(std::to_string(hit.page) + "\t" + hit.term);
  return success;
}

}  // namespace

const std::vector<Command>& serviceCommands() {
  static const std::vector<Command> commands = {
      {"link", "link BOOK TARGET", link},
      {"describe", "describe BOOK ID", describe},
      {"extract", "extract BOOK ID DIR", extract},
      {"search", "search BOOK [--match-case] T1 [T2 [T3 [T4]]]", search},
  };
  return commands;
}

}  // namespace zeb::tool
