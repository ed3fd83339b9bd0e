// Painting a table: its background and border, then each cell's box and border.
#pragma once

namespace zeb {

class Canvas;
class ObjectPlacement;
class TableCells;

// Paints the table with its top-left corner at (left, top): the table's background code
// over its rectangle, a raised border of the border width around it, every cell box that
// meets the clip (its own background code, its text, and the objects in it through the
// placement), and a sunken border of the border width inside each cell. Borders use the
// table's highlight and shadow colours; a border width of 0 draws none.
void paintTable(TableCells& table, Canvas& canvas, ObjectPlacement* placement, int left, int top);

}  // namespace zeb
