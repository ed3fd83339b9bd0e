// What painting a box hands from the box to its paragraphs.
#pragma once

#include "platform/canvas.h"
#include "text/text_position.h"

namespace zeb {

class ObjectPlacement;
class TZEBbox;
class TZEBparag;

// How far left of its paragraph's indent a bullet goes when the first line has no indent
// for it.
inline constexpr int defaultBulletRoom = 10;

struct PaintContext {
  TZEBbox& box;
  Canvas& canvas;
  ObjectPlacement& placement;
  CanvasRect clip;
  // A printed sheet takes only the lines whose top lies in the clip, and a list marker only
  // with its first line: a line cut by the sheet's lower edge belongs wholly to the sheet
  // its top is on. The screen paints every line that meets the clip.
  bool linesByTop = false;
  // The bullet's room in the canvas's pixels (a printer's are smaller than the screen's).
  int bulletRoom = defaultBulletRoom;
  // The shown selection in text order; none when nothing is selected or it is hidden.
  bool selection = false;
  TextPos start;
  TextPos end;

  bool selected(int paragraphIndex, int charIndex) const {
    if (!selection) return false;
    const bool afterStart = paragraphIndex > start.paragraphIndex ||
                            (paragraphIndex == start.paragraphIndex && charIndex >= start.charIndex);
    const bool beforeEnd =
        paragraphIndex < end.paragraphIndex || (paragraphIndex == end.paragraphIndex && charIndex < end.charIndex);
    return afterStart && beforeEnd;
  }
};

// Paints one paragraph: the hatching of header and footer text, its list marker and the
// lines that meet the clip.
void paintParagraph(PaintContext& context, TZEBparag& paragraph, int paragraphIndex);

}  // namespace zeb
