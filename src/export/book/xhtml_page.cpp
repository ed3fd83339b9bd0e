// A text's markup as XHTML.
//
// Paragraphs are "p" elements; a table cannot stand inside one, so the paragraph a table
// stands in ends before the table and goes on after it, with its own class, when more of its
// content follows. Spans and links never cross a paragraph, a table or each other: a link
// start or end closes the run's span and opens it again inside or after the link.
#include "export/book/xhtml_page.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "document/book_header.h"
#include "document/book_object.h"
#include "document/container.h"
#include "document/page_object.h"
#include "export/book/css_stylesheet.h"
#include "export/book/xml_text.h"
#include "export/export_objects.h"
#include "export/markup_scanner.h"
#include "export/paragraph_tag.h"
#include "platform/code_pages.h"
#include "platform/font_faces.h"
#include "text/effective_font.h"
#include "text/format_one.h"
#include "text/paragraph_style.h"
#include "text/style_object.h"
#include "text/table_layout.h"
#include "text/tag_attributes.h"
#include "view/form_fields.h"
#include "view/frame_map.h"
#include "view/image_zones.h"
#include "view/visual_kinds.h"

namespace zeb {
namespace {

constexpr std::uint8_t anchorSubtype = 14;
namespace formAction {
inline constexpr std::uint8_t submit = 1;
inline constexpr std::uint8_t submitToo = 2;
inline constexpr std::uint8_t reset = 3;
}  // namespace formAction

// Codes whose objects start linked words: pages and the link kinds below 4, and link
// actions (which a shown page addresses through its local list).
bool startsLink(const TZEBoggetto& object) {
  switch (object.Kind()) {
    case TOggettiHel::testoHtml:
    case TOggettiHel::internetLink:
    case TOggettiHel::zipLink:
    case TOggettiHel::genLink:
    case TOggettiHel::speclink: return true;
    default: return false;
  }
}

bool hasParagraphOverrides(const TZEBParaStyle& style) {
  for (int i = 0; i < paraAttributeCount; ++i) {
    if (style.isSet(static_cast<ParaAttribute>(i))) return true;
  }
  return false;
}

void appendAttribute(std::string& out, std::string_view name, std::string_view utf8Value) {
  out += ' ';
  out += name;
  out += "=\"";
  appendXmlEscaped(out, utf8Value);
  out += '"';
}

void appendNumberAttribute(std::string& out, std::string_view name, std::int64_t value) {
  out += ' ';
  out += name;
  out += "=\"";
  out += std::to_string(value);
  out += '"';
}

struct TableLevel {
  OpenTable cells;
  std::vector<std::uint32_t> colours;  // per cell, row by row
  TZEBParaStyle outerParagraph;        // the paragraph the table stands in
  bool paragraphWasOpen = false;
};

class XhtmlWriter {
 public:
  XhtmlWriter(const XhtmlTextRequest& request, const MarkupText& markup, std::string& out)
      : request_(request),
        set_(*request.set),
        markup_(markup),
        out_(out),
        codePage_(CodePage::of(request.codePage)),
        looks_(request.looks != nullptr ? *request.looks : ownLooks_) {
    paragraph_.setBaseStyle(styleObject(0));
    fontChanged(runFont(paragraph_, nullptr));
  }

  void text(const std::uint8_t* bytes, std::size_t count) {
    beforeContent();
    if (encoding_ == FaceEncoding::codePage) {
      appendBookText(out_, {reinterpret_cast<const char*>(bytes), count}, codePage_);
    } else {
      for (std::size_t i = 0; i < count; ++i) character(bytes[i]);
    }
  }

  // Text in the code page is converted as it is scanned; a symbol face's goes byte by byte.
  std::size_t textUpToMarkup(const std::uint8_t* bytes, std::size_t count) {
    if (encoding_ == FaceEncoding::codePage) {
      beforeContent();
      return appendBookTextUpToMarkup(out_, {reinterpret_cast<const char*>(bytes), count}, codePage_);
    }
    std::size_t taken = 0;
    while (taken < count && bytes[taken] != '<' && bytes[taken] != '&') ++taken;
    text(bytes, taken);
    return taken;
  }

