// Layout dumps.
#include "text/layout_dump.h"

#include "text/text_box.h"

namespace zeb {
namespace {

void field(std::string& out, const char* name, long long value) {
  out += ' ';
  out += name;
  out += '=';
  out += std::to_string(value);
}

void dumpLine(const TZEBparag& paragraph, int index, const TZEBline& line, std::string& out) {
  out += "  L" + std::to_string(index);
  field(out, "first", line.FirstChar);
  field(out, "count", line.CharCount);
  field(out, "top", line.LineTop);
  field(out, "height", line.LineHeight);
  field(out, "ascent", line.LineAscent);
  field(out, "indent", line.Indent);
  field(out, "align", line.AlignOffset);
  field(out, "extent", line.Extent);
  out += " |";
  bool widened = false;
  for (int i = line.FirstChar; i < line.FirstChar + line.CharCount; ++i) {
    const CharCell& cell = paragraph.Cells[static_cast<std::size_t>(i)];
    out += cell.ObjectIndex >= 0 ? '#' : paragraph.Text[static_cast<std::size_t>(i)];
    widened = widened || cell.DrawWidth != cell.Advance;
  }
  out += '|';
  if (widened) {
    out += " draw=";
    for (int i = line.FirstChar; i < line.FirstChar + line.CharCount; ++i) {
      if (i > line.FirstChar) out += ',';
      out += std::to_string(paragraph.Cells[static_cast<std::size_t>(i)].DrawWidth);
    }
  }
  out += '\n';
}

}  // namespace

std::string dumpLayout(const TZEBbox& box) {
  std::string out = "box";
  field(out, "layout", box.LayoutWidth());
  field(out, "content", box.ContentWidth());
  field(out, "width", box.Width());
  field(out, "height", box.Height());
  field(out, "vrange", box.VerticalRange());
  field(out, "hrange", box.HorizontalRange());
  field(out, "capped", box.RangeCapped() ? 1 : 0);
  out += '\n';
  for (int p = 0; p < box.paragraphCount(); ++p) {
    const TZEBparag& paragraph = box.paragraph(p);
    out += 'P' + std::to_string(p);
    field(out, "origin", paragraph.Origin);
    field(out, "top", paragraph.Top);
    field(out, "bottom", paragraph.Bottom);
    field(out, "base", paragraph.BaseHeight);
    out += '\n';
    for (std::size_t l = 0; l < paragraph.Lines.size(); ++l) {
      dumpLine(paragraph, static_cast<int>(l), paragraph.Lines[l], out);
    }
  }
  return out;
}

}  // namespace zeb
