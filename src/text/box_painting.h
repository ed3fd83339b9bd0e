// Painting a text box on a canvas: its background, list markers, text with runs, links and
// the selection, the caret, and the placement of its embedded objects. Painting uses the
// layout as it is and never lays out; it may store corrected character widths.
#pragma once

#include <vector>

#include "platform/canvas.h"

namespace zeb {

class ObjectPlacement;
class TZEBbox;

// Paints what of the box meets the canvas's clip rectangle; the canvas's origin is the box's
// top-left corner. Embedded objects are handed to the placement, by default one that draws
// pictures and table cells on the canvas. Nothing is painted while the box is being rebuilt.
void paintBox(TZEBbox& box, Canvas& canvas, ObjectPlacement* placement = nullptr);

// The tiles of a width × height grid through (originX, originY) that cover the area: from
// the last grid lines at or before its left and top edges until its right and bottom edges
// are passed. None when either size is not positive or the area is empty.
std::vector<CanvasRect> tilesCovering(const CanvasRect& area, int tileWidth, int tileHeight, int originX = 0,
                                      int originY = 0);

}  // namespace zeb
