// Layout dumps.
#include "text/layout_dump.h"

#include "text/nested_boxes.h"
#include "text/table_cells.h"
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

// One line per cell of each table the paragraph holds, its rectangle in the box's coordinates.
void dumpTableCells(const TZEBparag& paragraph, std::string& out) {
  for (const EmbeddedRef& object : paragraph.Objects) {
    TableCells* table = object.visual != nullptr ? object.visual->tableCells() : nullptr;
    if (table == nullptr) continue;
    const auto bounds = objectBounds(*table);
    const int left = bounds ? bounds->left : table->left;
    const int top = bounds ? bounds->top : table->top;
    for (int row = 0; row < table->rows(); ++row) {
      for (int column = 0; column < table->columns(); ++column) {
        const TZEBbox* cell = table->cell(row, column);
        if (cell == nullptr) continue;
        out += 'C' + std::to_string(row) + ',' + std::to_string(column);
        field(out, "left", std::int64_t{left} + cell->Left());
        field(out, "top", std::int64_t{top} + cell->Top());
        field(out, "width", cell->Width());
        field(out, "height", cell->Height());
        out += '\n';
      }
    }
  }
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
    dumpTableCells(paragraph, out);
    for (std::size_t l = 0; l < paragraph.Lines.size(); ++l) {
      dumpLine(paragraph, static_cast<int>(l), paragraph.Lines[l], out);
    }
  }
  return out;
}

}  // namespace zeb
