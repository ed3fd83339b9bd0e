// The RTF body.
//
// Paragraphs end with "\par" when the next one starts, except where a cell mark ended them
// already: a "\par" right after "\cell" or "\row" would put an empty paragraph at the top of
// the next cell, or after the row. The paragraph a table stands in ends before the table's
// first row. When the outermost table ends, its last cell's paragraph format (with "\intbl")
// is still in force, so the paragraph the table stood in is resumed with its own format
// before any further content.
#include "export/rtf_body.h"

#include <algorithm>

#include "document/container.h"
#include "export/converter.h"
#include "export/export_objects.h"
#include "export/paragraph_tag.h"
#include "export/rtf_table_rows.h"
#include "export/rtf_tables.h"
#include "export/rtf_text.h"
#include "text/effective_font.h"
#include "text/markup_stream.h"
#include "text/style_object.h"
#include "text/tag_attributes.h"

namespace zeb {

RtfBodyWriter::RtfBodyWriter(const TZEBconv& converter, const MarkupText& markup, RtfTables& tables,
                             RtfFormats& formats, const UnitConverter& units, std::string& body)
    : converter_(converter), markup_(markup), tables_(tables), formats_(formats), units_(units), body_(body) {
  paragraph_.setBaseStyle(styleObject(0));
  current_ = runFont(paragraph_, nullptr);
}

RtfBodyWriter::~RtfBodyWriter() = default;

TZEBoggetto* RtfBodyWriter::styleObject(std::int32_t number) const {
  const TZEBset* set = converter_.LinkedZEBset();
  return set != nullptr ? findParagraphStyle(*set, number) : nullptr;
}

void RtfBodyWriter::beforeContent() {
  if (!resumePending_) return;
  resumePending_ = false;
  body_ += "\\pard\\plain ";
  startParagraph(ListText::omit);
  paragraphOpen_ = true;
}

void RtfBodyWriter::text(const std::uint8_t* bytes, std::size_t count) {
  beforeContent();
  appendRtfText(body_, {reinterpret_cast<const char*>(bytes), count});
}

void RtfBodyWriter::character(std::uint8_t code) {
  beforeContent();
  appendRtfCharacter(body_, code);
}

std::size_t RtfBodyWriter::paragraphTag(std::size_t tag) {
  if (paragraphOpen_) body_ += "\\par \r\n";
  paragraphOpen_ = true;
  resumePending_ = false;
  body_ += tableStack_.empty() ? "\\pard\\plain " : "\\pard\\intbl";

  const std::size_t next =
      readParagraphTag(markup_, tag, converter_.LinkedZEBset(), converter_.messages(), paragraph_);
  startParagraph(ListText::write);
  return next;
}

void RtfBodyWriter::startParagraph(ListText listText) {
  body_ += "\\s";
  appendNumber(body_, tables_.style(paragraph_.BaseStyle()));
  current_ = formats_.writeParagraphFormat(body_, paragraph_, listText);
}

// A run is stored relative to the style object, as the text box reads it: attributes the tag
// does not state take the style object's values, not the paragraph's overrides.
std::size_t RtfBodyWriter::runTag(std::size_t tag) {
  TagAttributeReader reader(markup_.bytes(), std::min(tag + 3, markup_.size()), converter_.messages());
  const RunTag runTag = reader.readRunAttributes();
  reader.skipPastClose();
  beforeContent();
  run_.setBaseStyle(paragraph_.BaseStyle());
  applyRunTag(runTag, run_, current_.Style);
  current_ = runFont(paragraph_, &run_);
  formats_.writeCharacterFormat(body_, current_);
  return reader.position();
}

std::size_t RtfBodyWriter::reference(std::uint32_t code, std::size_t after) {
  TZEBoggetto* object = converter_.findObject(code);
  if (object == nullptr) return after;
  switch (exportKindOf(*object)) {
    case ExportObjectKind::table: {
      if (markup_.noCellTextsAt(after)) return after + 3;
      const auto table = openTable(*object, tableStack_.size());
      if (!table) return after;
      tableStack_.push_back(*table);
      if (tableStack_.size() == 1) startTable(*object);
      break;
    }
    case ExportObjectKind::note:
      beforeContent();
      writeNote(*object);
      break;
    case ExportObjectKind::field:
    case ExportObjectKind::storedTextField:
    case ExportObjectKind::nothing: break;
  }
  return after;
}

// Only the outermost table writes rows and cells; the tables inside its cells give their text.
void RtfBodyWriter::startTable(TZEBoggetto& table) {
  beforeContent();
  // The paragraph the table stands in ends before the first row: readers would otherwise
  // take its text into the table's first cell.
  if (paragraphOpen_) {
    body_ += "\\par \r\n";
    paragraphOpen_ = false;
  }
  tableParagraph_ = paragraph_;
  rows_ = std::make_unique<RtfTableRows>(table, tables_, units_);
  rows_->writeDefinition(body_, 0);
}

void RtfBodyWriter::cellEnd() {
  if (tableStack_.empty()) return;
  OpenTable& table = tableStack_.back();
  const bool rowEnds = table.endCell();
  if (tableStack_.size() == 1) {
    body_ += "\\cell ";
    paragraphOpen_ = false;
    if (rowEnds) {
      body_ += "\\row ";
      if (!table.finished()) rows_->writeDefinition(body_, static_cast<int>(table.done / table.columns));
    }
  }
  if (table.finished()) {
    tableStack_.pop_back();
    if (tableStack_.empty()) closeTable();
  }
}

void RtfBodyWriter::closeTable() {
  rows_.reset();
  paragraph_ = tableParagraph_;
  current_ = runFont(paragraph_, nullptr);
  resumePending_ = true;
}

void RtfBodyWriter::writeNote(TZEBoggetto& note) {
  const NoteParts parts = splitNote(objectText(note));
  body_ += "{\\*\\atnid ";
  appendRtfText(body_, parts.author);
  body_ += "}{\\*\\atnauthor ";
  appendRtfText(body_, parts.author);
  body_ += "}\\chatn {\\*\\annotation \\pard\\plain ";
  // The note's lines become paragraphs of the annotation.
  const std::string_view text = parts.text;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      body_ += "\\par ";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      appendRtfCharacter(body_, static_cast<std::uint8_t>(text[i]));
    }
  }
  body_ += '}';
}

void RtfBodyWriter::finish() {
  if (!tableStack_.empty()) {
    // The markup ended inside a table: its current row is completed with empty cells.
    const OpenTable& table = tableStack_.front();
    const std::int64_t missing = table.columns - table.done % table.columns;
    for (std::int64_t i = 0; i < missing; ++i) body_ += "\\cell ";
    body_ += "\\row ";
    tableStack_.clear();
    closeTable();
  }
  beforeContent();
  body_ += "\\par \r\n";
}

}  // namespace zeb