  void character(std::uint8_t code) {
    beforeContent();
    if (encoding_ == FaceEncoding::codePage)
      appendBookCharacter(out_, code, codePage_);
    else
      appendXmlCharacter(out_, unicodeOfFaceByte(encoding_, code, codePage_.number()));
  }

  std::size_t paragraphTag(std::size_t tag) {
    closeParagraph();
    resumePending_ = false;
    const std::size_t next = readParagraphTag(markup_, tag, &set_, nullptr, paragraph_);
    run_ = std::nullopt;
    openParagraph();
    return next;
  }

  std::size_t runTag(std::size_t tag) {
    TagAttributeReader reader(markup_.bytes(), std::min(tag + 3, markup_.size()), nullptr);
    const RunTag runTag = reader.readRunAttributes();
    reader.skipPastClose();
    beforeContent();
    TZEBFontStyle run;
    run.setBaseStyle(paragraph_.BaseStyle());
    applyRunTag(runTag, run, font_.Style);
    run_ = run;
    closeSpan();
    fontChanged(runFont(paragraph_, &*run_));
    openSpan();
    return reader.position();
  }

  std::size_t reference(std::uint32_t code, std::size_t after) {
    TZEBoggetto* object = findObject(code);
    if (object == nullptr) return after;
    if (startsLink(*object)) {
      beforeContent();
      openLink(*object);
      return after;
    }
    switch (object->Kind()) {
      case TOggettiHel::tabellaHtml: {
        if (markup_.noCellTextsAt(after)) return after + 3;
        if (const auto cells = openTable(*object, tables_.size())) startTable(*object, *cells);
        return after;
      }
      case TOggettiHel::immagineNew:
        beforeContent();
        writePicture(*object);
        return after;
      case TOggettiHel::shortObj:
        if (object->state() == anchorSubtype) {
          beforeContent();
          writeAnchor(*object);
        }
        return after;
      default: beforeContent(); writeControl(*object);
    }
    return after;
  }

  void linkEnd() {
    if (!linkOpen_) return;
    closeSpan();
    out_ += "</a>";
    linkOpen_ = false;
    openSpan();
  }

  void cellEnd() {
    if (tables_.empty()) return;
    closeParagraph();
    TableLevel& table = tables_.back();
    const bool rowEnds = table.cells.endCell();
    out_ += "</td>";
    if (rowEnds) out_ += "</tr>";
    if (table.cells.finished()) {
      endTable();
      return;
    }
    if (rowEnds) out_ += "<tr>";
    openCell();
  }

  void finish() {
    closeParagraph();
    while (!tables_.empty()) {
      // The markup ended inside a table: its row is completed with empty cells.
      TableLevel& table = tables_.back();
      out_ += "</td>";
      while (!table.cells.endCell()) out_ += "<td></td>";
      out_ += "</tr>";
      table.cells.done = table.cells.cells;
      endTable();
      closeParagraph();
    }
  }

 private:
  TZEBoggetto* styleObject(std::int32_t number) const { return findParagraphStyle(set_, number); }

  TZEBoggetto* findObject(std::uint32_t code) const {
    TZEBoggetto* object = set_.objectById(code);
    return object != nullptr && !object->isReleased() ? object : nullptr;
  }

  void fontChanged(const TMyFont& font) {
    const bool sameFace = font.Name == font_.Name && faceKnown_;
    font_ = font;
    if (!sameFace) encoding_ = substituteFace(font.Name).encoding;
    faceKnown_ = true;
  }

  // The start tag of its span, or nothing when it looks as its paragraph does; the runs of a
  // book mostly repeat a few fonts, so each pair of run and paragraph font is worked out once.
  const std::string& spanStart() {
    for (const XhtmlLooks::Span& known : looks_.spans)
      if (known.font == font_ && known.paragraph == paragraphFont_) return known.start;
    if (looks_.spans.size() >= XhtmlLooks::kept) looks_.spans.clear();
    const std::string own = differingDeclarations(fontDeclarations(font_), fontDeclarations(paragraphFont_));
    std::string start;
    if (!own.empty()) start = "<span class=\"" + lookClass('r', own) + "\">";
    looks_.spans.push_back({font_, paragraphFont_, std::move(start)});
    return looks_.spans.back().start;
  }

