// The markup reader: one paragraph of a text box from its stored form, in place on the
// text's bytes, measuring each character as it goes.
#pragma once

#include "text/markup_stream.h"

namespace zeb {

class TZEBbox;
class TZEBparag;
class TZEBtesto;

// Reads the paragraph whose tag is the first "<" at or after the stream's position into
// `paragraph` (a new, empty one). `source` is the text object the stream belongs to, which
// resolves local links and embedded objects (none: every such tag names a missing object).
// Returns true when the text's end was reached: a zero byte, the end of the bytes, or a
// table cell's end ("<T>"). Otherwise the stream is left at the next paragraph tag, or at
// the ">" of a tag that named no style. The paragraph always ends with its end cell.
bool readParagraph(TZEBbox& box, TZEBparag& paragraph, MarkupStream& stream, TZEBtesto* source, ReadBudget& budget);

}  // namespace zeb
