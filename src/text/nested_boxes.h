// Boxes inside table cells inside boxes: where an embedded object lies in its box, where a
// cell's box lies in the outermost box around it, and which box a point of a box falls in.
#pragma once

#include <optional>

#include "platform/canvas.h"

namespace zeb {

class EmbeddedObject;
class TZEBbox;
class TZEBoggetto;

// The object's rectangle in the box that holds it, as layout placed it and painting puts it:
// from the x of its character on its line, its top at the baseline less its ascent. None
// before layout.
std::optional<CanvasRect> objectBounds(const EmbeddedObject& object);

// Where layout put an object in the box that holds it: its paragraph's index and its
// character. None before layout, or for an object of another box.
struct ObjectPlace {
  int paragraph = 0;
  int character = 0;
  bool operator==(const ObjectPlace&) const = default;
};
std::optional<ObjectPlace> objectPlace(const TZEBbox& box, const EmbeddedObject& object);
// The link object the box's text attaches to the object's character; none without one.
TZEBoggetto* objectLink(const TZEBbox& box, const EmbeddedObject& object);

// How far a box's origin lies from the origin of the outermost box around it: the sum of the
// places of the cells and tables between them. (0, 0) for a box that no table holds.
struct BoxOffset {
  int x = 0;
  int y = 0;
  bool operator==(const BoxOffset&) const = default;
};
BoxOffset offsetInOutermostBox(const TZEBbox& box);

// The innermost box under the point (coordinates of the box given): a table cell's box when
// the point lies in a cell, the box itself elsewhere; the point in that box's coordinates.
struct BoxPoint {
  TZEBbox* box = nullptr;
  int x = 0;
  int y = 0;
};
BoxPoint innermostBoxAt(TZEBbox& box, int x, int y);

}  // namespace zeb
