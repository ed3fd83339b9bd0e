// A page for Qt's own rich-text engine: the text and fonts of a text box as simple HTML,
// so that a benchmark can lay out and paint the same page with QTextDocument.
#pragma once

#include <QString>

namespace zeb {

class TZEBbox;

namespace bench {

// One <p> per paragraph with its margins, first-line indent and alignment, and one <span>
// per stretch of characters in one effective font (face substitute, pixel size at the
// resolution, bold, italic, underline, strike-out, colour). Embedded objects are left out.
QString pageHtml(const TZEBbox& box, int pixelsPerInch);

}  // namespace bench
}  // namespace zeb
