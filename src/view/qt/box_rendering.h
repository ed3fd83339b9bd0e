// Painting a text box into an image, for page renderings and previews.
#pragma once

#include <QImage>

namespace zeb {

class ObjectPlacement;
class TZEBbox;

// Paints the area of the box (box coordinates) into the image, whose top-left pixel shows the
// area's top-left corner. The image must have a format QPainter paints on.
void renderBox(TZEBbox& box, QImage& image, const QRect& area, ObjectPlacement* placement = nullptr);

// A new image of the area, white where the box paints nothing.
QImage renderBox(TZEBbox& box, const QRect& area, ObjectPlacement* placement = nullptr);

}  // namespace zeb
