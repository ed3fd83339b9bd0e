// RTF row definitions of tables.
#include "export/rtf_table_rows.h"

#include <algorithm>
#include <array>

#include "document/book_object.h"
#include "document/byte_reader.h"
#include "export/rtf_tables.h"
#include "export/rtf_text.h"
#include "text/length_units.h"

namespace zeb {
namespace {

constexpr std::int64_t widthWithoutOne = 1000;
constexpr std::int64_t automaticWidth = 30;
// The record describes this many columns: modes from offset 5, values from 97.
constexpr int describedColumns = 50;
constexpr std::uint32_t firstNonColour = 0x2000000;
constexpr std::int32_t thinBorderMax = 75;
constexpr std::int32_t thickBorderHalvedBelow = 152;

// Column modes; any other value counts as automatic.
namespace columnMode {
inline constexpr std::uint8_t percent = 0;
inline constexpr std::uint8_t fixed = 1;
inline constexpr std::uint8_t automatic = 2;
}  // namespace columnMode

constexpr std::array<std::string_view, 6> rowBorders = {"\\trbrdrt", "\\trbrdrl", "\\trbrdrb",
                                                        "\\trbrdrr", "\\trbrdrh", "\\trbrdrv"};
constexpr std::array<std::string_view, 4> cellBorders = {"\\clbrdrb", "\\clbrdrt", "\\clbrdrl", "\\clbrdrr"};

}  // namespace

std::int64_t tableWidthInTwips(const TZEBoggetto& table, const UnitConverter& units) {
  const ObjectRecord& record = table.record();
  if (record.u8(field::tableRelativeWidth) != 0) {
    const int share = std::min<int>(record.u8(field::tableWidthPercent), 100);
    return std::int64_t{rtfPage::textWidth} * share / 100;
  }
  const std::int16_t stored = record.i16(field::tableWidth);
  return stored > 0 ? units.twipsOfPixels(stored) : widthWithoutOne;
}

std::vector<std::int64_t> columnWidths(const TZEBoggetto& table, std::int64_t width, const UnitConverter& units) {
  const ObjectRecord& record = table.record();
  const int columns = record.u8(field::tableColumns);
  std::vector<std::int64_t> widths(static_cast<std::size_t>(columns), 0);
  std::int64_t remainders = 0;
  std::int64_t sum = 0;
  int lastAutomatic = -1;
  for (int c = 0; c < columns; ++c) {
    const bool described = c < describedColumns;
    const std::uint8_t mode = described ? record.u8(field::tableColumnModes + c) : columnMode::automatic;
    const std::int64_t value = described ? record.i16(field::tableColumnValues + 2 * c) : 0;
    std::int64_t& column = widths[static_cast<std::size_t>(c)];
    if (mode == columnMode::percent) {
      const std::int64_t share = std::max<std::int64_t>(value, 0) * width;
      column = share / 100;
      remainders += share % 100;
      if (remainders >= 100) {
        ++column;
        remainders -= 100;
      }
    } else if (mode == columnMode::fixed) {
      column = std::max<std::int64_t>(units.twipsOfPixels(static_cast<double>(value)), 0);
    } else {
      column = automaticWidth;
      lastAutomatic = c;
    }
    sum += column;
  }
  if (lastAutomatic >= 0 && width > sum) widths[static_cast<std::size_t>(lastAutomatic)] += width - sum;
  return widths;
}

std::string borderOf(std::int32_t width) {
  std::string border;
  if (width <= 0) return border;
  if (width <= thinBorderMax) {
    border = "\\brdrs\\brdrw";
    appendNumber(border, width);
  } else {
    border = "\\brdrth\\brdrw";
    appendNumber(border, width < thickBorderHalvedBelow ? width / 2 : thinBorderMax);
  }
  return border;
}

RtfTableRows::RtfTableRows(TZEBoggetto& table, RtfTables& tables, const UnitConverter& units)
    : tables_(tables),
      colours_(table.primaryData()),
      gap_(units.twipsOfPixels(table.record().u8(field::tableCellSpacing))),
      border_(borderOf(units.twipsOfPixels(table.record().u8(field::tableBorderWidth)))) {
  std::int64_t edge = 0;
  for (const std::int64_t width : columnWidths(table, tableWidthInTwips(table, units), units)) {
    edge += width;
    rightEdges_.push_back(edge);
  }
}

std::uint32_t RtfTableRows::cellColour(std::int64_t cell) const {
  const auto offset = static_cast<std::size_t>(cell) * 4;
  if (offset + 4 > colours_.size()) return 0xFFFFFFFFu;  // no code: transparent
  ByteReader reader(colours_);
  reader.seek(offset);
  return reader.readU32();
}

void RtfTableRows::writeDefinition(std::string& out, int row) const {
  out += "\\trowd\\trleft0\\trgaph";
  appendNumber(out, gap_);
  if (!border_.empty()) {
    for (const std::string_view side : rowBorders) {
      out += side;
      out += border_;
    }
    out += ' ';
  }
  for (int c = 0; c < columns(); ++c) {
    const std::uint32_t colour = cellColour(std::int64_t{row} * columns() + c);
    if (colour < firstNonColour) {
      // The cell's background colour. A foreground colour shaded to 100 percent means the
      // same, but LibreOffice shows such cells black, hiding their text.
      out += "\\clcbpat";
      appendNumber(out, tables_.colour(colour));
    }
    if (!border_.empty()) {
      for (const std::string_view side : cellBorders) {
        out += side;
        out += border_;
      }
    }
    out += "\\cellx";
    appendNumber(out, rightEdges_[static_cast<std::size_t>(c)]);
  }
  out += ' ';
}

}  // namespace zeb
