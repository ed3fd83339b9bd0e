// The stylesheet of an exported book, made from its paragraph styles: one class per style
// (".s3" for style 3) with the character and paragraph attributes as CSS declarations, and
// the look of linked text within it. Paragraphs and runs that differ from their style carry
// only the declarations that differ.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace zeb {

class TZEBoggetto;
class TZEBParaStyle;
class TZEBset;

struct CssDeclaration {
  std::string_view property;
  std::string value;
  bool operator==(const CssDeclaration&) const = default;
};
// Always the same properties in the same order for the same kind of thing, so that two
// lists compare property by property.
using CssDeclarations = std::vector<CssDeclaration>;

// "#RRGGBB" (the book stores red in the low byte); empty for a system colour.
std::string cssColour(Colour colour);
// The Liberation face that stands in for a Windows face first, then the face itself, then
// the generic family: "'Liberation Sans', 'Arial', sans-serif". Quotes and backslashes in a
// face name are dropped.
std::string cssFontFamily(std::string_view face);

// font-family, font-size, font-weight, font-style, text-decoration, color, vertical-align.
CssDeclarations fontDeclarations(const TMyFont& font);
// The font's, then text-align, the four margins, text-indent, line-height and the list
// marker (display, list-style-type, counter-reset: a numbered list counts the numbered
// paragraphs that follow one another).
CssDeclarations paragraphDeclarations(const TZEBParaStyle& style);
// The declarations of linked text that differ from the paragraph's own font.
CssDeclarations linkDeclarations(const TZEBParaStyle& style);

// "property: value; ..." of every declaration.
std::string declarationText(const CssDeclarations& declarations);
// Only the declarations whose values differ from the base's (both lists of one kind).
std::string differingDeclarations(const CssDeclarations& declarations, const CssDeclarations& base);

// "s" and the style number.
std::string styleClassName(std::int64_t number);
// The rules of one style object (none: the values of a new style): ".sN { ... }" and, when
// linked text looks different, ".sN a { ... }", each on a line of its own.
std::string styleRules(const TZEBoggetto* style, std::int64_t number);
// The whole stylesheet: the rules every document needs, then the rules of every live style
// in number order (those of a new style as style 0 when the book has none).
std::string bookStylesheet(const TZEBset& set);

}  // namespace zeb
