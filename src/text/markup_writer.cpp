// Writing paragraphs and box bodies as markup.
#include "text/markup_writer.h"

#include <algorithm>

#include "document/book_object.h"
#include "document/page_object.h"
#include "text/effective_font.h"
#include "text/markup_entities.h"
#include "text/markup_values.h"
#include "text/table_cells.h"
#include "text/text_box.h"

namespace zeb {
namespace {

constexpr std::int32_t sevenBits = 0x7F;

void number(std::string& out, char letter, std::int32_t value) {
  out += letter;
  out += std::to_string(value);
  out += ' ';
}

void colour(std::string& out, char letter, Colour value) {
  out += letter;
  appendColour(out, value);
  out += ' ';
}

void face(std::string& out, const std::string& name) {
  out += "F\"";
  out += name;
  out += "\" ";
}

void paragraphTag(const TZEBparag& paragraph, std::string& out) {
  const TZEBParaStyle& style = paragraph.Style;
  const TZEBoggetto* base = style.BaseStyle();
  out += "<Z S";
  out += std::to_string(base != nullptr ? base->Index() : 0);
  out += ' ';
  using A = ParaAttribute;
  if (style.isSet(A::color)) colour(out, 'c', style.Color());
  if (style.isSet(A::fontName)) face(out, style.FontName());
  if (style.isSet(A::size)) number(out, 's', style.Size());
  if (style.isSet(A::style)) number(out, 'y', style.Style() & fontStyle::storedBits);
  if (style.isSet(A::position)) number(out, 'p', style.Position() & sevenBits);
  if (style.isSet(A::paraOption)) number(out, 'P', style.ParaOption() & sevenBits);
  if (style.isSet(A::alignment)) number(out, 'A', style.Alignment() & sevenBits);
  if (style.isSet(A::numbering)) number(out, 'N', style.Numbering() & sevenBits);
  if (style.isSet(A::measureUnit)) number(out, 'M', style.MeasureUnit() & sevenBits);
  if (style.isSet(A::lineHeight)) number(out, 'L', style.LineHeight());
  if (style.isSet(A::firstLineIndent)) number(out, 'I', style.FirstLineIndent());
  if (style.isSet(A::leftMargin)) number(out, 'l', style.LeftMargin());
  if (style.isSet(A::rightMargin)) number(out, 'r', style.RightMargin());
  if (style.isSet(A::topMargin)) number(out, 't', style.TopMargin());
  if (style.isSet(A::bottomMargin)) number(out, 'b', style.BottomMargin());
  if (style.isSet(A::linkColor)) colour(out, 'C', style.LinkColor());
  if (style.isSet(A::linkSize)) number(out, 'S', style.LinkSize());
  if (style.isSet(A::linkStyle)) number(out, 'Y', style.LinkStyle() & fontStyle::storedBits);
  out += '>';
}

// A run as stored: only what differs from the style object.
void runTag(const TZEBFontStyle& run, std::string& out) {
  out += "<Y ";
  if (run.isSet(CharAttribute::color)) colour(out, 'c', run.Color());
  if (run.isSet(CharAttribute::fontName)) face(out, run.FontName());
  if (run.isSet(CharAttribute::size)) number(out, 's', run.Size());
  if (run.isSet(CharAttribute::style)) number(out, 'y', run.Style() & fontStyle::storedBits);
  if (run.isSet(CharAttribute::position)) number(out, 'p', run.Position() & sevenBits);
  out += '>';
}

// All five attributes of a font, whatever the style object says.
void fullRunTag(const TMyFont& font, std::string& out) {
  out += "<Y ";
  colour(out, 'c', font.Color);
  face(out, font.Name);
  number(out, 's', font.Size);
  number(out, 'y', font.Style & fontStyle::storedBits);
  number(out, 'p', font.Position & sevenBits);
  out += '>';
}

void linkTag(std::int32_t code, std::string& out) {
  if (code == noLink) {
    out += "<%>";
    return;
  }
  out += "<$";
  appendHex(out, static_cast<std::uint32_t>(code), 8);
  out += '>';
}

void objectTag(const EmbeddedRef& object, WriteMode mode, std::string& out) {
  out += "<$FF";
  appendHex(out, object.number, 6);
  out += '>';
  TableCells* table = object.visual != nullptr ? object.visual->tableCells() : nullptr;
  if (table == nullptr || mode != WriteMode::withCellTexts) return;
  if (table->cells().empty()) {
    out += "<@>";  // read without cell texts: say so, or a reader would take what follows for them
    return;
  }
  for (const auto& cell : table->cells()) {
    for (const auto& cellParagraph : cell->Paragraphs()) writeParagraph(*cellParagraph, out, 0, -1, mode);
    out += "<T>";
  }
}

}  // namespace

void writeParagraph(const TZEBparag& paragraph, std::string& out, int from, int to, WriteMode mode) {
  const int length = paragraph.length();
  if (to < 0 || to > length) to = length;
  from = std::clamp(from, 0, to);
  paragraphTag(paragraph, out);
  std::int32_t linkWritten = noLink;
  const TZEBFontStyle* run = nullptr;
  for (int i = 0; i < to; ++i) {
    const CharCell& cell = paragraph.Cells[static_cast<std::size_t>(i)];
    if (cell.RunStyle >= 0 && cell.RunStyle < static_cast<std::int32_t>(paragraph.RunStyles.size())) {
      run = paragraph.RunStyles[static_cast<std::size_t>(cell.RunStyle)].get();
      if (i >= from) runTag(*run, out);
    } else if (i == from && from > 0) {
      fullRunTag(runFont(paragraph.Style, run), out);
    }
    if (i < from) continue;
    if (cell.LinkCode != linkWritten) {
      linkTag(cell.LinkCode, out);
      linkWritten = cell.LinkCode;
    }
    if (cell.ObjectIndex >= 0 && cell.ObjectIndex < static_cast<std::int32_t>(paragraph.Objects.size())) {
      objectTag(paragraph.Objects[static_cast<std::size_t>(cell.ObjectIndex)], mode, out);
    } else {
      appendEscaped(out, paragraph.Text[static_cast<std::size_t>(i)]);
    }
  }
  if (linkWritten != noLink) out += "<%>";
}

std::string TZEBbox::bodyMarkup() const {
  std::string out;
  for (int i = headerCount_; i < bodyEnd(); ++i) writeParagraph(paragraph(i), out);
  out += '\0';
  return out;
}

void TZEBbox::SaveTo(TZEBtesto& text) const {
  text.setText(bodyMarkup());
  text.setTextFormat(markupFormat::current);
}

}  // namespace zeb
