// The selection of a box in the program's own clipboard format, "Nexo30 objects".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zeb {

class TZEBbox;

// The selection as markup: the selected paragraphs, the first from the selection's start,
// the last up to its end, with the cell texts of tables.
std::string selectionMarkup(const TZEBbox& box);

// The "Nexo30 objects" stream of the selection: version 1; the local link objects it uses
// (with those they chain to and those its embedded objects refer to), each as its local
// number and record; the records of the style objects of its paragraphs, of the pictures
// behind its tables and their cells and of the further objects its embedded objects refer
// to; its embedded objects (table cells included), each as its 0xFF reference and record;
// the number of paragraphs; the markup; one zero byte. Counts and numbers are 32-bit little
// endian, records the 668 bytes each object holds.
std::vector<std::uint8_t> selectionObjectStream(const TZEBbox& box);

}  // namespace zeb
