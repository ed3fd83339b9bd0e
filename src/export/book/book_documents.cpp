// The generated documents and the package.
#include "export/book/book_documents.h"

#include <array>
#include <chrono>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>

#include <openssl/evp.h>

#include "document/book_header.h"
#include "document/container.h"
#include "document/page_object.h"
#include "export/book/export_messages.h"
#include "export/book/xml_text.h"
#include "export/plain_text_converter.h"
#include "platform/code_pages.h"
#include "shell/contents_tree.h"
#include "shell/keyword_search.h"

namespace zeb {
namespace {

// A summary longer than this is cut at a word.
constexpr std::size_t maxDescription = 2000;

struct LanguageName {
  std::uint16_t primary;
  std::string_view tag;
};

// Primary language identifiers (the low ten bits) and their tags.
constexpr std::array<LanguageName, 36> languageNames = {{
    {0x01, "ar"}, {0x02, "bg"}, {0x03, "ca"}, {0x04, "zh"}, {0x05, "cs"}, {0x06, "da"}, {0x07, "de"}, {0x08, "el"},
    {0x09, "en"}, {0x0A, "es"}, {0x0B, "fi"}, {0x0C, "fr"}, {0x0D, "he"}, {0x0E, "hu"}, {0x0F, "is"}, {0x10, "it"},
    {0x11, "ja"}, {0x12, "ko"}, {0x13, "nl"}, {0x14, "no"}, {0x15, "pl"}, {0x16, "pt"}, {0x18, "ro"}, {0x19, "ru"},
    {0x1A, "hr"}, {0x1B, "sk"}, {0x1C, "sq"}, {0x1D, "sv"}, {0x1E, "th"}, {0x1F, "tr"}, {0x22, "uk"}, {0x24, "sl"},
    {0x25, "et"}, {0x26, "lv"}, {0x27, "lt"}, {0x2A, "vi"},
}};

std::string utf8Of(TZEBset& set, std::string_view bytes) { return CodePage::of(set.codePage()).toUtf8(bytes); }

TZEBtesto* livePage(TZEBset& set, std::int64_t number) {
  if (number < 0) return nullptr;
  auto* page = dynamic_cast<TZEBtesto*>(set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), number));
  return page != nullptr && !page->isReleased() ? page : nullptr;
}

void appendLink(std::string& out, std::string_view href, std::string_view title, std::string_view epubType = {}) {
  out += "<a";
  if (!epubType.empty()) {
    out += " epub:type=\"";
    out += epubType;
    out += '"';
  }
  out += " href=\"";
  appendXmlEscaped(out, href);
  out += "\">";
  appendXmlEscaped(out, title);
  out += "</a>";
}

class ContentsWriter {
 public:
  ContentsWriter(TZEBset& set, const BookLinks& links) : set_(set), links_(links) {}

  // The items of the nodes (and of their children, for nodes that carry nothing).
  std::string itemsOf(const ContentsNode& parent) const {
    std::string out;
    for (std::size_t i = 0; i < parent.childCount(); ++i) out += itemOf(*parent.child(i));
    return out;
  }

  std::string itemOf(const ContentsNode& node) const {
    const std::string children = itemsOf(node);
    const std::string list = children.empty() ? std::string() : "<ol>" + children + "</ol>";
    switch (node.type()) {
      case ContentsNodeType::root:
      case ContentsNodeType::none: return children;
      case ContentsNodeType::chapter: {
        if (children.empty()) return {};
        std::string out = "<li><span>";
        appendXmlEscaped(out, utf8Of(set_, node.title()));
        return out + "</span>" + list + "</li>";
      }
      case ContentsNodeType::object: {
        const std::string document =
            node.object() != nullptr ? links_.documentOf(node.object()->Index()) : std::string();
        if (document.empty()) return children;
        std::string out = "<li>";
        std::string title = utf8Of(set_, node.title());
        if (title.empty()) title = pageTitle(set_, node.object()->Index());
        appendLink(out, document, title);
        return out + list + "</li>";
      }
    }
    return children;
  }

  std::string pageItem(std::int32_t page) const {
    std::string out = "<li>";
    appendLink(out, links_.documentOf(page), pageTitle(set_, page));
    return out + "</li>";
  }

 private:
  TZEBset& set_;
  const BookLinks& links_;
};

std::string summaryText(TZEBset& set) {
  TZEBtesto* page = livePage(set, set.header().i32(header::summaryPage));
  if (page == nullptr) return {};
  TZEBtoTxt converter;
  converter.setLinkedZEBset(&set);
  converter.setTextObject(page);
  std::string text = converter.convert(page->textView());
  if (!text.empty()) text.pop_back();
  std::string flat;
  for (const char c : text) {
    const bool blank = c == '\r' || c == '\n' || c == '\t' || c == ' ';
    if (blank && (flat.empty() || flat.back() == ' ')) continue;
    flat.push_back(blank ? ' ' : c);
  }
  while (!flat.empty() && flat.back() == ' ') flat.pop_back();
  if (flat.size() > maxDescription) {
    const std::size_t cut = flat.rfind(' ', maxDescription);
    flat = flat.substr(0, cut == std::string::npos ? maxDescription : cut);
  }
  return CodePage::of(set.codePageOf(*page)).toUtf8(flat);
}

