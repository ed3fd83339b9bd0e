// The export of a whole book.
//
// An EPUB's entries are written in name order (after "mimetype", which comes first and is
// stored): the documents' folder "EPUB/" (index, contents, pages in number order, resources,
// stylesheet), then "META-INF/container.xml", then the package document "package.opf",
// which can list the resources only once the pages have named them.
#include "export/book/book_export.h"

#include <algorithm>
#include <future>

#include "document/book_header.h"
#include "document/container.h"
#include "document/page_object.h"
#include "export/book/archive_sink.h"
#include "export/book/book_documents.h"
#include "export/book/css_stylesheet.h"
#include "export/book/export_messages.h"
#include "export/book/export_resources.h"
#include "export/book/xhtml_page.h"
#include "platform/thread_priority.h"
#include "platform/utf8.h"
#include "shell/contents_tree.h"
#include "shell/print/print_job.h"

namespace zeb {
namespace {

constexpr std::string_view epubFolder = "EPUB/";
constexpr std::string_view packagePath = "package.opf";
constexpr std::string_view xhtmlType = "application/xhtml+xml";

struct Names {
  std::string contents;
  std::string index;
  std::string extension;
};

Names namesFor(BookExportFormat format) {
  if (format == BookExportFormat::epub) return {"nav.xhtml", "keywords.xhtml", ".xhtml"};
  return {"contents.html", "keywords.html", ".html"};
}

std::string backgroundOf(const TZEBtesto& page) {
  const auto colour = static_cast<std::uint32_t>(page.record().i32(field::pageBackgroundColour));
  if (colour > 0xFFFFFF) return {};
  const std::string css = cssColour(colour);
  return css.empty() ? std::string() : "background-color: " + css + ";";
}

class Exporter {
 public:
  Exporter(TZEBset& set, const BookExportRequest& request) : set_(set), request_(request) {}

  BookExportResult run(ArchiveSink& sink) {
    BookExportResult result;
    const bool epub = request_.format == BookExportFormat::epub;
    const std::string prefix = epub ? std::string(epubFolder) : std::string();
    const Names names = namesFor(request_.format);

    ContentsTree tree(TOggettiHel::testoHtml);
    tree.setLinkedZEBset(&set_);
    tree.LoadContents();
    const std::vector<std::int32_t> order = pagesInTreeOrder(tree, set_);
    if (order.empty()) return failure(std::string(messages::exportNoPages));
    std::vector<std::int32_t> listed;
    for (const TZEBoggetto* object : tree.ListObjects())
      if (object->Kind() == TOggettiHel::testoHtml) listed.push_back(object->Index());
    const std::vector<std::int32_t> leftOut = pagesLeftOut(set_, listed);

    const std::int32_t storedCover = set_.header().i32(header::coverPage);
    const std::int32_t cover =
        std::find(order.begin(), order.end(), storedCover) != order.end() ? storedCover : order.front();
    const std::map<std::int32_t, std::string> documents = documentNames(order, cover, request_.format);
    BookLinks links(set_, request_.format, documents, resources_);
    PackageMetadata metadata = bookMetadata(set_);
    // Only the package document names the identifier: the book's bytes are read for it
    // while the pages are made.
    std::future<std::string> identifier;
    if (epub)
      identifier = std::async(std::launch::async, [path = std::filesystem::path(set_.ZEBFileName())] {
        lowerThisThreadsPriority();
        return bookIdentifier(path);
      });

    if (epub && !sink.add("mimetype", "application/epub+zip", Compression::stored)) return cannotWrite("mimetype");

    const std::string index = keywordIndexBody(set_, links);
    if (!index.empty()) {
      if (!sink.add(prefix + names.index,
                    wrapDocument(request_.format, messages::indexHeading, metadata.language, index)))
        return cannotWrite(names.index);
      items_.push_back({"index", prefix + names.index, std::string(xhtmlType), {}});
    }
    const Landmarks landmarks{documents.at(cover), index.empty() ? std::string() : names.index};
    const std::string contents = contentsBody(tree, leftOut, links, request_.format, landmarks, names.contents);
    if (!sink.add(prefix + names.contents,
                  wrapDocument(request_.format, messages::contentsHeading, metadata.language, contents)))
      return cannotWrite(names.contents);
    items_.push_back({"nav", prefix + names.contents, std::string(xhtmlType), "nav"});

    const int total = static_cast<int>(documents.size());
    int done = 0;
    for (const auto& [number, name] : documents) {
      auto* page = dynamic_cast<TZEBtesto*>(set_.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), number));
      std::string document = sink.spareBuffer();
      // The text is about as long again in markup: one allocation holds most pages.
      document.reserve(page->text().size() + page->text().size() / 2 + 1024);
      appendDocumentStart(document, request_.format, pageTitle(set_, number), metadata.language, backgroundOf(*page));
      appendPageBody(set_, links, *page, document, &looks_);
      appendDocumentEnd(document);
      if (!sink.add(prefix + name, std::move(document))) return cannotWrite(name);
      items_.push_back({"p" + std::to_string(number), prefix + name, std::string(xhtmlType), {}});
      ++done;
      if (request_.onProgress && !request_.onProgress(done, total)) {
        result.outcome = BookExportResult::Outcome::cancelled;
        result.message = messages::exportCancelled;
        return result;
      }
    }