  // The class of a run look ('r') or a paragraph look ('l') with these declarations.
  const std::string& lookClass(char kind, const std::string& declarations) {
    std::string key = kind + declarations;
    if (const auto found = looks_.classByDeclarations.find(key); found != looks_.classByDeclarations.end())
      return looks_.classes[found->second].first;
    const int number = kind == 'r' ? ++looks_.runClasses : ++looks_.paragraphClasses;
    looks_.classByDeclarations.emplace(std::move(key), looks_.classes.size());
    looks_.classes.emplace_back(kind + std::to_string(number), declarations);
    return looks_.classes.back().first;
  }

  const CssDeclarations& baseDeclarations(const TZEBoggetto* style) {
    auto found = looks_.styles.find(style);
    if (found != looks_.styles.end()) return found->second;
    TZEBParaStyle base;
    base.setBaseStyle(const_cast<TZEBoggetto*>(style));
    return looks_.styles.emplace(style, paragraphDeclarations(base)).first->second;
  }

  void beforeContent() {
    if (paragraphOpen_) return;
    if (resumePending_) {
      resumePending_ = false;
      openParagraph();
      return;
    }
    openParagraph();
  }

  // A paragraph's start tag: its style's class, and what it changes of its style; a book's
  // paragraphs mostly repeat a few looks, so each is written out once.
  const std::string& paragraphStart() {
    XhtmlLooks::Paragraph look{paragraph_.BaseStyle(), paragraphFont_};
    const bool overridden = hasParagraphOverrides(paragraph_);
    if (overridden) {
      look.alignment = paragraph_.Alignment();
      look.numbering = paragraph_.Numbering();
      look.lengths = {paragraph_.TopMargin(),      paragraph_.RightMargin(), paragraph_.BottomMargin(),
                      paragraph_.LeftMargin(),     paragraph_.FirstLineIndent(), paragraph_.LineHeight()};
    }
    look.overridden = overridden;
    for (const auto& [known, start] : looks_.paragraphs)
      if (known == look) return start;
    if (looks_.paragraphs.size() >= XhtmlLooks::kept) looks_.paragraphs.clear();
    std::string start = "<p class=\"" + styleClassName(look.style != nullptr ? look.style->Index() : 0);
    if (overridden) {
      const std::string own = differingDeclarations(paragraphDeclarations(paragraph_), baseDeclarations(look.style));
      if (!own.empty()) start += ' ' + lookClass('l', own);
    }
    start += "\">";
    looks_.paragraphs.emplace_back(look, std::move(start));
    return looks_.paragraphs.back().second;
  }

  void openParagraph() {
    paragraphTagStart_ = out_.size();
    paragraphFont_ = runFont(paragraph_, nullptr);
    out_ += paragraphStart();
    paragraphOpen_ = true;
    fontChanged(run_ ? runFont(paragraph_, &*run_) : paragraphFont_);
    openSpan();
    paragraphBodyStart_ = out_.size();
  }

  void closeParagraph() {
    if (!paragraphOpen_) return;
    closeSpan();
    if (linkOpen_) out_ += "</a>";
    linkOpen_ = false;
    out_ += "</p>";
    paragraphOpen_ = false;
  }

  void openSpan() {
    if (spanOpen_ || !paragraphOpen_ || font_ == paragraphFont_) return;
    const std::string& start = spanStart();
    if (start.empty()) return;
    out_ += start;
    spanOpen_ = true;
  }

  // A link's start tag; a page links to the same few places again and again.
  const std::string& linkStart(TZEBoggetto& object) {
    for (const auto& [known, start] : linkStarts_)
      if (known == &object) return start;
    const ExportLink link = request_.links->linkFor(object, request_.page);
    std::string start = "<a";
    if (link.active) {
      appendAttribute(start, "href", link.href);
    } else {
      start += " class=\"inactive\"";
    }
    if (!link.title.empty()) appendAttribute(start, "title", link.title);
    start += '>';
    linkStarts_.emplace_back(&object, std::move(start));
    return linkStarts_.back().second;
  }

  void closeSpan() {
    if (!spanOpen_) return;
    out_ += "</span>";
    spanOpen_ = false;
  }