std::string modificationTime(const std::filesystem::path& file) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(file, error);
  std::time_t seconds = 0;
  if (!error) {
    const auto system = std::chrono::file_clock::to_sys(written);
    seconds = std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(system));
  }
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace

void appendDocumentStart(std::string& out, BookExportFormat format, std::string_view title, std::string_view language,
                         std::string_view bodyStyle) {
  if (format == BookExportFormat::epub) {
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n";
    out += "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\" xml:lang=\"";
    appendXmlEscaped(out, language);
    out += "\" lang=\"";
  } else {
    out += "<!DOCTYPE html>\n<html lang=\"";
  }
  appendXmlEscaped(out, language);
  out += "\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>";
  appendXmlEscaped(out, title);
  out += "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\"/>\n</head>\n<body";
  if (!bodyStyle.empty()) {
    out += " style=\"";
    appendXmlEscaped(out, bodyStyle);
    out += '"';
  }
  out += ">\n";
}

void appendDocumentEnd(std::string& out) { out += "\n</body>\n</html>\n"; }

std::string wrapDocument(BookExportFormat format, std::string_view title, std::string_view language,
                         std::string_view body, std::string_view bodyStyle) {
  std::string out;
  appendDocumentStart(out, format, title, language, bodyStyle);
  out += body;
  appendDocumentEnd(out);
  return out;
}

std::string pageTitle(TZEBset& set, std::int32_t page) {
  TZEBtesto* found = livePage(set, page);
  std::string title = found != nullptr ? CodePage::of(set.codePageOf(*found)).toUtf8(found->Name()) : std::string();
  return title.empty() ? std::string(messages::pageTitlePrefix) + std::to_string(page) : title;
}

std::string contentsBody(const ContentsTree& tree, const std::vector<std::int32_t>& leftOut, const BookLinks& links,
                         BookExportFormat format, const Landmarks& landmarks, std::string_view navigationName) {
  TZEBset& set = *tree.LinkedZEBset();
  const ContentsWriter writer(set, links);
  std::string items;
  for (std::size_t i = 0; i < tree.topLevelCount(); ++i) items += writer.itemOf(*tree.topLevel(i));
  for (const std::int32_t page : leftOut) items += writer.pageItem(page);
  const bool epub = format == BookExportFormat::epub;
  std::string out = epub ? "<nav epub:type=\"toc\" id=\"toc\">" : "<nav id=\"toc\">";
  out += "<h1>";
  out += messages::contentsHeading;
  out += "</h1><ol>" + items + "</ol></nav>";
  if (epub) {
    out += "\n<nav epub:type=\"landmarks\" hidden=\"hidden\"><h2>";
    out += messages::landmarksHeading;
    out += "</h2><ol>";
    if (!landmarks.cover.empty()) {
      out += "<li>";
      appendLink(out, landmarks.cover, messages::coverLandmark, "cover");
      out += "</li>";
    }
    out += "<li>";
    appendLink(out, std::string(navigationName) + "#toc", messages::contentsHeading, "toc");
    out += "</li>";
    if (!landmarks.index.empty()) {
      out += "<li>";
      appendLink(out, landmarks.index, messages::indexHeading, "index");
      out += "</li>";
    }
    out += "</ol></nav>";
  } else if (!landmarks.index.empty()) {
    out += "\n<p>";
    appendLink(out, landmarks.index, messages::indexHeading);
    out += "</p>";
  }
  return out;
}

std::string keywordIndexBody(TZEBset& set, const BookLinks& links) {
  std::map<std::int32_t, std::vector<std::int32_t>> pagesOf;
  const auto slots = static_cast<std::int32_t>(set.slotCount(TOggettiHel::testoHtml));
  for (std::int32_t number = 0; number < slots; ++number) {
    const TZEBoggetto* page = set.slot(TOggettiHel::testoHtml, number);
    if (page == nullptr || page->isReleased() || links.documentOf(number).empty()) continue;
    for (int slot = 0; slot < field::pageKeywordSlots; ++slot) {
      const std::int32_t keyword = page->record().i32(field::pageKeywords + 4 * slot);
      if (keyword < 0) continue;
      auto& pages = pagesOf[keyword];
      if (pages.empty() || pages.back() != number) pages.push_back(number);
    }
  }
  std::string items;
  for (const ObjectListItem& keyword : keywordListItems(set)) {
    const auto found = pagesOf.find(keywordFilterValue(keyword.identifier));
    if (found == pagesOf.end()) continue;
    items += "<li>";
    appendXmlEscaped(items, CodePage::of(keyword.codePage).toUtf8(keyword.caption));
    items += ": ";
    bool first = true;
    for (const std::int32_t page : found->second) {
      if (!first) items += ", ";
      first = false;
      appendLink(items, links.documentOf(page), pageTitle(set, page));
    }
    items += "</li>";
  }
  if (items.empty()) return {};
  std::string out = "<section id=\"index\"><h1>";
  out += messages::indexHeading;
  return out + "</h1><ul>" + items + "</ul></section>";
}

