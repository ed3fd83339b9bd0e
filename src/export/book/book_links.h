// How an export of a whole book writes links: pages of the book as links between its
// documents (anchors as fragments), other books as relative links to their own exports,
// web and mail addresses as they are, embedded files as resources, and whatever has no web
// equivalent (programs, window commands, searches) as text with a note in its title.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "export/book/export_links.h"

namespace zeb {

class ExportResources;
class TZEBset;

enum class BookExportFormat : std::uint8_t { epub, htmlFolder };

class BookLinks final : public ExportLinks {
 public:
  // `documents` names the document of every exported page (relative to the documents'
  // folder, where all of them lie).
  BookLinks(TZEBset& set, BookExportFormat format, std::map<std::int32_t, std::string> documents,
            ExportResources& resources);

  ExportLink linkFor(TZEBoggetto& link, std::int32_t fromPage) override;
  ExportPicture pictureFor(TZEBoggetto& picture) override;

  // The document of a page; empty for a page that is not exported.
  std::string documentOf(std::int32_t page) const;

 private:
  ExportLink pageLink(std::int32_t page, std::int32_t anchor) const;
  ExportLink bookLink(const std::string& path) const;
  ExportLink addressLink(const std::string& address, std::int32_t fromPage) const;
  const std::set<std::int32_t>& anchorsOf(std::int32_t page) const;

  TZEBset& set_;
  BookExportFormat format_;
  std::map<std::int32_t, std::string> documents_;
  ExportResources& resources_;
  mutable std::map<std::int32_t, std::set<std::int32_t>> anchors_;
};

}  // namespace zeb
