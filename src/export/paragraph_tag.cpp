// Paragraph tags.
#include "export/paragraph_tag.h"

#include <algorithm>
#include <optional>

#include "text/paragraph_style.h"
#include "text/style_object.h"
#include "text/tag_attributes.h"

namespace zeb {

std::size_t readParagraphTag(const MarkupText& markup, std::size_t tag, const TZEBset* set, MessageBoxes* messages,
                             TZEBParaStyle& paragraph) {
  TagAttributeReader reader(markup.bytes(), std::min(tag + 3, markup.size()), messages);
  const std::optional<std::int32_t> number = reader.styleNumber();
  paragraph.clearOverrides();
  paragraph.setBaseStyle(set != nullptr ? findParagraphStyle(*set, number.value_or(0)) : nullptr);
  if (!number) return markup.pastClose(tag);
  reader.readParagraphAttributes(paragraph);
  reader.skipPastClose();
  return reader.position();
}

}  // namespace zeb
