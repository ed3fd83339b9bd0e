// zebtool index and find: the reader's library from the command line, on the same index
// ($XDG_CACHE_HOME/brightfold/library.sqlite) and the same folders (the user's settings).
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

#include "app/zebtool/tool.h"
#include "library/library_folders.h"
#include "library/library_index.h"
#include "library/library_scanner.h"
#include "library/sqlite_database.h"
#include "platform/platform_services.h"

namespace zeb::tool {
namespace {

// The covers the index keeps are drawn this many pixels on their longer side.
constexpr int coverSide = 256;
constexpr int maxFindLimit = 100000;

int index(const PlatformServices& services, const Arguments& arguments) {
  if (arguments.empty()) return usageError;
  std::vector<std::string> folders;
  for (const std::string& folder : arguments) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
      std::fprintf(stderr, "zebtool: not a folder: %s\n", folder.c_str());
      return failure;
    }
    folders.push_back(library::normalFolder(folder));
  }
  try {
    library::LibraryIndex index(library::defaultIndexPath());
    if (index.rebuilt()) std::fprintf(stderr, "zebtool: the library index was damaged and is made anew\n");
    for (const std::string& folder : folders) library::addLibraryFolder(*services.settings, folder);
    const std::vector<std::string> all = library::libraryFolders(*services.settings);
    library::ScanCounts counts;
    const bool drawn = withQtMeasurer([&](TextMeasurer& measurer) {
      library::ScanObserver observer;
      observer.renderCover = [&](const std::filesystem::path& book) {
        return coverPng(services, measurer, book.string(), coverSide);
      };
      counts = library::scanFolders(index, folders, all, observer);
    });
    if (!drawn) counts = library::scanFolders(index, folders, all);
    std::printf("added %d\nupdated %d\nunchanged %d\nfailed %d\nremoved %d\n", counts.added, counts.updated,
                counts.unchanged, counts.failed, counts.removed);
    for (const library::BookRecord& book : index.books())
      for (const std::string& folder : folders)
        if (book.damaged && library::isInFolder(book.path, folder))
          std::fprintf(stderr, "zebtool: %s: %s\n", book.path.c_str(), book.message.c_str());
  } catch (const library::DatabaseError& error) {
    std::fprintf(stderr, "zebtool: the library index: %s\n", error.what());
    return failure;
  }
  return success;
}

int find(const PlatformServices&, const Arguments& arguments) {
  Arguments rest = arguments;
  int limit = 20;
  if (rest.size() >= 2 && rest[0] == "--limit") {
    const auto given = parseNumber(rest[1], 1, maxFindLimit);
    if (!given) return usageError;
    limit = *given;
    rest.erase(rest.begin(), rest.begin() + 2);
  }
  if (rest.empty()) return usageError;
  std::string query;
  for (const std::string& word : rest) query += (query.empty() ? "" : " ") + word;
  try {
    library::LibraryIndex index(library::defaultIndexPath());
    const library::SearchEnd end = index.search({query, limit}, [](const library::SearchHit& hit) {
      std::printf("%s\t%" PRId32 "\t%.4g\t%s\n", hit.bookPath.c_str(), hit.page, hit.score, hit.snippet.c_str());
      return true;
    });
    if (end == library::SearchEnd::nothingToSearch) {
      std::fprintf(stderr, "zebtool: nothing to search\n");
      return failure;
    }
  } catch (const library::DatabaseError& error) {
    std::fprintf(stderr, "zebtool: the library index: %s\n", error.what());
    return failure;
  }
  return success;
}

}  // namespace

const std::vector<Command>& libraryCommands() {
  static const std::vector<Command> commands = {
      {"index", "index DIR...", index},
      {"find", "find [--limit N] QUERY", find},
  };
  return commands;
}

}  // namespace zeb::tool