  void openLink(TZEBoggetto& object) {
    closeSpan();
    if (linkOpen_) out_ += "</a>";
    out_ += linkStart(object);
    linkOpen_ = true;
    openSpan();
  }

  void openCell() {
    const TableLevel& table = tables_.back();
    const auto cell = static_cast<std::size_t>(table.cells.done);
    out_ += "<td";
    std::string style = cellStyle_;
    if (cell < table.colours.size()) style += backgroundOf(table.colours[cell]);
    if (!style.empty()) appendAttribute(out_, "style", style);
    out_ += '>';
  }

  std::string backgroundOf(std::uint32_t code) {
    const CellBackground background = cellBackgroundOf(code);
    if (background.kind == CellBackground::Kind::colour) {
      const std::string colour = cssColour(background.colour);
      return colour.empty() ? std::string() : " background-color: " + colour + ";";
    }
    if (background.kind == CellBackground::Kind::picture) {
      TZEBoggetto* picture = set_.objectByKindAndIndex(kindNumber(TOggettiHel::immagine), background.pictureIndex);
      if (picture == nullptr || picture->isReleased()) return {};
      const ExportPicture shown = request_.links->pictureFor(*picture);
      if (!shown.href.empty()) return " background-image: url('" + shown.href + "');";
    }
    return {};
  }

  void startTable(TZEBoggetto& object, const OpenTable& cells) {
    TableLevel level{cells, {}, paragraph_, paragraphOpen_};
    // A paragraph that holds nothing but the table is the table's place, not a line of its own.
    if (paragraphOpen_ && out_.size() == paragraphBodyStart_) {
      out_.resize(paragraphTagStart_);
      paragraphOpen_ = false;
      spanOpen_ = false;
    }
    closeParagraph();
    const TableDescription table = TableDescription::of(object.record());
    const auto data = object.primaryData();
    level.colours = cellColourCodes(std::vector<std::uint8_t>(data.begin(), data.end()), table.rows * table.columns);

    std::string style;
    if (table.relativeWidth)
      style = "width: " + std::to_string(std::clamp(table.widthPercent, 0, 100)) + "%;";
    else
      style = "width: " + std::to_string(table.widthFor(0)) + "px;";
    style += " border-spacing: " + std::to_string(table.spacing) + "px;";
    std::string cellStyle = "padding: " + std::to_string(table.inset) + "px;";
    if (table.border > 0) {
      const std::string light = cssColour(table.highlightColour);
      const std::string dark = cssColour(table.shadowColour);
      style += " border: " + std::to_string(table.border) + "px outset;";
      cellStyle += " border: 1px inset;";
      if (!light.empty() && !dark.empty()) {
        style += " border-color: " + light + ' ' + dark + ' ' + dark + ' ' + light + ';';
        cellStyle += " border-color: " + dark + ' ' + light + ' ' + light + ' ' + dark + ';';
      }
    }
    style += backgroundOf(table.colourCode);
    out_ += "<table";
    appendAttribute(out_, "style", style);
    out_ += "><colgroup>";
    for (const TableColumn& column : table.columnList) {
      out_ += "<col";
      if (column.mode == ColumnMode::percent)
        appendAttribute(out_, "style", "width: " + std::to_string(column.value) + "%;");
      else if (column.mode == ColumnMode::pixels)
        appendAttribute(out_, "style", "width: " + std::to_string(column.value) + "px;");
      out_ += "/>";
    }
    out_ += "</colgroup><tbody><tr>";
    savedCellStyles_.push_back(cellStyle_);
    cellStyle_ = cellStyle;
    tables_.push_back(std::move(level));
    openCell();
  }

  void endTable() {
    TableLevel level = std::move(tables_.back());
    tables_.pop_back();
    out_ += "</tbody></table>";
    cellStyle_ = savedCellStyles_.back();
    savedCellStyles_.pop_back();
    paragraph_ = level.outerParagraph;
    run_ = std::nullopt;
    fontChanged(runFont(paragraph_, nullptr));
    // Inside a cell the paragraph goes on only with content of its own; outside, likewise.
    resumePending_ = true;
  }

  std::string bookText(std::string_view bytes) const { return codePage_.toUtf8(bytes); }

