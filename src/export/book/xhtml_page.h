// A text's markup as the body of an XHTML document: paragraphs with their style classes,
// runs as spans where they differ from their paragraph, links, tables, pictures with their
// hot zones as image maps, form controls shown disabled with their defaults, and anchors.
// The same markup serves EPUB content documents and the pages of an HTML folder.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "export/book/css_stylesheet.h"
#include "export/book/export_links.h"
#include "platform/font.h"

namespace zeb {

class TZEBoggetto;
class TZEBset;
class TZEBtesto;

// Whether anchors of a text are written: those of the document's own page are, those of
// another page shown inside it (a frame, a header or a footer) are not, as links name them
// in that page's own document.
enum class Anchors : std::uint8_t { write, omit };

// The start tags a book's pages repeat, worked out once for all of them: spans by their run
// and paragraph fonts, paragraphs by their look, and each style's own declarations. What a
// run or a paragraph changes of its paragraph or style is a class of its own ("r1" for the
// first such run look, "l1" for the first paragraph look), whose rules follow the styles'
// in the stylesheet.
struct XhtmlLooks {
  struct Span {
    TMyFont font;
    TMyFont paragraph;
    std::string start;
  };
  // What a paragraph's start tag says: its style, and its own font, alignment, list marker
  // and lengths (margins, indent, line height) when it changes any of its style's.
  struct Paragraph {
    const TZEBoggetto* style = nullptr;
    TMyFont font;
    bool overridden = false;
    std::uint8_t alignment = 0;
    std::uint8_t numbering = 0;
    std::array<std::int32_t, 6> lengths{};
    bool operator==(const Paragraph&) const = default;
  };
  // Looks are compared one by one: beyond this many, the list starts again.
  static constexpr std::size_t kept = 64;
  std::vector<Span> spans;
  std::vector<std::pair<Paragraph, std::string>> paragraphs;
  std::unordered_map<const TZEBoggetto*, CssDeclarations> styles;
  // Every class named so far, in the order of their numbers: its name and declarations.
  std::vector<std::pair<std::string, std::string>> classes;
  std::unordered_map<std::string, std::size_t> classByDeclarations;  // "r" or "l", then the declarations
  int runClasses = 0;
  int paragraphClasses = 0;
};

// The rules of the looks' classes, each on a line of its own: ".r1 { font-weight: bold; }".
std::string lookRules(const XhtmlLooks& looks);

struct XhtmlTextRequest {
  TZEBset* set = nullptr;
  ExportLinks* links = nullptr;
  DocumentIds* ids = nullptr;
  // The page the document stands for: links of its text are followed from it.
  std::int32_t page = -1;
  std::uint16_t codePage = 1252;
  Anchors anchors = Anchors::write;
  // Kept from page to page when given; else the text's own.
  XhtmlLooks* looks = nullptr;
};

// Appends the elements of the markup (which ends at its first zero byte) to `out`.
void appendXhtmlText(const XhtmlTextRequest& request, std::span<const std::uint8_t> markup, std::string& out);
std::string xhtmlText(const XhtmlTextRequest& request, std::string_view markup);

// The body of a page's document: its header page's text as a "header" element, its text,
// its footer page's text as a "footer" element. A page with a frame map is flattened: each
// frame that shows a page becomes a section, titled with the frame's name, in the order of
// the map.
void appendPageBody(TZEBset& set, ExportLinks& links, TZEBtesto& page, std::string& out,
                    XhtmlLooks* looks = nullptr);

// The numbers of the anchors a page's document holds: those of its own text.
std::set<std::int32_t> pageAnchors(TZEBset& set, TZEBtesto& page);

}  // namespace zeb
