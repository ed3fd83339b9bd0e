// The row definitions of a table in RTF ("\trowd ... \cellx"): cell spacing, borders, cell
// colours and the right edges of the columns.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zeb {

class RtfTables;
class TZEBoggetto;
class UnitConverter;

// The page the copy's tables are laid out on: A4 with margins of 2.5 cm, in twips.
namespace rtfPage {
inline constexpr int paperWidth = 11905;
inline constexpr int paperHeight = 16837;
inline constexpr int margin = 1417;
inline constexpr int textWidth = paperWidth - 2 * margin;
}  // namespace rtfPage

// The width W the columns share, in twips: a table as wide as a percent of the width
// offered to it takes that percent of the page's text width; otherwise its stored width,
// or 1000 when it stores none.
std::int64_t tableWidthInTwips(const TZEBoggetto& table, const UnitConverter& units);

// Each column's width in twips, by its mode: a percent share gets W x percent / 100, the
// remainders of those divisions adding up to one more twip each time they reach 100, so
// that shares of 100 percent fill W exactly; a fixed column its stored width; an automatic
// column ("*", and every column past the fifty the record describes) 30, the last one
// also what W leaves over. No width is negative.
std::vector<std::int64_t> columnWidths(const TZEBoggetto& table, std::int64_t width, const UnitConverter& units);

// The border of a table whose border is w twips wide: "\brdrs\brdrw" + w up to 75; wider,
// "\brdrth\brdrw" + w / 2 below 152 and 75 from there; none for 0.
std::string borderOf(std::int32_t width);

class RtfTableRows {
 public:
  RtfTableRows(TZEBoggetto& table, RtfTables& tables, const UnitConverter& units);

  int columns() const { return static_cast<int>(rightEdges_.size()); }

  // "\trowd\trleft0\trgaph" + the cell spacing, the row's borders, and per cell its background
  // colour ("\clcbpat", for codes below 0x2000000), its borders and "\cellx" + its right
  // edge; then a blank.
  void writeDefinition(std::string& out, int row) const;

 private:
  std::uint32_t cellColour(std::int64_t cell) const;

  RtfTables& tables_;
  std::span<const std::uint8_t> colours_;  // one int32 per cell, row by row
  std::int32_t gap_;
  std::string border_;
  std::vector<std::int64_t> rightEdges_;
};

}  // namespace zeb