  void writePicture(TZEBoggetto& placement) {
    TZEBoggetto* picture = pictureToDraw(placement, false);
    if (picture == nullptr) return;
    const ExportPicture shown = request_.links->pictureFor(*picture);
    if (shown.href.empty()) return;
    int width = placement.record().i16(field::placementDisplayWidth);
    int height = placement.record().i16(field::placementDisplayHeight);
    if (width <= 0 || height <= 0) {
      width = shown.width;
      height = shown.height;
    }
    std::string alt = bookText(placement.Name());
    if (alt.empty()) alt = bookText(picture->Name());
    const std::vector<HotZone> zones = zonesOf(placement, width, height);
    std::string mapName;
    std::string areas;
    // Later zones lie above earlier ones; a map takes its first matching area.
    for (auto zone = zones.rbegin(); zone != zones.rend(); ++zone) {
      if (zone->bounds.empty()) continue;
      TZEBoggetto* target = findObject(zone->link);
      if (target == nullptr) continue;
      const ExportLink link = request_.links->linkFor(*target, request_.page);
      areas += "<area shape=\"rect\" coords=\"" + std::to_string(zone->bounds.left) + ',' +
               std::to_string(zone->bounds.top) + ',' + std::to_string(zone->bounds.right) + ',' +
               std::to_string(zone->bounds.bottom) + '"';
      if (link.active) appendAttribute(areas, "href", link.href);
      appendAttribute(areas, "alt", link.title.empty() ? alt : link.title);
      if (!link.title.empty()) appendAttribute(areas, "title", link.title);
      areas += "/>";
    }
    if (!areas.empty()) mapName = "map" + std::to_string(request_.ids->nextMap++);
    out_ += "<img";
    appendAttribute(out_, "src", shown.href);
    appendAttribute(out_, "alt", alt);
    appendNumberAttribute(out_, "width", width);
    appendNumberAttribute(out_, "height", height);
    if (!mapName.empty()) appendAttribute(out_, "usemap", "#" + mapName);
    out_ += "/>";
    if (!mapName.empty()) out_ += "<map name=\"" + mapName + "\">" + areas + "</map>";
  }

  void writeAnchor(TZEBoggetto& marker) {
    if (request_.anchors == Anchors::omit) return;
    const std::int32_t number = marker.record().i32(field::panelReference);
    if (!request_.ids->anchors.insert(number).second) return;
    out_ += "<span id=\"anchor-" + std::to_string(number) + "\"></span>";
  }

