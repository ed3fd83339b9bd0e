// A paragraph tag ("<Z S3 A2 ...>") read into the paragraph style it starts, as every
// converter reads it.
#pragma once

#include <cstddef>

#include "export/markup_scanner.h"

namespace zeb {

class MessageBoxes;
class TZEBParaStyle;
class TZEBset;

// Sets `paragraph` to the style the tag at `tag` names (style 0 when it names none, no style
// without a book) with the overrides it carries, and returns where the markup goes on: past
// the tag's ">". A value the end of the markup cuts off is reported on `messages`, when given.
std::size_t readParagraphTag(const MarkupText& markup, std::size_t tag, const TZEBset* set, MessageBoxes* messages,
                             TZEBParaStyle& paragraph);

}  // namespace zeb
