// The documents an export makes besides the pages: the frame of every XHTML or HTML
// document, the contents (the EPUB navigation document), the index of keywords, the EPUB
// package document and container file, and the metadata they carry.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "export/book/book_links.h"

namespace zeb {

class ContentsTree;
class TZEBset;

// A whole document around a body (UTF-8): XHTML for an EPUB, HTML5 for a folder, with its
// title, language and the stylesheet; `bodyStyle` becomes the body's style when not empty.
std::string wrapDocument(BookExportFormat format, std::string_view title, std::string_view language,
                         std::string_view body, std::string_view bodyStyle = {});
// The same document in two halves, for a body written straight into `out` between them.
void appendDocumentStart(std::string& out, BookExportFormat format, std::string_view title, std::string_view language,
                         std::string_view bodyStyle = {});
void appendDocumentEnd(std::string& out);

// The navigation's places besides the contents: the cover page's document and the index's,
// each empty when there is none.
struct Landmarks {
  std::string cover;
  std::string index;
};

// The contents as nested lists: the tree's chapters (those that hold a page) as items with
// their pages below them, the root's children at the top, then the pages the tree leaves
// out; for an EPUB also the landmarks. `navigationName` is the contents' own document.
std::string contentsBody(const ContentsTree& tree, const std::vector<std::int32_t>& leftOut, const BookLinks& links,
                         BookExportFormat format, const Landmarks& landmarks, std::string_view navigationName);

// The index: every keyword that a page carries, sorted ignoring case (in the book's code
// page), each with links to its pages (titled with the pages' titles) in number order.
// Empty when no exported page carries a keyword.
std::string keywordIndexBody(TZEBset& set, const BookLinks& links);

// The title of a page (UTF-8): its own, or "Page " and its number.
std::string pageTitle(TZEBset& set, std::int32_t page);

struct PackageItem {
  std::string id;
  std::string href;
  std::string mediaType;
  std::string properties;
};

struct SpineEntry {
  std::string id;
  bool linear = true;  // false: read apart from the main reading order
};

struct PackageMetadata {
  std::string identifier;
  std::string title;
  std::string author;
  std::string description;
  std::string language;
  std::string modified;
};

// The EPUB 3 package document: metadata, the manifest of every item, the spine of the
// items named by `spine` in order.
std::string packageDocument(const PackageMetadata& metadata, const std::vector<PackageItem>& items,
                            const std::vector<SpineEntry>& spine);
// META-INF/container.xml naming the package document.
std::string containerDocument(std::string_view packagePath);

// The metadata of the book: its title (else its file name, else "Untitled"), author, the
// plain text of its summary page, the language tag of its language identifier ("und" for
// one it does not know) and the time its file was last written (UTC, to the second). The
// identifier, which reads the whole file, is left to `bookIdentifier`.
PackageMetadata bookMetadata(TZEBset& set);
// The identifier of a book file: its `fileIdentifier`, or a fixed one when it cannot be read.
std::string bookIdentifier(const std::filesystem::path& file);
// The language tag of a Windows language identifier.
std::string languageTag(std::uint16_t languageId);
// A name-based UUID of the bytes of a file ("urn:uuid:..."); empty when it cannot be read.
std::string fileIdentifier(const std::filesystem::path& file);

}  // namespace zeb
