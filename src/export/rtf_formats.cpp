// RTF character and paragraph formats.
#include "export/rtf_formats.h"

#include <cstdlib>

#include "export/messages.h"
#include "export/rtf_tables.h"
#include "export/rtf_text.h"
#include "text/effective_font.h"
#include "text/paragraph_style.h"
#include "text/style_object.h"

namespace zeb {
namespace {

// Line heights below this are the automatic height of a new style, and are not written.
constexpr std::int32_t lowestLineHeight = -19999;

std::string_view positionWord(std::uint8_t position) {
  switch (position) {
    case fontPosition::subscript: return "\\dn6";
    case fontPosition::superscript: return "\\up6";
    default: return "\\up0";
  }
}

std::string_view alignmentWord(std::uint8_t value) {
  switch (value) {
    case alignment::right: return "\\qr";
    case alignment::centred: return "\\qc";
    case alignment::justified: return "\\qj";
    default: return "\\ql";
  }
}

void writeSwitch(std::string& out, std::string_view word, bool on) {
  out += word;
  if (!on) out += '0';
}

void writeNumbered(std::string& out, std::string_view word, std::int64_t value) {
  out += word;
  appendNumber(out, value);
}

}  // namespace

void RtfFormats::writeCharacterFormat(std::string& out, const TMyFont& font, Completeness completeness) {
  const bool all = completeness == Completeness::everything || !hasLast_;
  const std::size_t before = out.size();
  if (all || font.Name != last_.Name) writeNumbered(out, "\\f", tables_.font(font.Name));
  if (all || font.Size != last_.Size) writeNumbered(out, "\\fs", 2 * std::int64_t{font.Size});
  if (all || (font.Color & 0xFFFFFF) != (last_.Color & 0xFFFFFF))
    writeNumbered(out, "\\cf", tables_.colour(font.Color));
  const auto differs = [&](std::uint8_t bit) { return all || ((font.Style ^ last_.Style) & bit) != 0; };
  if (differs(fontStyle::italic)) writeSwitch(out, "\\i", (font.Style & fontStyle::italic) != 0);
  if (differs(fontStyle::bold)) writeSwitch(out, "\\b", (font.Style & fontStyle::bold) != 0);
  if (differs(fontStyle::underline) && !helpSource_) writeSwitch(out, "\\ul", (font.Style & fontStyle::underline) != 0);
  if (differs(fontStyle::strikeOut)) writeSwitch(out, "\\strike", (font.Style & fontStyle::strikeOut) != 0);
  if (all || positionWord(font.Position) != positionWord(last_.Position)) out += positionWord(font.Position);
  if (out.size() != before) out += ' ';
  last_ = font;
  hasLast_ = true;
}

TMyFont RtfFormats::writeParagraphFormat(std::string& out, const TZEBParaStyle& style, ListText listText) {
  TMyFont font = runFont(style, nullptr);
  writeCharacterFormat(out, font, Completeness::everything);
  out += alignmentWord(style.Alignment());
  writeListNumbering(out, style, listText);
  if (style.LineHeight() >= lowestLineHeight) writeNumbered(out, "\\sl", twips(style.LineHeight()));
  writeNumbered(out, "\\fi", twips(style.FirstLineIndent()));
  writeNumbered(out, "\\li", twips(style.LeftMargin()));
  writeNumbered(out, "\\ri", twips(style.RightMargin()));
  writeNumbered(out, "\\sb", twips(style.TopMargin()));
  writeNumbered(out, "\\sa", twips(style.BottomMargin()));
  out += ' ';
  return font;
}

void RtfFormats::writeListNumbering(std::string& out, const TZEBParaStyle& style, ListText listText) {
  const bool body = listText == ListText::write;
  const std::int64_t hang = std::llabs(std::int64_t{twips(style.FirstLineIndent())});
  switch (style.Numbering()) {
    case numbering::none:
      if (body) listNumber_ = 1;
      break;
    case numbering::numbered:
      writeNumbered(out, "{\\*\\pn \\pnlvlbody\\pndec\\pnstart1\\pnhang\\pnindent", hang);
      out += "{\\pntxta .}}";
      if (body) {
        writeNumbered(out, "{\\pntext ", listNumber_++);
        out += ".\\tab}";
      }
      break;
    case numbering::bulleted: {
      if (body) listNumber_ = 1;
      const int bullet = tables_.font(messages::bulletFace);
      writeNumbered(out, "{\\*\\pn\\pnlvlblt\\pnf", bullet);
      writeNumbered(out, "\\pnstart1\\pnhang\\pnindent", hang);
      out += "{\\pntxtb\\'b7}}";
      if (body) {
        writeNumbered(out, "{\\pntext\\f", bullet);
        out += "\\'b7\\tab}";
      }
      break;
    }
    default: break;
  }
}

}  // namespace zeb
