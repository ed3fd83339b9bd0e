// The RTF converter: the body, then the header around it.
#include "export/rtf_converter.h"

#include "document/book_object.h"
#include "document/container.h"
#include "export/rtf_body.h"
#include "export/rtf_formats.h"
#include "export/rtf_table_rows.h"
#include "export/rtf_tables.h"
#include "export/rtf_text.h"
#include "platform/code_pages.h"
#include "platform/text_measurer.h"
#include "text/paragraph_style.h"

namespace zeb {
namespace {

// "{\s1 \widctlpar " + the style's paragraph format (without list text) + its name + ";}"
// for every style the body used.
std::string stylesheetOf(const RtfTables& tables, RtfFormats& formats) {
  std::string sheet = "{\\stylesheet";
  // The list grows only while the body is written; the styles' formats add fonts and
  // colours, never styles.
  for (std::size_t i = 0; i < tables.styles().size(); ++i) {
    TZEBoggetto* style = tables.styles()[i];
    TZEBParaStyle values;
    values.setBaseStyle(style);
    sheet += "{\\s";
    appendNumber(sheet, static_cast<std::int64_t>(i + 1));
    sheet += " \\widctlpar ";
    formats.writeParagraphFormat(sheet, values, ListText::omit);
    if (style != nullptr) appendRtfText(sheet, style->Name());
    sheet += ";}";
  }
  sheet += '}';
  return sheet;
}

void writeGeometry(std::string& out) {
  out += "\\paperw";
  appendNumber(out, rtfPage::paperWidth);
  out += "\\paperh";
  appendNumber(out, rtfPage::paperHeight);
  for (const std::string_view margin : {"\\margt", "\\margb", "\\margl", "\\margr"}) {
    out += margin;
    appendNumber(out, rtfPage::margin);
  }
  out += ' ';
}

}  // namespace

void TZEBtortf::writePayload(std::span<const std::uint8_t> markup, std::string& out) {
  TextMeasurer* measurer = LinkedZEBset() != nullptr ? LinkedZEBset()->services().measurer : nullptr;
  const UnitConverter units(measurer != nullptr ? measurer->pixelsPerInch() : 0);
  RtfTables tables;
  RtfFormats formats(tables, units);
  formats.setHelpSourceMode(helpSource_);

  std::string body;
  body.reserve(markup.size() + markup.size() / 2);
  const MarkupText text(markup);
  RtfBodyWriter writer(*this, text, tables, formats, units, body);
  if (scanMarkup(text, writer)) writer.finish();
  // Made before the font and colour tables are listed: a style's own face and colour may be
  // ones that no paragraph of the body used.
  const std::string stylesheet = stylesheetOf(tables, formats);

  out.reserve(out.size() + body.size() + stylesheet.size() + 512);
  // A book in another code page than 1252 says which, for the document and for each font,
  // so that its "\'xx" bytes are read as the letters they are.
  const std::uint16_t codePage = this->codePage();
  out += "{\\rtf1\\ansi";
  if (codePage != codePage::windows1252) {
    out += "\\ansicpg";
    appendNumber(out, codePage);
  }
  out += "\\deff0";
  writeFontTable(out, tables, LinkedZEBset(), codePage);
  writeColourTable(out, tables);
  out += stylesheet;
  writeGeometry(out);
  out += body;
  out += '}';
  out.push_back('\0');
}

}  // namespace zeb