    if (!resources_.writeAll(sink, prefix)) return cannotWrite(std::string(ExportResources::folder));
    int resource = 0;
    for (const auto& [name, item] : resources_.all())
      items_.push_back(
          {"r" + std::to_string(++resource), prefix + std::string(ExportResources::folder) + name, item.mediaType, {}});
    if (!sink.add(prefix + "style.css", bookStylesheet(set_) + lookRules(looks_))) return cannotWrite("style.css");
    items_.push_back({"style", prefix + "style.css", "text/css", {}});

    if (epub) {
      if (!sink.add("META-INF/container.xml", containerDocument(packagePath))) return cannotWrite("container.xml");
      std::vector<SpineEntry> spine;
      for (const std::int32_t page : order) spine.push_back({"p" + std::to_string(page), true});
      if (!index.empty()) spine.push_back({"index", true});
      // The contents are a document of the book too (the landmarks lead to them), read
      // apart from the pages.
      spine.push_back({"nav", false});
      std::sort(items_.begin(), items_.end(),
                [](const PackageItem& a, const PackageItem& b) { return a.href < b.href; });
      metadata.identifier = identifier.get();
      if (!sink.add(packagePath, packageDocument(metadata, items_, spine))) return cannotWrite(packagePath);
    }
    if (!sink.finish()) return cannotWrite(request_.target.filename().string());
    result.outcome = BookExportResult::Outcome::written;
    result.pages = total;
    return result;
  }

 private:
  static BookExportResult failure(std::string message) {
    BookExportResult result;
    result.message = std::move(message);
    return result;
  }
  BookExportResult cannotWrite(std::string_view what) const {
    return failure(std::string(messages::exportCannotWrite) + std::string(what));
  }

  TZEBset& set_;
  const BookExportRequest& request_;
  ExportResources resources_;
  std::vector<PackageItem> items_;
  XhtmlLooks looks_;
};

bool isEmptyFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error) && std::filesystem::is_empty(path, error);
}

}  // namespace

std::map<std::int32_t, std::string> documentNames(const std::vector<std::int32_t>& pages, std::int32_t cover,
                                                  BookExportFormat format) {
  const std::int32_t largest = pages.empty() ? 0 : *std::max_element(pages.begin(), pages.end());
  const std::size_t width = std::to_string(largest).size();
  const std::string extension = namesFor(format).extension;
  std::map<std::int32_t, std::string> names;
  for (const std::int32_t page : pages) {
    std::string digits = std::to_string(page);
    digits.insert(0, width - std::min(width, digits.size()), '0');
    names[page] = format == BookExportFormat::htmlFolder && page == cover ? "index.html" : "p" + digits + extension;
  }
  return names;
}

BookExportResult exportBook(TZEBset& set, const BookExportRequest& request) {
  std::error_code error;
  const std::filesystem::path& target = request.target;
  const bool folder = request.format == BookExportFormat::htmlFolder;
  const bool exists = std::filesystem::exists(target, error);
  BookExportResult result;
  if (exists && !request.replaceExisting && !(folder && isEmptyFolder(target))) {
    result.message = std::string(messages::exportTargetExists) + target.string();
    return result;
  }
  std::filesystem::path written = target;
  written += ".part";
  std::filesystem::remove_all(written, error);
  std::unique_ptr<ArchiveSink> sink = folder ? createFolderSink(written) : createZipSink(written);
  if (sink == nullptr) {
    result.message = std::string(messages::exportCannotWrite) + target.string();
    return result;
  }
  result = Exporter(set, request).run(*sink);
  sink.reset();
  if (result.outcome == BookExportResult::Outcome::written) {
    if (exists) std::filesystem::remove_all(target, error);
    std::filesystem::rename(written, target, error);
    if (error) {
      result.outcome = BookExportResult::Outcome::failed;
      result.message = std::string(messages::exportCannotWrite) + target.string();
    }
  }
  if (result.outcome != BookExportResult::Outcome::written) std::filesystem::remove_all(written, error);
  return result;
}

}  // namespace zeb