  void writeControl(TZEBoggetto& object) {
    const VisualKind kind = visualKindOf(object);
    const std::string name = bookText(object.Name());
    const auto control = [&](std::string_view type) {
      out_ += "<input type=\"";
      out_ += type;
      out_ += '"';
      if (!name.empty()) appendAttribute(out_, "name", name);
    };
    switch (kind) {
      case VisualKind::button: {
        const std::uint8_t action = object.record().u8(field::buttonFormAction);
        control(action == formAction::submit || action == formAction::submitToo ? "submit"
                : action == formAction::reset                                   ? "reset"
                                                                                : "button");
        appendAttribute(out_, "value", bookText(buttonCaption(object)));
        out_ += " disabled=\"disabled\"/>";
        return;
      }
      case VisualKind::marker:
        if (object.Kind() == TOggettiHel::inputStat) {
          control("hidden");
          appendAttribute(out_, "value", bookText(object.attribute(controlAttribute::value)));
          out_ += "/>";
        }
        return;
      case VisualKind::edit:
      case VisualKind::memo:
      case VisualKind::listBox:
      case VisualKind::comboBox:
      case VisualKind::radioButton:
      case VisualKind::checkBox: break;
      default: return;
    }
    const FieldState field = initialFieldState(object);
    switch (field.kind) {
      case FieldKind::edit:
      case FieldKind::password:
        control(field.kind == FieldKind::password ? "password" : "text");
        appendAttribute(out_, "value", bookText(field.text));
        appendNumberAttribute(out_, "size", numberAttribute(object, controlAttribute::size, 20, 1, 1000));
        out_ += " disabled=\"disabled\"/>";
        return;
      case FieldKind::memo:
        out_ += "<textarea";
        if (!name.empty()) appendAttribute(out_, "name", name);
        appendNumberAttribute(out_, "rows", numberAttribute(object, controlAttribute::rows, 2, 1, 1000));
        appendNumberAttribute(out_, "cols", numberAttribute(object, controlAttribute::columns, 20, 1, 1000));
        out_ += " disabled=\"disabled\">";
        appendXmlEscaped(out_, bookText(field.text));
        out_ += "</textarea>";
        return;
      case FieldKind::listBox:
      case FieldKind::comboBox: {
        out_ += "<select";
        if (!name.empty()) appendAttribute(out_, "name", name);
        if (field.kind == FieldKind::listBox)
          appendNumberAttribute(out_, "size", numberAttribute(object, controlAttribute::rows, 4, 1, 1000));
        if (field.multiSelect) out_ += " multiple=\"multiple\"";
        out_ += " disabled=\"disabled\">";
        for (std::size_t i = 0; i < field.items.size(); ++i) {
          const bool selected =
              field.multiSelect ? i < field.selected.size() && field.selected[i] : static_cast<int>(i) == field.current;
          out_ += "<option";
          appendAttribute(out_, "value", bookText(field.items[i].value));
          if (selected) out_ += " selected=\"selected\"";
          out_ += '>';
          appendXmlEscaped(out_, bookText(field.items[i].text));
          out_ += "</option>";
        }
        out_ += "</select>";
        return;
      }
      case FieldKind::radioButton:
      case FieldKind::checkBox:
        out_ += "<label>";
        control(field.kind == FieldKind::radioButton ? "radio" : "checkbox");
        appendAttribute(out_, "value", bookText(field.storedValue));
        if (field.checked) out_ += " checked=\"checked\"";
        out_ += " disabled=\"disabled\"/>";
        if (const std::string caption = bookText(object.attribute(controlAttribute::caption)); !caption.empty()) {
          out_ += ' ';
          appendXmlEscaped(out_, caption);
        }
        out_ += "</label>";
        return;
      case FieldKind::none: return;
    }
  }

  const XhtmlTextRequest& request_;
  TZEBset& set_;
  const MarkupText& markup_;
  std::string& out_;
  const CodePage& codePage_;

  TZEBParaStyle paragraph_;
  std::optional<TZEBFontStyle> run_;
  TMyFont paragraphFont_;
  TMyFont font_;
  FaceEncoding encoding_ = FaceEncoding::codePage;
  bool faceKnown_ = false;
  bool paragraphOpen_ = false;
  std::size_t paragraphTagStart_ = 0;
  std::size_t paragraphBodyStart_ = 0;
  bool resumePending_ = false;
  bool spanOpen_ = false;
  bool linkOpen_ = false;
  std::vector<TableLevel> tables_;
  std::string cellStyle_;
  std::vector<std::string> savedCellStyles_;
  XhtmlLooks ownLooks_;
  XhtmlLooks& looks_;
  std::vector<std::pair<const TZEBoggetto*, std::string>> linkStarts_;
};

// The page's header or footer page: its own, or the book's default; none when it names no
// live page or the page itself.
TZEBtesto* headerOrFooterPage(TZEBset& set, const TZEBtesto& page, int ownField, int bookField) {
  std::int32_t index = page.record().i32(ownField);
  if (index == -1) index = set.header().i32(bookField);
  if (index < 0 || index == page.Index()) return nullptr;
  auto* found = dynamic_cast<TZEBtesto*>(set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), index));
  return found != nullptr && !found->isReleased() ? found : nullptr;
}

std::span<const std::uint8_t> markupOf(TZEBtesto& page) {
  if (page.textFormat() == markupFormat::older && !page.primaryBlob().empty()) upgradeTextFormat(page);
  return page.text();
}

// Collects the anchors of a markup, and nothing else.
class AnchorCollector {
 public:
  AnchorCollector(TZEBset& set, std::set<std::int32_t>& anchors) : set_(set), anchors_(anchors) {}
  void text(const std::uint8_t*, std::size_t) {}
  void character(std::uint8_t) {}
  std::size_t paragraphTag(std::size_t tag) { return tag + 1; }
  std::size_t runTag(std::size_t tag) { return tag + 1; }
  void linkEnd() {}
  void cellEnd() {}
  std::size_t reference(std::uint32_t code, std::size_t after) {
    const TZEBoggetto* object = set_.objectById(code);
    if (object != nullptr && !object->isReleased() && object->Kind() == TOggettiHel::shortObj &&
        object->state() == anchorSubtype)
      anchors_.insert(object->record().i32(field::panelReference));
    return after;
  }