std::string packageDocument(const PackageMetadata& metadata, const std::vector<PackageItem>& items,
                            const std::vector<SpineEntry>& spine) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"book-id\" xml:lang=\"";
  appendXmlEscaped(out, metadata.language);
  out += "\">\n<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n<dc:identifier id=\"book-id\">";
  appendXmlEscaped(out, metadata.identifier);
  out += "</dc:identifier>\n<dc:title>";
  appendXmlEscaped(out, metadata.title);
  out += "</dc:title>\n";
  if (!metadata.author.empty()) {
    out += "<dc:creator>";
    appendXmlEscaped(out, metadata.author);
    out += "</dc:creator>\n";
  }
  if (!metadata.description.empty()) {
    out += "<dc:description>";
    appendXmlEscaped(out, metadata.description);
    out += "</dc:description>\n";
  }
  out += "<dc:language>";
  appendXmlEscaped(out, metadata.language);
  out += "</dc:language>\n<meta property=\"dcterms:modified\">";
  appendXmlEscaped(out, metadata.modified);
  out += "</meta>\n</metadata>\n<manifest>\n";
  for (const PackageItem& item : items) {
    out += "<item id=\"" + item.id + "\" href=\"";
    appendXmlEscaped(out, item.href);
    out += "\" media-type=\"" + item.mediaType + "\"";
    if (!item.properties.empty()) out += " properties=\"" + item.properties + "\"";
    out += "/>\n";
  }
  out += "</manifest>\n<spine>\n";
  for (const SpineEntry& entry : spine)
    out += "<itemref idref=\"" + entry.id + (entry.linear ? "\"" : "\" linear=\"no\"") + "/>\n";
  out += "</spine>\n</package>\n";
  return out;
}

std::string containerDocument(std::string_view packagePath) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
      "<rootfiles>\n<rootfile full-path=\"";
  appendXmlEscaped(out, packagePath);
  out += "\" media-type=\"application/oebps-package+xml\"/>\n</rootfiles>\n</container>\n";
  return out;
}

std::string languageTag(std::uint16_t languageId) {
  const auto primary = static_cast<std::uint16_t>(languageId & 0x3FF);
  for (const LanguageName& name : languageNames) {
    if (name.primary == primary) return std::string(name.tag);
  }
  return "und";
}

std::string fileIdentifier(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  // A name-based UUID (version 5): the SHA-1 of the URL namespace's identifier followed by
  // the book's bytes.
  static constexpr std::array<std::uint8_t, 16> urlNamespace = {0x6b, 0xa7, 0xb8, 0x11, 0x9d, 0xad, 0x11, 0xd1,
                                                                0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};
  const std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> digest(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  if (digest == nullptr || EVP_DigestInit_ex(digest.get(), EVP_sha1(), nullptr) != 1) return {};
  EVP_DigestUpdate(digest.get(), urlNamespace.data(), urlNamespace.size());
  std::vector<char> buffer(std::size_t{1} << 20);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    EVP_DigestUpdate(digest.get(), buffer.data(), static_cast<std::size_t>(in.gcount()));
  }
  std::array<std::uint8_t, EVP_MAX_MD_SIZE> hash{};
  if (EVP_DigestFinal_ex(digest.get(), hash.data(), nullptr) != 1) return {};
  hash[6] = static_cast<std::uint8_t>((hash[6] & 0x0F) | 0x50);
  hash[8] = static_cast<std::uint8_t>((hash[8] & 0x3F) | 0x80);
  std::string out = "urn:uuid:";
  static constexpr char digits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < 16; ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) out.push_back('-');
    out.push_back(digits[hash[i] >> 4]);
    out.push_back(digits[hash[i] & 0x0F]);
  }
  return out;
}

std::string bookIdentifier(const std::filesystem::path& file) {
  std::string identifier = fileIdentifier(file);
  return identifier.empty() ? "urn:uuid:00000000-0000-5000-8000-000000000000" : identifier;
}

PackageMetadata bookMetadata(TZEBset& set) {
  PackageMetadata metadata;
  const std::filesystem::path file(set.ZEBFileName());
  metadata.title = utf8Of(set, set.header().title());
  if (metadata.title.empty()) metadata.title = file.stem().string();
  if (metadata.title.empty()) metadata.title = messages::untitledBook;
  metadata.author = utf8Of(set, set.header().shortString(header::author, header::textFieldMax));
  metadata.description = summaryText(set);
  metadata.language = languageTag(static_cast<std::uint16_t>(set.header().i16(header::defaultLanguage)));
  metadata.modified = modificationTime(file);
  return metadata;
}

}  // namespace zeb
