// ObjectPlacement: where painting puts the embedded objects of a text. A window moves its
// object controls there; images and printouts draw simple stand-ins on the canvas.
#pragma once

#include "platform/canvas.h"
#include "platform/clipboard.h"

namespace zeb {

class EmbeddedObject;
class TZEBbox;
class TZEBpicture;

class ObjectPlacement {
 public:
  virtual ~ObjectPlacement() = default;
  // The object's cell has its top-left corner at (left, top) in the box: the object is
  // placed there (given the box as parent, refreshed, shown, focused if it asked to be), and
  // its border group follows `selected` (its character lies in the shown selection).
  virtual void place(TZEBbox& box, EmbeddedObject& object, int left, int top, bool selected, Canvas& canvas) = 0;
};

// Records the position in the object, draws the picture of a picture placement stretched to
// the object's size, paints a table (table_painting.h), hands any other object to
// drawControl, and draws an object in the shown selection selected.
class DrawingObjectPlacement : public ObjectPlacement {
 public:
  void place(TZEBbox& box, EmbeddedObject& object, int left, int top, bool selected, Canvas& canvas) override;

 protected:
  // Draws an object that is neither a picture placement nor a table over the area; nothing
  // by default (the object's control draws itself).
  virtual void drawControl(TZEBbox&, EmbeddedObject&, const CanvasRect&, Canvas&) {}
};

// How an object in the shown selection is drawn: the highlight colour hatched over it and
// framed around it.
void drawSelectedLook(Canvas& canvas, const CanvasRect& area);

// The first image of a picture as pixels to draw: the first frame itself when it covers the
// picture, else the composed first image the picture keeps. Valid while the picture is unchanged.
PixelView firstImagePixels(const TZEBpicture& picture);

}  // namespace zeb