 private:
  TZEBset& set_;
  std::set<std::int32_t>& anchors_;
};

}  // namespace

std::string lookRules(const XhtmlLooks& looks) {
  std::string out;
  for (const auto& [name, declarations] : looks.classes) out += '.' + name + " { " + declarations + " }\n";
  return out;
}

std::set<std::int32_t> pageAnchors(TZEBset& set, TZEBtesto& page) {
  std::set<std::int32_t> anchors;
  auto markup = markupOf(page);
  const void* zero = markup.empty() ? nullptr : std::memchr(markup.data(), 0, markup.size());
  if (zero != nullptr)
    markup = markup.first(static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - markup.data()));
  const MarkupText text(markup);
  AnchorCollector collector(set, anchors);
  scanMarkup(text, collector);
  return anchors;
}

void appendXhtmlText(const XhtmlTextRequest& request, std::span<const std::uint8_t> markup, std::string& out) {
  const void* zero = markup.empty() ? nullptr : std::memchr(markup.data(), 0, markup.size());
  if (zero != nullptr)
    markup = markup.first(static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - markup.data()));
  const MarkupText text(markup);
  XhtmlWriter writer(request, text, out);
  scanMarkup(text, writer);
  writer.finish();
}

std::string xhtmlText(const XhtmlTextRequest& request, std::string_view markup) {
  std::string out;
  appendXhtmlText(request, {reinterpret_cast<const std::uint8_t*>(markup.data()), markup.size()}, out);
  return out;
}

void appendPageBody(TZEBset& set, ExportLinks& links, TZEBtesto& page, std::string& out, XhtmlLooks* looks) {
  DocumentIds ids;
  XhtmlTextRequest request{&set, &links, &ids, page.Index(), set.codePageOf(page), Anchors::write, looks};
  const auto textOf = [&](TZEBtesto& text, Anchors anchors, std::string& out) {
    XhtmlTextRequest own = request;
    own.codePage = set.codePageOf(text);
    own.anchors = anchors;
    appendXhtmlText(own, markupOf(text), out);
  };
  if (TZEBtesto* header = headerOrFooterPage(set, page, field::pageHeaderPage, header::defaultHeaderPage)) {
    out += "<header>";
    textOf(*header, Anchors::omit, out);
    out += "</header>";
  }
  PageFramesRequest framesRequest;
  framesRequest.page = page.Index();
  const PageFrames frames =
      set.objectByKindAndIndex(kindNumber(TOggettiHel::mappaFrame), page.record().i32(field::pageFrameMap)) != nullptr
          ? buildPageFrames(set, framesRequest)
          : PageFrames{};
  if (frames.fromMap) {
    std::vector<const FrameNode*> pending{&frames.root};
    while (!pending.empty()) {
      const FrameNode* frame = pending.back();
      pending.pop_back();
      for (auto child = frame->children.rbegin(); child != frame->children.rend(); ++child) pending.push_back(&*child);
      if (!frame->isLeaf()) continue;
      const std::int32_t shown = shownPageOf(set, *frame);
      auto* framePage = dynamic_cast<TZEBtesto*>(set.objectByKindAndIndex(kindNumber(TOggettiHel::testoHtml), shown));
      if (framePage == nullptr) continue;
      out += "<section class=\"frame\"";
      appendAttribute(out, "title", CodePage::of(set.codePage()).toUtf8(frame->record.name));
      out += '>';
      textOf(*framePage, framePage == &page ? Anchors::write : Anchors::omit, out);
      out += "</section>";
    }
  } else {
    textOf(page, Anchors::write, out);
  }
  if (TZEBtesto* footer = headerOrFooterPage(set, page, field::pageFooterPage, header::defaultFooterPage)) {
    out += "<footer>";
    textOf(*footer, Anchors::omit, out);
    out += "</footer>";
  }
}

}  // namespace zeb
