// A text dump of a laid-out box: its extents, paragraphs and lines, one per line of text,
// for tests that compare layouts with expected dumps and for looking at a layout by eye.
#pragma once

#include <string>

namespace zeb {

class TZEBbox;

// Lines show their characters between bars ('#' for an embedded object) and, when
// justification widened any blank, the draw widths of all their characters. After the line
// of a paragraph that holds a table come the table's cells, one line each:
// "C<row>,<column> left=… top=… width=… height=…" in the box's coordinates.
std::string dumpLayout(const TZEBbox& box);

}  // namespace zeb
