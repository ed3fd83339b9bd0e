// A text's markup as the body of an XHTML document: paragraphs with their style classes,
// runs as spans where they differ from their paragraph, links, tables, pictures with their
// hot zones as image maps, form controls shown disabled with their defaults, and anchors.
// The same markup serves EPUB content documents and the pages of an HTML folder.
#pragma once

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "export/book/export_links.h"

namespace zeb {

class TZEBset;
class TZEBtesto;

// Whether anchors of a text are written: those of the document's own page are, those of
// another page shown inside it (a frame, a header or a footer) are not, as links name them
// in that page's own document.
enum class Anchors : std::uint8_t { write, omit };

struct XhtmlTextRequest {
  TZEBset* set = nullptr;
  ExportLinks* links = nullptr;
  DocumentIds* ids = nullptr;
  // The page the document stands for: links of its text are followed from it.
  std::int32_t page = -1;
  std::uint16_t codePage = 1252;
  Anchors anchors = Anchors::write;
};

// Appends the elements of the markup (which ends at its first zero byte) to `out`.
void appendXhtmlText(const XhtmlTextRequest& request, std::span<const std::uint8_t> markup, std::string& out);
std::string xhtmlText(const XhtmlTextRequest& request, std::string_view markup);

// The body of a page's document: its header page's text as a "header" element, its text,
// its footer page's text as a "footer" element. A page with a frame map is flattened: each
// frame that shows a page becomes a section, titled with the frame's name, in the order of
// the map.
std::string pageBody(TZEBset& set, ExportLinks& links, TZEBtesto& page);
void appendPageBody(TZEBset& set, ExportLinks& links, TZEBtesto& page, std::string& out);

// The numbers of the anchors a page's document holds: those of its own text.
std::set<std::int32_t> pageAnchors(TZEBset& set, TZEBtesto& page);

}  // namespace zeb
